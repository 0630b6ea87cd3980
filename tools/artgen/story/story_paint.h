// Painting helpers shared by the story, info and result pictures: blurred shadows and glows,
// grain, mottle, vignettes and sparkles.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <functional>

#include "toolkit/colour.h"
#include "toolkit/random.h"
#include "toolkit/shapes.h"

namespace art::story {

// Something drawn with a cairo context; shapes are drawn in canvas pixels.
using Draw = std::function<void(cairo_t*)>;

// Blurs an ARGB32 image surface in place: three box passes approximate a gaussian.
void blur(cairo_surface_t* surface, int radius);

// Draws `shape` (in any colour) into a scratch layer the size of the canvas, blurs it and paints
// its coverage with the colour: soft shadows (offset dx, dy) and glows (operator ADD).
void blurred(cairo_t* cr, const Draw& shape, int radius, Rgb colour, double alpha, double dx = 0,
             double dy = 0, cairo_operator_t op = CAIRO_OPERATOR_OVER);

// Fine random speckle inside the current clip, amount 0..1 (texture of asphalt, paper, metal).
void grain(cairo_t* cr, std::uint32_t seed, double amount);

// Soft light and dark blotches inside the current clip: large-scale texture (worn asphalt,
// patchy grass). size is the blotches' typical radius.
void mottle(cairo_t* cr, std::uint32_t seed, int count, double size, double alpha);

// Darkens the corners: a radial fall-off over the whole canvas.
void vignette(cairo_t* cr, double strength);

// A four-pointed sparkle centred at (x, y).
void sparkle(cairo_t* cr, double x, double y, double size, Rgb colour, double alpha);

}  // namespace art::story
