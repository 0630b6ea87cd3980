#include "race/race_setup.h"

#include <cstdlib>
#include <string>

#include "race/angles.h"
#include "race/race.h"

namespace game {

namespace {

struct Look {
  const char* car;
  const char* mini;
};
// The opponent's look, drawn at random for every race.
constexpr Look kOpponentLooks[12] = {
    {"/gfx/cars/viper/blue/5.bmp", "/gfx/cars/miniblue.bmp"},
    {"/gfx/cars/viper/yellow/5.bmp", "/gfx/cars/miniyellow.bmp"},
    {"/gfx/cars/viper/green/5.bmp", "/gfx/cars/minigreen.bmp"},
    {"/gfx/cars/viper/red/5.bmp", "/gfx/cars/minired.bmp"},
    {"/gfx/cars/porsche/blue/5.bmp", "/gfx/cars/miniblue.bmp"},
    {"/gfx/cars/porsche/yellow/5.bmp", "/gfx/cars/miniyellow.bmp"},
    {"/gfx/cars/porsche/red/5.bmp", "/gfx/cars/minired.bmp"},
    {"/gfx/cars/porsche/green/5.bmp", "/gfx/cars/minigreen.bmp"},
    {"/gfx/cars/ferari/blue/5.bmp", "/gfx/cars/miniblue.bmp"},
    {"/gfx/cars/ferari/red/5.bmp", "/gfx/cars/minired.bmp"},
    {"/gfx/cars/ferari/yellow/5.bmp", "/gfx/cars/miniyellow.bmp"},
    {"/gfx/cars/ferari/green/5.bmp", "/gfx/cars/minigreen.bmp"},
};

const char* miniCarFor(const std::string& barva) {
  if (barva == "Červená") return "/gfx/cars/minired.bmp";
  if (barva == "Modrá") return "/gfx/cars/miniblue.bmp";
  if (barva == "Zelená") return "/gfx/cars/minigreen.bmp";
  if (barva == "Žlutá") return "/gfx/cars/miniyellow.bmp";
  if (barva == "Bílá") return "/gfx/cars/miniwhite.bmp";
  return nullptr;
}

// The colour keys of the masks, read from their legend pixels.
void sampleKeys(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const svc::Surface& own = c.KON[std::size_t(s.PlayerSection)]->surface();
  const svc::Surface& first = c.KON[0]->surface();
  s.OffTrackColour = own.point(0, 0);
  s.ArrowZoneColour = own.point(0, 1);
  s.WallColour = own.point(3, 3);
  s.FinishLineColour = first.point(0, 2);
  s.GuideMinusColour = first.point(4, 4);
  s.GuidePlusColour = first.point(4, 3);
  s.CheckpointColour[0] = first.point(5, 5);
  s.CheckpointColour[1] = first.point(5, 4);
}

void loadMiniCar(Race& race) {
  if (const char* mini = miniCarFor(race.menu().selection("barva")))
    race.load(race.controls().miniauto1, mini);
}

// Ground, masks, minimap and overlay of a Village or City map folder; the overlay is baked
// into the world map once, so only two small boxes need repairing per frame.
void loadTownTrack(Race& race, const std::string& folder, bool bridge) {
  RaceControls& c = race.controls();
  race.load(*c.KON[0], folder + "/mini1.bmp");
  race.load(*c.KON[1], folder + "/mini2.bmp");
  race.load(c.mapab, folder + "/mb.bmp");
  race.load(c.mapaw, folder + "/mw.bmp");
  if (bridge) {
    race.load(c.mostb, folder + "/mostb.bmp");
    race.load(c.mostw, folder + "/mostw.bmp");
  }
  race.load(c.cesta, folder + "/1.jpg");
  race.load(c.renw, folder + "/rw.gif");
  race.load(c.renb, folder + "/rb.jpg");
  loadMiniCar(race);
  svc::bitBlt(c.cesta.surface(), 0, 0, 2000, 2000, c.renw.surface(), 0, 0, svc::Rop::And);
  svc::bitBlt(c.cesta.surface(), 0, 0, 2000, 2000, c.renb.surface(), 0, 0, svc::Rop::Or);
}

void placeOpponent(Race& race, double offsetY, const WaypointTable& table) {
  RaceState& s = race.state;
  s.OpponentY = s.ViewTop + s.CarScreenY + offsetY;
  s.OpponentX = s.ViewLeft + s.CarScreenX;
  s.OpponentAimed = false;
  s.OpponentHeading = 0;
  s.OpponentTurnRate = 3;
  for (std::size_t i = 0; i < 32; ++i) {
    s.WaypointX[i] = table.x[i];
    s.WaypointY[i] = table.y[i];
  }
  PlaceFirstWaypoint(s, race.markers);
  s.OpponentSpeed = 0;
  s.OpponentAimed = false;
  s.StuckSamples[0].emplace<std::string>("1");
}

void startLights(Race& race) {
  RaceState& s = race.state;
  s.ViewHeight = float(race.controls().pic.height());
  s.ViewWidth = float(race.controls().pic.width());
  s.CountdownStep = -1;
  race.controls().Timer3.setEnabled(true);
}

// The race screen shows, the menu goes, frames run.
void enterRace(Race& race) {
  race.menu().close();
  race.GameLoop();
}

}  // namespace

std::string CarFolder(const std::string& car) {
  if (car == "Viper GTS") return "viper";
  if (car == "Porsche") return "porsche";
  if (car == "Ferari") return "ferari";
  return "";
}

std::string ColourFolder(const std::string& colour) {
  if (colour == "Modrá") return "blue";
  if (colour == "Červená") return "red";
  if (colour == "Zelená") return "green";
  if (colour == "Žlutá") return "yellow";
  if (colour == "Bílá") return "White";
  return "";
}

bool HandlingFor(const std::string& car, const std::string& difficulty, double* turnRate,
                 double* speedScale) {
  if (car == "Truck") {
    *turnRate = 2.5;
    *speedScale = 5;
    return true;
  }
  struct Row {
    const char* car;
    double turn, scale;
  };
  struct Group {
    const char* cz;
    const char* en;
    Row rows[3];
  };
  static const Group groups[] = {
      {"Lehká", "Easy", {{"Viper GTS", 3, 7.4}, {"Porsche", 2.8, 7.6}, {"Ferari", 2.6, 7.8}}},
      {"Střední", "Medium", {{"Viper GTS", 3, 7.2}, {"Porsche", 2.6, 7.4}, {"Ferari", 2.4, 7.6}}},
      {"Těžká", "Hard", {{"Viper GTS", 2.6, 7}, {"Porsche", 2.4, 7.1}, {"Ferari", 2.3, 7.2}}},
  };
  for (const Group& g : groups) {
    if (difficulty != g.cz && difficulty != g.en) continue;
    for (const Row& r : g.rows)
      if (car == r.car) {
        *turnRate = r.turn;
        *speedScale = r.scale;
        return true;
      }
  }
  return false;
}

void LoadBuiltInPictures(Race& race) {
  RaceControls& c = race.controls();
  const std::string dir = "/gfx/builtin/Form1/";
  auto load = [&](svc::PictureBox& box, const std::string& name) {
    race.load(box, dir + name + ".bmp");
  };
  load(c.sem, "sem");
  for (int i = 0; i < 4; ++i) load(*c.semafor[std::size_t(i)], "semafor" + std::to_string(i));
  load(c.sipka1, "sipka1");
  load(c.sipka2, "sipka2");
  load(*c.smykobr[0], "smykobr0");
  load(*c.smykobr[1], "smykobr1");
  load(c.aismyk, "aismyk");
  for (const char* n : {"budikw", "budikb", "timew", "timeb", "crashcar", "Picture3", "cil",
                        "Picture4", "reklama"})
    load(race.form().picture(n), n);
  for (int i = 0; i < 12; ++i) load(*c.znacka[std::size_t(i)], "znacka" + std::to_string(i));
  for (svc::ImageBox* b : {&c.Image2, &c.ok, &c.Command4, &c.Image3, &c.Command3, &c.kolde,
                           &c.Image1})
    b->setPicture(race.runtime().loadPicture(dir + b->name() + ".bmp"), dir + b->name() + ".bmp");
}

void RaceSetup(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const MenuWindow& menu = race.menu();
  SettingsStore& settings = race.settings();
  svc::Runtime& rt = race.runtime();

  // 1. The opponent's look, at random.
  rt.random().seed(rt.clock().ticks());
  const int k = int(rt.random().next() * 12);
  race.load(c.car2, kOpponentLooks[k].car);
  race.load(c.miniauto2, kOpponentLooks[k].mini);

  // 2. Race music. A volume that is not a whole number is not applied (full volume).
  if (settings.get("zkuky") == "1") {
    race.music().setFileName(rt.path("/music/0.mp3"));
    race.music().play();
    if (const auto volume = settings.musicVolume()) race.music().setVolume(*volume);
  }

  // 3.-7. Flags and the pause panel.
  s.OpponentLaps = 0;
  c.konec.move(0, 0);
  race.load(c.konec, "/gfx/menu/back.bmp");
  s.GameType = menu.selection("typ");
  s.KolderRunMode = s.GameType == "Kolder Run";
  s.FreeRideMode = s.GameType == "Volná jízda";
  race.form().resize(640, 480);
  s.MinimapSide = "left";
  s.MinimapX = 640;

  // 8. The player's car.
  const std::string car = CarFolder(menu.selection("auto"));
  const std::string colour = ColourFolder(menu.selection("barva"));
  if (!car.empty() && !colour.empty())
    for (int i = 0; i < 6; ++i)
      race.load(*c.car[std::size_t(i)],
                "/gfx/cars/" + car + "/" + colour + "/" + std::to_string(i) + ".bmp");
  s.PlayerSkidActive = false;

  // 10.-11. Track family and handling.
  const std::string trasa = menu.selection("trasa");
  s.TrackKind = trasa == "Vesnice" ? 1 : trasa == "Město" ? 2 : 0;
  HandlingFor(menu.selection("auto"), menu.selection("Obtiznost"), &s.TurnRate, &s.SpeedScale);

  // 12. In the Kolder Run every car looks like the truck; the handling stays the car's.
  if (s.KolderRunMode)
    for (int i = 0; i < 6; ++i)
      race.load(*c.car[std::size_t(i)], "/gfx/cars/b/" + colour + "/" + std::to_string(i) + ".bmp");

  s.Running = true;
  if (s.TrackKind == 1) StartVillage(race);
  if (s.TrackKind == 0) StartCircuit(race);
  if (s.TrackKind == 2) StartCity(race);
}

namespace {

// What tells the Village's start from the City's; the steps and their order are the same.
struct TownStart {
  bool city;
  const char* folder;
  std::int16_t section;        // the start section, and the checkpoint key expected first
  int carBelowCentre;          // the car's place on the view below its centre
  double viewTop, viewLeft;
  double opponentBeside;       // the opponent's place below (or above) the player
  const WaypointTable& waypoints;
};

void startTown(Race& race, const TownStart& t) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  if (t.city) {
    c.Picture2.setLeft(-76);
    s.LapCount = 0;
    s.OpponentLaps = 0;
  }
  s.SkidMarksOn = race.menu().selection("smykovani") == "ANO";
  if (!t.city) c.Labelcheckpoint.setCaption("0");
  s.Gear = 1;
  if (!t.city) c.sem.setVisible(true);
  loadTownTrack(race, t.folder, !t.city);
  s.OpponentSection = 0;
  s.WaypointIndex = 0;
  s.PlayerSection = t.section;
  s.Running = true;
  sampleKeys(race);
  s.NextCheckpoint = t.section;
  s.Rpm = 0;
  s.LapCount = -1;
  s.Speed = 0;
  s.Heading = 0;
  s.CarScreenY = c.pic.height() / 2 + t.carBelowCentre;
  s.CarScreenX = c.pic.width() / 2;
  FillAngleTables(s);
  s.ViewTop = t.viewTop;
  s.ViewLeft = t.viewLeft;
  if (t.city) c.reklama.setLeft(-76);
  s.FrameInterval = 22;
  race.form().show();
  s.FrameCount = 0;
  s.WaypointIndex = 0;
  if (t.city) {
    s.KolderItemX = -300;
    s.KolderItemY = -500;
  }
  placeOpponent(race, t.opponentBeside, t.waypoints);
  startLights(race);
  s.AIOn = !(s.KolderRunMode || s.FreeRideMode);
  if (t.city && s.KolderRunMode) {
    s.TimeLeft = 120;
    c.Label16.setVisible(true);
    c.Label17.setVisible(true);
    s.KolderCount = 0;
  }
  enterRace(race);
}

}  // namespace

void StartVillage(Race& race) {
  startTown(race, {false, "/maps/m1", 1, 150, 521, -700, 40, villageWaypoints()});
}

void StartCity(Race& race) {
  startTown(race, {true, "/maps/m2", 0, 0, -740, -940, -40, cityWaypoints()});
}

void StartCircuit(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  s.SkidMarksOn = race.menu().selection("smykovani") == "ANO";
  s.Gear = 1;
  loadMiniCar(race);
  const bool circuit = race.menu().selection("trasa") == "Okruh";
  if (circuit) {
    race.load(c.cesta, "/maps/m2/0.jpg");
    race.load(*c.KON[0], "/maps/m2/mini1.bmp");
    race.load(*c.KON[1], "/maps/m2/mini2.bmp");
    s.Heading = 0;
    s.ViewTop = 300;
    s.ViewLeft = 150;
  } else {
    race.load(c.cesta, "/maps/m0/0.jpg");
    race.load(*c.KON[0], "/maps/m0/mini1.bmp");
    race.load(*c.KON[1], "/maps/m0/mini2.bmp");
    s.Heading = 90;
    s.ViewTop = 520;
    s.ViewLeft = 50;
  }
  s.OpponentSection = 0;
  s.PlayerSection = 0;
  s.Running = true;
  sampleKeys(race);
  s.NextCheckpoint = 0;
  s.Rpm = 0;
  s.LapCount = -1;
  s.Speed = 0;
  s.CarScreenY = c.pic.height() / 2;
  s.CarScreenX = c.pic.width() / 2;
  FillAngleTables(s);
  s.FrameInterval = 22;
  race.form().show();
  s.FrameCount = 0;
  startLights(race);
  s.AIOn = false;
  enterRace(race);
}

void CountdownTick(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  ++s.CountdownStep;
  if (s.CountdownStep == 3) {
    s.RaceStarted = true;
    c.Timer2.setEnabled(true);
    race.keyboardCapture = true;
    c.Line3.setVisible(true);
    c.Line4.setVisible(true);
  }
  if (s.CountdownStep == 4) {
    race.keyboardCapture = true;
    c.sem.setVisible(false);
    c.Timer3.setEnabled(false);
    if (s.KolderRunMode) c.Timer9.setEnabled(true);
  } else if (s.CountdownStep >= 0 && s.CountdownStep < 4) {
    svc::PictureBox& frame = *c.semafor[std::size_t(s.CountdownStep)];
    c.sem.setPicture(frame.surface().picture(), frame.pictureFile());
  }
}

}  // namespace game
