// The driver's display: windows are drawn by the SDL presenter (dummy video), while the desktop
// and the screen mode live in memory, so a script can choose the desktop and read the mode back.
#pragma once
#include <string>

#include "services/platform.h"
#include "services/sdl_presenter.h"

namespace driver {

class DriverDisplay : public svc::NullPresenter {
 public:
  void present(svc::WindowSlot slot, svc::Form& form) override {
    svc::NullPresenter::present(slot, form);
    screen_.present(slot, form);
  }
  void hide(svc::WindowSlot slot) override { screen_.hide(slot); }
  // A screen mode belongs to the process that set it: it ends with it. A new instance finds the
  // desktop mode and nothing switched yet.
  void processEnded() {
    full = false;
    modeWidth = modeHeight = modeChanges = 0;
  }
  // {"desktopWidth":…, "desktopHeight":…, "fullscreen":…, "modeWidth":…, "modeHeight":…,
  //  "modeChanges":…}
  std::string json() const;

 private:
  svc::SdlPresenter screen_;
};

}  // namespace driver
