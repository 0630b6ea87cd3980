#include "tracks/village/village_masks.h"

namespace art::tracks::village {

namespace {

constexpr double kShoulder = 5;  // the gravel edge still drives like road
constexpr double kLine = 15;     // lines across the road: three mask pixels, never jumped

void rect(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
}

}  // namespace

void across(cairo_t* cr, const Centreline& road, std::size_t station, double thick, double extra) {
  road.band(cr, road.around(station, thick / 2, thick / 2), extra);
}

VillageMasks drawMasks(const Layout& L, const Keys& keys, const Draw& walls) {
  VillageMasks out;
  const Centreline& road = L.road;
  const BridgeBox& b = L.bridge;
  auto fill = [](auto path) {
    return [path](cairo_t* cr) {
      path(cr);
      cairo_fill(cr);
    };
  };
  for (int s = 0; s < 2; ++s) {
    MaskPainter m(kMaskSize, kMaskSize, kMaskSpace, keys.offTrack);
    m.paint(fill([&](cairo_t* cr) { road.band(cr, road.all(), kShoulder); }), keys.road);
    m.paint(walls, keys.wall);
    // The map's edge: two mask pixels of wall, thicker than a car moves in a frame.
    m.paint(fill([&](cairo_t* cr) {
              rect(cr, -1000, -1000, 1000, 1000);
              rect(cr, 990, -990, -990, 990);  // reversed: a hole
            }),
            keys.wall);
    // The bridge span, clipped to the bridge picture's width.
    auto clipSpan = [&](cairo_t* cr) {
      rect(cr, b.x0, b.y0, b.x1, b.y1);
      cairo_clip(cr);
    };
    if (s == 1) {
      // Over the bridge: the deck is road and the parapets are walls (thicker in the mask than
      // in the picture, so no car ever jumps them).
      m.paint(fill([&](cairo_t* cr) {
                clipSpan(cr);
                road.strip(cr, b.span, 0, 15, 1);
                road.strip(cr, b.span, 0, -15, -1);
              }),
              keys.wall);
    } else {
      // Under it: the lower road runs on between the abutments.
      m.paint(fill([&](cairo_t* cr) {
                clipSpan(cr);
                road.band(cr, b.span, b.parapet);
              }),
              keys.wall);
      m.paint(fill([&](cairo_t* cr) {
                clipSpan(cr);
                road.band(cr, L.lowerRoad, kShoulder);
              }),
              keys.road);
    }
    for (const Rail& r : L.rails)
      m.paint(fill([&](cairo_t* cr) {
                if (r.left)
                  road.strip(cr, r.stretch, -10, -22, 1);
                else
                  road.strip(cr, r.stretch, 10, 22, -1);
              }),
              r.left ? keys.guideMinus : keys.guidePlus);
    m.paint(fill([&](cairo_t* cr) {
              road.band(
                  cr,
                  road.around(L.passage.first, 22, double(L.passage.count) * road.spacing() + 22),
                  kShoulder);
            }),
            keys.arrow);
    for (std::size_t k = 0; k < L.checkpoints.size(); ++k)
      m.paint(fill([&](cairo_t* cr) { across(cr, road, L.checkpoints[k], kLine, 8); }),
              k % 2 == 0 ? keys.checkpointB : keys.checkpointA);
    if (s == 0) {
      m.paint(fill([&](cairo_t* cr) { across(cr, road, L.finish, kLine, 8); }), keys.finish);
      m.paint(fill([&](cairo_t* cr) { across(cr, road, L.switchTo1, kLine, 8); }), keys.switch0);
    } else {
      m.paint(fill([&](cairo_t* cr) { across(cr, road, L.switchTo0, kLine, 8); }), keys.switch1);
    }
    Image img = m.image();
    writeLegend(img, keys, s == 0 ? keys.switch0 : keys.switch1);
    out.kon[s] = std::move(img);
  }
  return out;
}

}  // namespace art::tracks::village
