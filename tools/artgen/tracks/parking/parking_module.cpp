// The Parking ground (maps/m0): a car park to practise driving, reversing and parking in.
#include <cstdio>

#include "art.h"
#include "tracks/parking/parking_layout.h"
#include "tracks/parking/parking_masks.h"
#include "tracks/parking/parking_paint.h"
#include "tracks/track_files.h"

namespace art::tracks::parking {

namespace {

void writeParking(const Context& ctx) {
  const Layout& L = layout();
  const Keys keys = trackKeys();
  const ParkingMasks masks = drawMasks(L, keys);
  const ParkingFigures f = checkMasks(masks, keys);
  std::printf(
      "parking: %.1f %% of the ground is open road, all of it behind walls (%d mask pixels"
      " reachable from the start)\n",
      f.drivable, f.reachable);
  ctx.writeJpg("/maps/m0/0.jpg", paintGround(L), 90);
  writeExact(ctx, "/maps/m0/mini1.bmp", masks.kon[0]);
  writeExact(ctx, "/maps/m0/mini2.bmp", masks.kon[1]);
}

}  // namespace

}  // namespace art::tracks::parking

ARTGEN_MODULE("parking", art::tracks::parking::writeParking);
