// The eight volume areas of the sound page, quietest first: their captions and the settings
// value each one stores.
#pragma once

namespace game {

struct VolumeArea {
  const char* area;
  const char* caption;
  int value;  // hundredths of a decibel below full volume
};

inline constexpr VolumeArea kVolumeAreas[] = {
    {"proc", "30 %", -1400},   {"Image5", "40 %", -1200}, {"Image6", "50 %", -1000},
    {"Image7", "60 %", -800},  {"Image8", "70 %", -600},  {"Image9", "80 %", -400},
    {"Image10", "90 %", -200}, {"Image11", "100 %", 0},
};

}  // namespace game
