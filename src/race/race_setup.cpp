#include "race/race_setup.h"

#include "race/race.h"

namespace game {

namespace {

// What every start procedure does last: the race screen shows, the menu closes, frames run.
void enterRace(Race& race) {
  RaceState& s = race.state;
  s.Running = true;
  s.FrameInterval = 22;
  s.FrameCount = 0;
  race.form().show();
  race.menu().close();
  race.GameLoop();
}

}  // namespace

void RaceSetup(Race& race) {
  RaceState& s = race.state;
  const MenuWindow& menu = race.menu();
  s.OpponentLaps = 0;
  s.GameType = menu.selection("typ");
  s.KolderRunMode = s.GameType == "Kolder Run";
  s.FreeRideMode = s.GameType == "Volná jízda";
  race.form().resize(640, 480);
  s.MinimapSide = "left";
  s.MinimapX = 640;
  s.PlayerSkidActive = false;
  const std::string trasa = menu.selection("trasa");
  s.TrackKind = trasa == "Vesnice" ? 1 : trasa == "Město" ? 2 : 0;
  s.Running = true;
  if (s.TrackKind == 1) StartVillage(race);
  if (s.TrackKind == 0) StartCircuit(race);
  if (s.TrackKind == 2) StartCity(race);
}

void StartVillage(Race& race) { enterRace(race); }
void StartCity(Race& race) { enterRace(race); }
void StartCircuit(Race& race) { enterRace(race); }

}  // namespace game
