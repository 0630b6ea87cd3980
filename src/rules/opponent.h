// The computer opponent: it drives from waypoint square to waypoint square around a fixed loop,
// with a speed set at each waypoint and a fixed turning rate towards the bearing of its target.
#pragma once
#include <array>
#include <string>

#include "race/race_state.h"

namespace game {

// A waypoint square as last placed, in view coordinates (relative to the view window).
struct Marker {
  double left = 0, top = 0, width = 40, height = 40;
};
using Markers = std::array<Marker, 32>;

// The squares of a fresh race: 40 × 40, waypoint 24's 72 wide.
Markers freshMarkers();

// The two waypoint loops: top-left corners of the squares, world pixels.
struct WaypointTable {
  std::array<double, 32> x, y;
};
const WaypointTable& villageWaypoints();
const WaypointTable& cityWaypoints();

enum class OpponentTrack { Village, City };

// What the opponent does to the race besides its own state: the debug read-outs, the opponent
// skid timer, skid stamps and the debug colour of a reached square.
struct OpponentEffects {
  virtual ~OpponentEffects() = default;
  virtual void showOffsets(const std::string& sa, const std::string& sb) = 0;
  virtual void skidTimer(bool on) = 0;
  virtual bool inArrowZone() = 0;  // `LabelAIsipka` is visible
  virtual void stampSkid() = 0;    // `aismyk` into the track picture at the opponent
  virtual void waypointReached(int index) = 0;
};

// One frame of `VillageOpponent` or `CityOpponent`.
void OpponentStep(RaceState& s, Markers& markers, OpponentEffects& effects, OpponentTrack track);

// Puts the first waypoint square on the view and aims at its centre (race start).
void PlaceFirstWaypoint(RaceState& s, Markers& markers);

// A number as the platform writes it into a label (up to 15 significant digits).
std::string NumberText(double v);

}  // namespace game
