// The City's layout in world coordinates (x, y from -1000 to 1000; map pixel = world + 1000):
// the streets laid around the path the computer car drives, the lines the masks carry across
// them, the direction signs, the pick-up squares and the places of the special areas.
#pragma once
#include <array>
#include <vector>

#include "geometry.h"
#include "tracks/opponent_path.h"

namespace art::city {

constexpr int kMapSize = 2000;  // world map and overlay, pixels
constexpr int kMaskSize = 400;  // masks: one fifth
constexpr int kMaskScale = 5;

struct Street {
  Polyline centre;
  double halfWidth;
  bool route;  // part of the race loop (drawn brighter on the minimap)
};

enum class LineKind { Checkpoint, Finish, Switch };
struct KeyLine {
  LineKind kind;
  int section;  // the mask it is painted in
  double lapS;  // arc length along the lap where it crosses the road
  int number;   // checkpoints: 1..22 in lap order (odd ones are colour A)
};

enum class Dir { East, North, West, South };
// A direction sign: the way the car is going and the way the road goes next (equal: straight on).
struct SignMeaning {
  Dir in, out;
};

struct Square {
  double x, y;  // world top-left corner of a 100 x 100 pick-up square
};

struct Plan {
  std::vector<PathPoint> trace;  // the opponent from the race start, several laps
  Polyline lap;                  // one steady lap of it, from the lap's first frame
  std::vector<Street> streets;
  std::vector<KeyLine> lines;
  std::array<SignMeaning, 12> signs;
  std::vector<Square> pickups;
  Vec playerStart, opponentStart;
};

// The City, built once (it runs the opponent).
const Plan& cityPlan();

// Which sign the game shows after a checkpoint count (-1: none).
int signAfterCount(int count);

}  // namespace art::city
