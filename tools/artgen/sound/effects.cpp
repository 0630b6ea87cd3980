#include "sound/effects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "music/dsp.h"
#include "toolkit/random.h"

namespace art::sound {

namespace {

using music::kPi;

std::size_t frames(double seconds) {
  return std::size_t(std::lround(seconds * kRate));
}

// Scales a sound to the given peak.
void normalise(std::vector<float>& s, double peak) {
  double most = 0;
  for (float v : s) most = std::max(most, double(std::fabs(v)));
  if (most <= 0) return;
  for (float& v : s) v = float(v * peak / most);
}

// Raised-cosine fades at both ends, so a one-shot starts and stops at rest.
void fadeEnds(std::vector<float>& s, double inSeconds, double outSeconds) {
  const std::size_t in = std::min(s.size(), frames(inSeconds));
  const std::size_t out = std::min(s.size(), frames(outSeconds));
  for (std::size_t i = 0; i < in; ++i) s[i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / in));
  for (std::size_t i = 0; i < out; ++i)
    s[s.size() - 1 - i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / out));
}

// Band-limited noise that repeats seamlessly over `n` samples: the filter runs round the loop
// twice and the second round is kept, so the seam has the same history as every other sample.
std::vector<float> loopedNoise(std::size_t n, double lowHz, double highHz, std::uint64_t seed) {
  Rng rng(seed);
  std::vector<float> white(n);
  for (float& v : white) v = float(rng.bipolar());
  music::Svf lo, hi;
  lo.set(highHz, 0.7);
  hi.set(lowHz, 0.7);
  std::vector<float> out(n);
  for (int pass = 0; pass < 3; ++pass)
    for (std::size_t i = 0; i < n; ++i) out[i] = float(hi.run(lo.run(white[i]).lp).hp);
  return out;
}

// The engine: one crank cycle (two revolutions) fires the four cylinders in turn. Each firing
// is an exhaust pulse ringing in the pipe, a little different from cylinder to cylinder, so the
// sound is a harmonic series on the firing rhythm with the lower crank-cycle harmonics of a real
// engine, plus intake and mechanical noise that breathes with the firings.
Effect engine() {
  const std::size_t firing = std::size_t(std::lround(kRate / kEngineFiringHz));  // 441
  const std::size_t cycle = firing * 4;
  const std::size_t n = cycle * 20;  // 0.8 s
  std::vector<double> out(n, 0.0);
  const double level[4] = {1.0, 0.9, 0.96, 0.93};
  const int lateness[4] = {0, 7, -4, 3};  // samples off the even beat
  const double ring[4] = {165, 162, 168, 163};
  for (std::size_t k = 0; k < n / firing; ++k) {
    const int cyl = int(k % 4);
    const long start = long(k * firing) + lateness[cyl] + long(n);
    for (std::size_t t = 0; t < cycle; ++t) {
      const double sec = double(t) / kRate;
      // A sharp pressure front, then the pipe's ringing, both dying away within a firing or two.
      const double front = std::exp(-sec / 0.0018) * (1 - std::exp(-sec / 0.0002));
      const double pipe = std::exp(-sec / 0.006) * std::sin(2 * kPi * ring[cyl] * sec);
      const double body = std::exp(-sec / 0.012) * std::sin(2 * kPi * 62 * sec);
      out[std::size_t(start + long(t)) % n] +=
          level[cyl] * (0.45 * front + 0.7 * pipe + 0.6 * body);
    }
  }
  // Intake hiss and valve-train rattle, louder just after each firing.
  const std::vector<float> hiss = loopedNoise(n, 300, 2500, 11);
  const std::vector<float> rattle = loopedNoise(n, 1500, 4000, 12);
  for (std::size_t i = 0; i < n; ++i) {
    const double phase = double(i % firing) / double(firing);
    const double breath = 0.35 + 0.65 * std::exp(-phase * 5);
    out[i] += 0.10 * hiss[i] * breath + 0.03 * rattle[i];
  }
  // A low-pass body round the loop twice, as for the noise: the car's shell and silencer.
  std::vector<float> shaped(n);
  music::Svf body;
  body.set(2200, 0.8);
  double dc = 0;
  for (double v : out) dc += v;
  dc /= double(n);
  for (int pass = 0; pass < 3; ++pass)
    for (std::size_t i = 0; i < n; ++i) shaped[i] = float(body.run(out[i] - dc).lp);
  // A touch of soft saturation gives the roughness of a real exhaust.
  normalise(shaped, 1.0);
  for (float& v : shaped) v = float(std::tanh(1.6 * v) / std::tanh(1.6));
  normalise(shaped, 0.7);
  return {"/sounds/engine.wav", true, shaped};
}

// Tyres at their limit: a narrow, wavering screech over a hiss of rubber on tarmac. Every
// wobble makes whole cycles over the loop, so its end meets its start.
Effect squeal() {
  const std::size_t n = frames(1.0);
  const double seconds = double(n) / kRate;
  const std::vector<float> hiss = loopedNoise(n, 900, 3500, 21);
  std::vector<float> s(n);
  double phase = 0, phase2 = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    const double wobble =
        std::sin(2 * kPi * 7 * t / seconds) + 0.5 * std::sin(2 * kPi * 13 * t / seconds);
    const double hz = 1400 + 45 * wobble;
    phase += hz / kRate;
    phase2 += (2.03 * 1400 + 70 * wobble) / kRate;
    const double swell = 0.75 + 0.25 * std::sin(2 * kPi * 3 * t / seconds);
    s[i] = float(swell * (0.55 * std::sin(2 * kPi * phase) + 0.18 * std::sin(2 * kPi * phase2)) +
                 0.35 * hiss[i]);
  }
  normalise(s, 0.6);
  return {"/sounds/squeal.wav", true, s};
}

// A car into a wall: a falling low thump with the crunch of the impact on top.
Effect wall() {
  const std::size_t n = frames(0.35);
  Rng rng(31);
  music::Svf crunch;
  crunch.set(700, 0.9);
  std::vector<float> s(n);
  double phase = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    phase += (45 + 85 * std::exp(-t / 0.04)) / kRate;
    const double thump = std::exp(-t / 0.07) * std::sin(2 * kPi * phase);
    const double grit = crunch.run(rng.bipolar()).bp * std::exp(-t / 0.03);
    s[i] = float(thump + 1.6 * grit);
  }
  normalise(s, 0.75);
  fadeEnds(s, 0.002, 0.03);
  return {"/sounds/wall.wav", false, s};
}

// Two cars touching: a short, hollow clank of sheet metal.
Effect bump() {
  const std::size_t n = frames(0.22);
  Rng rng(41);
  std::vector<float> s(n);
  const double partials[][3] = {{420, 1.0, 0.05},
                                {1130, 0.55, 0.03},
                                {1790, 0.4, 0.02},
                                {2650, 0.25, 0.012},
                                {190, 0.7, 0.06}};
  for (std::size_t i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    double v = 0.4 * rng.bipolar() * std::exp(-t / 0.004);
    for (const auto& p : partials) v += p[1] * std::exp(-t / p[2]) * std::sin(2 * kPi * p[0] * t);
    s[i] = float(v);
  }
  normalise(s, 0.6);
  fadeEnds(s, 0.001, 0.03);
  return {"/sounds/bump.wav", false, s};
}

// A clean electronic tone with a soft start and end, as start lights sound.
std::vector<float> beepTone(double hz, double seconds) {
  std::vector<float> s(frames(seconds));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    s[i] = float(std::sin(2 * kPi * hz * t) + 0.12 * std::sin(2 * kPi * 2 * hz * t) +
                 0.05 * std::sin(2 * kPi * 3 * hz * t));
  }
  normalise(s, 0.55);
  fadeEnds(s, 0.006, 0.04);
  return s;
}

// A bell-like note: partials of a small struck bar, each dying at its own pace.
void bell(std::vector<float>& s, double start, double hz, double gain) {
  const double partials[][3] = {
      {1, 1.0, 0.35}, {2.0, 0.35, 0.2}, {3.01, 0.2, 0.12}, {4.2, 0.08, 0.06}};
  for (std::size_t i = frames(start); i < s.size(); ++i) {
    const double t = double(i) / kRate - start;
    const double attack = std::min(1.0, t / 0.003);
    for (const auto& p : partials)
      s[i] += float(gain * attack * p[1] * std::exp(-t / p[2]) * std::sin(2 * kPi * hz * p[0] * t));
  }
}

Effect lap() {
  std::vector<float> s(frames(0.7));
  bell(s, 0.0, music::midiHz(88), 1.0);   // E6
  bell(s, 0.12, music::midiHz(95), 1.0);  // B6
  normalise(s, 0.6);
  fadeEnds(s, 0.001, 0.08);
  return {"/sounds/lap.wav", false, s};
}

// A refused lap: a low, rough buzz, two short pulses.
Effect refused() {
  const std::size_t n = frames(0.42);
  std::vector<float> s(n);
  music::Osc saw(music::Wave::kSaw), saw2(music::Wave::kSaw, 0.3);
  music::Svf tone;
  tone.set(900, 0.8);
  // Two pulses, their edges softened by a slow one-pole follower of the gate.
  music::OnePole smooth;
  smooth.set(60);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    const double gate = (t < 0.17 || (t > 0.22 && t < 0.40)) ? 1.0 : 0.0;
    const double v = saw.next(110) + 0.7 * saw2.next(112.5);
    s[i] = float(smooth.lowpass(gate) * tone.run(v).lp);
  }
  normalise(s, 0.55);
  fadeEnds(s, 0.004, 0.02);
  return {"/sounds/refused.wav", false, s};
}

// A parcel collected: a quick rising arpeggio with a sparkle at the top.
Effect pickup() {
  std::vector<float> s(frames(0.34));
  const double notes[] = {84, 88, 91, 96};  // C6 E6 G6 C7
  for (int k = 0; k < 4; ++k) {
    const double start = 0.055 * k;
    music::Osc tri(music::Wave::kTriangle);
    for (std::size_t i = frames(start); i < s.size(); ++i) {
      const double t = double(i) / kRate - start;
      const double env = std::min(1.0, t / 0.004) * std::exp(-t / (k == 3 ? 0.09 : 0.045));
      s[i] += float(env * (tri.next(music::midiHz(notes[k])) +
                           0.3 * std::sin(2 * kPi * 2 * music::midiHz(notes[k]) * t)));
    }
  }
  normalise(s, 0.55);
  fadeEnds(s, 0.001, 0.05);
  return {"/sounds/pickup.wav", false, s};
}

// The clock in the last seconds: a short woody tick.
Effect tick() {
  std::vector<float> s(frames(0.05));
  Rng rng(61);
  music::Svf res;
  res.set(3200, 6);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    const double hit = std::exp(-t / 0.002) * rng.bipolar();
    s[i] = float(res.run(hit).bp + 0.5 * std::exp(-t / 0.006) * std::sin(2 * kPi * 1600 * t));
  }
  normalise(s, 0.5);
  fadeEnds(s, 0.0005, 0.01);
  return {"/sounds/tick.wav", false, s};
}

// A soft button click: a tiny knock with a little body.
Effect click() {
  std::vector<float> s(frames(0.04));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    s[i] = float(std::exp(-t / 0.003) * std::sin(2 * kPi * 2100 * t) +
                 0.6 * std::exp(-t / 0.008) * std::sin(2 * kPi * 420 * t));
  }
  normalise(s, 0.4);
  fadeEnds(s, 0.0005, 0.01);
  return {"/sounds/click.wav", false, s};
}

// A page sliding away: a short breath of air sweeping up and fading.
Effect slide() {
  const std::size_t n = frames(0.26);
  std::vector<float> s(n);
  Rng rng(71);
  music::Svf sweep;
  for (std::size_t i = 0; i < n; ++i) {
    const double t = double(i) / double(n);
    sweep.set(500 * std::pow(5.0, t), 1.6);
    const double env = std::sin(kPi * t) * std::sin(kPi * t);
    s[i] = float(env * sweep.run(rng.bipolar()).bp);
  }
  normalise(s, 0.35);
  fadeEnds(s, 0.003, 0.02);
  return {"/sounds/slide.wav", false, s};
}

}  // namespace

std::vector<Effect> synthesizeEffects() {
  std::vector<Effect> all;
  all.push_back(engine());
  all.push_back(squeal());
  all.push_back(wall());
  all.push_back(bump());
  all.push_back({"/sounds/beep.wav", false, beepTone(880, 0.15)});
  all.push_back({"/sounds/go.wav", false, beepTone(1760, 0.4)});
  all.push_back(lap());
  all.push_back(refused());
  all.push_back(pickup());
  all.push_back(tick());
  all.push_back(click());
  all.push_back(slide());
  return all;
}

std::string wavBytes(const std::vector<float>& samples) {
  std::string out;
  auto u32 = [&out](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(char((v >> (8 * i)) & 0xff));
  };
  auto u16 = [&out](std::uint16_t v) {
    out.push_back(char(v & 0xff));
    out.push_back(char(v >> 8));
  };
  const std::uint32_t data = std::uint32_t(samples.size() * 2);
  out += "RIFF";
  u32(36 + data);
  out += "WAVEfmt ";
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(kRate);
  u32(kRate * 2);
  u16(2);
  u16(16);
  out += "data";
  u32(data);
  for (float v : samples) {
    const long q = std::lround(std::clamp(double(v), -1.0, 1.0) * 32767);
    u16(std::uint16_t(std::int16_t(q)));
  }
  return out;
}

EffectReport measure(const Effect& e) {
  EffectReport r;
  const std::vector<float>& s = e.samples;
  if (s.empty()) return r;
  r.seconds = double(s.size()) / kRate;
  double stepSum = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    r.finite = r.finite && std::isfinite(s[i]);
    r.peak = std::max(r.peak, double(std::fabs(s[i])));
    if (i) stepSum += std::fabs(s[i] - s[i - 1]);
  }
  r.headLevel = std::fabs(s.front());
  r.tailLevel = std::fabs(s.back());
  const double meanStep = s.size() > 1 ? stepSum / double(s.size() - 1) : 0;
  r.seamStep = meanStep > 0 ? std::fabs(s.front() - s.back()) / meanStep : 0;
  const std::size_t w = std::min(s.size() / 2, std::size_t(kRate / 50));
  double head = 0, tail = 0;
  for (std::size_t i = 0; i < w; ++i) {
    head += double(s[i]) * s[i];
    tail += double(s[s.size() - 1 - i]) * s[s.size() - 1 - i];
  }
  r.seamLevelDb = (head > 0 && tail > 0) ? 10 * std::log10(tail / head) : 0;
  return r;
}

void enforce(const EffectReport& r, const EffectRules& rules, const Effect& e) {
  auto fail = [&e](const std::string& what) { throw std::runtime_error(e.file + ": " + what); };
  if (r.seconds <= 0) fail("no sound");
  // A NaN compares false with every limit, so it would slip past the checks below.
  if (!r.finite) fail("holds samples that are not numbers");
  if (r.peak >= rules.maxPeak) fail("peak " + std::to_string(r.peak) + " at or above the limit");
  if (e.loop) {
    if (r.seamStep > rules.maxSeamStep)
      fail("the loop's seam steps " + std::to_string(r.seamStep) + " mean steps");
    if (std::fabs(r.seamLevelDb) > rules.maxSeamLevelDb)
      fail("the loop's level jumps " + std::to_string(r.seamLevelDb) + " dB at its seam");
  } else if (r.headLevel > rules.maxEdge || r.tailLevel > rules.maxEdge) {
    fail("does not start and end at rest");
  }
}

std::string summary(const EffectReport& r, bool loop) {
  char buf[160];
  if (loop) {
    std::snprintf(buf, sizeof buf, "%.2f s, peak %.2f, seam step %.2f, seam level %+.2f dB",
                  r.seconds, r.peak, r.seamStep, r.seamLevelDb);
  } else {
    std::snprintf(buf, sizeof buf, "%.2f s, peak %.2f, first and last samples %.4f, %.4f",
                  r.seconds, r.peak, r.headLevel, r.tailLevel);
  }
  return buf;
}

}  // namespace art::sound
