// The one clock of the game: a wrapping 32-bit millisecond tick count, the seconds since midnight,
// and waiting. The real clock sleeps; the virtual clock of tests and the driver jumps.
#pragma once
#include <cstdint>

namespace svc {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds; wraps around after about 49.7 days.
  virtual std::uint32_t ticks() = 0;
  // Seconds since local midnight, with a fractional part; wraps to 0 at midnight.
  virtual double secondsSinceMidnight() = 0;
  // Returns once the tick count has reached tick (compared as a signed 32-bit difference, so
  // it is right across the counter's sign boundary and wrap-around). Never burns the processor.
  virtual void waitUntil(std::uint32_t tick) = 0;
};

// True when tick a is strictly later than tick b (signed 32-bit difference).
inline bool tickAfter(std::uint32_t a, std::uint32_t b) {
  return static_cast<std::int32_t>(a - b) > 0;
}

// A clock whose time moves only when someone waits (or when told to).
class VirtualClock : public Clock {
 public:
  explicit VirtualClock(std::uint32_t startTick = 0, double startSeconds = 12 * 3600.0)
      : now_(startTick), startSeconds_(startSeconds) {}
  std::uint32_t ticks() override { return now_; }
  double secondsSinceMidnight() override;
  void waitUntil(std::uint32_t tick) override {
    if (tickAfter(tick, now_)) advance(tick - now_);
  }
  void advance(std::uint32_t ms) {
    now_ += ms;
    elapsed_ += ms;
  }
  std::uint64_t elapsed() const { return elapsed_; }

 private:
  std::uint32_t now_;
  double startSeconds_;
  std::uint64_t elapsed_ = 0;
};

}  // namespace svc
