#include "race/angles.h"

#include <cstdio>

namespace game {

void FillAngleTables(RaceState& s) {
  for (int d = -360; d <= 360; ++d) {
    const double r = d * 3.14159265358979 / 180.0;
    s.CosValues[std::size_t(d + 360)] = std::nearbyint(std::cos(r) * 10000.0) / 10000.0;
    s.SinValues[std::size_t(d + 360)] = std::nearbyint(std::sin(r) * 10000.0) / 10000.0;
  }
}

double PrevedNaStupne(const double& radians) {
  return radians / 3.14159265 * 180.0;
}

int HeadingDegrees(double heading) {
  int d = RoundEven(heading);
  if (d > 360) d -= 360;
  if (d < -360) d += 360;
  return d;
}

std::string NumberText(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

}  // namespace game
