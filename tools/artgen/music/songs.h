// The game's two music loops, composed and rendered: ready for the encoder.
#pragma once
#include "loop.h"

namespace art::music {

struct Song {
  Stereo audio;
  std::size_t barFrames;  // the loop is a whole number of bars
};

Song menuLoop();  // calm: D minor pads, a soft arpeggio and a bell tune, 90 BPM, 20 bars
Song raceLoop();  // driving: E minor bass, drums and a lead riff, 140 BPM, 32 bars

}  // namespace art::music
