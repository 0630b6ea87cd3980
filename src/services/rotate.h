// Rotated sprite drawing: the whole source drawn rotated about its centre onto a destination.
#pragma once
#include "services/surface.h"

namespace svc {

// Draws the whole of src onto dst rotated clockwise on the screen by angleDegrees, with the
// source's centre at (x, y). Source pixels of the transparent key are not drawn; the result is
// clipped to dst. flag 0: every drawn pixel carries exactly the colour of one source pixel
// (nearest neighbour). flag 1: smoothed sampling for sprites shown on screen.
void foxRotate(Surface& dst, double x, double y, const Surface& src, Colour transparent,
               double angleDegrees, int flag);

}  // namespace svc
