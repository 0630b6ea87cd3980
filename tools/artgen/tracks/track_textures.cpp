#include "tracks/track_textures.h"

#include <algorithm>
#include <cmath>

#include "toolkit/noise.h"

namespace art::tracks {

Rgb grass(double x, double y, double lush) {
  const double broad = fbm(x / 190, y / 190, 4, 11);
  const double patch = fbm(x / 34, y / 34, 3, 12);
  const double blade = hash01(int(x), int(y), 13) - 0.5;
  const double tuft = valueNoise(x / 3.2, y / 3.2, 14);
  Rgb c = mix(Rgb{70, 112, 44}, Rgb{112, 152, 64}, std::clamp(0.5 + 0.55 * broad, 0.0, 1.0));
  // Drier, yellower patches where the broad noise is high and the meadow is not lush.
  const double dry =
      std::clamp((fbm(x / 260 + 3, y / 260, 3, 15) - 0.15) * 2.2 * (1 - lush), 0.0, 0.6);
  c = mix(c, Rgb{150, 152, 78}, dry);
  c = c * (1 + 0.07 * patch + 0.06 * tuft + 0.07 * blade);
  // A few flowers.
  const double f = hash01(int(x), int(y), 16);
  if (f > 0.9975) c = hash01(int(x), int(y), 17) > 0.5 ? Rgb{236, 232, 206} : Rgb{238, 212, 70};
  return c;
}

Rgb asphalt(double x, double y, double wear, double tone) {
  const double broad = fbm(x / 120, y / 120, 3, 21);
  const double mid = valueNoise(x / 7, y / 7, 22);
  const double grain = hash01(int(x), int(y), 23) - 0.5;
  double v = 84 + 7 * broad + 3 * mid + 9 * grain - 9 * wear + tone;
  // Light stones of the aggregate and dark specks of tar.
  const double st = hash01(int(x), int(y), 24);
  if (st > 0.985)
    v += 22;
  else if (st < 0.01)
    v -= 16;
  // Patched repairs: a slightly darker, smoother tint in places.
  const double patchN = fbm(x / 60 + 40, y / 60, 2, 25);
  v -= 6 * std::clamp((patchN - 0.4) * 12, 0.0, 1.0);
  return {v - 2, v, v + 4};
}

Rgb gravel(double x, double y) {
  const double broad = fbm(x / 60, y / 60, 3, 31);
  const double pebble = valueNoise(x / 1.6, y / 1.6, 32);
  const double grain = hash01(int(x), int(y), 33) - 0.5;
  const double v = 1 + 0.06 * broad + 0.10 * pebble + 0.10 * grain;
  return Rgb{156, 146, 124} * v;
}

Rgb soil(double x, double y, double wet) {
  const double broad = fbm(x / 80, y / 80, 3, 41);
  const double clod = valueNoise(x / 3, y / 3, 42);
  const double grain = hash01(int(x), int(y), 43) - 0.5;
  Rgb c = mix(Rgb{136, 104, 72}, Rgb{92, 68, 48}, std::clamp(wet + 0.2 * broad, 0.0, 1.0));
  return c * (1 + 0.08 * clod + 0.08 * grain);
}

Rgb water(double x, double y, double depth) {
  const double ripple = valueNoise(x / 5, y / 2.2, 51);
  const double broad = fbm(x / 70, y / 70, 2, 52);
  Rgb c = mix(Rgb{74, 110, 96}, Rgb{34, 62, 78}, std::clamp(depth, 0.0, 1.0));
  c = c * (1 + 0.05 * broad);
  // Sky glints on the ripples.
  if (ripple > 0.78) c = mix(c, Rgb{170, 196, 204}, (ripple - 0.78) * 2.2);
  return c;
}

}  // namespace art::tracks
