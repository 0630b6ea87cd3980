#include "story_car.h"

#include <algorithm>
#include <cmath>

namespace art::story {

namespace {

constexpr double kHalfWidth = 0.22;  // of the length

void enter(cairo_t* cr, const Placement& at) {
  cairo_save(cr);
  cairo_translate(cr, at.x, at.y);
  cairo_rotate(cr, at.angle);
  cairo_scale(cr, at.length, at.length);
}

// The body outline in units of the length, nose towards +x: the arches are the widest parts.
void bodyPath(cairo_t* cr) {
  const double w = kHalfWidth;
  const Vec half[] = {{-0.50, -0.55}, {-0.47, -0.88}, {-0.32, -1.0}, {-0.12, -0.93},
                      {0.16, -0.94},  {0.32, -1.0},   {0.45, -0.86}, {0.505, -0.45}};
  Vec pts[18];
  int n = 0;
  for (const Vec& p : half) pts[n++] = {p.x, p.y * w};
  pts[n++] = {0.515, 0};
  for (int i = 7; i >= 0; --i) pts[n++] = {half[i].x, -half[i].y * w};
  pts[n++] = {-0.505, 0};
  smoothClosed(cr, pts, n);
}

void wheel(cairo_t* cr, double x, double side) {
  roundedRect(cr, x - 0.075, side * kHalfWidth * 0.98 - 0.032, 0.15, 0.064, 0.02);
  cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
  cairo_fill(cr);
}

void lamp(cairo_t* cr, double x, double y, double rx, double ry, Rgb core, Rgb rim, bool lit) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  setRadial(cr, 0, 0, 0, 0, 0, 1, {{0, lit ? Rgb{255, 255, 255} : core}, {0.6, core}, {1, rim}});
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

void carShadow(cairo_t* cr, const Placement& at, double alpha) {
  const int radius = std::max(2, int(at.length * 0.09));
  blurred(
      cr,
      [&](cairo_t* lc) {
        enter(lc, at);
        cairo_scale(lc, 1.04, 1.08);
        bodyPath(lc);
        cairo_fill(lc);
        cairo_restore(lc);
      },
      radius, {0, 0, 0}, alpha, at.length * 0.05, at.length * 0.07);
}

void paintCar(cairo_t* cr, const Placement& at, const CarLook& look) {
  const Rgb b = look.body;
  const double w = kHalfWidth;
  enter(cr, at);
  cairo_set_line_width(cr, 0.008);
  for (double x : {-0.3, 0.31})
    for (double s : {-1.0, 1.0}) wheel(cr, x, s);

  // Body: darker towards the sides, a soft highlight on the side facing the light.
  bodyPath(cr);
  setLinear(cr, 0, -w, 0, w,
            {{0, shade(b, 0.45)},
             {0.12, shade(b, 0.95)},
             {0.3, shade(b, 1.28)},
             {0.55, b},
             {0.88, shade(b, 0.72)},
             {1, shade(b, 0.38)}});
  cairo_fill_preserve(cr);
  setLinear(
      cr, -0.5, 0, 0.5, 0,
      {{0, {0, 0, 0}, 0.35}, {0.12, {0, 0, 0}, 0}, {0.85, {0, 0, 0}, 0}, {1, {0, 0, 0}, 0.3}});
  cairo_fill_preserve(cr);
  source(cr, shade(b, 0.3), 0.9);
  cairo_stroke(cr);

  // Bonnet creases and a glint.
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, 0.22, s * w * 0.55);
    cairo_curve_to(cr, 0.33, s * w * 0.6, 0.42, s * w * 0.55, 0.48, s * w * 0.4);
  }
  source(cr, shade(b, 0.6), 0.7);
  cairo_stroke(cr);
  setGlow(cr, 0.33, -w * 0.35, 0, 0.12, {255, 255, 255}, 0.55);
  bodyPath(cr);
  cairo_fill(cr);

  if (look.stripes) {
    cairo_save(cr);
    bodyPath(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    for (double s : {-1.0, 1.0})
      cairo_rectangle(cr, -0.5, s > 0 ? w * 0.1 : -w * 0.26, 1.0, w * 0.16);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
  }

  // Mirrors.
  for (double s : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_translate(cr, 0.09, s * w * 1.05);
    cairo_scale(cr, 0.035, 0.022);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    source(cr, shade(b, 0.8));
    cairo_fill(cr);
  }

  // Glasshouse: windscreen, roof, rear window.
  const Vec screen[] = {{0.05, -w * 0.8}, {0.19, -w * 0.66}, {0.215, 0},
                        {0.19, w * 0.66}, {0.05, w * 0.8},   {0.07, 0}};
  cairo_move_to(cr, screen[0].x, screen[0].y);
  cairo_line_to(cr, screen[1].x, screen[1].y);
  cairo_curve_to(cr, 0.215, -w * 0.3, 0.215, w * 0.3, screen[3].x, screen[3].y);
  cairo_line_to(cr, screen[4].x, screen[4].y);
  cairo_curve_to(cr, 0.07, w * 0.3, 0.07, -w * 0.3, screen[0].x, screen[0].y);
  cairo_close_path(cr);
  setLinear(cr, 0.05, -w, 0.2, w, {{0, {70, 96, 124}}, {0.45, {22, 30, 42}}, {1, {12, 16, 24}}});
  cairo_fill(cr);
  polygon(cr, {{0.09, -w * 0.62}, {0.15, -w * 0.58}, {0.11, -w * 0.05}, {0.075, -w * 0.1}});
  cairo_set_source_rgba(cr, 1, 1, 1, 0.28);
  cairo_fill(cr);

  roundedRect(cr, -0.2, -w * 0.74, 0.26, w * 1.48, 0.04);
  setLinear(cr, 0, -w * 0.74, 0, w * 0.74,
            {{0, shade(b, 0.7)}, {0.3, shade(b, 1.18)}, {1, shade(b, 0.6)}});
  cairo_fill_preserve(cr);
  source(cr, {0, 0, 0}, 0.35);
  cairo_stroke(cr);
  if (look.stripes) {
    cairo_rectangle(cr, -0.2, -w * 0.26, 0.26, w * 0.16);
    cairo_rectangle(cr, -0.2, w * 0.1, 0.26, w * 0.16);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_fill(cr);
  }

  cairo_move_to(cr, -0.2, -w * 0.72);
  cairo_line_to(cr, -0.31, -w * 0.6);
  cairo_curve_to(cr, -0.325, -w * 0.2, -0.325, w * 0.2, -0.31, w * 0.6);
  cairo_line_to(cr, -0.2, w * 0.72);
  cairo_close_path(cr);
  setLinear(cr, -0.3, -w, -0.2, w, {{0, {60, 80, 104}}, {1, {14, 18, 26}}});
  cairo_fill(cr);

  // Lamps.
  for (double s : {-1.0, 1.0}) {
    lamp(cr, 0.465, s * w * 0.66, 0.028, w * 0.17,
         look.headlamps ? Rgb{255, 246, 200} : Rgb{220, 226, 232}, {120, 130, 140}, look.headlamps);
    lamp(cr, -0.49, s * w * 0.68, 0.014, w * 0.2,
         look.brakeLights ? Rgb{255, 60, 40} : Rgb{190, 24, 20}, {90, 10, 10}, look.brakeLights);
  }
  cairo_restore(cr);
}

void truckShadow(cairo_t* cr, const Placement& at, double alpha) {
  const int radius = std::max(2, int(at.length * 0.07));
  blurred(
      cr,
      [&](cairo_t* lc) {
        enter(lc, at);
        roundedRect(lc, -0.5, -0.2, 1.0, 0.4, 0.03);
        cairo_fill(lc);
        cairo_restore(lc);
      },
      radius, {0, 0, 0}, alpha, at.length * 0.06, at.length * 0.08);
}

void paintTruck(cairo_t* cr, const Placement& at, Rgb cab, bool headlamps) {
  enter(cr, at);
  cairo_set_line_width(cr, 0.006);
  // Wheels peek out under the box and the cab.
  for (double x : {-0.38, -0.25, 0.3})
    for (double s : {-1.0, 1.0}) {
      roundedRect(cr, x - 0.05, s * 0.19 - 0.02, 0.1, 0.04, 0.01);
      cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
      cairo_fill(cr);
    }

  // Cab.
  roundedRect(cr, 0.2, -0.18, 0.3, 0.36, 0.07);
  setLinear(cr, 0, -0.18, 0, 0.18,
            {{0, shade(cab, 0.5)}, {0.3, shade(cab, 1.25)}, {0.6, cab}, {1, shade(cab, 0.45)}});
  cairo_fill_preserve(cr);
  source(cr, shade(cab, 0.3));
  cairo_stroke(cr);
  // Windscreen across the cab's front and the roof with its sun visor.
  roundedRect(cr, 0.4, -0.15, 0.055, 0.3, 0.02);
  setLinear(cr, 0, -0.15, 0, 0.15, {{0, {80, 110, 140}}, {1, {14, 20, 30}}});
  cairo_fill(cr);
  roundedRect(cr, 0.24, -0.14, 0.14, 0.28, 0.04);
  setLinear(cr, 0, -0.14, 0, 0.14,
            {{0, shade(cab, 0.85)}, {0.35, shade(cab, 1.35)}, {1, shade(cab, 0.7)}});
  cairo_fill(cr);
  for (double s : {-1.0, 1.0}) {
    roundedRect(cr, 0.4, s * 0.2 - 0.015, 0.04, 0.03, 0.01);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
    cairo_fill(cr);
    lamp(cr, 0.49, s * 0.13, 0.012, 0.035, headlamps ? Rgb{255, 246, 200} : Rgb{210, 216, 222},
         {120, 120, 120}, headlamps);
  }

  // Cargo box: pale panels with ribs and the firm's stripe.
  roundedRect(cr, -0.5, -0.2, 0.68, 0.4, 0.02);
  setLinear(cr, 0, -0.2, 0, 0.2,
            {{0, {150, 152, 160}},
             {0.25, {240, 240, 236}},
             {0.6, {214, 214, 212}},
             {1, {120, 122, 130}}});
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_stroke(cr);
  for (int i = 1; i < 8; ++i) {
    const double x = -0.5 + i * 0.085;
    cairo_move_to(cr, x, -0.195);
    cairo_line_to(cr, x, 0.195);
  }
  cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
  cairo_stroke(cr);
  cairo_rectangle(cr, -0.5, -0.05, 0.68, 0.1);
  source(cr, shade(cab, 0.95));
  cairo_fill(cr);
  cairo_rectangle(cr, -0.5, -0.05, 0.68, 0.012);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 0.085);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "KOLDER", &e);
  cairo_move_to(cr, -0.16 - e.width / 2 - e.x_bearing, 0.03);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_show_text(cr, "KOLDER");
  cairo_restore(cr);
  for (double s : {-1.0, 1.0}) {
    cairo_rectangle(cr, -0.505, s * 0.15 - 0.02, 0.012, 0.04);
    cairo_set_source_rgb(cr, 0.8, 0.1, 0.08);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void headlightBeams(cairo_t* cr, const Placement& at, double reach, double width, Rgb colour,
                    double alpha) {
  cairo_save(cr);
  cairo_translate(cr, at.x, at.y);
  cairo_rotate(cr, at.angle);
  const double front = at.length * 0.48;
  setRadial(cr, front, 0, 0, front, 0, reach,
            {{0, colour, alpha}, {0.5, colour, alpha * 0.35}, {1, colour, 0}});
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  const double half = at.length * 0.16;
  cairo_move_to(cr, front, -half);
  cairo_line_to(cr, front + reach, -half - width / 2);
  cairo_curve_to(cr, front + reach * 1.08, -width * 0.2, front + reach * 1.08, width * 0.2,
                 front + reach, half + width / 2);
  cairo_line_to(cr, front, half);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace art::story
