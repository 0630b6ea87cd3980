// The City's two control masks, KON(0) and KON(1): the layout at one fifth in exact colours,
// the lines across the road in the mask of the section that crosses them, and the legend in
// the top-left corner.
#pragma once
#include "art.h"
#include "layout.h"

namespace art::city {

// The exact colours of the masks (both use the same keys; only the switch differs).
struct MaskColours {
  Colour road, offTrack, wall, arrow, finish, guideMinus, guidePlus, checkA, checkB;
  Colour switches[2];
};
const MaskColours& maskColours();

struct Masks {
  Image kon[2];
};
Masks buildMasks(const Plan& plan, const Layout& layout);

// Writes the legend pixels into a mask of the given section.
void writeLegend(Image& mask, int section, const MaskColours& c);

}  // namespace art::city
