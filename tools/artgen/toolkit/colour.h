// Colours for drawing: components 0..255 kept as doubles so shades mix without rounding, their
// arithmetic, and the bridges to cairo sources and to the game's pixels.
#pragma once
#include <cairo.h>

#include "services/colour.h"

namespace art {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator*(Rgb a, double k) {
  return {a.r * k, a.g * k, a.b * k};
}
// t = 0 gives a, t = 1 gives b.
inline Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
// f below 1 darkens towards black, above 1 lightens towards white (2 is white).
Rgb shade(Rgb a, double f);

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Rounded and clamped to 0..255.
svc::Colour toColour(Rgb c);
Rgb fromColour(svc::Colour c);

void source(cairo_t* cr, Rgb c, double alpha = 1.0);
void addStop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0);

}  // namespace art
