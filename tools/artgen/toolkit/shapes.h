// Shapes and gradients every picture uses: rounded boxes, smooth closed curves, radial and
// linear gradients set as the cairo source, and glows (a colour fading out from a centre).
#pragma once
#include <cairo.h>

#include <initializer_list>
#include <vector>

#include "toolkit/colour.h"
#include "toolkit/vec.h"

namespace art {

// Rounded rectangle path (a new sub-path); the radius never exceeds half a side.
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);

// A polygon path through the points (a new sub-path), closed unless told not to.
void polygon(cairo_t* cr, const std::vector<Vec>& pts, bool close = true);

// A smooth closed curve through the points (Catmull-Rom turned into Bezier segments).
void smoothClosed(cairo_t* cr, const Vec* pts, int n);
inline void smoothClosed(cairo_t* cr, const std::vector<Vec>& pts) {
  smoothClosed(cr, pts.data(), int(pts.size()));
}

struct Stop {
  double offset;
  Rgb colour;
  double alpha = 1.0;
};
// Sets a gradient from the circle (x0, y0, r0) to (x1, y1, r1) as the source.
void setRadial(cairo_t* cr, double x0, double y0, double r0, double x1, double y1, double r1,
               std::initializer_list<Stop> stops);
// Sets a gradient along the line (x0, y0) - (x1, y1) as the source.
void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1,
               std::initializer_list<Stop> stops);

// Sets a glow as the source: `colour` at `alpha` from the radius `inner` around (x, y), fading
// to nothing at `outer`. Paint it, or fill a shape with it.
void setGlow(cairo_t* cr, double x, double y, double inner, double outer, Rgb colour, double alpha);
// Fills the glow's disc (radius `outer`) with it.
void glow(cairo_t* cr, double x, double y, double inner, double outer, Rgb colour, double alpha);

}  // namespace art
