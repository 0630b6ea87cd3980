// Steps of the view procedures on the synthetic masks: the skid timer, the City signs, guide and
// arrow zones, the minimap slide, the Kolder Run pick-up, the needles and the car sprite.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <memory>
#include <string>

#include "race_fixture.h"
#include "view/drawing.h"
#include "view/kolder.h"
#include "view/world_tests.h"

namespace {

using namespace race_fixture;

constexpr MaskScale kFifth{5};

// One frame's worth of time: the timers fire inside the event processing, as in the loop.
void nextFrame(WorldFixture& f) {
  f.g.clock.advance(23);
  f.g.program->runtime().doEvents();
}

TEST(SkidMarks, StartAfterAQuarterSecondOfHardSteeringAndStopAtOnce) {
  struct Case {
    int steeringFrames;
    int firstActive;  // frame of the first stamp, -1 for none
  };
  // A frame every 23 ms: the 250 ms timer ticks inside the 11th frame after the turn began.
  const Case cases[] = {{9, -1}, {13, 11}};
  for (const Case& c : cases) {
    WorldFixture f(0);
    RaceState& s = f.race->state;
    s.Speed = 0.6;
    s.Steer = "right";
    int first = -1;
    for (int frame = 0; frame < c.steeringFrames + 3; ++frame) {
      if (frame == c.steeringFrames) s.Steer = "";
      nextFrame(f);
      SkidTimer(*f.race);
      if (s.PlayerSkidActive && first < 0) first = frame;
      if (frame >= c.steeringFrames) {
        EXPECT_FALSE(s.PlayerSkidActive) << frame;
      }
    }
    EXPECT_EQ(first, c.firstActive) << c.steeringFrames;
  }
}

TEST(SkidMarks, SlowTurnsMakeNone) {
  WorldFixture f(0);
  RaceState& s = f.race->state;
  s.Speed = 0.5;  // not more than half speed
  s.Steer = "left";
  for (int frame = 0; frame < 30; ++frame) {
    nextFrame(f);
    SkidTimer(*f.race);
  }
  EXPECT_FALSE(s.PlayerSkidActive);
  EXPECT_FALSE(f.race->controls().Timersmyku.enabled());
}

struct SignFixture : WorldFixture {
  SignFixture() : WorldFixture(0) {
    for (int i = 0; i < 12; ++i)
      race->controls().znacka[std::size_t(i)]->setPicture(
          std::make_shared<svc::Image>(50, 50, svc::rgb(10 * i, 0, 0)),
          "znacka" + std::to_string(i));
  }
  // Drives over the next checkpoint (they alternate, the City's first is A).
  void checkpoint() {
    driveTo(race->state.NextCheckpoint == 0 ? kAreaCheckA : kAreaCheckB);
    CheckpointTest(*race, kFifth, true);
  }
  svc::PictureBox& znak() { return race->controls().znak; }
};

TEST(CitySigns, TheSignOfTheCountStaysASecondAfterTheLatestCheckpoint) {
  SignFixture f;
  f.checkpoint();
  EXPECT_TRUE(f.znak().visible());
  EXPECT_EQ(f.znak().pictureFile(), "znacka4");
  for (int i = 0; i < 22; ++i) nextFrame(f);  // about half a second
  f.checkpoint();
  EXPECT_EQ(f.znak().pictureFile(), "znacka7");
  for (int i = 0; i < 30; ++i) nextFrame(f);  // past a second after the first, not the second
  EXPECT_TRUE(f.znak().visible());
  for (int i = 0; i < 20; ++i) nextFrame(f);
  EXPECT_FALSE(f.znak().visible());
  EXPECT_FALSE(f.race->controls().Timer8.enabled());
}

TEST(CitySigns, CountsWithoutASignAndGamesWithoutSigns) {
  SignFixture f;
  for (int i = 0; i < 3; ++i) f.checkpoint();
  EXPECT_EQ(f.znak().pictureFile(), "znacka6");
  f.znak().setVisible(false);
  f.checkpoint();  // count 4 shows none
  EXPECT_FALSE(f.znak().visible());
  for (const char* type : {"Kolder Run", "Volná jízda"}) {
    SignFixture g;
    g.race->state.KolderRunMode = std::string(type) == "Kolder Run";
    g.race->state.FreeRideMode = !g.race->state.KolderRunMode;
    g.checkpoint();
    EXPECT_EQ(g.count(), 1) << type;  // still counted
    EXPECT_FALSE(g.znak().visible()) << type;
  }
}

TEST(GuideZones, TheCountSetsTheGuideAndTheZonesSetTheHeading) {
  struct Case {
    const char* count;
    int guide;
  };
  const Case cases[] = {{"4", 0}, {"5", 270}, {"9", 95}, {"16", 180}, {"7", 42}, {"12", 42}};
  for (const Case& c : cases) {
    WorldFixture f(1);
    f.race->state.GuideHeading = 42;
    f.race->controls().Labelcheckpoint.setCaption(c.count);
    GuideHeadingFromCount(*f.race);
    EXPECT_EQ(f.race->state.GuideHeading, c.guide) << c.count;
  }
  struct Zone {
    Area area;
    double heading;
    bool arrow;
  };
  const Zone zones[] = {{kAreaGuideMinus, 91, false},
                        {kAreaGuidePlus, 99, false},
                        {kAreaArrow, 30, true},
                        {kAreaRoad, 30, false}};
  for (const Zone& z : zones) {
    WorldFixture f(0);
    f.race->state.GuideHeading = 95;
    f.race->state.Heading = 30;
    f.driveTo(z.area);
    PlayerZones(*f.race);
    EXPECT_EQ(f.race->state.Heading, z.heading) << z.area;
    EXPECT_EQ(f.race->controls().Labelsipka.visible(), z.arrow) << z.area;
  }
  // A guide zone keeps the arrow flag as it was.
  WorldFixture f(0);
  f.race->controls().Labelsipka.setVisible(true);
  f.driveTo(kAreaGuidePlus);
  PlayerZones(*f.race);
  EXPECT_TRUE(f.race->controls().Labelsipka.visible());
}

TEST(Minimap, SlidesInTwoPixelsAFrameAndOutAgain) {
  WorldFixture f(0);
  RaceState& s = f.race->state;
  s.MinimapSide = "left";
  s.MinimapX = 640;
  int frames = 0;
  while (s.MinimapX > 528 && frames < 100) {
    Minimap(*f.race);
    ++frames;
  }
  EXPECT_EQ(frames, 56);
  Minimap(*f.race);
  EXPECT_EQ(s.MinimapX, 528);
  s.MinimapSide = "right";
  for (int i = 0; i < 100; ++i) Minimap(*f.race);
  EXPECT_EQ(s.MinimapX, 640);
}

struct KolderFixture : WorldFixture {
  KolderFixture() : WorldFixture(0) {
    race->state.KolderRunMode = true;
    race->state.KolderItemX = -300;
    race->state.KolderItemY = -500;
    race->state.TimeLeft = 60;
  }
  // The car's centre at world (x, y), the view at whole pixels.
  void carAt(double x, double y, double speed) {
    race->state.ViewLeft = x - 320;
    race->state.ViewTop = y - 240;
    race->state.Speed = speed;
  }
};

TEST(KolderRun, APickUpNeedsTheCentreStrictlyInsideAndTheCarAlmostStopped) {
  struct Case {
    double x, y, speed;
    bool collected;
  };
  const Case cases[] = {
      {-250, -450, 0, true},
      {-299, -499, 0.09, true},
      {-201, -401, -0.09, true},
      {-300, -450, 0, false},
      {-200, -450, 0, false},
      {-250, -500, 0, false},
      {-250, -400, 0, false},
      {-250, -450, 0.1, false},
      {-250, -450, -0.1, false},
      // Half a pixel inside: the square is where the item is, not where its picture is drawn
      // (at a whole pixel of the view).
      {-299.75, -450, 0, true},
      {-200.25, -450, 0, true},
      {-250, -499.75, 0, true},
      {-250, -400.25, 0, true},
  };
  for (const Case& c : cases) {
    KolderFixture f;
    f.carAt(c.x, c.y, c.speed);
    KolderRunStep(*f.race);
    RaceState& s = f.race->state;
    EXPECT_EQ(s.KolderCount, c.collected ? 1 : 0) << c.x << "," << c.y << " at " << c.speed;
    // The read-outs of the statistics panel: the car and the item, in world pixels.
    RaceControls& rc = f.race->controls();
    EXPECT_EQ(rc.Label11.caption(), NumberText(c.x));
    EXPECT_EQ(rc.Label14.caption(), NumberText(c.y));
    EXPECT_EQ(rc.Label13.caption(), "-300");
    EXPECT_EQ(rc.Label15.caption(), "-500");
    if (c.collected) {
      EXPECT_EQ(f.race->controls().Label17.caption(), "Kolder : 1");
      bool listed = false;
      for (int r = 0; r < 11; ++r)
        listed |= KolderPlaceFor(r).x == s.KolderItemX && KolderPlaceFor(r).y == s.KolderItemY;
      EXPECT_TRUE(listed);
    }
  }
}

TEST(KolderRun, TheEndPanelComesOnceTheClockIsBelowZero) {
  for (int timeLeft : {0, -1, -5}) {
    KolderFixture f;
    f.g.program->settings().set("jazyk", "ang");
    f.race->state.TimeLeft = std::int16_t(timeLeft);
    f.race->state.KolderCount = 7;
    // Standing on the item: still collected at 0 s, no longer once the time is up.
    f.carAt(-250, -450, 0);
    KolderRunStep(*f.race);
    RaceControls& c = f.race->controls();
    const bool over = timeLeft < 0;
    EXPECT_EQ(f.race->state.KolderCount, over ? 7 : 8) << timeLeft;
    EXPECT_EQ(c.konec.visible(), over) << timeLeft;
    if (!over) continue;
    KolderRunStep(*f.race);
    EXPECT_EQ(f.race->state.KolderCount, 7);
    EXPECT_EQ(c.textik.pictureFile(), "/gfx/story/ang/kolder.bmp");
    EXPECT_FALSE(c.ok.visible());
    EXPECT_TRUE(c.kolde.visible());
    EXPECT_TRUE(c.Command4.visible());
    EXPECT_FALSE(c.Image1.visible());
    EXPECT_TRUE(c.Label18.visible());
    EXPECT_EQ(c.Label18.caption(), "7");
  }
}

TEST(KolderRun, TheClockStandsWhileTheGameIsPaused) {
  KolderFixture f;
  RaceControls& c = f.race->controls();
  RaceState& s = f.race->state;
  s.TimeLeft = 120;
  c.Timer9.setEnabled(true);
  auto seconds = [&](int n) {
    for (int i = 0; i < n; ++i) {
      f.g.clock.advance(1000);
      f.g.program->runtime().doEvents();
    }
  };
  seconds(3);
  EXPECT_EQ(s.TimeLeft, 117);
  s.Paused = true;
  seconds(10);
  EXPECT_EQ(s.TimeLeft, 117);
  EXPECT_EQ(c.Label16.caption(), "Time : 117");
  s.Paused = false;
  seconds(2);
  EXPECT_EQ(s.TimeLeft, 115);
}

// The needle's angle in degrees as the game measures it: 0 left of the pivot, 90 straight up.
double needleAngle(const svc::LineShape& l) {
  return std::atan2(-(l.y2() - l.y1()), -(l.x2() - l.x1())) * 180 / 3.14159265358979;
}

TEST(Needles, FollowSpeedAndRevsAndShakeAtTopSpeed) {
  WorldFixture f(0);
  RaceState& s = f.race->state;
  s.SpeedScale = 7.8;  // a Ferari on "Easy"
  const svc::LineShape& speed = f.race->controls().Line3;
  auto angleAt = [&](double v) {
    s.Speed = v;
    SpeedNeedle(*f.race);
    const double a = needleAngle(speed);
    return a < -90 ? a + 360 : a;
  };
  EXPECT_NEAR(angleAt(-0.1), 0, 0.01);
  EXPECT_NEAR(angleAt(0.6), 117, 0.01);  // 0.6 / 2 × 7.8 × 50
  EXPECT_NEAR(angleAt(0.99), 193, 0.01);
  EXPECT_NEAR(angleAt(0.99), 193, 0.01);
  s.NeedleJitter = "0";
  EXPECT_NEAR(angleAt(1), 195, 0.01);
  EXPECT_NEAR(angleAt(1), 193, 0.01);  // 0.5 × 7.8 × 49.6 = 193.44
  EXPECT_NEAR(angleAt(1), 195, 0.01);
  EXPECT_NEAR(speed.x1(), 551, 0);
  EXPECT_NEAR(speed.y1(), 426, 0);
  s.Rpm = 10;
  RevNeedle(*f.race);
  const svc::LineShape& revs = f.race->controls().Line4;
  EXPECT_NEAR(needleAngle(revs) + 360, 200, 0.01);
  EXPECT_NEAR(std::hypot(revs.x2() - revs.x1(), revs.y2() - revs.y1()), 25, 0.01);
}

TEST(CarSprite, ChosenByTheLightsThePedalAndTheArrowZone) {
  struct Case {
    bool alt;
    const char* throttle;
    double speed;
    bool arrow;
    int sprite;  // car(i), or 6 for the arrow
  };
  const Case cases[] = {
      {false, "", 0.5, false, 5},      {true, "", 0.5, false, 0},
      {false, "up", 1, false, 5},      {false, "down", 0.5, false, 4},
      {true, "down", 0.5, false, 1},   {false, "down", 0, false, 4},
      {false, "down", -0.1, false, 3}, {true, "down", -0.1, false, 2},
      {false, "down", -0.1, true, 6},
  };
  for (const Case& c : cases) {
    WorldFixture f(0);
    RaceControls& rc = f.race->controls();
    for (int i = 0; i < 6; ++i)
      rc.car[std::size_t(i)]->setPicture(
          std::make_shared<svc::Image>(9, 9, svc::rgb(0, 20 + 30 * i, 0)), "");
    rc.sipka1.setPicture(std::make_shared<svc::Image>(9, 9, svc::rgb(0, 0, 250)), "");
    RaceState& s = f.race->state;
    s.AltSpritesOn = c.alt;
    s.Throttle = c.throttle;
    s.Speed = c.speed;
    rc.Labelsipka.setVisible(c.arrow);
    PlayerSprite(*f.race);
    const svc::Colour want =
        c.sprite == 6 ? svc::rgb(0, 0, 250) : svc::rgb(0, 20 + 30 * c.sprite, 0);
    EXPECT_EQ(rc.pic.surface().pixel(320, 240), want)
        << c.throttle << " " << c.speed << " alt " << c.alt;
  }
}

}  // namespace

namespace {

// The view is the map copied at the view's place; wherever the view reaches past the map's edge
// it shows its background, whatever it showed the frame before.
TEST(ViewCopy, PastTheMapsEdgeTheViewShowsItsBackground) {
  WorldFixture f(0);
  RaceControls& c = f.race->controls();
  RaceState& s = f.race->state;
  auto map = std::make_shared<svc::Image>(700, 500);
  for (int y = 0; y < map->height; ++y)
    for (int x = 0; x < map->width; ++x) map->at(x, y) = svc::rgb(x % 256, y % 256, 7);
  c.cesta.setPicture(map, "map.jpg");
  c.pic.setBackColor(svc::rgb(1, 2, 3));
  s.ViewWidth = float(c.pic.width());
  s.ViewHeight = float(c.pic.height());
  struct Case {
    double left, top;
  };
  for (const Case v : {Case{0, 0}, Case{60, 20}, Case{100, 30}, Case{-5, -7}, Case{61, 0},
                       Case{-640, 0}, Case{800, 900}}) {
    c.pic.surface().fill(svc::rgb(200, 100, 50));  // last frame's picture
    s.ViewLeft = v.left;
    s.ViewTop = v.top;
    BackgroundCopy(*f.race, 0);
    const svc::Surface& view = c.pic.surface();
    int wrong = 0;
    for (int y = 0; y < view.height(); ++y)
      for (int x = 0; x < view.width(); ++x) {
        const int mx = x + int(v.left), my = y + int(v.top);
        const bool onMap = mx >= 0 && my >= 0 && mx < map->width && my < map->height;
        wrong += view.pixel(x, y) != (onMap ? map->at(mx, my) : svc::rgb(1, 2, 3));
      }
    EXPECT_EQ(wrong, 0) << "view at " << v.left << "," << v.top;
  }
}

}  // namespace
