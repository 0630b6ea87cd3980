// Where everything of the Village lies: the road laid along the opponent's real path, the
// finish line, the checkpoints, the section switches, the bridge, the crossroads, the covered
// farm passage and the guide rails. The pictures, the masks and the checks all read this.
#pragma once
#include <array>
#include <vector>

#include "tracks/opponent_path.h"
#include "tracks/track_centreline.h"

namespace art::tracks::village {

constexpr double kShift = 1000;  // world (x, y) is map pixel (x + 1000, y + 1000)
constexpr int kMapSize = 2000;

// The player's and the computer car's start places (the race start's arithmetic).
constexpr Vec kPlayerStart{-380, 911};
constexpr Vec kOpponentStart{-380, 951};

// The bridge: the upper road's span between x0 and x1, its parapets just outside the road's
// edges. The bridge picture's top-left is map pixel (1007, 460), world (x0, y0).
struct BridgeBox {
  double x0 = 7, y0 = -540, x1 = 290;
  double y1 = 0;        // the bottom of the picture (below the southern parapet)
  double parapet = 10;  // parapet thickness outside the road's edge
  double fascia = 6;    // the deck's southern face, seen a little from the south
  Stretch span;         // stations of the upper road between x0 and x1
};

// Two stretches of the loop that cross.
struct Crossing {
  Stretch a, b;  // a comes first in the lap
  Vec centre;
  bool bridge;  // b runs over a on the bridge
};

// A guide rail: one edge of a stretch of road that runs in the guide's direction.
struct Rail {
  Stretch stretch;
  bool left;    // the driver's left edge (guide minus) or right edge (guide plus)
  int heading;  // the guide heading it serves
};

struct Layout {
  std::vector<art::PathPoint> trace;  // five laps of the opponent from the race start
  Centreline road;
  std::size_t finish = 0;                     // station of the finish line
  std::array<std::size_t, 12> checkpoints{};  // in lap order; colours B, A, B, ...
  std::size_t switchTo0 = 0;                  // KON(1)'s switch: section 1 -> 0, re-arms the line
  std::size_t switchTo1 = 0;                  // KON(0)'s switch: section 0 -> 1
  std::vector<Crossing> crossings;
  BridgeBox bridge;
  Stretch lowerRoad, upperRoad;  // the stretches under and over the bridge
  Stretch passage;               // the covered farm passage (arrow zone)
  std::vector<Rail> rails;
  // The checkpoint count a player has at each station (after the finish line: 0).
  std::vector<int> countAt;
};

// Built once: the opponent's path, then the road and everything placed along it.
const Layout& layout();

// The guide heading the view sets for a checkpoint count (keeps the last one below 4).
int guideFor(int count, int previous);

}  // namespace art::tracks::village
