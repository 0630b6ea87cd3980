// The one seeded random source of the art: xorshift64*, the same numbers with every compiler and
// standard library, so every build draws the same pictures and writes the same music.
#pragma once
#include <cstdint>

namespace art {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull | 1) {}
  std::uint64_t next() {
    s_ ^= s_ >> 12;
    s_ ^= s_ << 25;
    s_ ^= s_ >> 27;
    return s_ * 0x2545F4914F6CDD1Dull;
  }
  double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
  double bipolar() { return 2 * uniform() - 1; }                                  // [-1, 1)
  double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }       // [lo, hi)
  int below(int n) { return int(uniform() * n); }                                 // 0 .. n-1

 private:
  std::uint64_t s_;
};

}  // namespace art
