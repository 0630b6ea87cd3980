// The real clock: SDL's millisecond tick count, the local time of day, and waiting that sleeps.
#pragma once
#include <cstdint>

#include "services/clock.h"

namespace svc {

class SdlClock : public Clock {
 public:
  std::uint32_t ticks() override;
  double secondsSinceMidnight() override;
  void waitUntil(std::uint32_t tick) override;
};

}  // namespace svc
