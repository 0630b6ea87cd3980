// Shapes and gradients; see shapes.h.
#include "toolkit/shapes.h"

#include <algorithm>
#include <numbers>

namespace art {

namespace {
constexpr double kPi = std::numbers::pi;

void setPattern(cairo_t* cr, cairo_pattern_t* p, std::initializer_list<Stop> stops) {
  for (const Stop& s : stops) addStop(p, s.offset, s.colour, s.alpha);
  cairo_set_source(cr, p);  // the context keeps its own reference
  cairo_pattern_destroy(p);
}
}  // namespace

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void polygon(cairo_t* cr, const std::vector<Vec>& pts, bool close) {
  for (std::size_t i = 0; i < pts.size(); ++i)
    i ? cairo_line_to(cr, pts[i].x, pts[i].y) : cairo_move_to(cr, pts[i].x, pts[i].y);
  if (close) cairo_close_path(cr);
}

void smoothClosed(cairo_t* cr, const Vec* pts, int n) {
  auto p = [&](int i) { return pts[((i % n) + n) % n]; };
  cairo_move_to(cr, p(0).x, p(0).y);
  for (int i = 0; i < n; ++i) {
    const Vec a = p(i - 1), b = p(i), c = p(i + 1), d = p(i + 2);
    cairo_curve_to(cr, b.x + (c.x - a.x) / 6, b.y + (c.y - a.y) / 6, c.x - (d.x - b.x) / 6,
                   c.y - (d.y - b.y) / 6, c.x, c.y);
  }
  cairo_close_path(cr);
}

void setRadial(cairo_t* cr, double x0, double y0, double r0, double x1, double y1, double r1,
               std::initializer_list<Stop> stops) {
  setPattern(cr, cairo_pattern_create_radial(x0, y0, r0, x1, y1, r1), stops);
}

void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1,
               std::initializer_list<Stop> stops) {
  setPattern(cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops);
}

void setGlow(cairo_t* cr, double x, double y, double inner, double outer, Rgb colour,
             double alpha) {
  setRadial(cr, x, y, inner, x, y, outer, {{0, colour, alpha}, {1, colour, 0}});
}

void glow(cairo_t* cr, double x, double y, double inner, double outer, Rgb colour, double alpha) {
  setGlow(cr, x, y, inner, outer, colour, alpha);
  cairo_arc(cr, x, y, outer, 0, 2 * kPi);
  cairo_fill(cr);
}

}  // namespace art
