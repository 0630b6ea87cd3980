// The pitched instruments of the music loops.
#include "instruments.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art::music {

void play(Loop& loop, const SynthPatch& p, const Note& n) {
  const Tempo& tempo = loop.tempo();
  const std::size_t start = tempo.frame(n.beat);
  const double held = tempo.seconds(n.beats);
  const std::size_t len = std::size_t(p.amp.length(held) * kRate) + 1;

  const int count = std::max(1, p.unison);
  std::vector<Osc> oscs;
  std::vector<double> ratio, gl, gr;
  for (int k = 0; k < count; ++k) {
    const double s = count == 1 ? 0 : 2.0 * k / (count - 1) - 1;
    // Spread start phases (golden-ratio steps): no unison beating in step at the note's start,
    // and the same note sounds the same wherever it is placed.
    oscs.emplace_back(p.wave, std::fmod(0.618034 * k, 1.0));
    ratio.push_back(std::pow(2.0, s * p.detune / 2 / 1200));
    const PanGains g = panGains(s * p.width);
    gl.push_back(g.l);
    gr.push_back(g.r);
  }
  Osc sub(p.subWave);
  Svf fl, fr;
  const double hz = midiHz(n.pitch);
  const double norm = 1 / std::sqrt(double(count));
  const PanGains pan = panGains(n.pan);
  const double driveNorm = p.drive > 0 ? 1 / std::tanh(p.drive) : 1;

  // Envelopes and filter settings change every 16 samples (a third of a millisecond); the
  // level is interpolated in between.
  constexpr std::size_t kBlock = 16;
  double envFrom = 0, envTo = 0;
  for (std::size_t i = 0; i < len; ++i) {
    const double t = double(i) / kRate;
    const std::size_t frame = start + i;
    if (i % kBlock == 0) {
      envFrom = p.amp.at(t, held);
      envTo = p.amp.at(t + double(kBlock) / kRate, held);
      const double lfo =
          std::sin(2 * kPi * p.lfoCycles * double(frame % loop.frames()) / double(loop.frames()));
      const double oct = p.keyTrack * (n.pitch - 60) / 12 + p.envOctaves * p.filterEnv.at(t, held) +
                         p.lfoOctaves * lfo;
      const double cut = p.cutoff * std::pow(2.0, oct);
      fl.set(cut, p.q);
      fr.set(cut, p.q);
    }
    double f = hz;
    if (p.vibratoCents > 0) {
      const double depth = std::clamp((t - p.vibratoDelay) / 0.4, 0.0, 1.0) * p.vibratoCents;
      f *= std::pow(2.0, depth * std::sin(2 * kPi * p.vibratoHz * t) / 1200);
    }
    double l = 0, r = 0;
    for (int k = 0; k < count; ++k) {
      const double v = oscs[k].next(f * ratio[k]);
      l += v * gl[k];
      r += v * gr[k];
    }
    l *= norm;
    r *= norm;
    if (p.sub > 0) {
      const double s = sub.next(f / 2) * p.sub;
      l += s;
      r += s;
    }
    l = fl.run(l).lp;
    r = fr.run(r).lp;
    if (p.drive > 0) {
      l = std::tanh(p.drive * l) * driveNorm;
      r = std::tanh(p.drive * r) * driveNorm;
    }
    const double env = envFrom + (envTo - envFrom) * double(i % kBlock) / kBlock;
    const double g = env * n.vel * p.gain * loop.pump(frame, p.duck);
    loop.add(frame, l * g * pan.l, r * g * pan.r, p.sends);
  }
}

void bell(Loop& loop, const BellPatch& p, const Note& n) {
  const Tempo& tempo = loop.tempo();
  const std::size_t start = tempo.frame(n.beat);
  const double held = tempo.seconds(n.beats);
  const Adsr amp{0.003, p.decay, 0, p.release};
  const std::size_t len = std::size_t(amp.length(held) * kRate) + 1;
  const double hz = midiHz(n.pitch);
  const double spread = std::pow(2.0, p.detuneCents / 2 / 1200);
  const double fl = hz / spread, fr = hz * spread;
  const PanGains pan = panGains(n.pan);
  double cl = 0, cr = 0, ml = 0, mr = 0;  // phases in cycles
  for (std::size_t i = 0; i < len; ++i) {
    const double t = double(i) / kRate;
    const double index = p.index * std::exp(-t / p.indexDecay);
    const double l = std::sin(2 * kPi * cl + index * std::sin(2 * kPi * ml));
    const double r = std::sin(2 * kPi * cr + index * std::sin(2 * kPi * mr));
    cl = std::fmod(cl + fl / kRate, 1.0);
    cr = std::fmod(cr + fr / kRate, 1.0);
    ml = std::fmod(ml + fl * p.ratio / kRate, 1.0);
    mr = std::fmod(mr + fr * p.ratio / kRate, 1.0);
    const double g = amp.at(t, held) * n.vel * p.gain;
    loop.add(start + i, l * g * pan.l, r * g * pan.r, p.sends);
  }
}

}  // namespace art::music
