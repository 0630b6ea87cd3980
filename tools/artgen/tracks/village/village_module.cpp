// The Village track (maps/m1): world map, masks, minimap, bridge and overlay, laid around the
// path the computer car really drives, and checked before anything is written.
#include <cstdio>

#include "art.h"
#include "cars/keyed.h"
#include "tracks/track_files.h"
#include "tracks/village/village_bridge.h"
#include "tracks/village/village_checks.h"
#include "tracks/village/village_layout.h"
#include "tracks/village/village_masks.h"
#include "tracks/village/village_minimap.h"
#include "tracks/village/village_paint.h"

namespace art::tracks::village {

namespace {

void writeVillage(const Context& ctx) {
  const Layout& L = layout();
  const Keys keys = trackKeys();
  const RoadField field(L.road, -1000, -1000, 2000, 5);
  const Scenery& sc = scenery(L, field);
  const VillageMasks masks = drawMasks(L, keys, [&](cairo_t* cr) { wallPaths(cr, sc); });
  Figures f;
  try {
    f = checkMasks(L, masks, keys);
  } catch (...) {
    // A failing track leaves its masks behind to look at.
    ctx.writeBmp("/maps/m1/mini1.bmp", masks.kon[0]);
    ctx.writeBmp("/maps/m1/mini2.bmp", masks.kon[1]);
    throw;
  }
  std::printf("village: the computer car is on the road in %.2f %% of %zu frames over %d laps",
              f.opponentOnRoad, f.frames, f.laps);
  std::printf(" (laps of %zu, %zu, %zu, %zu, %zu frames)\n", f.lapFrames[0], f.lapFrames[1],
              f.lapFrames[2], f.lapFrames[3], f.lapFrames[4]);
  std::printf(
      "village: 12 checkpoints, one finish crossing and one re-arm a lap on %d lines across"
      " the road; %zu guide-rail mask pixels, all matching the road\n",
      f.linesDriven, f.railPixels);
  for (const Rail& r : L.rails)
    if (r.left) {
      const Station& a = L.road[std::ptrdiff_t(r.stretch.first)];
      std::printf("village: guide rails for %d degrees from (%.0f, %.0f), %.0f pixels long\n",
                  r.heading, a.x, a.y, double(r.stretch.count) * L.road.spacing());
    }
  std::printf(
      "village: %zu crossings (one of them the bridge), at least %.0f pixels of ground"
      " between roads that do not cross\n",
      L.crossings.size(), f.narrowestGap);

  Picture map(kMapSize, kMapSize, {90, 130, 60});
  paintGround(map, sc, field);
  paintRoad(map, L);
  paintBridge(map, L);
  paintObjects(map, sc, field);
  Image overlayMask(kMapSize, kMapSize, svc::rgb(255, 255, 255));
  paintOverlay(map, overlayMask, sc, field);
  const Image finished = map.toImage();
  Image overlay(kMapSize, kMapSize, 0);
  for (std::size_t i = 0; i < overlay.pixels.size(); ++i)
    if (overlayMask.pixels[i] == 0) overlay.pixels[i] = finished.pixels[i];
  const BridgePair bridge = bridgePair(map, L);
  const Minimap mini = drawMinimap(L);

  cars::checkMaskPair(bridge.mask, bridge.image, "mostw.bmp / mostb.bmp");
  cars::checkMaskPair(mini.mask, mini.image, "mw.bmp / mb.bmp");
  cars::checkMaskPair(overlayMask, overlay, "rw.gif / rb.jpg");
  checkBridgeCovers(L, bridge.mask);

  ctx.writeJpg("/maps/m1/1.jpg", finished, 90);
  // The overlay image at a higher quality: its ringing beside the crowns is OR-ed into the map.
  ctx.writeJpg("/maps/m1/rb.jpg", overlay, 95);
  writeExact(ctx, "/maps/m1/rw.gif", overlayMask);
  writeExact(ctx, "/maps/m1/mostw.bmp", bridge.mask);
  writeExact(ctx, "/maps/m1/mostb.bmp", bridge.image);
  writeExact(ctx, "/maps/m1/mw.bmp", mini.mask);
  writeExact(ctx, "/maps/m1/mb.bmp", mini.image);
  writeExact(ctx, "/maps/m1/mini1.bmp", masks.kon[0]);
  writeExact(ctx, "/maps/m1/mini2.bmp", masks.kon[1]);
  std::printf(
      "village: the overlay image strays at most %u from black where the map shows through;"
      " bridge picture %d x %d\n",
      overlaySpill(ctx, "/maps/m1/rb.jpg", overlayMask), bridge.mask.width, bridge.mask.height);
}

}  // namespace

}  // namespace art::tracks::village

ARTGEN_MODULE("village", art::tracks::village::writeVillage);
