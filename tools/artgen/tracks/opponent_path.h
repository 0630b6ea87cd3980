// The path the computer car really drives on a track: the game's own opponent code run from the
// race start with no player input, so the roads can be laid around it.
#pragma once
#include <vector>

#include "rules/opponent.h"

namespace art {

struct PathPoint {
  double x, y;     // world position of the opponent's centre
  double heading;  // degrees, 0 east, counter-clockwise
  int waypoint;    // the waypoint it is heading for
  int lap;         // laps completed so far
  double speed;    // pixels per frame
};

// Frames of the opponent from the race start until it has completed `laps` laps (or a frame
// limit is reached; the caller checks the laps of the last point). The view stands still at its
// start place, as it does while the player waits; the start lights and the watchdog tick on the
// game's timetable (a frame every 23 ms).
std::vector<PathPoint> traceOpponent(game::OpponentTrack track, int laps);

}  // namespace art
