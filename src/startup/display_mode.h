// Full-screen play: the switch of the game's window to a 640 × 480 screen mode, the table that
// turns a remembered desktop width back into a screen mode, and the menu load's display step.
#pragma once
#include <string>

#include "services/controls.h"
#include "services/platform.h"
#include "startup/settings_store.h"

namespace game {

inline constexpr int kPlayWidth = 640;
inline constexpr int kPlayHeight = 480;

// Changes the screen to width × height for the game's window, for this run only. A mode the
// display refuses leaves the screen as it was, without a message.
void SetDisplayMode(svc::Presenter& presenter, float width, float height);

// Where the 640 × 480 window goes once the screen is back in the desktop mode.
struct WindowPlace {
  int left = 0;
  int top = 0;
};

// One row of the restore table: the screen mode a remembered width stands for and the
// position that centres the window on it.
struct RestoreRow {
  int width, height;
  WindowPlace place;
};
// The row of a remembered width, compared as text; nullptr when no row matches.
const RestoreRow* RestoreRowFor(const std::string& remembered);

// Leaves the 640 × 480 mode for the desktop mode that the remembered width stands for. A mode
// change belongs to the game's window here, so the screen always returns to the desktop mode;
// for a width outside the table the window is centred on that desktop.
WindowPlace RestoreDisplayMode(svc::Presenter& presenter, const std::string& remembered);

// The display step of the menu's load. rozliseni and full are the menu's labels of those names;
// menuReady is the menu's `MenuReady`. Ends with `rez1` "false".
void MenuLoadDisplayStep(SettingsStore& settings, svc::Presenter& presenter, svc::Label& rozliseni,
                         svc::Label& full, const std::string& menuReady);

}  // namespace game
