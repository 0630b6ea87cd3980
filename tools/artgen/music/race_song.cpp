// The race loop: four-on-the-floor drums, an octave bass and pumping chords in E minor; a lead
// riff takes the second and fourth parts, the third part drops to half time and builds back up.
#include <vector>

#include "drums.h"
#include "effects.h"
#include "instruments.h"
#include "songs.h"

namespace art::music {

namespace {

constexpr int kBars = 32;

struct Chord {
  int bass;
  std::vector<int> tones;
};

const Chord kEm{40, {59, 64, 67}}, kC{36, {60, 64, 67}}, kG{43, {59, 62, 67}}, kD{38, {57, 62, 66}},
    kAm{45, {57, 60, 64}}, kB{35, {59, 63, 66}};

// Two bars per chord; the third part (bars 16-23) turns to A minor and ends on B major.
const Chord& chordAt(int bar) {
  static const std::vector<const Chord*> kMain = {&kEm, &kC, &kG, &kD};
  static const std::vector<const Chord*> kBridge = {&kAm, &kC, &kD, &kB};
  const auto& seq = (bar >= 16 && bar < 24) ? kBridge : kMain;
  return *seq[std::size_t(bar % 8 / 2)];
}

bool halfTime(int bar) {
  return bar >= 16 && bar < 22;
}

// Steps of E natural minor, to harmonise the riff a third below.
int diatonic(int pitch, int steps) {
  static constexpr int kScale[7] = {0, 2, 3, 5, 7, 8, 10};  // from E
  const int rel = pitch - 40;                               // the riff lies well above E2
  int degree = 0;
  for (int d = 0; d < 7; ++d)
    if (kScale[d] == rel % 12) degree = d;
  const int index = rel / 12 * 7 + degree + steps;  // counted in scale steps from E2
  return 40 + index / 7 * 12 + kScale[index % 7];
}

void drums(Loop& loop) {
  KickPatch kk;
  kk.gain = 0.8;
  SnarePatch sn;
  sn.gain = 0.5;
  sn.sends = {1, 0, 0.3};
  ClapPatch cl;
  cl.gain = 0.35;
  cl.sends = {1, 0, 0.35};
  NoisePatch hat;
  hat.decay = 0.05;
  hat.gain = 0.18;
  hat.sends = {1, 0, 0.05};
  NoisePatch open = hat;
  open.decay = 0.32;
  open.highpass = 6500;
  open.gain = 0.12;
  NoisePatch crash;
  crash.decay = 2.2;
  crash.highpass = 3500;
  crash.metal = 0.25;
  crash.gain = 0.2;
  crash.sends = {1, 0, 0.3};
  Rng rng(140);
  for (int bar = 0; bar < kBars; ++bar) {
    const double b0 = bar * 4.0;
    const bool withClap = bar >= 8 && !(bar >= 16 && bar < 24);
    if (bar % 8 == 0 && bar != 16) noiseHit(loop, crash, {b0, 1, -0.3});
    for (int s = 0; s < 16; ++s) {
      const double at = b0 + s * 0.25;
      const double human = 0.08 * rng.bipolar();
      if (halfTime(bar)) {
        if (s == 0 || s == 10) kick(loop, kk, {at});
        if (s == 8) snare(loop, sn, {at});
        if (s % 2 == 0) noiseHit(loop, hat, {at, (s % 4 ? 0.6 : 0.9) + human, 0.25});
        continue;
      }
      if (s % 4 == 0) kick(loop, kk, {at});
      if (bar % 2 && s == 14 && bar >= 8) kick(loop, kk, {at, 0.7});
      if (s == 4 || s == 12) {
        snare(loop, sn, {at});
        if (withClap) clap(loop, cl, {at, 1, 0.1});
      }
      // The build at the end of the half-time part: eighths, then sixteenths, getting louder.
      if (bar == 22 && s % 2 == 0 && s != 4 && s != 12) snare(loop, sn, {at, 0.35 + 0.02 * s});
      if (bar == 23 && s != 4 && s != 12) snare(loop, sn, {at, 0.5 + 0.03 * s});
      // A fill into the loop's start.
      if (bar == kBars - 1 && s > 12) snare(loop, sn, {at, 0.6 + 0.1 * (s - 12), -0.2});
      if (s % 4 == 2)
        noiseHit(loop, open, {at, 0.9 + human, 0.3});
      else
        noiseHit(loop, hat, {at, (s % 2 ? 0.55 : 0.8) + human, 0.25});
    }
  }
}

void bassAndChords(Loop& loop) {
  SynthPatch bass;
  bass.wave = Wave::kSaw;
  bass.subWave = Wave::kSquare;
  bass.sub = 0.5;
  bass.amp = {0.002, 0.4, 0.75, 0.05};
  bass.cutoff = 380;
  bass.q = 1.1;
  bass.filterEnv = {0.001, 0.22, 0, 0.1};
  bass.envOctaves = 2.6;
  bass.drive = 1.8;
  bass.gain = 0.24;
  SynthPatch pad;
  pad.wave = Wave::kSaw;
  pad.unison = 4;
  pad.detune = 22;
  pad.width = 0.9;
  pad.amp = {0.02, 1, 1, 0.35};
  pad.cutoff = 2200;
  pad.keyTrack = 0.3;
  pad.lfoOctaves = 0.5;
  pad.lfoCycles = 4;
  pad.duck = 0.75;
  pad.gain = 0.07;
  pad.sends = {1, 0.08, 0.3};
  static constexpr int kOctaves[2][8] = {{0, 0, 12, 0, 0, 12, 0, 7}, {0, 0, 12, 0, 0, 12, 10, 12}};
  for (int bar = 0; bar < kBars; ++bar) {
    const Chord& c = chordAt(bar);
    if (bar % 2 == 0)
      for (int t : c.tones) play(loop, pad, {bar * 4.0, 8, double(t)});
    if (halfTime(bar)) {  // long notes let the half-time part breathe
      play(loop, bass, {bar * 4.0, 2.4, double(c.bass)});
      play(loop, bass, {bar * 4.0 + 2.5, 1.4, double(c.bass + 12), 0.8});
      continue;
    }
    const bool build = bar == 23;
    for (int s = 0; s < (build ? 16 : 8); ++s) {
      const double step = build ? 0.25 : 0.5;
      const int up = build ? (s % 2 ? 12 : 0) : kOctaves[bar % 2][s];
      play(loop, bass, {bar * 4.0 + s * step, step * 0.8, double(c.bass + up), s % 2 ? 0.85 : 1});
    }
  }
}

void arpeggio(Loop& loop) {
  SynthPatch arp;
  arp.wave = Wave::kSquare;
  arp.amp = {0.002, 0.35, 0, 0.08};
  arp.cutoff = 1200;
  arp.keyTrack = 0.5;
  arp.filterEnv = {0.001, 0.15, 0, 0.1};
  arp.envOctaves = 2.5;
  arp.gain = 0.2;
  arp.sends = {1, 0.35, 0.15};
  static constexpr int kPattern[16] = {0, 1, 2, 4, 3, 1, 2, 5, 0, 1, 2, 4, 3, 2, 1, 5};
  for (int bar = 0; bar < kBars; ++bar) {
    if (halfTime(bar) && bar < 20) continue;  // the bridge starts bare and lets it back in
    const Chord& c = chordAt(bar);
    std::vector<int> tones = c.tones;
    for (int t : c.tones) tones.push_back(t + 12);
    const bool underLead = (bar >= 8 && bar < 16) || bar >= 24;
    for (int s = 0; s < 16; ++s) {
      const double vel = (underLead ? 0.6 : 1.0) * (s % 4 == 0 ? 1.0 : 0.75);
      play(loop, arp,
           {bar * 4.0 + s * 0.25, 0.2, double(tones[std::size_t(kPattern[s])] + 12), vel,
            s % 2 ? 0.5 : -0.5});
    }
  }
}

struct Phrase {
  double beat, beats;
  int pitch;
};

// Eight bars of riff over Em, C, G, D.
const std::vector<Phrase> kRiff = {
    {0, .75, 71},   {.75, .75, 76},   {1.5, .5, 79},  {2, 1, 78},     {3, .5, 76},
    {3.5, .5, 74},  {4, 1.5, 76},     {5.5, .5, 71},  {6, 1, 74},     {7, 1, 76},  //
    {8, .75, 72},   {8.75, .75, 76},  {9.5, .5, 79},  {10, 1, 81},    {11, .5, 79},
    {11.5, .5, 76}, {12, 1.5, 79},    {13.5, .5, 76}, {14, 1, 74},    {15, 1, 76},  //
    {16, .75, 74},  {16.75, .75, 79}, {17.5, .5, 83}, {18, 1, 81},    {19, .5, 79},
    {19.5, .5, 78}, {20, 1.5, 79},    {21.5, .5, 74}, {22, 1, 71},    {23, 1, 74},  //
    {24, .75, 69},  {24.75, .75, 74}, {25.5, .5, 78}, {26, 1, 81},    {27, .5, 83},
    {27.5, .5, 81}, {28, 2, 78},      {30, .5, 76},   {30.5, .5, 78}, {31, 1, 79},
};

// The second half of the bridge, over D and B, climbing back towards E minor.
const std::vector<Phrase> kBridgeLine = {
    {0, 2, 78}, {2, 2, 81},  {4, 1, 79},  {5, 1, 78},  {6, 2, 76},  //
    {8, 2, 75}, {10, 2, 78}, {12, 3, 83}, {15, 1, 78},
};

void lead(Loop& loop) {
  SynthPatch ld;
  ld.wave = Wave::kSaw;
  ld.unison = 3;
  ld.detune = 12;
  ld.width = 0.5;
  ld.amp = {0.006, 0.4, 0.8, 0.12};
  ld.cutoff = 2500;
  ld.q = 1.2;
  ld.keyTrack = 0.4;
  ld.filterEnv = {0.004, 0.35, 0.3, 0.2};
  ld.envOctaves = 1.3;
  ld.vibratoCents = 14;
  ld.vibratoDelay = 0.25;
  ld.gain = 0.22;
  ld.sends = {1, 0.3, 0.2};
  SynthPatch harmony = ld;
  harmony.gain = 0.11;
  harmony.wave = Wave::kSquare;
  for (const Phrase& p : kRiff) {
    play(loop, ld, {32 + p.beat, p.beats * 0.92, double(p.pitch), 1, -0.1});
    play(loop, ld, {96 + p.beat, p.beats * 0.92, double(p.pitch), 1, -0.1});
    play(loop, harmony, {96 + p.beat, p.beats * 0.92, double(diatonic(p.pitch, -2)), 1, 0.35});
  }
  for (const Phrase& p : kBridgeLine)
    play(loop, ld, {80 + p.beat, p.beats * 0.95, double(p.pitch), 1, 0});
}

}  // namespace

Song raceLoop() {
  Loop loop(Tempo(140), kBars * 4);
  drums(loop);
  bassAndChords(loop);
  arpeggio(loop);
  lead(loop);
  EffectsPatch fx;
  fx.delayBeats = 0.75;
  fx.delayFeedback = 0.35;
  fx.delayTone = 4000;
  fx.delayReturn = 0.45;
  fx.delayToReverb = 0.3;
  fx.roomFeedback = 0.8;
  fx.roomDamping = 0.4;
  fx.reverbReturn = 0.45;
  fx.limitDb = 3.5;
  return {mixDown(loop, fx), loop.tempo().frame(4)};
}

}  // namespace art::music
