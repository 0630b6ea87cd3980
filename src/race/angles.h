// Angles of the race: the cosine and sine tables of whole degrees, the radians-to-degrees
// conversion, and rounding as the game rounds (to the nearest whole number, halves to even).
#pragma once
#include <cmath>
#include <string>

#include "race/race_state.h"

namespace game {

// Rounds to the nearest whole number, halves to the even neighbour.
inline int RoundEven(double v) {
  return int(std::nearbyint(v));
}

// Fills CosTable and SinTable for every whole degree from -360 to 360, to four decimals.
void FillAngleTables(RaceState& s);

// Radians to degrees, with the game's own value of pi.
double PrevedNaStupne(const double& radians);

// The table index of a heading: rounded to whole degrees. A heading from 360.5 to just under
// 361 rounds to 361, one past the table; it is the same direction as 1.
int HeadingDegrees(double heading);

// A number as the race's read-outs show it: fifteen significant digits, no trailing zeros.
std::string NumberText(double v);

}  // namespace game
