// The computer opponent and its watchdog, on a bare race state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "race/angles.h"
#include "race/watchdog.h"
#include "rules/opponent.h"

namespace {

using namespace game;

struct RecordingEffects : OpponentEffects {
  std::vector<int> reached;
  int stamps = 0;
  bool timerOn = false;
  bool arrow = false;
  std::string sa, sb;
  void showOffsets(const std::string& a, const std::string& b) override {
    sa = a;
    sb = b;
  }
  void skidTimer(bool on) override { timerOn = on; }
  bool inArrowZone() override { return arrow; }
  void stampSkid() override { ++stamps; }
  void waypointReached(int i) override { reached.push_back(i); }
};

struct OpponentFixture {
  RaceState s;
  Markers m = freshMarkers();
  RecordingEffects fx;
  OpponentFixture() {
    FillAngleTables(s);
    s.OpponentTurnRate = 3;
    const WaypointTable& t = villageWaypoints();
    for (int i = 0; i < 32; ++i) {
      s.WaypointX[std::size_t(i)] = t.x[std::size_t(i)];
      s.WaypointY[std::size_t(i)] = t.y[std::size_t(i)];
    }
  }
  // Puts the target at (dx, dy) from the opponent and takes one step without moving.
  void aimFrom(double heading, double dx, double dy) {
    s.OpponentX = 0;
    s.OpponentY = 0;
    s.OpponentHeading = heading;
    s.OpponentBearing = heading;  // within six degrees: a fresh bearing is taken
    s.OpponentAimed = false;
    s.TargetX = dx;
    s.TargetY = dy;
    s.OpponentSteer = "";
    s.OpponentSpeed = 0;
    OpponentStep(s, m, fx, OpponentTrack::Village);
  }
};

TEST(AngleTables, HoldFourDecimalsAndTheGameConvertsRadians) {
  RaceState s;
  FillAngleTables(s);
  EXPECT_EQ(s.CosTable(90), 0.0);
  EXPECT_EQ(s.SinTable(90), 1.0);
  EXPECT_EQ(s.CosTable(60), 0.5);
  EXPECT_EQ(s.SinTable(-30), -0.5);
  EXPECT_EQ(s.CosTable(45), 0.7071);
  EXPECT_EQ(s.SinTable(-360), 0.0);
  EXPECT_EQ(PrevedNaStupne(3.14159265), 180.0);
  const std::pair<double, int> headings[] = {{0.5, 0},   {1.5, 2},  {359.6, 360}, {360.4, 360},
                                             {360.6, 1}, {-0.5, 0}, {-1.5, -2}};
  for (auto [h, d] : headings) EXPECT_EQ(HeadingDegrees(h), d) << h;
}

TEST(Opponent, BearingByQuadrantAndTheShorterWayRound) {
  struct Case {
    double heading, dx, dy;  // target offset from the opponent (y grows downwards)
    double bearing;
    const char* steer;
  };
  const Case cases[] = {
      {0, 100, -100, 45, "left"},        // up and to the right
      {90, -100, -100, 135, "left"},     // up and to the left
      {180, -100, 100, 225, "left"},     // down and to the left
      {0, 100, 100, 315, "right"},       // down and to the right: the short way is clockwise
      {350, 100, -17.6327, 10, "left"},  // through 360 to 10, not the long way
      {10, 100, 17.6327, 350, "right"},
  };
  for (const Case& c : cases) {
    OpponentFixture f;
    f.aimFrom(c.heading, c.dx, c.dy);
    EXPECT_EQ(f.s.OpponentBearing, c.bearing) << c.heading << " " << c.dx << "," << c.dy;
    EXPECT_EQ(f.s.OpponentSteer, c.steer) << c.heading << " " << c.dx << "," << c.dy;
    EXPECT_TRUE(f.s.OpponentAimed);
  }
}

TEST(Opponent, ATargetStraightAlongAnAxisGivesNoNewBearing) {
  for (auto [dx, dy] : {std::pair{0.0, -100.0}, std::pair{100.0, 0.0}}) {
    OpponentFixture f;
    f.aimFrom(30, dx, dy);
    // The old bearing stays; it equals the heading, so no turn is chosen and the aim is
    // cancelled in the same frame.
    EXPECT_EQ(f.s.OpponentBearing, 30);
    EXPECT_EQ(f.s.OpponentSteer, "");
    EXPECT_FALSE(f.s.OpponentAimed);
  }
}

TEST(Opponent, LaunchesOnlyAfterTheGreenLightOverTheFirstWaypoints) {
  OpponentFixture f;
  f.s.OpponentX = -380;
  f.s.OpponentY = 951;
  f.s.ViewLeft = -700;
  f.s.ViewTop = 521;
  PlaceFirstWaypoint(f.s, f.m);
  for (int i = 0; i < 10; ++i) OpponentStep(f.s, f.m, f.fx, OpponentTrack::Village);
  EXPECT_EQ(f.s.OpponentSpeed, 0);
  f.s.RaceStarted = true;
  int frames = 0;
  while (f.s.OpponentSpeed < 7 && frames < 200) {
    OpponentStep(f.s, f.m, f.fx, OpponentTrack::Village);
    ++frames;
  }
  EXPECT_EQ(frames, 100);
  EXPECT_NEAR(f.s.OpponentSpeed, 7, 1e-9);
  // Past the third waypoint only the waypoint table sets the speed.
  f.s.WaypointIndex = 3;
  f.s.OpponentSpeed = 5;
  OpponentStep(f.s, f.m, f.fx, OpponentTrack::Village);
  EXPECT_EQ(f.s.OpponentSpeed, 5);
}

TEST(Opponent, ReachingWaypointsSetsSpeedsAndWrapsTheLap) {
  struct Case {
    OpponentTrack track;
    int waypoint;
    double speed, turnRate;
    int nextIndex, laps;
  };
  const Case cases[] = {
      {OpponentTrack::Village, 7, 6, 3, 8, 0},     {OpponentTrack::Village, 11, 4.8, 3, 12, 0},
      {OpponentTrack::Village, 15, 7, 2.6, 16, 0}, {OpponentTrack::Village, 16, 7, 3, 17, 0},
      {OpponentTrack::Village, 31, 7, 3, 0, 1},    {OpponentTrack::City, 11, 4, 3, 12, 0},
      {OpponentTrack::City, 3, 7, 3, 4, 0},
  };
  for (const Case& c : cases) {
    OpponentFixture f;
    f.s.WaypointIndex = std::int16_t(c.waypoint);
    f.s.OpponentTurnRate = c.waypoint == 16 ? 2.6 : 3;
    // The opponent stands in the middle of the square as placed in the previous frame.
    f.m[std::size_t(c.waypoint)] = {100, 100, 40, 40};
    f.s.OpponentX = 120;
    f.s.OpponentY = 120;
    OpponentStep(f.s, f.m, f.fx, c.track);
    EXPECT_EQ(f.s.OpponentSpeed, c.speed) << c.waypoint;
    EXPECT_EQ(f.s.OpponentTurnRate, c.turnRate) << c.waypoint;
    EXPECT_EQ(f.s.WaypointIndex, c.nextIndex) << c.waypoint;
    EXPECT_EQ(f.s.OpponentLaps, c.laps) << c.waypoint;
    EXPECT_EQ(f.fx.reached, std::vector<int>{c.waypoint});
  }
}

TEST(Opponent, StampsSkidMarksOnlyWhileTurningForAQuarterSecond) {
  struct Case {
    const char* steer;
    bool skidActive, arrow, marksOn;
    int stamps;
    bool timer;
  };
  const Case cases[] = {
      {"left", true, false, true, 1, true},  {"right", true, false, true, 1, true},
      {"left", false, false, true, 0, true}, {"left", true, true, true, 0, true},
      {"left", true, false, false, 0, true}, {"", true, false, true, 0, false},
  };
  for (const Case& c : cases) {
    OpponentFixture f;
    f.s.OpponentSteer = c.steer;
    f.s.OpponentAimed = true;
    f.s.OpponentBearing = 100;  // far from the heading: keeps turning
    f.s.OpponentSkidActive = c.skidActive;
    f.s.SkidMarksOn = c.marksOn;
    f.fx.arrow = c.arrow;
    OpponentStep(f.s, f.m, f.fx, OpponentTrack::Village);
    EXPECT_EQ(f.fx.stamps, c.stamps) << c.steer << c.skidActive << c.arrow << c.marksOn;
    EXPECT_EQ(f.fx.timerOn, c.timer);
  }
}

TEST(Opponent, DrivesFiveLapsOfBothLoopsOnItsOwn) {
  for (OpponentTrack track : {OpponentTrack::Village, OpponentTrack::City}) {
    OpponentFixture f;
    const bool city = track == OpponentTrack::City;
    const WaypointTable& t = city ? cityWaypoints() : villageWaypoints();
    for (int i = 0; i < 32; ++i) {
      f.s.WaypointX[std::size_t(i)] = t.x[std::size_t(i)];
      f.s.WaypointY[std::size_t(i)] = t.y[std::size_t(i)];
    }
    f.s.ViewLeft = city ? -940 : -700;
    f.s.ViewTop = city ? -740 : 521;
    f.s.OpponentX = f.s.ViewLeft + 320;
    f.s.OpponentY = f.s.ViewTop + (city ? 200 : 430);
    f.s.StuckSamples[0].emplace<std::string>("1");
    PlaceFirstWaypoint(f.s, f.m);
    int frame = 0;
    for (; frame < 20000 && f.s.OpponentLaps < 5; ++frame) {
      if (frame == 174) f.s.RaceStarted = true;
      if (frame > 174 && (frame - 174) % 87 == 0) OpponentWatchdog(f.s);
      OpponentStep(f.s, f.m, f.fx, track);
    }
    EXPECT_EQ(f.s.OpponentLaps, 5) << (city ? "City" : "Village");
    EXPECT_LT(frame, 20000);
  }
}

TEST(Watchdog, FreesAnOpponentStuckAtOneWaypointForAWholeGroup) {
  struct Case {
    std::vector<int> samples;  // WaypointIndex at each tick
    double speedAfter;
  };
  const Case cases[] = {
      {{4, 4, 4, 4, 4}, 5},    // four equal samples, judged at the fifth tick
      {{4, 4, 5, 5, 5}, 4.8},  // a new waypoint within the group
      {{4, 4, 4, 4}, 4.8},     // not judged yet
  };
  for (const Case& c : cases) {
    RaceState s;
    s.OpponentSpeed = 4.8;
    for (int w : c.samples) {
      s.WaypointIndex = std::int16_t(w);
      OpponentWatchdog(s);
    }
    EXPECT_EQ(s.OpponentSpeed, c.speedAfter) << c.samples.size();
  }
}

TEST(Watchdog, TheStartTextNeverEqualsANumber) {
  RaceState s;
  s.StuckSamples[0].emplace<std::string>("1");
  s.WaypointIndex = 1;
  s.OpponentSpeed = 3;
  std::array<std::string, 3> shown;
  for (int tick = 0; tick < 4; ++tick) shown = OpponentWatchdog(s);
  EXPECT_EQ(s.OpponentSpeed, 3);  // "1", 1, 1, 1 are not four equal samples
  EXPECT_EQ(shown[0], "1");       // the next group started with the current waypoint
  for (int tick = 0; tick < 4; ++tick) OpponentWatchdog(s);
  EXPECT_EQ(s.OpponentSpeed, 5);
}

}  // namespace
