// The computer opponent: it drives from waypoint square to waypoint square around a fixed loop,
// with a speed set at each waypoint and a fixed turning rate towards the bearing of its target.
#pragma once
#include <array>
#include <string>

#include "race/race_state.h"
#include "race/track_info.h"
#include "race/waypoints.h"

namespace game {

// The track whose waypoint settings the opponent drives by (Village or City).
using OpponentTrack = TrackId;

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

}  // namespace game
