// The Village's control masks KON(0) and KON(1) at one fifth: road, off-track ground, walls,
// the finish line, twelve checkpoints, the two section switches, guide rails and the arrow
// zone of the covered passage, with the bridge's deck in one mask and its underpass in the other.
#pragma once
#include "tracks/track_mask.h"
#include "tracks/village/village_layout.h"

namespace art::tracks::village {

constexpr int kMaskSize = 400;
constexpr Space kMaskSpace{0.2, kShift, kShift};

struct VillageMasks {
  Image kon[2];
};

// `walls` adds the paths of the buildings, stone walls and hedges that bounce a car.
VillageMasks drawMasks(const Layout& layout, const Keys& keys, const Draw& walls);

// Lines across the road at a station, `thick` pixels along it, reaching `extra` past the edges.
void across(cairo_t* cr, const Centreline& road, std::size_t station, double thick, double extra);

}  // namespace art::tracks::village
