// The Village minimap: the loop at one twentieth on a dark glass panel, as the mask pair the
// view pastes at the top right (mw.bmp white where the view shows through, mb.bmp on black).
#pragma once
#include "art.h"
#include "tracks/village/village_layout.h"

namespace art::tracks::village {

// The panel is a little larger than the track's 100 × 100: the minimap cars are drawn 2 pixels
// lower than the track's one-twentieth place, so the loop is too, and the frame keeps a margin.
constexpr int kMinimapSize = 104;

struct Minimap {
  Image mask, image;
};
Minimap drawMinimap(const Layout& L);

}  // namespace art::tracks::village
