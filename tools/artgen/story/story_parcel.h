// The glowing Kolder parcel seen from above: the pick-up of the Kolder Run, also drawn in the
// illustrations.
#pragma once
#include <cairo.h>

#include "story_paint.h"

namespace art::story {

// A parcel centred at (x, y), size pixels across, turned by angle (radians), with its halo
// (reaching `halo` times the size), marker ring and soft shadow.
void glowingParcel(cairo_t* cr, double x, double y, double size, double angle, double halo = 1.5);

}  // namespace art::story
