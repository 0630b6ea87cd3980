// The training circuit's surfaces: clean asphalt, red and white kerbs, the paddock, mown grass,
// gravel and the tyre walls. The Circuit's own picture uses the bright variant.
#include <cmath>

#include "render.h"
#include "toolkit/noise.h"

namespace art::city {

namespace {

// Arc length along the lap at the point of the centre line nearest to c.
double lapPosition(const TrainingCircuit& t, Vec c) {
  double best = 1e300, at = 0, s = 0;
  for (std::size_t i = 0; i + 1 < t.centre.size(); ++i) {
    const Vec a = t.centre[i], d = t.centre[i + 1] - a;
    const double len = norm(d);
    const double u = std::clamp(dot(c - a, d) / (len * len), 0.0, 1.0);
    const double dist = norm(c - (a + d * u));
    if (dist < best) best = dist, at = s + u * len;
    s += len;
  }
  return at;
}

double fine(Vec c, double pixel, std::uint32_t seed) {
  return valueNoise(c.x / std::max(1.3, pixel * 1.3), c.y / std::max(1.3, pixel * 1.3), seed) / 2;
}

}  // namespace

Rgb trainingColour(TrainingPart part, Vec c, double pixel, bool bright) {
  const TrainingCircuit& t = trainingCircuit();
  const double lift = bright ? 0.06 : 0;
  switch (part) {
    case TrainingPart::Track: {
      Rgb a = grain({84, 85, 90},
                    (fbm(c.x / 300, c.y / 300, 2, 101) / 2) * 8 + fine(c, pixel, 102) * 10);
      // Rubber laid down along the middle of the lap.
      const double off = polylineDistance(c, t.centre);
      if (off < 14) a = shade(a, 1 - 0.10 * (1 - off / 14));
      return shade(a, 1 + lift);
    }
    case TrainingPart::Kerb: {
      const bool red = int(std::floor(lapPosition(t, c) / 14)) % 2 == 0;
      Rgb k = red ? Rgb{204, 40, 36} : Rgb{238, 236, 230};
      return grain(k, fine(c, pixel, 103) * 8);
    }
    case TrainingPart::Pit:
      return shade(grain({100, 101, 106},
                         fine(c, pixel, 104) * 10 + (fbm(c.x / 120, c.y / 120, 2, 105) / 2) * 8),
                   1 + lift);
    case TrainingPart::Grass: {
      Rgb g{88, 156, 58};
      g = grain(g, (fbm(c.x / 90, c.y / 90, 3, 106) / 2) * 16 + fine(c, pixel, 107) * 10);
      // Mowing stripes across the infield.
      if (int(std::floor((c.x - c.y * 0.5) / 48)) % 2) g = shade(g, 1.07);
      return shade(g, 1 + lift);
    }
    case TrainingPart::Gravel: {
      const double pebble =
          (valueNoise(c.x / std::max(2.2, pixel), c.y / std::max(2.2, pixel), 108) + 1) / 2;
      return grain({212, 194, 150}, (pebble - 0.5) * 34 + fine(c, pixel, 109) * 8);
    }
    case TrainingPart::Barrier: {
      // Stacked tyres: rings on a staggered grid, some painted blue.
      const double cell = 10;
      const double row = std::floor(c.y / cell);
      const double col = std::floor((c.x + (int(row) % 2) * cell / 2) / cell);
      const Vec centre{(col + 0.5) * cell - (int(row) % 2) * cell / 2, (row + 0.5) * cell};
      const double r = norm(c - centre) / (cell / 2);
      const bool blue = hash01(std::int32_t(col / 3), std::int32_t(row), 110) < 0.5;
      Rgb tyre = blue ? Rgb{44, 74, 168} : Rgb{38, 38, 42};
      if (r > 0.95)
        tyre = {24, 24, 26};
      else if (r < 0.45)
        tyre = shade(tyre, 0.55);  // the hole
      else if (r < 0.7)
        tyre = shade(tyre, 1.12);
      return tyre;
    }
    case TrainingPart::Outside:
      break;
  }
  return {0, 0, 0};
}

}  // namespace art::city
