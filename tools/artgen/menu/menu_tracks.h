// Small aerial pictures of the tracks for the track pages: the village loop, the city, the
// championship's village, the parking lot and the circuit.
#pragma once
#include "canvas.h"
#include "menu/menu_layout.h"

namespace art::menu {

// Draws the picture of a track filling r (page pixels) on the canvas, clipped to r.
void drawTrackPicture(Canvas& canvas, Track track, Rect r);

}  // namespace art::menu
