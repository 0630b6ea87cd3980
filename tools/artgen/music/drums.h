// A small drum kit made of pitched sines and filtered noise.
#pragma once
#include "loop.h"

namespace art::music {

struct Hit {
  double beat;
  double vel = 1, pan = 0;
};

struct KickPatch {
  double startHz = 160, endHz = 48, sweep = 0.035;  // pitch falls with this time constant
  double decay = 0.45;                              // to -60 dB
  double click = 0.25;
  double drive = 1.6;
  double gain = 0.9;
  Sends sends;
};
void kick(Loop& loop, const KickPatch& patch, const Hit& hit);

struct SnarePatch {
  double toneHz = 185, toneDecay = 0.18, tone = 0.5;
  double noiseLow = 1400, noiseHigh = 9000, noiseDecay = 0.3, noise = 0.7;
  double gain = 0.6;
  Sends sends;
};
void snare(Loop& loop, const SnarePatch& patch, const Hit& hit);

// Hats, crash, shaker: noise and a metallic cluster of square waves, band-limited.
struct NoisePatch {
  double attack = 0.0005, decay = 0.08;
  double highpass = 7000, lowpass = 16000;
  double metal = 0.3;   // share of the square-wave cluster
  double metalHz = 40;  // base of the cluster
  double gain = 0.2;
  Sends sends;
};
void noiseHit(Loop& loop, const NoisePatch& patch, const Hit& hit);

struct ClapPatch {
  double centreHz = 1200, q = 1.2, decay = 0.25;
  double gain = 0.4;
  Sends sends;
};
void clap(Loop& loop, const ClapPatch& patch, const Hit& hit);

}  // namespace art::music
