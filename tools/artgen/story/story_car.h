// Cars and the Kolder truck seen from above, for the illustrations: glossy bodies, glass,
// lamps and soft shadows.
#pragma once
#include <cairo.h>

#include "story_paint.h"

namespace art::story {

// Where and how big: centre, length along the heading, heading in radians (0 east, y down).
struct Placement {
  double x, y, length, angle;
};

struct CarLook {
  Rgb body;
  bool stripes = false;    // two racing stripes along the roof
  bool headlamps = false;  // lit head lamps (the glow ahead is the caller's)
  bool brakeLights = false;
};

void paintCar(cairo_t* cr, const Placement& at, const CarLook& look);
// The blurred shadow under a car, cast by light from the upper left.
void carShadow(cairo_t* cr, const Placement& at, double alpha);

void paintTruck(cairo_t* cr, const Placement& at, Rgb cab, bool headlamps);
void truckShadow(cairo_t* cr, const Placement& at, double alpha);

// A cone of lamp light ahead of a car or truck, added onto what lies beneath.
void headlightBeams(cairo_t* cr, const Placement& at, double reach, double width, Rgb colour,
                    double alpha);

}  // namespace art::story
