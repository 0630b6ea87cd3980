#include "noise.h"

#include <cmath>

namespace art::city {

std::uint32_t hash3(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= std::uint32_t(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= std::uint32_t(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

double hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  return hash3(x, y, seed) / 4294967296.0;
}

double valueNoise(double x, double y, double scale, std::uint32_t seed) {
  const double fx = x / scale, fy = y / scale;
  const double ix = std::floor(fx), iy = std::floor(fy);
  const auto xi = std::int32_t(ix), yi = std::int32_t(iy);
  double tx = fx - ix, ty = fy - iy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  const double a = hashUnit(xi, yi, seed), b = hashUnit(xi + 1, yi, seed);
  const double c = hashUnit(xi, yi + 1, seed), d = hashUnit(xi + 1, yi + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fractalNoise(double x, double y, double scale, int octaves, std::uint32_t seed) {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += valueNoise(x, y, scale, seed + std::uint32_t(i) * 101u) * weight;
    total += weight;
    weight *= 0.5;
    scale *= 0.5;
  }
  return sum / total;
}

std::uint64_t Random::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Random::unit() {
  return double(next() >> 11) / 9007199254740992.0;
}
double Random::range(double lo, double hi) {
  return lo + (hi - lo) * unit();
}
int Random::below(int n) {
  return int(unit() * n);
}

}  // namespace art::city
