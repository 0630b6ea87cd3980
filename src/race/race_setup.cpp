#include "race/race_setup.h"

#include <cstdlib>
#include <string>

#include "menu/selection_words.h"
#include "race/angles.h"
#include "race/race.h"
#include "race/track_info.h"

namespace game {

namespace {

const ColourWord* colourOf(const std::string& barva) {
  for (const ColourWord& c : kColours)
    if (barva == c.barva) return &c;
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
  if (const ColourWord* c = colourOf(race.menu().selection("barva")))
    race.load(race.controls().miniauto1, c->mini);
}

// The track pictures a start loads after its small ones, decoded meanwhile on the other core.
std::vector<std::string> largePictures(const TrackInfo& t) {
  const std::string folder = t.mapFolder;
  if (t.id == TrackId::Village || t.id == TrackId::City)
    return {folder + "/rb.jpg", folder + "/rw.gif"};
  return {folder + "/0.jpg"};
}

// Ground, masks, minimap and overlay of a town map; the overlay is baked into the world map
// once, so only two small boxes need repairing per frame.
void loadTownTrack(Race& race, const TrackInfo& t) {
  RaceControls& c = race.controls();
  const std::string folder = t.mapFolder;
  race.runtime().prefetchPictures(largePictures(t));
  race.load(*c.KON[0], folder + "/mini1.bmp");
  race.load(*c.KON[1], folder + "/mini2.bmp");
  race.load(c.mapab, folder + "/mb.bmp");
  race.load(c.mapaw, folder + "/mw.bmp");
  if (t.bridge) {
    race.load(c.mostb, folder + "/mostb.bmp");
    race.load(c.mostw, folder + "/mostw.bmp");
  }
  race.load(c.cesta, folder + "/1.jpg");
  race.load(c.renw, folder + "/rw.gif");
  race.load(c.renb, folder + "/rb.jpg");
  loadMiniCar(race);
  // The map as loaded is not needed once the overlay is in (a race never clears the map): the
  // overlay goes into the loaded pixels themselves.
  c.cesta.surface().forgetPicture();
  svc::bitBlt(c.cesta.surface(), 0, 0, 2000, 2000, c.renw.surface(), 0, 0, svc::Rop::And);
  svc::bitBlt(c.cesta.surface(), 0, 0, 2000, 2000, c.renb.surface(), 0, 0, svc::Rop::Or);
}

// Ground and masks of a map without overlay (the Circuit and the Parking ground).
void loadGroundTrack(Race& race, const TrackInfo& t) {
  RaceControls& c = race.controls();
  const std::string folder = t.mapFolder;
  loadMiniCar(race);
  race.load(c.cesta, folder + "/0.jpg");
  race.load(*c.KON[0], folder + "/mini1.bmp");
  race.load(*c.KON[1], folder + "/mini2.bmp");
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

static_assert(kOpponentLookCount == kRaceCars * 4);

OpponentLookFiles OpponentLook(int k) {
  // Each car the opponent drives, in each of its four paints.
  const CarWord& car = kCars[k / 4];
  const ColourWord& paint = colourWord(car.opponentPaints[std::size_t(k % 4)]);
  return {std::string("/gfx/cars/") + car.folder + "/" + paint.folder + "/5.bmp", paint.mini};
}

std::string CarFolder(const std::string& car) {
  for (int i = 0; i < kRaceCars; ++i)
    if (car == kCars[i].name) return kCars[i].folder;
  return "";
}

std::string ColourFolder(const std::string& colour) {
  const ColourWord* c = colourOf(colour);
  return c ? c->folder : "";
}

bool HandlingFor(const std::string& car, const std::string& difficulty, double* turnRate,
                 double* speedScale) {
  if (car == kCarTruck) {
    *turnRate = 2.5;
    *speedScale = 5;
    return true;
  }
  struct Handling {
    double turn, scale;
  };
  // By difficulty, then by car in the order of the car page.
  static constexpr Handling table[3][kRaceCars] = {
      {{3, 7.4}, {2.8, 7.6}, {2.6, 7.8}},
      {{3, 7.2}, {2.6, 7.4}, {2.4, 7.6}},
      {{2.6, 7}, {2.4, 7.1}, {2.3, 7.2}},
  };
  for (int level = 0; level < 3; ++level) {
    if (difficulty != kDifficulties[level].czech && difficulty != kDifficulties[level].english)
      continue;
    for (int i = 0; i < kRaceCars; ++i)
      if (car == kCars[i].name) {
        *turnRate = table[level][i].turn;
        *speedScale = table[level][i].scale;
        return true;
      }
  }
  return false;
}

void PrefetchTrack(Race& race) {
  race.runtime().prefetchPictures(largePictures(trackForSelection(race.menu().selection("trasa"))));
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
  for (const char* n :
       {"budikw", "budikb", "timew", "timeb", "crashcar", "Picture3", "cil", "Picture4", "reklama"})
    load(race.form().picture(n), n);
  for (int i = 0; i < 12; ++i) load(*c.znacka[std::size_t(i)], "znacka" + std::to_string(i));
  for (svc::ImageBox* b :
       {&c.Image2, &c.ok, &c.Command4, &c.Image3, &c.Command3, &c.kolde, &c.Image1})
    b->setPicture(race.runtime().loadPicture(dir + b->name() + ".bmp"), dir + b->name() + ".bmp");
}

void RaceSetup(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const MenuWindow& menu = race.menu();
  SettingsStore& settings = race.settings();
  svc::Runtime& rt = race.runtime();

  // The opponent's look, at random.
  rt.random().seed(rt.clock().ticks());
  const OpponentLookFiles look = OpponentLook(int(rt.random().next() * kOpponentLookCount));
  race.load(c.car2, look.car);
  race.load(c.miniauto2, look.mini);

  // Race music. A volume that is not a whole number is not applied (full volume).
  if (settings.get("zkuky") == "1") {
    race.music().setFileName(rt.path("/music/0.mp3"));
    race.music().play();
    if (const auto volume = settings.musicVolume()) race.music().setVolume(*volume);
  }

  // The game-mode flags and the pause panel.
  s.OpponentLaps = 0;
  c.konec.move(0, 0);
  race.load(c.konec, "/gfx/menu/back.bmp");
  s.GameType = menu.selection("typ");
  s.KolderRunMode = s.GameType == kTypeKolderRun;
  s.FreeRideMode = s.GameType == kTypeFreeRide;
  race.form().resize(640, 480);
  s.MinimapSide = "left";
  s.MinimapX = 640;

  // The player's car.
  const std::string car = CarFolder(menu.selection("auto"));
  const std::string colour = ColourFolder(menu.selection("barva"));
  if (!car.empty() && !colour.empty())
    for (int i = 0; i < 6; ++i)
      race.load(*c.car[std::size_t(i)],
                "/gfx/cars/" + car + "/" + colour + "/" + std::to_string(i) + ".bmp");
  s.PlayerSkidActive = false;

  // The track family and the handling.
  s.TrackKind = trackForSelection(menu.selection("trasa")).trackKind;
  HandlingFor(menu.selection("auto"), menu.selection("Obtiznost"), &s.TurnRate, &s.SpeedScale);

  // In the Kolder Run every car looks like the truck; the handling stays the car's.
  if (s.KolderRunMode)
    for (int i = 0; i < 6; ++i)
      race.load(*c.car[std::size_t(i)], std::string("/gfx/cars/") + kTruckFolder + "/" + colour +
                                            "/" + std::to_string(i) + ".bmp");

  s.Running = true;
  if (s.TrackKind == 1) StartVillage(race);
  if (s.TrackKind == 0) StartCircuit(race);
  if (s.TrackKind == 2) StartCity(race);
}

namespace {

// What every start does before its map is loaded.
void beginStart(Race& race) {
  race.state.SkidMarksOn = race.menu().selection("smykovani") == "ANO";
  race.state.Gear = 1;
}

// The car at the track's start pose, at a standstill, with the sections, the lap count and the
// colour keys of the fresh masks.
void placeCar(Race& race, const TrackInfo& t) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  s.OpponentSection = 0;
  s.PlayerSection = t.start.section;
  s.Running = true;
  sampleKeys(race);
  s.NextCheckpoint = t.start.section;
  s.Rpm = 0;
  s.LapCount = -1;
  s.Speed = 0;
  s.Heading = t.start.heading;
  s.CarScreenY = c.pic.height() / 2 + t.start.carBelowCentre;
  s.CarScreenX = c.pic.width() / 2;
  FillAngleTables(s);
  s.ViewTop = t.start.viewTop;
  s.ViewLeft = t.start.viewLeft;
}

// The race screen shows, the opponent lines up, the lights start and the frames run.
void runRace(Race& race, const TrackInfo& t) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  s.FrameInterval = 22;
  race.form().show();
  s.FrameCount = 0;
  if (t.waypoints) {
    s.WaypointIndex = 0;
    if (t.kolderRun) {
      s.KolderItemX = std::int16_t(t.kolderPlaces[0].x);
      s.KolderItemY = std::int16_t(t.kolderPlaces[0].y);
    }
    placeOpponent(race, t.start.opponentBeside, *t.waypoints);
  }
  startLights(race);
  s.AIOn = t.waypoints && !(s.KolderRunMode || s.FreeRideMode);
  if (t.kolderRun && s.KolderRunMode) {
    s.TimeLeft = 120;
    c.Label16.setVisible(true);
    c.Label17.setVisible(true);
    s.KolderCount = 0;
  }
  enterRace(race);
}

void startTown(Race& race, const TrackInfo& t) {
  race.trackId = t.id;
  beginStart(race);
  loadTownTrack(race, t);
  placeCar(race, t);
  runRace(race, t);
}

}  // namespace

void StartVillage(Race& race) {
  race.controls().Labelcheckpoint.setCaption("0");
  race.controls().sem.setVisible(true);
  startTown(race, trackInfo(TrackId::Village));
}

void StartCity(Race& race) {
  // The City may follow a race already run (a championship's Village, a repeat): the lap-times
  // strip and banner go back to their places and the opponent's laps to none.
  RaceControls& c = race.controls();
  c.Picture2.setLeft(-76);
  c.reklama.setLeft(-76);
  race.state.OpponentLaps = 0;
  startTown(race, trackInfo(TrackId::City));
}

void StartCircuit(Race& race) {
  const bool circuit = race.menu().selection("trasa") == kTrackCircuit.czech;
  const TrackInfo& t = trackInfo(circuit ? TrackId::Circuit : TrackId::Parking);
  race.trackId = t.id;
  beginStart(race);
  loadGroundTrack(race, t);
  placeCar(race, t);
  runRace(race, t);
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
