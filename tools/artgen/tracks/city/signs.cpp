#include "signs.h"

#include <cmath>
#include <numbers>

#include "paint.h"

namespace art::city {

namespace {

constexpr double kPi = std::numbers::pi;

double screenTurn(Dir in) {
  // The glyph is drawn going up the screen; turn it clockwise to the car's direction.
  switch (in) {
    case Dir::North:
      return 0;
    case Dir::East:
      return kPi / 2;
    case Dir::South:
      return kPi;
    case Dir::West:
      return -kPi / 2;
  }
  return 0;
}

// +1 for a right turn, -1 for a left turn, 0 straight on.
int turnSide(Dir in, Dir out) {
  const int a = int(in), b = int(out);  // East, North, West, South: counter-clockwise
  if (a == b) return 0;
  return (a + 3) % 4 == b ? 1 : -1;
}

void head(cairo_t* cr, Vec tip, Vec dir) {
  const Vec n = perp(dir);
  const Vec base = tip - dir * 11;
  cairo_move_to(cr, tip.x, tip.y);
  cairo_line_to(cr, base.x + n.x * 8.5, base.y + n.y * 8.5);
  cairo_line_to(cr, base.x - n.x * 8.5, base.y - n.y * 8.5);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void glyph(cairo_t* cr, int side) {
  cairo_set_line_width(cr, 7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  if (side == 0) {
    cairo_move_to(cr, 25, 42);
    cairo_line_to(cr, 25, 19);
    cairo_stroke(cr);
    head(cr, {25, 8}, {0, -1});
    return;
  }
  // Up from the bottom, round a quarter circle, then out to the side.
  const double x0 = 25 - side * 9, r = 10;
  cairo_move_to(cr, x0, 43);
  cairo_line_to(cr, x0, 31);
  if (side > 0)
    cairo_arc(cr, x0 + r, 31, r, kPi, 3 * kPi / 2);
  else
    cairo_arc_negative(cr, x0 - r, 31, r, 0, -kPi / 2);
  cairo_line_to(cr, x0 + side * (r + 6), 21);
  cairo_stroke(cr);
  head(cr, {x0 + side * (r + 17), 21}, {double(side), 0});
}

}  // namespace

Image drawSign(const SignMeaning& m) {
  Raster r(50, 50);
  cairo_t* cr = r.cr();
  // The plate: blue with a little sheen from the top left, a white border and a dark rim.
  cairo_pattern_t* plate = cairo_pattern_create_linear(0, 0, 50, 50);
  cairo_pattern_add_color_stop_rgb(plate, 0, 0.16, 0.42, 0.82);
  cairo_pattern_add_color_stop_rgb(plate, 1, 0.04, 0.22, 0.58);
  cairo_set_source(cr, plate);
  cairo_paint(cr);
  cairo_pattern_destroy(plate);
  source(cr, {22, 26, 34});
  cairo_set_line_width(cr, 2);
  cairo_rectangle(cr, 1, 1, 48, 48);
  cairo_stroke(cr);
  source(cr, {246, 246, 242});
  cairo_set_line_width(cr, 2.2);
  cairo_rectangle(cr, 4.1, 4.1, 41.8, 41.8);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 25, 25);
  cairo_rotate(cr, screenTurn(m.in));
  cairo_translate(cr, -25, -25);
  // A faint shadow under the arrow, then the arrow.
  cairo_save(cr);
  cairo_translate(cr, 0.8, 1.2);
  source(cr, {0, 16, 48}, 0.5);
  glyph(cr, turnSide(m.in, m.out));
  cairo_restore(cr);
  source(cr, {250, 250, 248});
  glyph(cr, turnSide(m.in, m.out));
  cairo_restore(cr);
  // Sheen across the top half.
  cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 4, 0, 30);
  cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 1, 1, 0.16);
  cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 1, 1, 0);
  cairo_set_source(cr, sheen);
  cairo_rectangle(cr, 5, 5, 40, 25);
  cairo_fill(cr);
  cairo_pattern_destroy(sheen);
  return r.toImage();
}

}  // namespace art::city
