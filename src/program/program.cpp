#include "program/program.h"

#include "rules/rules.h"
#include "services/errors.h"
#include "view/views.h"

namespace game {

Program::Program(const svc::Services& services)
    : runtime_(services), settings_(runtime_), extras_(runtime_, settings_) {
  settings_.showMenu = [this] { showMenu(); };
  // Closing the game's windows unloads the start-up window, which saves the settings.
  runtime_.onQuit = [this] {
    if (settings_.form().loaded()) settings_.unload();
  };
}

void Program::start() {
  // Seeded from the clock, as the race's opponent look is drawn from it.
  runtime_.random().seed(std::uint64_t(runtime_.clock().ticks()) * 2654435761u + 1);
  settings_.load();
  runtime_.present();
}

void Program::run() {
  try {
    runtime_.run();
  } catch (const svc::DataFileError&) {
    // Only once the start-up window has read the settings and shown itself: before that the
    // live values are not the player's yet, and the file stays as it was.
    if (settings_.form().loaded() && settings_.form().visible()) settings_.save();
    throw;
  }
}

void Program::showMenu() {
  if (menu_) {
    // Already loaded: only brought forward.
    if (menu_->form().loaded()) menu_->show();
    return;
  }
  menu_ = std::make_unique<MenuWindow>(runtime_, settings_);
  menu_->loadRace = [this] { loadRace(); };
  menu_->onEffect = [this](const char* effect) { extras_.sounds().play(effect); };
  menu_->load();
}

void Program::loadRace() {
  race_ = std::make_unique<Race>(runtime_, settings_, *menu_);
  Race& r = *race_;
  r.procedures = {[&r] { VillageView(r); }, [&r] { VillageRules(r); }, [&r] { VillageOpponent(r); },
                  [&r] { CityView(r); },    [&r] { CityRules(r); },    [&r] { CityOpponent(r); },
                  [&r] { CircuitView(r); }, [&r] { CircuitRules(r); }};
  extras_.attach(r);
  // The menu is not seen again: a race ends in a fresh start of the program.
  menu_->form().releasePixels();
  r.load();
}

}  // namespace game
