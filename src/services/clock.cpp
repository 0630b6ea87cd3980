#include "services/clock.h"

#include <cmath>

namespace svc {

double VirtualClock::secondsSinceMidnight() {
  return std::fmod(startSeconds_ + double(elapsed_) / 1000.0, 86400.0);
}

}  // namespace svc
