// The menu loop: slow D minor pads under a soft arpeggio; a bell tune and light percussion come
// in for the middle part, and a short turnaround on the dominant leads back to the start.
#include <vector>

#include "drums.h"
#include "effects.h"
#include "instruments.h"
#include "songs.h"

namespace art::music {

namespace {

struct Chord {
  int bar, bars;
  int bass;
  std::vector<int> tones;  // close voicing around middle C
};

// Bars 0-15 are the same four chords twice; bars 16-19 turn round to A major.
const std::vector<Chord>& chords() {
  static const std::vector<Chord> kChords = [] {
    const std::vector<Chord> cycle = {{0, 2, 38, {53, 57, 60, 64}},   // Dm9
                                      {2, 2, 34, {53, 57, 62, 65}},   // Bbmaj7
                                      {4, 2, 41, {55, 57, 60, 64}},   // Fmaj9
                                      {6, 2, 36, {55, 60, 62, 64}}};  // Cadd9
    std::vector<Chord> all;
    for (int half : {0, 8})
      for (Chord c : cycle) {
        c.bar += half;
        all.push_back(c);
      }
    all.push_back({16, 1, 43, {53, 58, 62, 65}});  // Gm7
    all.push_back({17, 1, 34, {53, 57, 62, 65}});  // Bbmaj7
    all.push_back({18, 1, 33, {52, 57, 62, 64}});  // Asus4
    all.push_back({19, 1, 33, {52, 55, 61, 64}});  // A7
    return all;
  }();
  return kChords;
}

constexpr int kBars = 20;

void pads(Loop& loop) {
  SynthPatch pad;
  pad.wave = Wave::kSaw;
  pad.unison = 3;
  pad.detune = 16;
  pad.width = 0.85;
  pad.amp = {1.4, 1, 1, 2.8};
  pad.cutoff = 1000;
  pad.q = 0.9;
  pad.keyTrack = 0.5;
  pad.lfoOctaves = 0.55;
  pad.lfoCycles = 3;
  pad.gain = 0.12;
  pad.sends = {1, 0, 0.6};
  SynthPatch air = pad;  // a breathy octave above, for the shimmer on top
  air.wave = Wave::kTriangle;
  air.unison = 2;
  air.amp = {2.5, 1, 1, 3};
  air.cutoff = 4000;
  air.lfoCycles = 5;
  air.gain = 0.05;
  air.sends = {1, 0.2, 0.9};
  SynthPatch bass;
  bass.wave = Wave::kTriangle;
  bass.amp = {0.25, 1, 1, 1.2};
  bass.cutoff = 420;
  bass.gain = 0.16;
  bass.sends = {1, 0, 0.05};
  for (const Chord& c : chords()) {
    const double beat = c.bar * 4.0, beats = c.bars * 4.0;
    for (std::size_t k = 0; k < c.tones.size(); ++k)
      play(loop, pad, {beat, beats, double(c.tones[k]), 1, k % 2 ? 0.25 : -0.25});
    if (c.bar >= 8) play(loop, air, {beat, beats, double(c.tones.back() + 12), 1, 0});
    for (int b = 0; b < c.bars; ++b) play(loop, bass, {beat + b * 4, 3.6, double(c.bass)});
  }
}

void arpeggio(Loop& loop) {
  SynthPatch arp;
  arp.wave = Wave::kSaw;
  arp.amp = {0.003, 1.1, 0, 0.35};
  arp.cutoff = 1500;
  arp.keyTrack = 0.6;
  arp.filterEnv = {0.002, 0.35, 0, 0.3};
  arp.envOctaves = 2.0;
  arp.gain = 0.3;
  arp.sends = {1, 0.45, 0.35};
  // Up through the chord in thirds, then back down: six tones, eight eighths a bar.
  static constexpr int kUp[8] = {0, 2, 1, 3, 2, 4, 3, 5};
  static constexpr int kDown[8] = {5, 3, 4, 2, 3, 1, 2, 0};
  Rng rng(90);
  for (const Chord& c : chords()) {
    std::vector<int> tones = c.tones;
    tones.push_back(c.tones[0] + 12);
    tones.push_back(c.tones[1] + 12);
    for (int b = 0; b < c.bars; ++b) {
      const int bar = c.bar + b;
      const int* pattern = bar % 2 ? kDown : kUp;
      for (int s = 0; s < 8; ++s) {
        const double vel = (s % 2 ? 0.7 : 0.9) + 0.1 * rng.bipolar();
        play(loop, arp,
             {bar * 4.0 + s * 0.5, 0.45, double(tones[pattern[s]] + 12), vel, s % 2 ? 0.4 : -0.4});
      }
    }
  }
}

void bellTune(Loop& loop) {
  BellPatch b;
  b.ratio = 3.0;
  b.index = 1.8;
  b.indexDecay = 0.35;
  b.decay = 3.5;
  b.release = 1.5;
  b.gain = 0.25;
  b.sends = {1, 0.35, 0.5};
  struct N {
    double beat, beats;
    int pitch;
  };
  // Starts with the second half (bar 8) and carries on over the turnaround.
  static const std::vector<N> kTune = {
      {32, 2, 76}, {34, 1, 74}, {35, 1, 69}, {36, 3, 72},                 // Dm9
      {40, 2, 74}, {42, 1, 77}, {43, 1, 76}, {44, 3, 74},   {47, 1, 69},  // Bbmaj7
      {48, 2, 72}, {50, 1, 76}, {51, 1, 79}, {52, 3.5, 81},               // Fmaj9
      {56, 2, 79}, {58, 1, 76}, {59, 1, 74}, {60, 4, 76},                 // Cadd9
      {64, 3, 77}, {68, 3, 74}, {72, 3, 76}, {76, 2, 73},   {78, 2, 76},  // turnaround
  };
  for (const N& n : kTune) bell(loop, b, {n.beat, n.beats, double(n.pitch), 1, 0.15});
}

void percussion(Loop& loop) {
  KickPatch k;
  k.startHz = 110;
  k.endHz = 44;
  k.sweep = 0.04;
  k.decay = 0.5;
  k.click = 0.04;
  k.drive = 1.1;
  k.gain = 0.42;
  NoisePatch shaker;
  shaker.attack = 0.012;
  shaker.decay = 0.1;
  shaker.highpass = 5500;
  shaker.lowpass = 11000;
  shaker.metal = 0;
  shaker.gain = 0.1;
  shaker.sends = {1, 0, 0.3};
  ClapPatch snap;
  snap.centreHz = 1600;
  snap.decay = 0.3;
  snap.gain = 0.16;
  snap.sends = {1, 0.2, 0.9};
  for (int bar = 4; bar < 16; ++bar) {
    for (int s = 0; s < 8; ++s)
      noiseHit(loop, shaker, {bar * 4.0 + s * 0.5, s % 2 ? 1.0 : 0.55, 0.3});
    if (bar >= 8) {
      kick(loop, k, {bar * 4.0});
      kick(loop, k, {bar * 4.0 + 2.5, 0.7});
      clap(loop, snap, {bar * 4.0 + 2});
    }
  }
}

}  // namespace

Song menuLoop() {
  Loop loop(Tempo(90), kBars * 4);
  pads(loop);
  arpeggio(loop);
  bellTune(loop);
  percussion(loop);
  EffectsPatch fx;
  fx.delayBeats = 0.75;
  fx.delayFeedback = 0.45;
  fx.delayTone = 2800;
  fx.delayReturn = 0.6;
  fx.delayToReverb = 0.4;
  fx.roomFeedback = 0.88;
  fx.roomDamping = 0.35;
  fx.reverbReturn = 0.8;
  fx.limitDb = 1;
  return {mixDown(loop, fx), loop.tempo().frame(4)};
}

}  // namespace art::music
