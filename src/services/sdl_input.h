// Input from the window system: SDL's events turned into the game's mouse, key and text events.
#pragma once
#include <cstdint>
#include <deque>

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

 private:
  SdlPresenter& presenter_;
};

}  // namespace svc
