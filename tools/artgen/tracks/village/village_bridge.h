// The Village bridge: painted into the map, and cut out of the finished map as the picture
// pair (mask black over the bridge, image on black) the view draws over a car passing beneath.
#pragma once
#include "tracks/track_paint.h"
#include "tracks/village/village_layout.h"

namespace art::tracks::village {

struct BridgePair {
  Image mask, image;  // mostw.bmp, mostb.bmp
};

// The deck with its parapets, clipped to the bridge picture's width.
Coverage deckCoverage(const Layout& L, int mapSize);
BridgePair bridgePair(const Picture& map, const Layout& L);

}  // namespace art::tracks::village
