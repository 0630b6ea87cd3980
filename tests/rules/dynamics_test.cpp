// The player car's motion model: the numbers a driver feels.
#include <gtest/gtest.h>

#include <functional>

#include "race/angles.h"
#include "rules/dynamics.h"

namespace {

using namespace game;

RaceState freshCar(double speedScale = 7.4, double turnRate = 3) {
  RaceState s;
  FillAngleTables(s);
  s.SpeedScale = speedScale;
  s.TurnRate = turnRate;
  s.Gear = 1;
  s.ViewWidth = 640;
  s.ViewHeight = 480;
  s.CarScreenX = 320;
  s.CarScreenY = 240;
  return s;
}

int framesUntil(RaceState& s, bool offTrack, const std::function<bool(const RaceState&)>& done) {
  int n = 0;
  while (!done(s) && n < 10000) {
    Steering(s);
    Pedal(s, offTrack);
    HeadingWrap(s);
    ++n;
  }
  return n;
}

TEST(Dynamics, TheSpeedCurvesOfThePedals) {
  RaceState s = freshCar();
  s.Throttle = "up";
  EXPECT_EQ(framesUntil(s, false, [](auto& r) { return r.Speed >= 1; }), 100);
  Pedal(s, false);
  EXPECT_EQ(s.Speed, 1.0);  // held at exactly 1
  EXPECT_GE(s.Gear, 1);
  EXPECT_LE(s.Gear, 5);

  s.Throttle = "";
  EXPECT_EQ(framesUntil(s, false, [](auto& r) { return r.Speed <= 0; }), 200);

  RaceState b = freshCar();
  b.Speed = 1;
  b.Throttle = "down";
  EXPECT_EQ(framesUntil(b, false, [](auto& r) { return r.Speed <= 0; }), 34);
  framesUntil(b, false, [](auto& r) { return r.Speed <= -0.2; });
  Pedal(b, false);
  EXPECT_EQ(b.Speed, -0.2);
  EXPECT_EQ(b.Gear, 0);
}

TEST(Dynamics, OffTheTrackTheCarHoversAtHalfSpeed) {
  RaceState s = freshCar();
  s.Speed = 1;
  s.Throttle = "up";
  for (int i = 0; i < 100; ++i) {
    Pedal(s, true);
    if (i > 20) {
      EXPECT_GT(s.Speed, 0.46);
      EXPECT_LT(s.Speed, 0.54);
    }
  }
}

TEST(Dynamics, SteeringHasADeadZoneAndReversesBackwards) {
  struct Case {
    double speed;
    const char* steer;
    double heading;
  };
  const Case cases[] = {{0.1, "right", 100}, {-0.1, "left", 100},  {0.11, "right", 103},
                        {0.11, "left", 97},  {-0.11, "right", 97}, {-0.11, "left", 103},
                        {0.5, "", 100}};
  for (const Case& c : cases) {
    RaceState s = freshCar();
    s.Heading = 100;
    s.Speed = c.speed;
    s.Steer = c.steer;
    Steering(s);
    EXPECT_EQ(s.Heading, c.heading) << c.speed << " " << c.steer;
  }
}

TEST(Dynamics, AFullCircleAndTheHeadingWrap) {
  RaceState s = freshCar(7.8, 2.6);
  s.Speed = 1;
  s.Steer = "right";
  int frames = 0;
  double turned = 0;
  while (turned < 360) {
    const double before = s.Heading;
    Steering(s);
    turned += s.Heading - before;
    HeadingWrap(s);
    ++frames;
  }
  EXPECT_EQ(frames, 139);

  const std::pair<double, double> wraps[] = {{362, 0},  {360.4, 360.4}, {360.9, 360.9},
                                             {-1, 360}, {-0.5, -0.5},   {361, 0}};
  for (auto [h, after] : wraps) {
    RaceState w = freshCar();
    w.Heading = h;
    HeadingWrap(w);
    EXPECT_EQ(w.Heading, after) << h;
  }
}

TEST(Dynamics, TheViewFollowsTheCarWithinItsLimits) {
  struct Case {
    double viewLeft, viewTop, carX, carY, heading;
    double expViewLeft, expViewTop, expCarX, expCarY;
  };
  // Speed 1 at SpeedScale 10: ten pixels a frame.
  const Case cases[] = {
      {0, 0, 320, 240, 0, 10, 0, 320, 240},            // the middle: the view scrolls
      {350, 0, 320, 240, 0, 360, 0, 320, 240},         // at the limit it still moves once
      {360, 0, 320, 240, 0, 360, 0, 330, 240},         // past it the car moves across the view
      {360, 0, 318, 240, 180, 340, 0, 320, 240},       // re-centred, and within the limit the
                                                       // view scrolls again in the same frame
      {-700, 521, 320, 390, 90, -700, 521, 320, 380},  // the Village start, below the limit
  };
  for (const Case& c : cases) {
    RaceState s = freshCar(10);
    s.Speed = 1;
    s.ViewLeft = c.viewLeft;
    s.ViewTop = c.viewTop;
    s.CarScreenX = c.carX;
    s.CarScreenY = c.carY;
    s.Heading = c.heading;
    Movement(s, kTownLimits);
    EXPECT_NEAR(s.ViewLeft, c.expViewLeft, 1e-9) << c.viewLeft << "," << c.viewTop;
    EXPECT_NEAR(s.ViewTop, c.expViewTop, 1e-9) << c.viewLeft << "," << c.viewTop;
    EXPECT_NEAR(s.CarScreenX, c.expCarX, 1e-9) << c.viewLeft << "," << c.viewTop;
    EXPECT_NEAR(s.CarScreenY, c.expCarY, 1e-9) << c.viewLeft << "," << c.viewTop;
  }
}

TEST(Dynamics, ContactKeysConvertTheOpponentsSpeed) {
  const std::array<svc::Colour, 4> keys{1, 2, 3, 4};
  struct Case {
    svc::Colour under;
    double speed, heading;
  };
  const Case cases[] = {
      {1, 7.0 / 7 + 0.1, 0},   // key 0 at opponent speed 7 and SpeedScale 7: 1.1
      {4, 7.0 / 9 - 0.1, 0},   // key 3
      {2, 7.0 / 9 - 0.1, 84},  // key 1: heading = opponent - 6
      {3, 7.0 / 9, 96},        // key 2: heading = opponent + 6
      {99, 0.5, 0},            // no key: nothing changes
  };
  for (const Case& c : cases) {
    RaceState s = freshCar(7);
    s.Speed = 0.5;
    s.OpponentSpeed = 7;
    s.OpponentHeading = 90;
    ApplyContact(s, c.under, keys);
    EXPECT_NEAR(s.Speed, c.speed, 1e-12) << c.under;
    EXPECT_EQ(s.Heading, c.heading) << c.under;
  }
}

}  // namespace
