#include "race/race.h"

#include "race/race_input.h"
#include "race/race_setup.h"
#include "race/race_timers.h"
#include "race/race_window.h"
#include "services/clock.h"
#include "services/errors.h"

namespace game {

Race::Race(svc::Runtime& runtime, SettingsStore& settings, MenuWindow& menu)
    : runtime_(runtime),
      settings_(settings),
      menu_(menu),
      form_("Form1", runtime.ui(), svc::WindowSlot::Main),
      controls_((buildRaceWindow(form_), form_)),
      music_(runtime.audio().newPlayer()) {
  wireHandlers();
  runtime_.addForm(form_);
}

void Race::wireHandlers() {
  RaceControls& c = controls_;
  // Frame rate: frames started in the last second.
  c.Timer1.onTick = [this] {
    controls_.Label8.setCaption("Fps : " + std::to_string(state.FrameCount));
    state.FrameCount = 0;
  };
  c.Timer3.onTick = [this] { CountdownTick(*this); };
  wireRaceTimers(*this);
  form_.takesKeyBindings = true;
  form_.onKeyDown = [this](int key) { RaceKeyDown(*this, key); };
  form_.onKeyUp = [this](int key) { RaceKeyUp(*this, key); };
  // A controller drives while no panel is up; on a panel it picks the panel's buttons, and B
  // resumes a paused race.
  using svc::Pad;
  form_.padKeys = {
      {int(Pad::A), kKeyUp},
      {int(Pad::TriggerRight), kKeyUp},
      {int(Pad::B), kKeyDown},
      {int(Pad::TriggerLeft), kKeyDown},
      {int(Pad::DpadLeft), kKeyLeft},
      {int(Pad::StickLeft), kKeyLeft},
      {int(Pad::DpadRight), kKeyRight},
      {int(Pad::StickRight), kKeyRight},
      {int(Pad::Start), kKeyEsc},
      {int(Pad::Y), kKeyM},
      {int(Pad::X), kKeyL},
      {int(Pad::Back), kKeyS},
  };
  form_.padDrives = [this] { return !controls_.konec.visible(); };
  form_.padBack = &c.Image2;
}

void Race::load() {
  PrefetchTrack(*this);
  // The pictures built into the race window come first, as the window is created.
  LoadBuiltInPictures(*this);
  RaceSetup(*this);
  // The set-up ends in a start procedure, whose frame loop ends the program.
  throw svc::ProgramEnd{true};
}

void Race::GameLoop() {
  for (RaceObserver* o : observers) o->raceStarted(*this);
  if (loopRunning_) {
    restarted_ = true;
    return;
  }
  loopRunning_ = true;
  svc::Clock& clock = runtime_.clock();
  RaceState& s = state;
  s.Paused = false;
  while (s.Running) {
    // A frame is due once the counter is strictly past the deadline (signed difference, so the
    // counter's sign change and wrap-around do not matter). Until the first frame the deadline
    // is 0, which is due at once.
    if (s.NextFrameTick != 0 && !svc::tickAfter(clock.ticks(), s.NextFrameTick)) {
      clock.waitUntil(s.NextFrameTick + 1);
      continue;
    }
    s.NextFrameTick = clock.ticks() + std::uint32_t(s.FrameInterval);
    runtime_.doEvents();
    if (restarted_) {
      // A restart ran a start procedure inside the events: its loop begins afresh.
      restarted_ = false;
      s.Paused = false;
      continue;
    }
    ++s.FrameCount;
    ++s.TotalFrames;
    if (runtime_.onFrame) runtime_.onFrame();
    if (!s.Paused) runFrameProcedures();
    for (RaceObserver* o : observers) o->frameDone(*this);
    if (!s.Paused) runtime_.doEvents();
    if (restarted_) {
      restarted_ = false;
      s.Paused = false;
    }
  }
  exitSequence();
}

void Race::runFrameProcedures() {
  auto run = [](const std::function<void()>& f) {
    if (f) f();
  };
  // The three tests are made one after the other against the current value.
  if (state.TrackKind == 1) {
    run(procedures.VillageView);
    run(procedures.VillageRules);
    if (state.AIOn) run(procedures.VillageOpponent);
  }
  if (state.TrackKind == 2) {
    run(procedures.CityView);
    run(procedures.CityRules);
    if (state.AIOn) run(procedures.CityOpponent);
  }
  if (state.TrackKind == 0) {
    run(procedures.CircuitView);
    run(procedures.CircuitRules);
  }
}

void Race::exitSequence() {
  // The largest pictures of the race go first.
  form_.picture("cesta(3)").releasePicture();
  form_.picture("renb").releasePicture();
  form_.picture("renw").releasePicture();
  music_->stop();
  // Saved before the new instance starts, so that it reads the values just written.
  settings_.unload();
  throw svc::ProgramEnd{true};
}

}  // namespace game
