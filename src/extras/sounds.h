// The game's sound effects as the player hears them: which effect starts when, how loud, and
// what has been played (for the driver's dump and the tests).
#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "race/race.h"
#include "services/runtime.h"
#include "startup/settings_store.h"

namespace game {

// Every effect by name; its file is "/sounds/<name>.wav".
// clang-format off
inline constexpr std::array<const char*, 12> kEffectNames{{
    "engine", "squeal", "wall", "bump", "beep", "go", "lap", "refused", "pickup", "tick",
    "click", "slide",
}};
// clang-format on

// The engine loop was recorded at this many revolutions a minute.
inline constexpr double kEngineRecordedRpm = 3000;

// The pitch of the player's engine for the race state's revs (`Rpm` 0..10): from a 900 rpm
// tick-over to 8900 rpm at the top of the dial.
double enginePitch(double rpm);

// Starts effects through the runtime's sound service, following the effects switch of the
// options and the music volume, and keeps count of what it started.
class SoundBoard {
 public:
  SoundBoard(svc::Runtime& runtime, SettingsStore& settings);
  ~SoundBoard();
  SoundBoard(const SoundBoard&) = delete;
  SoundBoard& operator=(const SoundBoard&) = delete;

  bool enabled() const;
  // A one-shot; `gain` scales its loudness (0..1).
  void play(const std::string& name, double gain = 1, double pan = 0);
  // The continuous voices: the player's engine, the computer car's engine, the tyres.
  enum Voice { kPlayerEngine, kOpponentEngine, kTyres };
  void voice(Voice voice, double gain, double pitch, double pan = 0);
  void pause(bool paused);
  void stop();

  struct Stats {
    int started = 0;
    std::uint32_t lastStart = 0;
    bool looping = false;  // voices: heard now
  };
  const std::map<std::string, Stats>& stats() const { return stats_; }
  // Whether an effect is heard now: a voice that is on, or a one-shot within its length.
  bool playing(const std::string& name) const;
  double playerEnginePitch() const { return enginePitch_; }

 private:
  void loadOnce();
  double volume() const;

  svc::Runtime& runtime_;
  SettingsStore& settings_;
  bool loaded_ = false;
  bool paused_ = false;
  std::map<std::string, Stats> stats_;
  std::map<std::string, int> lengths_;
  double enginePitch_ = 0;
};

// Plays the race: the engines and tyres every frame, and the start lights, laps, walls,
// contacts and Kolder Run parcels as they happen, read from the race state.
class RaceSounds : public RaceObserver {
 public:
  explicit RaceSounds(SoundBoard& board) : board_(board) {}
  void raceStarted(Race& race) override;
  void frameDone(Race& race) override;

 private:
  struct Seen {
    std::int16_t countdown = -1, laps = 0, kolder = 0, timeLeft = 0;
    double lapClock = 0, speed = 0, opponentDistance = 1e9;
    bool paused = false;
  };
  Seen take(const Race& race) const;
  SoundBoard& board_;
  Seen seen_;
  bool fresh_ = true;
};

}  // namespace game
