// Delay, reverb, limiter and normalisation of a loop.
#include "effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <stdexcept>
#include <vector>

#include "dsp.h"

namespace art::music {

namespace {

// Freeverb-style room: parallel damped combs into series allpasses, per side.
class Reverb {
 public:
  Reverb(double feedback, double damping, double width) : feedback_(feedback), damp_(damping) {
    static constexpr std::array<int, 8> kCombs = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static constexpr std::array<int, 4> kAllpasses = {556, 441, 341, 225};
    constexpr int kSpread = 23;  // the right side is tuned apart, which makes the room wide
    for (int side = 0; side < 2; ++side) {
      for (int c : kCombs) combs_[side].push_back({std::vector<float>(c + side * kSpread)});
      for (int a : kAllpasses) allpasses_[side].push_back({std::vector<float>(a + side * kSpread)});
    }
    wet1_ = width / 2 + 0.5;
    wet2_ = (1 - width) / 2;
  }

  void run(double inL, double inR, double& outL, double& outR) {
    const double in = (inL + inR) * 0.015;
    double out[2] = {0, 0};
    for (int side = 0; side < 2; ++side) {
      for (Comb& c : combs_[side]) {
        const float y = c.buf[c.pos];
        c.store = float(y * (1 - damp_) + c.store * damp_);
        c.buf[c.pos] = float(in + c.store * feedback_);
        if (++c.pos == c.buf.size()) c.pos = 0;
        out[side] += y;
      }
      for (Allpass& a : allpasses_[side]) {
        const float b = a.buf[a.pos];
        a.buf[a.pos] = float(out[side] + b * 0.5);
        out[side] = b - out[side];
        if (++a.pos == a.buf.size()) a.pos = 0;
      }
    }
    outL = out[0] * wet1_ + out[1] * wet2_;
    outR = out[1] * wet1_ + out[0] * wet2_;
  }

 private:
  struct Comb {
    std::vector<float> buf;
    float store = 0;
    std::size_t pos = 0;
  };
  struct Allpass {
    std::vector<float> buf;
    std::size_t pos = 0;
  };
  double feedback_, damp_, wet1_, wet2_;
  std::vector<Comb> combs_[2];
  std::vector<Allpass> allpasses_[2];
};

// Echoes that bounce between the sides, each a little darker than the last.
class PingPong {
 public:
  PingPong(std::size_t frames, double feedback, double tone)
      : l_(frames), r_(frames), feedback_(feedback) {
    if (frames == 0) throw std::runtime_error("delay of zero length");
    tl_.set(tone);
    tr_.set(tone);
  }
  void run(double inL, double inR, double& outL, double& outR) {
    outL = l_[pos_];
    outR = r_[pos_];
    l_[pos_] = float((inL + inR) * 0.5 + tr_.lowpass(outR) * feedback_);
    r_[pos_] = float(tl_.lowpass(outL) * feedback_);
    if (++pos_ == l_.size()) pos_ = 0;
  }

 private:
  std::vector<float> l_, r_;
  double feedback_;
  OnePole tl_, tr_;
  std::size_t pos_ = 0;
};

double peakOf(const Stereo& a) {
  float peak = 0;
  for (std::size_t i = 0; i < a.frames(); ++i)
    peak = std::max({peak, std::fabs(a.l[i]), std::fabs(a.r[i])});
  return peak;
}

}  // namespace

void limitLoop(Stereo& audio, double threshold) {
  const std::size_t n = audio.frames();
  if (n == 0) return;
  const std::size_t reach = std::min<std::size_t>(kRate / 200, n / 2);  // 5 ms either side
  std::vector<double> need(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double p = std::max(std::fabs(audio.l[i]), std::fabs(audio.r[i]));
    need[i] = p > threshold ? threshold / p : 1.0;
  }
  // Lowest need within reach of each sample (sliding minimum over the wrapped signal) ...
  std::vector<double> low(n);
  std::deque<std::size_t> window;  // indexes into the unwrapped range, increasing need values
  const std::size_t total = n + 2 * reach;
  auto at = [&](std::size_t k) { return need[(k + n - reach) % n]; };
  for (std::size_t k = 0; k < total; ++k) {
    while (!window.empty() && at(window.back()) >= at(k)) window.pop_back();
    window.push_back(k);
    if (window.front() + 2 * reach < k) window.pop_front();
    if (k >= 2 * reach) low[k - 2 * reach] = at(window.front());
  }
  // ... averaged over the same reach: never above the need at the centre, and without steps.
  std::vector<double> sum(total + 1, 0.0);
  for (std::size_t k = 0; k < total; ++k) sum[k + 1] = sum[k] + low[(k + n - reach) % n];
  std::vector<double> gain(n);
  for (std::size_t i = 0; i < n; ++i)
    gain[i] = (sum[i + 2 * reach + 1] - sum[i]) / double(2 * reach + 1);
  // A slow recovery after each dip, run twice round the loop so it settles across the seam.
  const double recover = std::exp(-1.0 / (0.08 * kRate));
  double g = 1;
  for (std::size_t k = 0; k < 2 * n; ++k) {
    const std::size_t i = k % n;
    g = std::min(gain[i], 1 - (1 - g) * recover);
    if (k >= n) gain[i] = g;
  }
  for (std::size_t i = 0; i < n; ++i) {
    audio.l[i] = float(audio.l[i] * gain[i]);
    audio.r[i] = float(audio.r[i] * gain[i]);
  }
}

Stereo mixDown(const Loop& loop, const EffectsPatch& p) {
  const std::size_t n = loop.frames();
  PingPong delay(loop.tempo().frame(p.delayBeats), p.delayFeedback, p.delayTone);
  Reverb room(p.roomFeedback, p.roomDamping, p.roomWidth);
  OnePole hpl, hpr;
  hpl.set(p.highpassHz);
  hpr.set(p.highpassHz);
  Stereo out(n);
  for (std::size_t k = 0; k < 2 * n; ++k) {
    const std::size_t i = k % n;
    double dl, dr, rl, rr;
    delay.run(loop.delay.l[i], loop.delay.r[i], dl, dr);
    room.run(loop.reverb.l[i] + dl * p.delayToReverb, loop.reverb.r[i] + dr * p.delayToReverb, rl,
             rr);
    const double l = hpl.highpass(loop.dry.l[i] + dl * p.delayReturn + rl * p.reverbReturn);
    const double r = hpr.highpass(loop.dry.r[i] + dr * p.delayReturn + rr * p.reverbReturn);
    if (k >= n) {
      out.l[i] = float(l);
      out.r[i] = float(r);
    }
  }
  const double peak = peakOf(out);
  if (peak <= 0) throw std::runtime_error("the loop is silent");
  limitLoop(out, peak * dbToGain(-p.limitDb));
  const double scale = dbToGain(p.ceilingDb) / peakOf(out);
  for (std::size_t i = 0; i < n; ++i) {
    out.l[i] = float(out.l[i] * scale);
    out.r[i] = float(out.r[i] * scale);
  }
  return out;
}

}  // namespace art::music
