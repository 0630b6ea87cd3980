// The race's story picture: two cars side by side, seen from above, racing for the line under
// the evening floodlights.
#include <cmath>

#include "canvas.h"
#include "story_car.h"
#include "story_checks.h"
#include "story_scenes.h"

namespace art::story {

namespace {

constexpr double kW = kSceneWidth, kH = kSceneHeight;
constexpr double kRoadL = 22, kRoadR = 176;

void grass(cairo_t* cr) {
  setLinear(cr, 0, 0, 0, kH, {{0, {52, 92, 44}}, {1, {30, 62, 30}}});
  cairo_paint(cr);
  // Mowing stripes.
  for (int i = 0; i < 12; ++i) {
    cairo_rectangle(cr, 0, i * 24, kW, 12);
  }
  cairo_set_source_rgba(cr, 1, 1, 0.8, 0.05);
  cairo_fill(cr);
  grain(cr, 11, 0.16);
}

void kerbs(cairo_t* cr) {
  for (double x : {kRoadL - 9, kRoadR}) {
    for (int i = -1; i < 25; ++i) {
      const double y = i * 12 + 4;
      cairo_rectangle(cr, x, y, 9, 12);
      if (i % 2) {
        source(cr, {236, 236, 230});
      } else {
        source(cr, {200, 36, 32});
      }
      cairo_fill(cr);
    }
    // Rounded top of the kerb: light on the left edge, shade on the right.
    setLinear(cr, x, 0, x + 9, 0,
              {{0, {255, 255, 255}, 0.25}, {0.4, {255, 255, 255}, 0}, {1, {0, 0, 0}, 0.35}});
    cairo_rectangle(cr, x, 0, 9, kH);
    cairo_fill(cr);
  }
}

void asphalt(cairo_t* cr) {
  cairo_save(cr);
  cairo_rectangle(cr, kRoadL, 0, kRoadR - kRoadL, kH);
  cairo_clip(cr);
  setLinear(cr, kRoadL, 0, kRoadR, kH, {{0, {84, 86, 94}}, {1, {48, 50, 56}}});
  cairo_paint(cr);
  mottle(cr, 14, 40, 8, 0.12);
  grain(cr, 12, 0.1);
  // Darker rubbered lines where the cars run.
  for (double x : {72.0, 126.0}) {
    setLinear(cr, x - 22, 0, x + 22, 0,
              {{0, {0, 0, 0}, 0}, {0.5, {0, 0, 0}, 0.18}, {1, {0, 0, 0}, 0}});
    cairo_paint(cr);
  }
  // Edge lines.
  for (double x : {kRoadL + 3, kRoadR - 5}) cairo_rectangle(cr, x, 0, 2, kH);
  cairo_set_source_rgba(cr, 0.95, 0.95, 0.92, 0.85);
  cairo_fill(cr);
  cairo_restore(cr);
}

void finishLine(cairo_t* cr, double y) {
  const double sq = 7;
  for (int row = 0; row < 2; ++row)
    for (int i = 0; kRoadL + i * sq < kRoadR; ++i) {
      cairo_rectangle(cr, kRoadL + i * sq, y + row * sq, sq, sq);
      if ((i + row) % 2)
        cairo_set_source_rgba(cr, 0.08, 0.08, 0.09, 0.9);
      else
        cairo_set_source_rgba(cr, 0.95, 0.95, 0.93, 0.92);
      cairo_fill(cr);
    }
  grain(cr, 13, 0.04);
}

// The gantry over the line: a truss beam with lamps, and its shadow on the road.
void gantry(cairo_t* cr) {
  blurred(
      cr,
      [](cairo_t* lc) {
        cairo_rectangle(lc, 0, 18, kW, 9);
        cairo_fill(lc);
      },
      5, {0, 0, 0}, 0.45, 10, 14);
  cairo_rectangle(cr, 0, 12, kW, 10);
  setLinear(cr, 0, 12, 0, 22, {{0, {150, 156, 168}}, {0.4, {96, 100, 112}}, {1, {40, 42, 50}}});
  cairo_fill(cr);
  // Truss diagonals.
  cairo_set_line_width(cr, 1);
  for (double x = 0; x < kW; x += 10) {
    cairo_move_to(cr, x, 13);
    cairo_line_to(cr, x + 5, 21);
    cairo_line_to(cr, x + 10, 13);
  }
  cairo_set_source_rgba(cr, 0.1, 0.1, 0.12, 0.6);
  cairo_stroke(cr);
  // Lamps under the beam.
  for (double x : {50.0, 99.0, 148.0}) {
    roundedRect(cr, x - 5, 15, 10, 5, 1.5);
    source(cr, {255, 250, 220});
    cairo_fill(cr);
  }
  for (double x : {0.0, kW - 10}) {
    roundedRect(cr, x, 8, 10, 18, 2);
    source(cr, {70, 72, 82});
    cairo_fill(cr);
  }
}

void skidMarks(cairo_t* cr, double x, double y0) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double dx : {-12.0, 12.0}) {
    cairo_move_to(cr, x + dx + 4, kH + 4);
    cairo_curve_to(cr, x + dx - 6, kH - 30, x + dx + 3, y0 + 40, x + dx, y0);
    cairo_set_line_width(cr, 5);
    cairo_set_source_rgba(cr, 0.05, 0.05, 0.06, 0.35);
    cairo_stroke(cr);
  }
}

// Faint bright streaks along the road: the speed.
void speedStreaks(cairo_t* cr) {
  Rng rng(77);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 26; ++i) {
    const double x = rng.range(kRoadL + 6, kRoadR - 6), y = rng.range(40, kH);
    const double len = rng.range(20, 70);
    setLinear(cr, x, y, x, y + len,
              {{0, {255, 255, 255}, 0},
               {0.5, {255, 255, 255}, rng.range(0.08, 0.22)},
               {1, {255, 255, 255}, 0}});
    cairo_set_line_width(cr, rng.range(0.8, 1.6));
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y + len);
    cairo_stroke(cr);
  }
}

// A car with its motion trail: fading copies behind it, then the sharp car.
void racingCar(cairo_t* cr, const Placement& at, const CarLook& look) {
  carShadow(cr, at, 0.6);
  cairo_push_group(cr);
  paintCar(cr, at, look);
  cairo_pattern_t* car = cairo_pop_group(cr);
  for (int i = 6; i >= 1; --i) {
    cairo_save(cr);
    cairo_translate(cr, 0, i * 5.0);
    cairo_set_source(cr, car);
    cairo_paint_with_alpha(cr, 0.05 + 0.02 * (6 - i));
    cairo_restore(cr);
  }
  headlightBeams(cr, at, 60, 34, {255, 236, 190}, 0.22);
  cairo_set_source(cr, car);
  cairo_paint(cr);
  cairo_pattern_destroy(car);
}

// Blue-grey smoke from the rear tyres of a car pushing hard.
void tyreSmoke(cairo_t* cr, double x, double y) {
  Rng rng(unsigned(x * 13 + y));
  blurred(
      cr,
      [&](cairo_t* lc) {
        for (int i = 0; i < 9; ++i) {
          const double px = x + rng.range(-16, 16), py = y + rng.range(0, 40);
          cairo_arc(lc, px, py, rng.range(4, 9), 0, 2 * M_PI);
          cairo_fill(lc);
        }
      },
      10, {210, 214, 224}, 0.45);
}

}  // namespace

Image raceScene() {
  Canvas c(kSceneWidth, kSceneHeight);
  cairo_t* cr = c.cr();
  grass(cr);
  kerbs(cr);
  asphalt(cr);
  finishLine(cr, 52);
  skidMarks(cr, 70, 200);
  skidMarks(cr, 128, 190);
  speedStreaks(cr);
  tyreSmoke(cr, 70, 222);
  const Placement red{70, 178, 84, -M_PI / 2};
  const Placement blue{128, 168, 84, -M_PI / 2 + 0.025};
  racingCar(cr, red, {{206, 28, 26}, true, true, false});
  racingCar(cr, blue, {{30, 84, 196}, false, true, false});
  gantry(cr);
  vignette(cr, 0.55);
  Image img = c.toImage();
  avoidKey(img);
  return img;
}

}  // namespace art::story
