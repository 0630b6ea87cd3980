// The drum kit of the music loops. Every hit seeds its own noise from its position, so a hit
// sounds the same wherever the rendering order puts it.
#include "drums.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dsp.h"

namespace art::music {

namespace {
constexpr double k60 = 6.907755;  // ln(1000): decays are times to -60 dB

std::uint64_t hitSeed(std::size_t frame, std::uint64_t kind) {
  return std::uint64_t(frame) * 2654435761u + kind;
}
std::size_t tail(double seconds) {
  return std::size_t(seconds * kRate) + 1;
}
}  // namespace

void kick(Loop& loop, const KickPatch& p, const Hit& h) {
  const std::size_t start = loop.tempo().frame(h.beat);
  Rng rng(hitSeed(start, 1));
  OnePole clickTone;
  clickTone.set(5000);
  const PanGains pan = panGains(h.pan);
  const double norm = 1 / std::tanh(p.drive);
  double phase = 0;
  for (std::size_t i = 0, n = tail(p.decay); i < n; ++i) {
    const double t = double(i) / kRate;
    const double hz = p.endHz + (p.startHz - p.endHz) * std::exp(-t / p.sweep);
    const double body = std::sin(2 * kPi * phase) * std::exp(-k60 * t / p.decay);
    phase += hz / kRate;
    const double click = clickTone.lowpass(rng.bipolar()) * p.click * std::exp(-t / 0.003) *
                         std::min(1.0, t / 0.0008);  // a beater, not a digital click
    const double v = std::tanh(p.drive * (body + click)) * norm * p.gain * h.vel;
    loop.add(start + i, v * pan.l, v * pan.r, p.sends);
  }
}

void snare(Loop& loop, const SnarePatch& p, const Hit& h) {
  const std::size_t start = loop.tempo().frame(h.beat);
  Rng rng(hitSeed(start, 2));
  Svf hp, lp;
  hp.set(p.noiseLow, 0.7);
  lp.set(p.noiseHigh, 0.7);
  const PanGains pan = panGains(h.pan);
  double phase = 0;
  for (std::size_t i = 0, n = tail(std::max(p.toneDecay, p.noiseDecay)); i < n; ++i) {
    const double t = double(i) / kRate;
    const double hz = p.toneHz * (1 + 0.4 * std::exp(-t / 0.012));
    const double tone = std::sin(2 * kPi * phase) * std::exp(-k60 * t / p.toneDecay);
    phase += hz / kRate;
    const double noise = lp.run(hp.run(rng.bipolar()).hp).lp * std::exp(-k60 * t / p.noiseDecay);
    const double attack = std::min(1.0, t / 0.0007);
    const double v = (tone * p.tone + noise * p.noise) * attack * p.gain * h.vel;
    loop.add(start + i, v * pan.l, v * pan.r, p.sends);
  }
}

void noiseHit(Loop& loop, const NoisePatch& p, const Hit& h) {
  // The classic drum-machine cymbal ratios: inharmonic, so the cluster sounds like metal.
  static constexpr std::array<double, 6> kRatios = {2.0, 3.0, 4.16, 5.43, 6.79, 8.21};
  const std::size_t start = loop.tempo().frame(h.beat);
  Rng rng(hitSeed(start, 3 + std::uint64_t(p.decay * 1000)));
  std::array<Osc, 6> metal = {Osc(Wave::kSquare, 0.1), Osc(Wave::kSquare, 0.7),
                              Osc(Wave::kSquare, 0.3), Osc(Wave::kSquare, 0.9),
                              Osc(Wave::kSquare, 0.5), Osc(Wave::kSquare, 0.2)};
  Svf hpl, hpr, lpl, lpr;
  for (Svf* f : {&hpl, &hpr}) f->set(p.highpass, 0.8);
  for (Svf* f : {&lpl, &lpr}) f->set(p.lowpass, 0.7);
  const PanGains pan = panGains(h.pan);
  for (std::size_t i = 0, n = tail(p.attack + p.decay); i < n; ++i) {
    const double t = double(i) / kRate;
    double m = 0;
    for (std::size_t k = 0; k < metal.size(); ++k) m += metal[k].next(p.metalHz * kRatios[k]);
    m *= p.metal / 3;
    // Independent noise per side gives the cymbals their width.
    const double nl = rng.bipolar() * (1 - p.metal) + m;
    const double nr = rng.bipolar() * (1 - p.metal) + m;
    const double env = t < p.attack ? t / p.attack : std::exp(-k60 * (t - p.attack) / p.decay);
    const double g = env * p.gain * h.vel;
    const double l = lpl.run(hpl.run(nl).hp).lp * g;
    const double r = lpr.run(hpr.run(nr).hp).lp * g;
    loop.add(start + i, l * pan.l, r * pan.r, p.sends);
  }
}

void clap(Loop& loop, const ClapPatch& p, const Hit& h) {
  const std::size_t start = loop.tempo().frame(h.beat);
  Rng rng(hitSeed(start, 4));
  Svf bpl, bpr;
  bpl.set(p.centreHz, p.q);
  bpr.set(p.centreHz * 1.08, p.q);
  const PanGains pan = panGains(h.pan);
  for (std::size_t i = 0, n = tail(0.03 + p.decay); i < n; ++i) {
    const double t = double(i) / kRate;
    // Three quick slaps of hands, then the room.
    double env = 0;
    for (double at : {0.0, 0.011, 0.022})
      if (t >= at) env = std::max(env, std::exp(-(t - at) / 0.004));
    if (t >= 0.03) env = std::max(env, 0.6 * std::exp(-k60 * (t - 0.03) / p.decay));
    const double g = env * std::min(1.0, t / 0.0005) * p.gain * h.vel;
    const double l = bpl.run(rng.bipolar()).bp * g;
    const double r = bpr.run(rng.bipolar()).bp * g;
    loop.add(start + i, l * pan.l, r * pan.r, p.sends);
  }
}

}  // namespace art::music
