// The menu window `menu`: the pages between the start of the program and a race. It owns the
// selection record (the captions of its labels) that a race starts from.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "services/fields.h"
#include "services/form.h"
#include "services/platform.h"
#include "services/runtime.h"
#include "startup/settings_store.h"

namespace game {

// The menu's own state besides its controls.
struct MenuState {
  std::int16_t FromPage = 0;
  std::int16_t ToPage = 0;
  std::string HoverKey;
  std::int16_t HoverLength = 0;
  std::int16_t HoverPos = 0;
  std::string HoverShown;
  std::int16_t MenuFrameInterval = 20;
  std::string MenuReady;
  std::uint32_t MenuNextTick = 0;
  bool StoryShowing = false;
  std::int16_t BlendLevel = 0;
  std::int16_t PanelRed = 0, PanelGreen = 0, PanelBlue = 0;
  bool FadePictureFirst = false;
  bool FadeFromPicture = false;
  double StoryY = 0;
  std::int16_t StoryX = 0;
  std::int16_t BackFrame = 0;
  std::string InfoScroll;

  std::vector<svc::Field> fields();
};

// The fields of the selection record, with their initial captions.
inline constexpr const char* kSelectionFields[] = {"typ",   "hraci", "auto",      "barva",
                                                   "trasa", "ridic", "Obtiznost", "smykovani"};

class MenuWindow {
 public:
  MenuWindow(svc::Runtime& runtime, SettingsStore& settings);

  svc::Form& form() { return form_; }
  MenuState state;
  svc::MusicPlayer& music() { return *music_; }

  // The menu's load and show (run once, from the start-up load).
  void load();
  bool loaded() const { return loaded_; }
  // Brings the window forward.
  void show() { form_.show(); }
  // Closes the menu for good: the window goes and its music stops.
  void close();

  // The selection record by field name.
  std::string selection(const std::string& field) const;
  void setSelection(const std::string& field, const std::string& value);

  // Waits the given number of seconds while processing window events. Counted on the clock of
  // the seconds since midnight, and right across midnight.
  void delay(double seconds);

  // Starts a race from the selection record, as the summary page's start button does. The race
  // is created by the program that assembles the game; this call does not return.
  void startRace();
  std::function<void()> loadRace;

 private:
  void build();

  svc::Runtime& runtime_;
  SettingsStore& settings_;
  svc::Form form_;
  std::unique_ptr<svc::MusicPlayer> music_;
  bool loaded_ = false;
};

}  // namespace game
