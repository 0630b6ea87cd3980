// Hash and value noise; see noise.h.
#include "toolkit/noise.h"

#include <cmath>
#include <cstdint>

namespace art {

double hash01(int x, int y, unsigned seed) {
  std::uint32_t h = std::uint32_t(x) * 0x8da6b343u ^ std::uint32_t(y) * 0xd8163841u ^
                    (seed + 0x9e3779b9u) * 0xcb1ab31fu;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return double(h & 0xFFFFFFu) / double(0xFFFFFF);
}

double valueNoise(double x, double y, unsigned seed) {
  const double fx = std::floor(x), fy = std::floor(y);
  const int ix = int(fx), iy = int(fy);
  double tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  const double a = hash01(ix, iy, seed), b = hash01(ix + 1, iy, seed);
  const double c = hash01(ix, iy + 1, seed), d = hash01(ix + 1, iy + 1, seed);
  const double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return (top + (bottom - top) * ty) * 2 - 1;
}

double fbm(double x, double y, int octaves, unsigned seed) {
  double sum = 0, weight = 0.5, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * valueNoise(x, y, seed + unsigned(i) * 101u);
    total += weight;
    x = x * 2.03 + 17.1;
    y = y * 2.03 - 9.7;
    weight *= 0.5;
  }
  return sum / total;
}

}  // namespace art
