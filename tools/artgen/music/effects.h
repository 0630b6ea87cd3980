// The master chain of a loop: ping-pong delay, reverb, limiter and peak normalisation. The
// effects run over the loop twice and keep the second pass, so their tails wrap round the seam.
#pragma once
#include "loop.h"

namespace art::music {

struct EffectsPatch {
  double delayBeats = 0.75;  // echo time
  double delayFeedback = 0.4;
  double delayTone = 3500;  // low-pass in the echo path, Hz
  double delayReturn = 0.5;
  double delayToReverb = 0.3;  // echoes also feed the room
  double roomFeedback = 0.84;  // longer tail towards 1
  double roomDamping = 0.3;    // darker tail towards 1
  double roomWidth = 1;
  double reverbReturn = 0.5;
  double highpassHz = 25;  // keeps sub-sonic rumble out of the encoder
  double limitDb = 2;      // how far the loudest peaks are pulled down before normalising
  double ceilingDb = -1;   // final peak level
};

Stereo mixDown(const Loop& loop, const EffectsPatch& patch);

// Pulls every peak above `threshold` down to it with a smooth gain curve; the signal is taken as
// one turn of a loop, so the gain curve wraps round as well.
void limitLoop(Stereo& audio, double threshold);

}  // namespace art::music
