#include "story_icons.h"

#include <cmath>
#include <initializer_list>

#include "toolkit/shapes.h"

namespace art::story {

namespace {

void triangle(cairo_t* cr, double x, double y, double w, double h) {
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + w, y + h / 2);
  cairo_line_to(cr, x, y + h);
  cairo_close_path(cr);
  cairo_fill(cr);
}

}  // namespace

void drawIcon(cairo_t* cr, Icon icon, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s / 10, s / 10);  // icons are designed on a 10 × 10 grid
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (icon) {
    case Icon::Play:
      triangle(cr, 2, 1, 7, 8);
      break;
    case Icon::FastForward:
      triangle(cr, 0.5, 1.5, 4.5, 7);
      triangle(cr, 5, 1.5, 4.5, 7);
      break;
    case Icon::Replay: {
      // An open ring with a big head at its upper right end, pointing on around the ring.
      const double cx = 5, cy = 5.4, r = 3.5, a0 = -0.32 * M_PI;
      cairo_set_line_width(cr, 1.8);
      cairo_arc(cr, cx, cy, r, a0, a0 + 1.62 * M_PI);
      cairo_stroke(cr);
      const double px = cx + r * std::cos(a0), py = cy + r * std::sin(a0);
      const double dx = std::sin(a0), dy = -std::cos(a0);  // travel, against the arc
      const double nx = std::cos(a0), ny = std::sin(a0);
      cairo_move_to(cr, px + 2.6 * dx, py + 2.6 * dy);
      cairo_line_to(cr, px - 0.6 * dx + 2.4 * nx, py - 0.6 * dy + 2.4 * ny);
      cairo_line_to(cr, px - 0.6 * dx - 2.4 * nx, py - 0.6 * dy - 2.4 * ny);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    }
    case Icon::Menu:
      // Whole-pixel bars at the button size (10), so they stay crisp.
      for (double y0 : {1.0, 4.0, 7.0}) cairo_rectangle(cr, 1, y0, 8, 2);
      cairo_fill(cr);
      break;
    case Icon::Village:
      // A cottage: pitched roof with a chimney, walls and a door.
      cairo_move_to(cr, 0, 5.2);
      cairo_line_to(cr, 5, 0.4);
      cairo_line_to(cr, 10, 5.2);
      cairo_close_path(cr);
      cairo_rectangle(cr, 7, 0.8, 1.6, 3.4);
      cairo_fill(cr);
      polygon(cr, {{1.5, 5}, {8.5, 5}, {8.5, 10}, {6, 10}, {6, 6.5}, {4, 6.5}, {4, 10}, {1.5, 10}});
      cairo_fill(cr);
      break;
    case Icon::City:
      cairo_rectangle(cr, 0, 4, 3, 6);
      cairo_rectangle(cr, 3.5, 0, 3, 10);
      cairo_rectangle(cr, 7, 2.5, 3, 7.5);
      cairo_fill(cr);
      break;
    case Icon::Trophy:
      cairo_move_to(cr, 2.4, 1);
      cairo_line_to(cr, 7.6, 1);
      cairo_curve_to(cr, 7.6, 4.6, 6.4, 5.8, 5, 5.8);
      cairo_curve_to(cr, 3.6, 5.8, 2.4, 4.6, 2.4, 1);
      cairo_close_path(cr);
      cairo_fill(cr);
      cairo_set_line_width(cr, 1);
      cairo_arc(cr, 2.4, 2.8, 1.3, M_PI * 0.5, M_PI * 1.5);
      cairo_stroke(cr);
      cairo_arc(cr, 7.6, 2.8, 1.3, -M_PI * 0.5, M_PI * 0.5);
      cairo_stroke(cr);
      cairo_rectangle(cr, 4.4, 5.6, 1.2, 2);
      cairo_rectangle(cr, 2.8, 7.6, 4.4, 1.6);
      cairo_fill(cr);
      break;
    case Icon::Parcel:
      cairo_rectangle(cr, 1, 1.5, 8, 7);
      cairo_fill(cr);
      break;
  }
  cairo_restore(cr);
}

}  // namespace art::story
