// What the game adds for the player beside its rules: sound effects, kept records and the ghost
// of the best lap. Each part watches a race through RaceObserver; the program attaches them to
// every race it loads.
#pragma once
#include <memory>
#include <vector>

#include "extras/records.h"
#include "extras/sounds.h"
#include "race/race.h"
#include "services/runtime.h"
#include "startup/settings_store.h"

namespace game {

class Extras {
 public:
  Extras(svc::Runtime& runtime, SettingsStore& settings);
  ~Extras();
  Extras(const Extras&) = delete;
  Extras& operator=(const Extras&) = delete;

  // Lets every part watch the race.
  void attach(Race& race);

  SoundBoard& sounds() { return sounds_; }
  RaceRecords& records() { return *records_; }

 private:
  svc::Runtime& runtime_;
  SettingsStore& settings_;
  SoundBoard sounds_;
  RaceRecords* records_ = nullptr;
  std::vector<std::unique_ptr<RaceObserver>> observers_;
};

}  // namespace game
