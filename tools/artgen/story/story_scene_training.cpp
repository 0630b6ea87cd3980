// The training's story picture: the practice ground outside town in the afternoon sun, a
// slalom of cones, parking bays and the learner car weaving along its line.
#include <array>
#include <cmath>
#include <utility>

#include "canvas.h"
#include "story_car.h"
#include "story_checks.h"
#include "story_paint.h"
#include "story_scenes.h"

namespace art::story {

namespace {

constexpr double kW = kSceneWidth, kH = kSceneHeight;
constexpr double kGrassEnd = 34;
// The sun is low in the upper left: shadows fall to the lower right.
constexpr double kShadowX = 5, kShadowY = 6;

void asphalt(cairo_t* cr) {
  setLinear(cr, 0, 0, kW * 0.6, kH, {{0, {150, 148, 142}}, {1, {104, 104, 106}}});
  cairo_paint(cr);
  mottle(cr, 41, 50, 9, 0.1);
  // Patched squares and cracks of an old surface.
  Rng rng(42);
  for (int i = 0; i < 5; ++i) {
    const double x = rng.range(40, 180), y = rng.range(50, 260);
    cairo_rectangle(cr, x, y, rng.range(14, 30), rng.range(10, 24));
    cairo_set_source_rgba(cr, 0.2, 0.2, 0.22, 0.16);
    cairo_fill(cr);
  }
  cairo_set_line_width(cr, 0.8);
  for (int i = 0; i < 6; ++i) {
    double x = rng.range(40, 190), y = rng.range(50, 270);
    cairo_move_to(cr, x, y);
    for (int k = 0; k < 5; ++k) {
      x += rng.range(-7, 7);
      y += rng.range(3, 9);
      cairo_line_to(cr, x, y);
    }
    cairo_set_source_rgba(cr, 0.15, 0.15, 0.16, 0.45);
    cairo_stroke(cr);
  }
  grain(cr, 43, 0.12);
}

void parkingBays(cairo_t* cr) {
  cairo_set_source_rgba(cr, 0.97, 0.97, 0.94, 0.85);
  for (double y = 54; y < kH; y += 26) cairo_rectangle(cr, 0, y, 38, 2);
  cairo_rectangle(cr, 38, 54, 2, kH - 54);
  cairo_fill(cr);
  // A parked car in one bay for scale.
  const Placement parked{20, 93, 30, 0};
  carShadow(cr, parked, 0.45);
  paintCar(cr, parked, {{70, 74, 84}});
}

void grassVerge(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, kW, kGrassEnd);
  setLinear(cr, 0, 0, 0, kGrassEnd, {{0, {74, 120, 52}}, {1, {96, 142, 62}}});
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kW, kGrassEnd);
  cairo_clip(cr);
  mottle(cr, 44, 30, 5, 0.15);
  grain(cr, 45, 0.15);
  cairo_restore(cr);
  // Kerb along the verge.
  cairo_rectangle(cr, 0, kGrassEnd, kW, 3);
  source(cr, {196, 194, 186});
  cairo_fill(cr);
  cairo_rectangle(cr, 0, kGrassEnd + 3, kW, 1.5);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
  cairo_fill(cr);
}

void tree(cairo_t* cr, double x, double y, double r, unsigned seed) {
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_arc(lc, x, y, r, 0, 2 * M_PI);
        cairo_fill(lc);
      },
      int(r * 0.4), {0, 0, 0}, 0.45, r * 0.6, r * 0.7);
  Rng rng(seed);
  // Clumps of leaves, each shaded from the light side.
  for (int i = 0; i < 7; ++i) {
    const double a = rng.range(0, 2 * M_PI), d = rng.range(0, r * 0.55);
    const double cx = x + std::cos(a) * d, cy = y + std::sin(a) * d, cr2 = r * rng.range(0.45, 0.6);
    setRadial(cr, cx - cr2 * 0.4, cy - cr2 * 0.4, 0, cx, cy, cr2,
              {{0, {130, 182, 80}}, {0.7, {58, 112, 44}}, {1, {34, 74, 32}}});
    cairo_arc(cr, cx, cy, cr2, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

void cone(cairo_t* cr, double x, double y, double s) {
  // A long shadow from the low sun.
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_move_to(lc, x - s * 0.35, y);
        cairo_line_to(lc, x + s * 0.35, y);
        cairo_line_to(lc, x + kShadowX * s * 0.5, y + kShadowY * s * 0.5);
        cairo_close_path(lc);
        cairo_fill(lc);
      },
      2, {0, 0, 0}, 0.5);
  roundedRect(cr, x - s * 0.55, y - s * 0.55, s * 1.1, s * 1.1, s * 0.15);
  source(cr, {196, 74, 20});
  cairo_fill(cr);
  setRadial(cr, x - s * 0.15, y - s * 0.15, 0, x, y, s * 0.45,
            {{0, {255, 196, 120}}, {0.5, {250, 120, 30}}, {1, {190, 70, 16}}});
  cairo_arc(cr, x, y, s * 0.45, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_arc(cr, x, y, s * 0.28, 0, 2 * M_PI);
  cairo_set_line_width(cr, s * 0.1);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
  cairo_stroke(cr);
  cairo_arc(cr, x, y, s * 0.09, 0, 2 * M_PI);
  source(cr, {255, 170, 90});
  cairo_fill(cr);
}

void tyreStack(cairo_t* cr, double x, double y) {
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_arc(lc, x, y, 8, 0, 2 * M_PI);
        cairo_fill(lc);
      },
      3, {0, 0, 0}, 0.5, 5, 6);
  cairo_arc(cr, x, y, 8, 0, 2 * M_PI);
  setRadial(cr, x - 3, y - 3, 1, x, y, 8, {{0, {80, 80, 84}}, {1, {18, 18, 20}}});
  cairo_fill(cr);
  cairo_arc(cr, x, y, 4, 0, 2 * M_PI);
  source(cr, {10, 10, 12});
  cairo_fill(cr);
  cairo_arc(cr, x, y, 6, M_PI, 1.5 * M_PI);
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  cairo_stroke(cr);
}

// A small circuit painted on the ground: a loop lane with a chequered start box.
void practiceLoop(cairo_t* cr) {
  cairo_set_line_width(cr, 1.6);
  cairo_set_source_rgba(cr, 0.97, 0.97, 0.94, 0.75);
  roundedRect(cr, 50, 62, 64, 186, 30);
  cairo_stroke(cr);
  roundedRect(cr, 70, 82, 24, 146, 12);
  cairo_stroke(cr);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 2; ++j) {
      cairo_rectangle(cr, 51 + i * 4.5, 150 + j * 4.5, 4.5, 4.5);
      if ((i + j) % 2)
        cairo_set_source_rgba(cr, 0.1, 0.1, 0.1, 0.75);
      else
        cairo_set_source_rgba(cr, 0.97, 0.97, 0.94, 0.85);
      cairo_fill(cr);
    }
}

// The slalom line: a sine wave around the cone column.
Vec line(double y) {
  return {140 + 22 * std::sin((y - 60) * M_PI / 46 + M_PI / 2), y};
}

void drivingLine(cairo_t* cr) {
  // Old tyre marks along the line, then the painted guide with arrows.
  for (double off : {-6.0, 6.0}) {
    cairo_move_to(cr, line(kH).x + off, kH);
    for (double y = kH; y > 40; y -= 3) cairo_line_to(cr, line(y).x + off, y);
    cairo_set_line_width(cr, 3);
    cairo_set_source_rgba(cr, 0.1, 0.1, 0.1, 0.16);
    cairo_stroke(cr);
  }
  const double dash[] = {6, 5};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_move_to(cr, line(kH).x, kH);
  for (double y = kH; y > 44; y -= 2) cairo_line_to(cr, line(y).x, y);
  cairo_set_line_width(cr, 2);
  cairo_set_source_rgba(cr, 1, 0.86, 0.2, 0.85);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  const Vec tip = line(46), back = line(52);
  const double a = std::atan2(tip.y - back.y, tip.x - back.x);
  cairo_move_to(cr, tip.x + 6 * std::cos(a), tip.y + 6 * std::sin(a));
  cairo_line_to(cr, tip.x + 6 * std::cos(a + 2.4), tip.y + 6 * std::sin(a + 2.4));
  cairo_line_to(cr, tip.x + 6 * std::cos(a - 2.4), tip.y + 6 * std::sin(a - 2.4));
  cairo_close_path(cr);
  cairo_fill(cr);
}

// The roof sign of the learner car: a small yellow box with an "L".
void learnerSign(cairo_t* cr, const Placement& at) {
  cairo_save(cr);
  cairo_translate(cr, at.x, at.y);
  cairo_rotate(cr, at.angle);
  cairo_translate(cr, -at.length * 0.07, 0);
  roundedRect(cr, -3, -4.5, 6, 9, 1.2);
  source(cr, {250, 214, 40});
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 0.8);
  source(cr, {120, 90, 10});
  cairo_stroke(cr);
  cairo_rotate(cr, M_PI / 2);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 6.5);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "L", &e);
  cairo_move_to(cr, -e.width / 2 - e.x_bearing, -e.height / 2 - e.y_bearing);
  source(cr, {200, 20, 20});
  cairo_show_text(cr, "L");
  cairo_restore(cr);
}

}  // namespace

Image trainingScene() {
  Canvas c(kSceneWidth, kSceneHeight);
  cairo_t* cr = c.cr();
  asphalt(cr);
  parkingBays(cr);
  practiceLoop(cr);
  drivingLine(cr);
  for (double y = 60; y < kH; y += 46) cone(cr, 140, y, 10);
  for (auto [x, y] : {std::pair{64.0, 84.0}, {100.0, 84.0}, {64.0, 226.0}, {100.0, 226.0}})
    cone(cr, x, y, 7);
  for (auto [x, y] : {std::pair{178.0, 240.0}, {188.0, 254.0}, {176.0, 258.0}, {190.0, 270.0}})
    tyreStack(cr, x, y);

  // The car between the second and third cone, heading along the line.
  const double cy = 150;
  const Vec here = line(cy), ahead = line(cy - 4);
  const Placement car{here.x, cy, 46, std::atan2(ahead.y - cy, ahead.x - here.x)};
  carShadow(cr, car, 0.55);
  paintCar(cr, car, {{236, 236, 232}, false, false, true});
  learnerSign(cr, car);

  grassVerge(cr);
  for (auto [x, y, r] :
       {std::array<double, 3>{14, 12, 15}, {46, 18, 12}, {92, 8, 16}, {134, 16, 12}, {176, 10, 16}})
    tree(cr, x, y, r, unsigned(x));

  // Warm afternoon light over everything.
  setGlow(cr, 0, 0, 10, 320, {255, 214, 150}, 0.25);
  cairo_paint(cr);
  vignette(cr, 0.45);
  Image img = c.toImage();
  avoidKey(img);
  return img;
}

}  // namespace art::story
