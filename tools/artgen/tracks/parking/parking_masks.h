// The Parking ground's masks at one tenth (world (x, y) is mask pixel ((x + 1000) / 10, ...)):
// asphalt, grass islands and pavement off the track, and walls for the perimeter, the shop,
// the booth, parked cars, lamp posts and cones. No laps: no checkpoints and no switch line.
#pragma once
#include "tracks/parking/parking_layout.h"
#include "tracks/track_mask.h"

namespace art::tracks::parking {

struct ParkingMasks {
  Image kon[2];
};
ParkingMasks drawMasks(const Layout& L, const Keys& keys);

// Throws unless the masks keep the rules of the ground: the legend, known colours only, the
// start on open road with room around it, and walls that keep every car inside the map.
struct ParkingFigures {
  double drivable = 0;  // per cent of the ground that is road
  int reachable = 0;    // mask pixels a car can reach from the start
};
ParkingFigures checkMasks(const ParkingMasks& m, const Keys& keys);

}  // namespace art::tracks::parking
