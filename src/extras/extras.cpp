#include "extras/extras.h"

namespace game {

Extras::Extras(svc::Runtime& runtime, SettingsStore& settings)
    : runtime_(runtime), settings_(settings), sounds_(runtime, settings) {
  observers_.push_back(std::make_unique<RaceSounds>(sounds_));
  auto records = std::make_unique<RaceRecords>(settings_);
  records_ = records.get();
  observers_.push_back(std::move(records));
}

Extras::~Extras() = default;

void Extras::attach(Race& race) {
  for (const auto& o : observers_) race.observers.push_back(o.get());
}

}  // namespace game
