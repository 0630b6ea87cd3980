// Colour arithmetic shared by the car and race-window pictures: mixing, shading and cairo sources.
#pragma once
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "services/colour.h"

namespace art::cars {

// A colour with components 0..255 as doubles, so shades can be mixed without rounding.
struct Tone {
  double r, g, b;
};

inline Tone mix(Tone a, Tone b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
// f below 1 darkens towards black, above 1 lightens towards white (2 is white).
inline Tone shade(Tone a, double f) {
  if (f <= 1) return {a.r * f, a.g * f, a.b * f};
  return mix(a, {255, 255, 255}, std::min(1.0, f - 1));
}
inline svc::Colour toColour(Tone t) {
  auto c = [](double v) { return unsigned(std::clamp(std::lround(v), 0L, 255L)); };
  return svc::rgb(c(t.r), c(t.g), c(t.b));
}
inline void source(cairo_t* cr, Tone t, double alpha = 1.0) {
  cairo_set_source_rgba(cr, t.r / 255, t.g / 255, t.b / 255, alpha);
}
inline void addStop(cairo_pattern_t* p, double offset, Tone t, double alpha = 1.0) {
  cairo_pattern_add_color_stop_rgba(p, offset, t.r / 255, t.g / 255, t.b / 255, alpha);
}

inline constexpr double kPi = std::numbers::pi;

constexpr Tone kBlack{0, 0, 0};
constexpr Tone kWhite{255, 255, 255};

}  // namespace art::cars
