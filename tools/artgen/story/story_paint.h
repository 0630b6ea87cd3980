// Painting helpers shared by the story, info and result pictures: colours, a seeded random
// source, blurred shadows and glows, grain, rounded boxes.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <functional>

namespace art::story {

// A colour with 0..255 components kept as doubles, so shades mix without rounding.
struct Rgb {
  double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t);
Rgb scale(Rgb a, double f);  // f below 1 darkens, above 1 brightens (clamped at white)
void source(cairo_t* cr, Rgb c, double alpha = 1.0);
void stop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0);

// xorshift32: the same numbers on every platform and library version.
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {}
  std::uint32_t next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  double uniform() { return (next() >> 8) * (1.0 / 16777216.0); }  // [0, 1)
  double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
  int below(int n) { return int(uniform() * n); }

 private:
  std::uint32_t s_;
};

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

// A smooth closed curve through the points (Catmull-Rom turned into Bezier segments).
struct Pt {
  double x, y;
};
void smoothClosed(cairo_t* cr, const Pt* pts, int n);

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);

// A four-pointed sparkle centred at (x, y).
void sparkle(cairo_t* cr, double x, double y, double size, Rgb colour, double alpha);

}  // namespace art::story
