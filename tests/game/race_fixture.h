// A race window on in-memory services with small synthetic track masks: one 10 × 10 area per
// surface class, so a test puts the car on exactly the surface it needs.
#pragma once
#include <cstdlib>
#include <memory>

#include "fake_platform.h"
#include "race/angles.h"
#include "race/race.h"

namespace race_fixture {

using namespace game;

// Mask colours of the fixture: every key distinct from the road.
constexpr svc::Colour kRoad = svc::rgb(90, 90, 90);
constexpr svc::Colour kGrass = svc::rgb(0, 160, 0);
constexpr svc::Colour kArrow = svc::rgb(255, 255, 0);
constexpr svc::Colour kWall = svc::rgb(120, 60, 0);
constexpr svc::Colour kFinish = svc::rgb(255, 255, 255);
constexpr svc::Colour kSwitch0 = svc::rgb(0, 0, 255);
constexpr svc::Colour kSwitch1 = svc::rgb(0, 255, 255);
constexpr svc::Colour kCheckA = svc::rgb(255, 0, 0);
constexpr svc::Colour kCheckB = svc::rgb(128, 0, 0);
constexpr svc::Colour kGuidePlus = svc::rgb(200, 0, 200);
constexpr svc::Colour kGuideMinus = svc::rgb(100, 0, 100);

// A 400 × 400 mask of road with the legend in its corner and one area per surface class, each
// 10 × 10 mask pixels; area n starts at mask x = 20 + 20 n, y = 100.
enum Area {
  kAreaRoad,
  kAreaGrass,
  kAreaWall,
  kAreaSwitch,
  kAreaCheckA,
  kAreaCheckB,
  kAreaFinish,
  kAreaArrow,
  kAreaGuideMinus,
  kAreaGuidePlus,
};

inline svc::ImagePtr makeMask(svc::Colour switchColour) {
  auto img = std::make_shared<svc::Image>(400, 400, kRoad);
  img->at(0, 0) = kGrass;
  img->at(0, 1) = kArrow;
  img->at(3, 3) = kWall;
  img->at(0, 2) = kFinish;
  img->at(4, 4) = kGuideMinus;
  img->at(4, 3) = kGuidePlus;
  img->at(5, 5) = kCheckA;
  img->at(5, 4) = kCheckB;
  img->at(2, 2) = switchColour;
  const svc::Colour areas[] = {kRoad,   kGrass,  kWall,  switchColour, kCheckA,
                               kCheckB, kFinish, kArrow, kGuideMinus,  kGuidePlus};
  for (int n = 0; n < int(std::size(areas)); ++n)
    for (int y = 100; y < 110; ++y)
      for (int x = 20 + 20 * n; x < 30 + 20 * n; ++x) img->at(x, y) = areas[n];
  return img;
}

struct WorldFixture {
  testing_support::FakeGame g;
  std::unique_ptr<Race> race;
  WorldFixture(int startSection) {
    g.start();
    race = std::make_unique<Race>(g.program->runtime(), g.program->settings(), *g.program->menu());
    RaceControls& c = race->controls();
    c.KON[0]->setPicture(makeMask(kSwitch0), "mini1.bmp");
    c.KON[1]->setPicture(makeMask(kSwitch1), "mini2.bmp");
    RaceState& s = race->state;
    FillAngleTables(s);
    s.CarScreenX = 320;
    s.CarScreenY = 240;
    s.PlayerSection = std::int16_t(startSection);
    s.OffTrackColour = kGrass;
    s.ArrowZoneColour = kArrow;
    s.WallColour = kWall;
    s.FinishLineColour = 123;  // disarmed
    s.CheckpointColour = {kCheckA, kCheckB};
    s.GuideMinusColour = kGuideMinus;
    s.GuidePlusColour = kGuidePlus;
  }
  // Puts the car's centre in the middle of an area (Village/City scale, one fifth).
  void driveTo(Area a) {
    race->state.ViewLeft = (25 + 20 * a) * 5 - 1000 - 320;
    race->state.ViewTop = 105 * 5 - 1000 - 240;
  }
  int count() { return std::atoi(race->controls().Labelcheckpoint.caption().c_str()); }
};

}  // namespace race_fixture
