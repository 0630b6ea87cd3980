// Game controllers as the game sees them: buttons, and the sticks and triggers turned into
// buttons that are held while they are pushed past a dead zone.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace svc {

// Every input of a controller the game reads. The buttons come first, in SDL's order of its game
// controller buttons; then a stick or trigger direction, pressed while pushed past the dead zone.
enum class Pad : int {
  A,
  B,
  X,
  Y,
  Back,
  Guide,
  Start,
  LeftStick,
  RightStick,
  LeftShoulder,
  RightShoulder,
  DpadUp,
  DpadDown,
  DpadLeft,
  DpadRight,
  kButtons,              // the count of real buttons
  StickLeft = kButtons,  // the left stick pushed left
  StickRight,
  StickUp,
  StickDown,
  TriggerLeft,
  TriggerRight,
  kCount,
};

// A controller's axes, in SDL's order: sticks from -32768 to 32767, triggers from 0 to 32767.
enum class PadAxis : int { LeftX, LeftY, RightX, RightY, TriggerLeft, TriggerRight, kCount };

// Names as SDL writes them in its mappings ("a", "dpleft", "lefttrigger"). The axis-made inputs
// are named after their axis and side ("leftx-", "leftx+", "lefty-", "lefty+").
bool padButtonByName(std::string_view name, Pad* out);
bool padAxisByName(std::string_view name, PadAxis* out);
std::string padName(Pad p);

// A stick or trigger acts as a button held once it is pushed a quarter of its way.
constexpr int kPadDeadZone = 32767 / 4;

struct PadChange {
  Pad input;
  bool pressed;
};

// The directions the axes of one controller hold, and what changes when an axis moves.
class PadAxes {
 public:
  // The presses and releases that moving `axis` to `value` makes.
  std::vector<PadChange> move(PadAxis axis, int value);

 private:
  std::array<bool, static_cast<int>(Pad::kCount)> held_{};
};

}  // namespace svc
