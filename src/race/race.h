// A race: the race window `Form1` with its state, its music and the frame loop that runs the
// per-frame procedures of the current track family. Leaving a race ends the program, which
// then starts afresh.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "menu/menu_window.h"
#include "race/race_controls.h"
#include "race/race_state.h"
#include "race/track_info.h"
#include "race/waypoints.h"
#include "services/form.h"
#include "services/platform.h"
#include "services/runtime.h"
#include "startup/settings_store.h"

namespace game {

// The per-frame procedures of each track family, filled in by the program that assembles the
// game (they live in the view and rules code, which build on the race).
struct FrameProcedures {
  std::function<void()> VillageView, VillageRules, VillageOpponent;
  std::function<void()> CityView, CityRules, CityOpponent;
  std::function<void()> CircuitView, CircuitRules;
};

class Race;

// What the game shows and plays beside its rules (sounds, records, the ghost of the best lap):
// told of the race as it goes, it reads the state and never changes it.
class RaceObserver {
 public:
  virtual ~RaceObserver() = default;
  // A start procedure has set the race up (the first start and every restart).
  virtual void raceStarted(Race&) {}
  // A pass of the frame loop has ended: after the frame's procedures, or a paused pass.
  virtual void frameDone(Race&) {}
  // The frame's picture has the map (and a Kolder Run parcel) but no car yet.
  virtual void drawUnderCars(Race&, svc::Surface&) {}
};

class Race {
 public:
  Race(svc::Runtime& runtime, SettingsStore& settings, MenuWindow& menu);

  RaceState state;
  FrameProcedures procedures;
  // The track of the latest start procedure.
  TrackId trackId = TrackId::Village;
  const TrackInfo& track() const { return trackInfo(trackId); }
  // The opponent's waypoint squares as last placed.
  Markers markers = freshMarkers();
  // Told of the race as it goes; the program that assembles the game fills it in.
  std::vector<RaceObserver*> observers;
  // The race window hears keys only while this is on (from the green light to the race's end).
  bool keyboardCapture = false;

  svc::Form& form() { return form_; }
  const svc::Form& form() const { return form_; }
  RaceControls& controls() { return controls_; }
  svc::MusicPlayer& music() { return *music_; }
  svc::Runtime& runtime() { return runtime_; }
  SettingsStore& settings() { return settings_; }
  MenuWindow& menu() { return menu_; }

  // The race window's load: the race set-up, which ends in the frame loop and never returns.
  [[noreturn]] void load();

  // Runs frames until `Running` is False, then the exit sequence. A start procedure called while
  // a loop already runs (a restart from the end-of-race panel) re-initialises the race and lets
  // the running loop go on with the next frame, as a fresh loop would.
  void GameLoop();

  // Loads a picture of the program folder into a picture control.
  void load(svc::PictureBox& box, const std::string& relative) { runtime_.loadInto(box, relative); }

 private:
  void runFrameProcedures();
  [[noreturn]] void exitSequence();
  void wireHandlers();

  svc::Runtime& runtime_;
  SettingsStore& settings_;
  MenuWindow& menu_;
  svc::Form form_;
  RaceControls controls_;
  std::unique_ptr<svc::MusicPlayer> music_;
  bool loopRunning_ = false;
  bool restarted_ = false;
};

}  // namespace game
