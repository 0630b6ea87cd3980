// The opponent's waypoint loops and the squares that mark them on the view.
#pragma once
#include <array>

namespace game {

// A waypoint square as last placed, in view coordinates (relative to the view window).
struct Marker {
  double left = 0, top = 0, width = 40, height = 40;
};
using Markers = std::array<Marker, 32>;

// The squares of a fresh race: 40 × 40, waypoint 24's 72 wide.
Markers freshMarkers();

// Top-left corners of the waypoint squares, world pixels.
struct WaypointTable {
  std::array<double, 32> x, y;
};
const WaypointTable& villageWaypoints();
const WaypointTable& cityWaypoints();

struct RaceState;

// Puts the square of the current waypoint on the view and aims at its centre (race start).
void PlaceFirstWaypoint(RaceState& s, Markers& markers);

}  // namespace game
