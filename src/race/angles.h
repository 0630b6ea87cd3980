// Angles of the race: the cosine and sine tables of whole degrees, the radians-to-degrees
// conversion, and rounding as the game rounds (to the nearest whole number, halves to even).
#pragma once
#include <cmath>

#include "race/race_state.h"

namespace game {

// Rounds to the nearest whole number, halves to the even neighbour.
inline int RoundEven(double v) { return int(std::nearbyint(v)); }

// Fills CosTable and SinTable for every whole degree from -360 to 360, to four decimals.
void FillAngleTables(RaceState& s);

// Radians to degrees, with the game's own value of pi.
double PrevedNaStupne(const double& radians);

// The table index of a heading: rounded to whole degrees. A heading from 360.5 to just under
// 361 rounds to 361, one past the table; it is the same direction as 1.
int HeadingDegrees(double heading);

}  // namespace game
