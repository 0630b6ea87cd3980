// Drawing pieces shared by the cars seen from above: smooth body outlines, shading, glass,
// wheels, mirrors and lamps. All in the car's own frame: x forwards, y to the car's right.
#pragma once
#include <cairo.h>

#include <vector>

#include "cars/cars_paint.h"

namespace art::cars {

// One station of a body outline: at x (along the car) the half width hw.
struct Station {
  double x, hw;
};
// A closed, smooth outline symmetric about the car's axis through the stations (rear to front).
void outlinePath(cairo_t* cr, const std::vector<Station>& stations);
void roundRect(cairo_t* cr, double x0, double y0, double x1, double y1, double r);

// Shading over a painted body (rounded top lit, flanks and ends falling into the shadow tone),
// and its crisp dark edge.
void shadeBody(cairo_t* cr, const std::vector<Station>& outline, Rgb shadow, double halfLength,
               double halfWidth);
void edgeBody(cairo_t* cr, const std::vector<Station>& outline, Rgb edge);

// Tinted glass filling the current path, darker at the sides, with a sky reflection.
void glass(cairo_t* cr, double x0, double x1, double halfWidth);

void wheel(cairo_t* cr, double cx, double cy, double length, double width);

// Lamp glass states.
enum class Glow { Off, Dim, Bright };
// Lamps with their glass and, when lit, a bloom spilling onto the body around them; the caller
// clips to the body so the bloom stays on it.
void headLamp(cairo_t* cr, double x0, double y0, double x1, double y1, double r, bool lit);
void tailLamp(cairo_t* cr, double x0, double y0, double x1, double y1, double r, Glow glow);
void reverseLamp(cairo_t* cr, double x0, double y0, double x1, double y1, double r, bool lit);

}  // namespace art::cars
