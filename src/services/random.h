// The game's random numbers: a small generator seeded from the clock, giving values in [0, 1).
#pragma once
#include <cstdint>

namespace svc {

class Random {
 public:
  void seed(std::uint64_t s) { state_ = s ? s : 0x9E3779B97F4A7C15ull; }
  // Uniform in [0, 1).
  double next() {
    // xorshift64*
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t r = state_ * 0x2545F4914F6CDD1Dull;
    return double(r >> 11) * (1.0 / 9007199254740992.0);
  }

 private:
  std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

}  // namespace svc
