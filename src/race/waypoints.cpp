#include "race/waypoints.h"

#include "race/race_state.h"

namespace game {

Markers freshMarkers() {
  Markers m;
  m[24].width = 72;
  return m;
}

// The waypoints read best as two rows of numbers.
// clang-format off
const WaypointTable& villageWaypoints() {
  static const WaypointTable t{
      {740, 850, 200, 65, -230, -22, 120, 620, 380, -630, -800, -350, -380, -250, 300, 250,
       340, 880, 860, 920, 700, -800, -900, -570, -790, -750, -520, -500, -700, -500, 0, 500},
      {900, 660, 550, 700, 630, 360, -550, -680, -500, -490, -630, -795, -580, -380, -370, 50,
       330, -200, -470, -690, -950, -900, -100, -100, -150, 300, 420, 680, 710, 930, 920, 910}};
  return t;
}

const WaypointTable& cityWaypoints() {
  static const WaypointTable t{
      {-230, -120, -450, -500, 840, 890, 600, 550, 10, -100, 150, 300, 520, 350, -100, -830,
       -940, -940, -940, -940, -950, -950, -950, -950, -950, -950, -950, -950, -950, -600, -500,
       -360},
      {-560, -880, -930, -140, -120, -920, -920, -600, -500, -120, -30, 400, 510, 600, 650, 960,
       800, 700, 600, 500, 200, 0, -100, -200, -300, -400, -600, -700, -850, -950, -620, -540}};
  return t;
}
// clang-format on

void PlaceFirstWaypoint(RaceState& s, Markers& markers) {
  Marker& m = markers[std::size_t(s.WaypointIndex)];
  m.left = s.WaypointX[std::size_t(s.WaypointIndex)] - s.ViewLeft;
  m.top = s.WaypointY[std::size_t(s.WaypointIndex)] - s.ViewTop;
  s.TargetX = m.left + s.ViewLeft + m.width / 2;
  s.TargetY = m.top + s.ViewTop + m.height / 2;
}

}  // namespace game
