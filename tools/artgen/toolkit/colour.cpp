// Colour arithmetic and its bridges to cairo and the game's pixels; see colour.h.
#include "toolkit/colour.h"

#include <algorithm>
#include <cmath>

namespace art {

Rgb shade(Rgb a, double f) {
  if (f <= 1) return {a.r * f, a.g * f, a.b * f};
  return mix(a, kWhite, std::min(1.0, f - 1));
}

svc::Colour toColour(Rgb c) {
  auto ch = [](double v) { return unsigned(std::lround(std::clamp(v, 0.0, 255.0))); };
  return svc::rgb(ch(c.r), ch(c.g), ch(c.b));
}

Rgb fromColour(svc::Colour c) {
  return {double(svc::red(c)), double(svc::green(c)), double(svc::blue(c))};
}

void source(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r / 255, c.g / 255, c.b / 255, alpha);
}

void addStop(cairo_pattern_t* p, double offset, Rgb c, double alpha) {
  cairo_pattern_add_color_stop_rgba(p, offset, c.r / 255, c.g / 255, c.b / 255, alpha);
}

}  // namespace art
