// Where everything of the Parking ground lies: the wall around it, the shop, the pavement,
// grass islands, painted bays (some taken by parked cars), lamps, the practice pad with its
// cones, and the booth at the closed gate. The map, the masks and the checks read this.
#pragma once
#include <vector>

#include "tracks/track_centreline.h"
#include "tracks/track_paint.h"

namespace art::tracks::parking {

constexpr int kMapSize = 1000;  // world (x, y) is map pixel (x, y)
constexpr int kMaskSize = 200;  // masks at one tenth, with the 1000 shift kept
constexpr Space kMapSpace{1, 0, 0};
constexpr Space kMaskSpace{0.1, 1000, 1000};
// The car starts here heading north (the race start's arithmetic: view (50, 520) + (320, 240)).
constexpr Vec kStart{370, 760};

struct Box {
  double x0, y0, x1, y1;
  bool contains(Vec p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
};

struct Bay {
  Vec centre;
  double angle;          // of the bay's long axis, radians (0: the car would face east)
  double width, length;  // across and along
  bool parked;           // a car stands in it
  bool facingIn;         // nose towards the back line
  int paint, model;      // of the parked car
  bool disabled;         // the wider bay for a wheelchair user
};

struct Layout {
  Box inside{24, 24, 976, 976};     // within the perimeter wall
  Box building{548, 44, 952, 196};  // the shop's flat roof
  Box pavement{532, 196, 968, 232};
  std::vector<Box> islands;  // grass with trees and lamps
  std::vector<Bay> bays;
  std::vector<Vec> lamps;
  std::vector<Vec> cones;
  std::vector<Vec> trees;
  // Painted arrows: place and the direction they point, radians of (cos, sin) with y down.
  std::vector<std::pair<Vec, double>> arrows;
  Box booth{892, 918, 930, 950};
  Box gate{860, 976, 960, 1000};  // the closed barrier in the perimeter
};

const Layout& layout();

}  // namespace art::tracks::parking
