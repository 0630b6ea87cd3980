// Measurements of a finished loop, as decoded from its MP3, and the rules it must pass: no
// clipping, long enough, no silent stretch, and a seam that is heard as just another bar line.
#pragma once
#include <string>
#include <vector>

#include "loop.h"

namespace art::music {

struct LoopReport {
  double seconds = 0;
  double peak = 0;                      // largest sample magnitude, 1 = full scale
  std::vector<double> blockRmsDb;       // RMS of every 5 s block (the last may be shorter)
  double headRmsDb = 0, tailRmsDb = 0;  // first and last 50 ms
  double barLineDb = 0;  // largest level change across the other bar lines, 50 ms either side
  // Sample steps, in units of the mean step: from the last sample to the first, and the largest
  // across the other bar lines (a drum hit on a downbeat steps as much as the seam may).
  double seamStep = 0, barLineStep = 0;
};

// `barFrames` is the length of a bar; the loop is a whole number of them.
LoopReport measure(const Stereo& audio, std::size_t barFrames);

struct LoopRules {
  double maxPeak = 0.99;
  double minSeconds = 45;
  double minBlockRmsDb = -40;  // quieter than this is a hole in the music
  // A downbeat may well be louder than the end of the bar before it; the seam may change the
  // level by as much as the loudest change at the other bar lines, plus this margin.
  double seamMarginDb = 3;
  // The seam's sample step may be this many mean steps, or half as much again as the largest
  // step at the other bar lines; more is a click.
  double maxSeamStep = 8;
};

// Throws std::runtime_error naming `what` and the broken rule.
void enforce(const LoopReport& report, const LoopRules& rules, const std::string& what);
// One line for the build log.
std::string summary(const LoopReport& report);

}  // namespace art::music
