#include "race/race_timers.h"

#include "race/race.h"
#include "race/race_setup.h"
#include "race/race_window.h"
#include "race/watchdog.h"

namespace game {

namespace {

// What both restarts reset: the start lights, the opponent and the pause panel; then the start
// procedure of the track runs.
void restartRace(Race& race, int trackKind) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  s.CountdownStep = 0;
  s.RaceStarted = false;
  c.Timer2.setEnabled(false);
  c.sem.setVisible(true);
  if (c.semafor[0]->surface().hasPicture())
    c.sem.setPicture(c.semafor[0]->surface().picture(), c.semafor[0]->pictureFile());
  c.Timer3.setEnabled(false);
  s.WaypointIndex = 0;
  s.OpponentAimed = false;
  s.TargetX = s.TargetY = s.OpponentHeading = s.OpponentBearing = 0;
  s.OpponentY = s.OpponentX = s.OpponentSpeed = s.OpponentTurnRate = 0;
  s.OpponentSteer = "";
  c.konec.setVisible(false);
  s.TrackKind = std::int16_t(trackKind);
  if (trackKind == 1)
    StartVillage(race);
  else
    StartCity(race);
}

void clearLapTimes(Race& race) {
  for (svc::Label* l : race.controls().labelcas) l->setCaption(kNoTime);
  race.controls().Labelcheckpoint.setCaption("0");
}

}  // namespace

void FullRestart(Race& race, int trackKind, bool kolderRun) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  s.LapCount = 0;
  s.OpponentLaps = 0;
  c.Label18.setVisible(false);
  race.keyboardCapture = false;
  c.Timer9.setEnabled(false);
  c.Label16.setCaption("time : 120");
  c.Label17.setCaption("Kolder : 0");
  s.TimeLeft = 0;
  s.KolderCount = 0;
  s.KolderRunMode = kolderRun;
  clearLapTimes(race);
  restartRace(race, trackKind);
}

void ShortRestart(Race& race, int trackKind) {
  clearLapTimes(race);
  restartRace(race, trackKind);
}

void wireRaceTimers(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  c.Timer2.onTick = [&s, &c] {
    const auto shown = OpponentWatchdog(s);
    c.Label3.setCaption(shown[0]);
    c.Label4.setCaption(shown[1]);
    c.Label6.setCaption(shown[2]);
  };
  c.Timer4.onTick = [&c] {
    c.Label10.setCaption("");
    c.wrongway.setVisible(false);
    c.Timer4.setEnabled(false);
  };
  c.Timer7.onTick = [&s, &c] {
    s.TimesBoxOpen = false;
    c.Timer7.setEnabled(false);
    s.MinimapSide = "left";
  };
  c.Timer8.onTick = [&c] {
    c.znak.setVisible(false);
    c.Timer8.setEnabled(false);
  };
  c.Timer9.onTick = [&s, &c] {
    // The run's clock stands while the game is paused.
    if (s.Paused) return;
    --s.TimeLeft;
    c.Label16.setCaption("Time : " + std::to_string(s.TimeLeft));
  };
  c.Timersmyku.onTick = [&s] { s.PlayerSkidActive = true; };
  c.AITimersmyku.onTick = [&s] { s.OpponentSkidActive = true; };

  c.Image2.mouse.click = [&s, &c] {
    s.Paused = false;
    c.konec.setVisible(false);
    c.Image2.setVisible(false);
  };
  // Leaving: the next start is a restart after a race; the loop ends after this frame.
  auto leave = [&race] {
    race.settings().set("rez1", "false");
    race.state.Running = false;
  };
  c.ok.mouse.click = leave;
  c.Command4.mouse.click = leave;
  c.Image3.mouse.click = [&race] {
    race.controls().Image3.setVisible(false);
    FullRestart(race, 1, false);
  };
  c.Command3.mouse.click = [&race] { FullRestart(race, 2, false); };
  c.kolde.mouse.click = [&race] { FullRestart(race, 2, true); };
  // Like the Village's repeat button, the way on to the City hides itself once taken, so the
  // pause panel of the City race does not offer it again.
  c.Image1.mouse.click = [&race] {
    race.controls().Image1.setVisible(false);
    ShortRestart(race, 2);
  };
}

}  // namespace game
