// Records and the ghost of the best lap, both read from the finish line as the race state
// shows it: a counted lap offers its time to the records and, when it is the best on the track
// with that car, becomes the ghost that drives beside the player from the next crossing on.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "extras/ghost_file.h"
#include "race/race.h"
#include "startup/settings_store.h"

namespace game {

// What the finish line did in a frame: the rules set the lap clock to the crossing's tick at
// every crossing, and raise the lap count only for a lap that counts.
class LapWatch {
 public:
  void reset(const RaceState& s);
  void update(const RaceState& s);
  bool crossed() const { return crossed_; }
  bool counted() const { return counted_; }
  // The time of the lap that was just counted, in seconds, exactly as the rules took it.
  double lapSeconds() const { return lapSeconds_; }

 private:
  double lapClock_ = 0;
  std::int16_t laps_ = 0;
  bool crossed_ = false, counted_ = false;
  double lapSeconds_ = 0;
};

class RaceRecords : public RaceObserver {
 public:
  explicit RaceRecords(SettingsStore& settings) : settings_(settings) {}
  void raceStarted(Race& race) override;
  void frameDone(Race& race) override;
  void drawUnderCars(Race& race, svc::Surface& picture) override;

  // For the driver's dump.
  struct GhostView {
    bool loaded = false, shown = false;
    std::size_t frame = 0, frames = 0;
    GhostFrame at;
    std::uint32_t lapMs = 0;
    std::size_t recording = 0;  // frames of the lap under way recorded so far
  };
  GhostView ghostView() const;
  // Sends a lap round as the ghost from this frame on (benchmarks, tests).
  void playGhost(GhostLap lap);
  bool ghostBeaten() const { return ghostBeaten_; }

 private:
  void addControls(Race& race);
  void markLap(Race& race, bool record);
  void showEnd(Race& race);
  std::string ghostPath(Race& race) const;

  SettingsStore& settings_;
  Race* controlsOf_ = nullptr;
  svc::Label* endText_ = nullptr;
  std::array<svc::Label*, 3> marks_{};
  std::array<std::string, 3> slots_;

  LapWatch watch_;
  RecordOf of_;
  bool racing_ = false;
  std::vector<double> laps_;
  bool raceOffered_ = false, kolderOffered_ = false;
  bool newLap_ = false, newRace_ = false, newKolder_ = false;

  std::optional<GhostLap> ghost_;
  std::optional<std::uint32_t> loadedLapMs_;
  bool ghostBeaten_ = false;
  bool playing_ = false;
  std::size_t playFrame_ = 0;
  bool recordingOn_ = false;
  GhostLap recording_;
  svc::Surface patch_;  // the ghost's car turned, before it is laid over the map
};

}  // namespace game
