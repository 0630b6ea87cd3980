// Deterministic randomness for the City's textures and layout: a hash of integer coordinates
// and a seed, smooth value noise built on it, and a small seeded generator. No clock, no state
// shared between pictures, so every build draws the same pixels.
#pragma once
#include <cstdint>

namespace art::city {

// A well-mixed 32-bit hash of (x, y, seed).
std::uint32_t hash3(std::int32_t x, std::int32_t y, std::uint32_t seed);
// Uniform in [0, 1) from the hash.
double hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed);
// Smooth value noise in [0, 1) with features about `scale` pixels apart.
double valueNoise(double x, double y, double scale, std::uint32_t seed);
// Sum of `octaves` value noises, each half the size and weight of the last, in [0, 1).
double fractalNoise(double x, double y, double scale, int octaves, std::uint32_t seed);

// A seeded generator (splitmix64) for layout choices.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  double unit();                       // [0, 1)
  double range(double lo, double hi);  // [lo, hi)
  int below(int n);                    // 0 .. n-1
 private:
  std::uint64_t state_;
};

}  // namespace art::city
