// Input from the window system: SDL's events turned into the game's mouse, key and text events.
#pragma once
#include <cstdint>
#include <deque>

#include "services/gamepad.h"
#include "services/platform.h"

namespace svc {

class SdlPresenter;

class SdlInput : public InputSource {
 public:
  explicit SdlInput(SdlPresenter& presenter) : presenter_(presenter) {}
  void poll(std::deque<InputEvent>& out) override;
  void waitForInput(std::uint32_t untilTick, bool hasDeadline) override;
  // Queues a left button press at pixels of a window as the window system reports them, before
  // any scaling (tests of the scaled windows).
  void queueWindowClick(WindowSlot slot, int x, int y);
  // Starts listening to game controllers: those plugged in now and later. Done at the first
  // wait, once the first picture is up, as looking for devices takes a while.
  void openControllers();

 private:
  SdlPresenter& presenter_;
  bool controllersOpen_ = false;
};

// A game controller that exists only inside the program, through SDL's virtual joysticks: plugged
// in when made, pulled out when destroyed. For tests of the controller path from SDL's events on.
class VirtualController {
 public:
  // Throws std::runtime_error when SDL cannot make one.
  VirtualController();
  ~VirtualController();
  VirtualController(const VirtualController&) = delete;
  VirtualController& operator=(const VirtualController&) = delete;
  // False until the game has opened the controller (after it saw it plugged in).
  bool opened() const;
  void setButton(Pad button, bool down);
  void setAxis(PadAxis axis, int value);
  // Pulls it out now.
  void unplug();

 private:
  int device_ = -1;
};

}  // namespace svc
