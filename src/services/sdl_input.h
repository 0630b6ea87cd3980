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

 private:
  SdlPresenter& presenter_;
};

}  // namespace svc
