#include "rules/opponent.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "race/angles.h"

namespace game {

namespace {

// The speed (or the turning rate) set on reaching a waypoint: the cruising speed unless the
// track's waypoint settings say otherwise.
void waypointSpeed(RaceState& s, int i, OpponentTrack track) {
  s.OpponentSpeed = 7;
  for (const WaypointSetting& w : trackInfo(track).waypointSettings) {
    if (w.index != i) continue;
    if (w.speed != 0) s.OpponentSpeed = w.speed;
    if (w.turnRate != 0) s.OpponentTurnRate = w.turnRate;
  }
}

void placeMarker(Markers& m, const RaceState& s, int i) {
  m[std::size_t(i)].left = s.WaypointX[std::size_t(i)] - s.ViewLeft;
  m[std::size_t(i)].top = s.WaypointY[std::size_t(i)] - s.ViewTop;
}

void aimAtMarker(RaceState& s, const Markers& m, int i) {
  const Marker& k = m[std::size_t(i)];
  s.TargetX = s.ViewLeft + k.left + k.width / 2;
  s.TargetY = s.ViewTop + k.top + k.height / 2;
}

}  // namespace

void OpponentStep(RaceState& s, Markers& markers, OpponentEffects& fx, OpponentTrack track) {
  // Launch: from standstill to 7 over the first waypoints once the lights are green.
  if (s.OpponentSpeed < 7 && s.WaypointIndex >= 0 && s.WaypointIndex < 3 && s.RaceStarted)
    s.OpponentSpeed += 0.07;

  // Offsets to the target, as shown in the read-outs and read back from them.
  const std::string saText = NumberText(s.OpponentY - s.TargetY);
  const std::string sbText = NumberText(s.OpponentX - s.TargetX);
  fx.showOffsets(saText, sbText);
  const double sa = std::strtod(saText.c_str(), nullptr);
  const double sb = std::strtod(sbText.c_str(), nullptr);

  // Turning.
  if (s.OpponentSteer == "left") s.OpponentHeading += s.OpponentTurnRate;
  if (s.OpponentSteer == "right") s.OpponentHeading -= s.OpponentTurnRate;

  // Skid marks after a quarter second of turning.
  if (s.OpponentSteer == "left" || s.OpponentSteer == "right") {
    fx.skidTimer(true);
    if (s.OpponentSkidActive && !fx.inArrowZone() && s.SkidMarksOn) fx.stampSkid();
  } else {
    s.OpponentSkidActive = false;
    fx.skidTimer(false);
  }

  // Heading wrap.
  if (s.OpponentHeading >= 360.1) s.OpponentHeading = 0;
  if (s.OpponentHeading <= -0.1) s.OpponentHeading = 360;

  const auto nearHeading = [&s] {
    return s.OpponentBearing > s.OpponentHeading - 6 && s.OpponentBearing < s.OpponentHeading + 6;
  };
  // Aim: a fresh bearing to the target and the shorter way round to it.
  if (nearHeading() && !s.OpponentAimed) {
    s.OpponentAimed = true;
    if (sa != 0 && sb != 0) {
      const double radians = std::atan(sa / sb);
      const double a = std::fabs(PrevedNaStupne(radians));
      double bearing = s.OpponentBearing;
      if (sa > 0 && sb < 0) bearing = a;        // up and to the right
      if (sa > 0 && sb > 0) bearing = 180 - a;  // up and to the left
      if (sa < 0 && sb > 0) bearing = 180 + a;  // down and to the left
      if (sa < 0 && sb < 0) bearing = 360 - a;  // down and to the right
      s.OpponentBearing = RoundEven(bearing);
    }
    const double h = s.OpponentHeading, b = s.OpponentBearing;
    if (b > h) s.OpponentSteer = "left";
    if (b < h) s.OpponentSteer = "right";
    if (h > 180 && b < h - 180) s.OpponentSteer = "left";
    if (h < 180 && b > h + 180) s.OpponentSteer = "right";
  }
  // Stop turning once the heading is within six degrees of the bearing.
  if (nearHeading() && s.OpponentAimed) {
    s.OpponentSteer = "";
    s.OpponentAimed = false;
  }

  // Moving.
  const int h = HeadingDegrees(s.OpponentHeading);
  s.OpponentY -= s.OpponentSpeed * s.SinTable(h);
  s.OpponentX += s.OpponentSpeed * s.CosTable(h);

  // Waypoint reached: inside the square as placed in the previous frame.
  const Marker& m = markers[std::size_t(s.WaypointIndex)];
  const double vx = s.OpponentX - s.ViewLeft, vy = s.OpponentY - s.ViewTop;
  if (vy > m.top && vy < m.top + m.height && vx > m.left && vx < m.left + m.width) {
    waypointSpeed(s, s.WaypointIndex, track);
    fx.waypointReached(s.WaypointIndex);
    if (++s.WaypointIndex == std::int16_t(markers.size())) {
      s.WaypointIndex = 0;
      ++s.OpponentLaps;
    }
    aimAtMarker(s, markers, s.WaypointIndex);
  }

  // The previous square is parked off the view; the current and the next are placed.
  const int i = s.WaypointIndex;
  const int previous = i == 0 ? 31 : i - 1;
  markers[std::size_t(previous)].left = -100;
  markers[std::size_t(previous)].top = -100;
  placeMarker(markers, s, i);
  placeMarker(markers, s, i == 31 ? 0 : i + 1);
}

}  // namespace game
