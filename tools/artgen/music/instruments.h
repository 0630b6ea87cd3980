// The pitched instruments: one subtractive voice (pads, plucks, bass, leads) and an FM bell.
#pragma once
#include "dsp.h"
#include "loop.h"

namespace art::music {

struct SynthPatch {
  Wave wave = Wave::kSaw;
  int unison = 1;     // oscillators per note
  double detune = 0;  // cents between the outermost unison oscillators
  double width = 0;   // stereo spread of the unison oscillators, 0..1
  Wave subWave = Wave::kSine;
  double sub = 0;  // level of an oscillator one octave below
  Adsr amp;
  double cutoff = 18000, q = 0.707;  // low-pass at middle C
  double keyTrack = 0;               // 1: the cutoff follows the pitch fully
  Adsr filterEnv;
  double envOctaves = 0;  // how far the filter envelope opens the cutoff
  double lfoOctaves = 0;  // slow filter sweep ...
  double lfoCycles = 1;   // ... with whole cycles per loop, so the sweep loops too
  double vibratoCents = 0, vibratoHz = 5.5, vibratoDelay = 0.3;
  double drive = 0;  // tanh saturation after the filter
  double gain = 0.2;
  double duck = 0;  // depth of the per-beat pump
  Sends sends;
};
void play(Loop& loop, const SynthPatch& patch, const Note& note);

// Two slightly detuned FM pairs, one per side: a soft glassy bell.
struct BellPatch {
  double ratio = 3.5;       // modulator to carrier frequency
  double index = 2.0;       // modulation index at the strike ...
  double indexDecay = 0.6;  // ... falling with this time constant in seconds
  double decay = 4.0, release = 1.2;
  double detuneCents = 5;
  double gain = 0.2;
  Sends sends;
};
void bell(Loop& loop, const BellPatch& patch, const Note& note);

}  // namespace art::music
