#include "story_parcel.h"

#include <algorithm>
#include <cmath>

namespace art::story {

namespace {

constexpr Rgb kGlow{255, 176, 48};

void box(cairo_t* cr, double s) {
  // Cardboard, lit from the upper left.
  roundedRect(cr, -s / 2, -s / 2, s, s, s * 0.06);
  setLinear(cr, -s / 2, -s / 2, s / 2, s / 2,
            {{0, {236, 190, 120}}, {0.5, {206, 150, 82}}, {1, {150, 100, 50}}});
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, std::max(0.8, s * 0.03));
  source(cr, {100, 62, 26});
  cairo_stroke(cr);
  // The flaps' seam and the tape over it.
  cairo_rectangle(cr, -s * 0.11, -s / 2, s * 0.22, s);
  source(cr, {246, 222, 170}, 0.85);
  cairo_fill(cr);
  cairo_move_to(cr, 0, -s / 2);
  cairo_line_to(cr, 0, s / 2);
  cairo_set_line_width(cr, std::max(0.6, s * 0.02));
  source(cr, {120, 80, 40}, 0.7);
  cairo_stroke(cr);
  // The firm's label: a white tag with a red "K".
  roundedRect(cr, s * 0.16, s * 0.12, s * 0.26, s * 0.26, s * 0.03);
  source(cr, {250, 248, 240});
  cairo_fill(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, s * 0.24);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "K", &e);
  cairo_move_to(cr, s * 0.29 - e.width / 2 - e.x_bearing, s * 0.25 - e.height / 2 - e.y_bearing);
  source(cr, {206, 30, 30});
  cairo_show_text(cr, "K");
}

}  // namespace

void glowingParcel(cairo_t* cr, double x, double y, double size, double angle, double halo) {
  // Halo on the ground.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  setRadial(cr, x, y, size * 0.2, x, y, size * halo,
            {{0, kGlow, 0.75}, {0.45, kGlow, 0.25}, {1, kGlow, 0}});
  cairo_arc(cr, x, y, size * halo, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
  // Marker ring painted with light, dashed like a target.
  cairo_save(cr);
  const double ring = size * 0.95;
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_arc(lc, x, y, ring, 0, 2 * M_PI);
        cairo_set_line_width(lc, size * 0.12);
        cairo_stroke(lc);
      },
      std::max(2, int(size * 0.12)), kGlow, 0.9, 0, 0, CAIRO_OPERATOR_ADD);
  const double dash[] = {size * 0.32, size * 0.18};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_arc(cr, x, y, ring, 0, 2 * M_PI);
  cairo_set_line_width(cr, std::max(1.0, size * 0.06));
  source(cr, {255, 236, 170});
  cairo_stroke(cr);
  cairo_restore(cr);
  // Shadow and the box itself.
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_translate(lc, x, y);
        cairo_rotate(lc, angle);
        cairo_rectangle(lc, -size * 0.3, -size * 0.3, size * 0.6, size * 0.6);
        cairo_fill(lc);
      },
      std::max(1, int(size * 0.08)), {0, 0, 0}, 0.6, size * 0.06, size * 0.08);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  box(cr, size * 0.6);
  cairo_restore(cr);
  // A glint on the box's lit corner.
  sparkle(cr, x - size * 0.22, y - size * 0.24, size * 0.22, {255, 240, 200}, 0.9);
}

}  // namespace art::story
