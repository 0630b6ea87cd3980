// The opponent watchdog: every two seconds it samples the opponent's waypoint, and when four
// samples in a row are the same it gives the opponent speed 5 to free it.
#pragma once
#include <array>
#include <string>

#include "race/race_state.h"

namespace game {

// One tick of the watchdog timer. Returns the texts of sample slots 0, 1 and 2 for the
// statistics labels.
std::array<std::string, 3> OpponentWatchdog(RaceState& s);

// A sample slot as the statistics labels show it ("" when empty).
std::string SampleText(const Sample& sample);

}  // namespace game
