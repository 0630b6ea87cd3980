// One running program: the runtime with its services and the game's three windows. The real
// executable and the headless driver each make one; tests make their own.
#pragma once
#include <memory>

#include "extras/extras.h"
#include "menu/menu_window.h"
#include "race/race.h"
#include "services/runtime.h"
#include "startup/settings_store.h"

namespace game {

class Program {
 public:
  explicit Program(const svc::Services& services);

  // Starts as a player would: the start-up window loads the settings and opens the menu.
  void start();
  // The idle event loop; it ends only by svc::ProgramEnd (relaunch or the end of the program), or
  // by svc::DataFileError when a data file cannot be read. The settings are saved before such an
  // error ends the program, so nothing won or changed since the start is lost.
  [[noreturn]] void run();

  svc::Runtime& runtime() { return runtime_; }
  SettingsStore& settings() { return settings_; }
  MenuWindow* menu() { return menu_.get(); }
  Race* race() { return race_.get(); }
  Extras& extras() { return extras_; }

 private:
  void showMenu();
  [[noreturn]] void loadRace();

  svc::Runtime runtime_;
  SettingsStore settings_;
  Extras extras_;
  std::unique_ptr<MenuWindow> menu_;
  std::unique_ptr<Race> race_;
};

}  // namespace game
