#include "car_draw.h"

#include <cmath>

namespace art::cars {

void outlinePath(cairo_t* cr, const std::vector<Station>& s) {
  // Left side rear to front, then the right side back: a closed Catmull-Rom curve through them.
  std::vector<Vec> p;
  for (const auto& st : s) p.push_back({st.x, -st.hw});
  for (auto it = s.rbegin(); it != s.rend(); ++it) p.push_back({it->x, it->hw});
  cairo_new_path(cr);
  smoothClosed(cr, p);
}

void roundRect(cairo_t* cr, double x0, double y0, double x1, double y1, double r) {
  cairo_new_path(cr);
  roundedRect(cr, x0, y0, x1 - x0, y1 - y0, r);
}

void shadeBody(cairo_t* cr, const std::vector<Station>& outline, Rgb shadow, double halfLength,
               double halfWidth) {
  outlinePath(cr, outline);
  cairo_save(cr);
  cairo_clip(cr);
  // Rounded body: the top catches the light, the flanks and the ends fall away into shadow.
  cairo_pattern_t* round = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, 1 / (halfLength * 1.08), 1 / (halfWidth * 1.12));
  cairo_matrix_translate(&m, -halfLength * 0.08, halfWidth * 0.1);
  cairo_pattern_set_matrix(round, &m);
  addStop(round, 0.0, kWhite, 0.20);
  addStop(round, 0.55, kWhite, 0.0);
  addStop(round, 0.82, shadow, 0.25);
  addStop(round, 1.0, shadow, 0.75);
  cairo_set_source(cr, round);
  cairo_paint(cr);
  cairo_pattern_destroy(round);
  // Flanks: a crisp fall-off across the width, the lit (upper) side a little brighter.
  setLinear(cr, 0, -halfWidth, 0, halfWidth,
            {{0.0, shadow, 0.45},
             {0.12, shadow, 0.0},
             {0.22, kWhite, 0.10},
             {0.40, kWhite, 0.0},
             {0.80, shadow, 0.0},
             {1.0, shadow, 0.6}});
  cairo_paint(cr);
  cairo_restore(cr);
}

void edgeBody(cairo_t* cr, const std::vector<Station>& outline, Rgb edge) {
  outlinePath(cr, outline);
  source(cr, edge);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

void glass(cairo_t* cr, double x0, double x1, double halfWidth) {
  cairo_save(cr);
  cairo_clip_preserve(cr);
  setLinear(
      cr, 0, -halfWidth, 0, halfWidth,
      {{0.0, {18, 24, 34}}, {0.35, {70, 88, 112}}, {0.65, {50, 64, 84}}, {1.0, {14, 18, 28}}});
  cairo_fill(cr);
  // A slanted streak of sky across the glass.
  const double mid = (x0 + x1) / 2, span = std::abs(x1 - x0);
  cairo_new_path(cr);
  polygon(cr, {{mid - span * 0.05, -halfWidth},
               {mid + span * 0.25, -halfWidth},
               {mid - span * 0.05, halfWidth * 0.2},
               {mid - span * 0.30, halfWidth * 0.2}});
  cairo_set_source_rgba(cr, 0.85, 0.92, 1.0, 0.22);
  cairo_fill(cr);
  cairo_restore(cr);
}

void wheel(cairo_t* cr, double cx, double cy, double length, double width) {
  roundRect(cr, cx - length / 2, cy - width / 2, cx + length / 2, cy + width / 2, 1.0);
  setLinear(cr, cx - length / 2, 0, cx + length / 2, 0,
            {{0.0, {14, 14, 16}}, {0.5, {58, 58, 62}}, {1.0, {14, 14, 16}}});
  cairo_fill(cr);
}

namespace {
void bloom(cairo_t* cr, double cx, double cy, double radius, Rgb colour, double alpha) {
  setGlow(cr, cx, cy, 0, radius, colour, alpha);
  cairo_paint(cr);
}
}  // namespace

void headLamp(cairo_t* cr, double x0, double y0, double x1, double y1, double r, bool lit) {
  const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  if (lit) bloom(cr, cx, cy, 5.5, {255, 240, 190}, 0.55);
  roundRect(cr, x0, y0, x1, y1, r);
  if (lit) {
    source(cr, {255, 251, 228});
  } else {
    setLinear(cr, x0, 0, x1, 0, {{0.0, {120, 128, 138}}, {1.0, {214, 220, 226}}});
    cairo_fill_preserve(cr);
    source(cr, {60, 64, 70});
    cairo_set_line_width(cr, 0.45);
    cairo_stroke(cr);
    return;
  }
  cairo_fill(cr);
}

void tailLamp(cairo_t* cr, double x0, double y0, double x1, double y1, double r, Glow glow) {
  const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  if (glow == Glow::Bright) bloom(cr, cx, cy, 6.5, {255, 120, 80}, 0.8);
  roundRect(cr, x0, y0, x1, y1, r);
  const Rgb colour = glow == Glow::Bright ? Rgb{255, 84, 64}
                     : glow == Glow::Dim  ? Rgb{214, 30, 28}
                                          : Rgb{150, 20, 24};
  source(cr, colour);
  cairo_fill_preserve(cr);
  source(cr, glow == Glow::Bright ? Rgb{255, 226, 210} : shade(colour, 1.3), 0.9);
  cairo_set_line_width(cr, glow == Glow::Bright ? 1.0 : 0.5);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_move_to(cr, cx, y0);
  cairo_line_to(cr, cx, y1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void reverseLamp(cairo_t* cr, double x0, double y0, double x1, double y1, double r, bool lit) {
  const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  if (lit) bloom(cr, cx, cy, 4.5, {255, 255, 240}, 0.6);
  roundRect(cr, x0, y0, x1, y1, r);
  source(cr, lit ? Rgb{255, 255, 250} : Rgb{150, 150, 156});
  cairo_fill(cr);
}

}  // namespace art::cars
