#include "services/gamepad.h"

#include <cctype>

namespace svc {

namespace {

constexpr std::string_view kButtonNames[] = {
    "a",
    "b",
    "x",
    "y",
    "back",
    "guide",
    "start",
    "leftstick",
    "rightstick",
    "leftshoulder",
    "rightshoulder",
    "dpup",
    "dpdown",
    "dpleft",
    "dpright",
};
constexpr std::string_view kDirectionNames[] = {"leftx-", "leftx+",      "lefty-",
                                                "lefty+", "lefttrigger", "righttrigger"};
constexpr std::string_view kAxisNames[] = {"leftx",  "lefty",       "rightx",
                                           "righty", "lefttrigger", "righttrigger"};

bool matchesLowerCaseName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
  return true;
}

}  // namespace

bool padButtonByName(std::string_view name, Pad* out) {
  for (int i = 0; i < static_cast<int>(Pad::kButtons); ++i)
    if (matchesLowerCaseName(name, kButtonNames[i])) {
      *out = static_cast<Pad>(i);
      return true;
    }
  return false;
}

bool padAxisByName(std::string_view name, PadAxis* out) {
  for (int i = 0; i < static_cast<int>(PadAxis::kCount); ++i)
    if (matchesLowerCaseName(name, kAxisNames[i])) {
      *out = static_cast<PadAxis>(i);
      return true;
    }
  return false;
}

std::string padName(Pad p) {
  const int i = static_cast<int>(p);
  if (i >= 0 && i < static_cast<int>(Pad::kButtons)) return std::string(kButtonNames[i]);
  if (i >= static_cast<int>(Pad::kButtons) && i < static_cast<int>(Pad::kCount))
    return std::string(kDirectionNames[i - static_cast<int>(Pad::kButtons)]);
  return "";
}

std::vector<PadChange> PadAxes::move(PadAxis axis, int value) {
  // The directions an axis holds: below the dead zone on the negative side, above it on the
  // positive side. The right stick moves nothing the game reads.
  Pad negative = Pad::kCount, positive = Pad::kCount;
  switch (axis) {
    case PadAxis::LeftX:
      negative = Pad::StickLeft;
      positive = Pad::StickRight;
      break;
    case PadAxis::LeftY:
      negative = Pad::StickUp;
      positive = Pad::StickDown;
      break;
    case PadAxis::TriggerLeft:
      positive = Pad::TriggerLeft;
      break;
    case PadAxis::TriggerRight:
      positive = Pad::TriggerRight;
      break;
    default:
      return {};
  }
  std::vector<PadChange> changes;
  auto set = [&](Pad p, bool on) {
    if (p == Pad::kCount) return;
    bool& held = held_[static_cast<int>(p)];
    if (held == on) return;
    held = on;
    changes.push_back({p, on});
  };
  // A release before a press, so a stick flicked across the middle lets go of one side first.
  const bool neg = value<-kPadDeadZone, pos = value> kPadDeadZone;
  if (!neg) set(negative, false);
  if (!pos) set(positive, false);
  if (neg) set(negative, true);
  if (pos) set(positive, true);
  return changes;
}

}  // namespace svc
