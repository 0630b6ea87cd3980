// The real clock on SDL's tick counter and the system's local time.
#include "services/sdl_clock.h"

#include <SDL.h>

#include <chrono>
#include <ctime>

namespace svc {

std::uint32_t SdlClock::ticks() {
  return SDL_GetTicks();
}

double SdlClock::secondsSinceMidnight() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const double frac =
      double(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
             1000) /
      1000.0;
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + frac;
}

void SdlClock::waitUntil(std::uint32_t tick) {
  for (;;) {
    const std::int32_t left = static_cast<std::int32_t>(tick - SDL_GetTicks());
    if (left <= 0) return;
    SDL_Delay(std::uint32_t(left));
  }
}

}  // namespace svc
