// The City's two control masks, KON(0) and KON(1): the layout at one fifth in exact colours,
// the lines across the road in the mask of the section that crosses them, and the legend in
// the top-left corner.
#pragma once
#include "art.h"
#include "layout.h"
#include "tracks/track_mask.h"

namespace art::city {

// The City's colour keys (both masks use the same keys; only the switch differs). They are
// its own, not the other tracks' ones: the game reads them from each mask's legend.
tracks::Keys maskKeys();

struct Masks {
  Image kon[2];
};
Masks buildMasks(const Plan& plan, const Layout& layout);

}  // namespace art::city
