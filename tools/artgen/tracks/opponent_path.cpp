#include "opponent_path.h"

#include <string>

#include "race/angles.h"
#include "race/watchdog.h"
#include "race/waypoints.h"

namespace art {

namespace {

struct NoEffects : game::OpponentEffects {
  void showOffsets(const std::string&, const std::string&) override {}
  void skidTimer(bool) override {}
  bool inArrowZone() override { return false; }
  void stampSkid() override {}
  void waypointReached(int) override {}
};

}  // namespace

std::vector<PathPoint> traceOpponent(game::OpponentTrack track, int laps) {
  using namespace game;
  const bool city = track == OpponentTrack::City;
  RaceState s;
  FillAngleTables(s);
  // The start procedures' placement: the view, the car on it, the opponent beside the car.
  s.ViewLeft = city ? -940 : -700;
  s.ViewTop = city ? -740 : 521;
  s.CarScreenX = 320;
  s.CarScreenY = city ? 240 : 390;
  s.OpponentX = s.ViewLeft + s.CarScreenX;
  s.OpponentY = s.ViewTop + s.CarScreenY + (city ? -40 : 40);
  s.OpponentTurnRate = 3;
  const WaypointTable& t = city ? cityWaypoints() : villageWaypoints();
  for (std::size_t i = 0; i < 32; ++i) {
    s.WaypointX[i] = t.x[i];
    s.WaypointY[i] = t.y[i];
  }
  Markers markers = freshMarkers();
  PlaceFirstWaypoint(s, markers);
  s.StuckSamples[0].emplace<std::string>("1");

  NoEffects fx;
  std::vector<PathPoint> path;
  constexpr int kFrameMs = 23, kGreen = 4000, kWatchdogMs = 2000, kMaxFrames = 40000;
  int nextWatchdog = kGreen + kWatchdogMs;
  for (int frame = 0; frame < kMaxFrames && s.OpponentLaps < laps; ++frame) {
    const int now = frame * kFrameMs;
    if (now >= kGreen) s.RaceStarted = true;
    if (now >= nextWatchdog) {
      OpponentWatchdog(s);
      nextWatchdog += kWatchdogMs;
    }
    OpponentStep(s, markers, fx, track);
    path.push_back({s.OpponentX, s.OpponentY, s.OpponentHeading, s.WaypointIndex, s.OpponentLaps,
                    s.OpponentSpeed});
  }
  return path;
}

}  // namespace art
