#include "race/watchdog.h"

#include <variant>

namespace game {

std::string SampleText(const Sample& sample) {
  if (const auto* n = std::get_if<std::int16_t>(&sample)) return std::to_string(*n);
  if (const auto* t = std::get_if<std::string>(&sample)) return *t;
  return "";
}

std::array<std::string, 3> OpponentWatchdog(RaceState& s) {
  auto& slots = s.StuckSamples;
  const Sample current = s.WaypointIndex;
  bool stored = false;
  for (Sample& slot : slots)
    if (std::holds_alternative<std::monostate>(slot)) {
      slot = current;
      stored = true;
      break;
    }
  if (!stored) {
    // A text sample (the start's "1") never equals a number, so the first group never fires.
    if (slots[0] == slots[1] && slots[1] == slots[2] && slots[2] == slots[3]) s.OpponentSpeed = 5;
    slots = {};
    slots[0] = current;
  }
  return {SampleText(slots[0]), SampleText(slots[1]), SampleText(slots[2])};
}

}  // namespace game
