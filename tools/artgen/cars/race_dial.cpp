// The dashboard dial (budikw/budikb) and the lap-times panel background (timew/timeb), both
// mask pairs drawn over the race view.
//
// The game draws the needles itself: the speed needle is 30 pixels long from (36, 36) of the
// dial, at a = speed / 2 x scale x 50 degrees; the rev needle 25 pixels from (96, 57) at
// a = revs x 20. Angle 0 points left and the angle grows clockwise over the top. The scales
// below are laid out from exactly those numbers.
#include <cmath>
#include <stdexcept>
#include <string>

#include "canvas.h"
#include "cars/cars_paint.h"
#include "keyed.h"

namespace art::cars {

namespace {

constexpr int kDialW = 125, kDialH = 85;

struct Gauge {
  double cx, cy;  // needle pivot inside the dial
  double needle;  // needle length
  double face;    // radius of the dial face
  double bezel;   // outer radius of the chrome ring
};
constexpr Gauge kSpeed{36, 36, 30, 33, 35.5};
constexpr Gauge kRevs{96, 57, 25, 25.5, 27.5};

// Speed shown at needle angle a: one pixel per frame moves the needle 25 degrees, which the
// dial reads as 22.5 km/h, so the cars' top speeds land near the menu's figures.
constexpr double kKmhPerDegree = 0.9;
constexpr double kRevDegreesPerUnit = 20;  // one unit of revs is 1000 rpm on the dial

// The point at radius r along the needle angle a (degrees) of a gauge.
void at(const Gauge& g, double a, double r, double* x, double* y) {
  const double rad = a * kPi / 180;
  *x = g.cx - r * std::cos(rad);
  *y = g.cy - r * std::sin(rad);
}

void tick(cairo_t* cr, const Gauge& g, double a, double r0, double r1, double width, Rgb t) {
  double x0, y0, x1, y1;
  at(g, a, r0, &x0, &y0);
  at(g, a, r1, &x1, &y1);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  source(cr, t);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// A band along the scale between two needle angles.
void band(cairo_t* cr, const Gauge& g, double a0, double a1, double r0, double r1, Rgb t,
          double alpha) {
  // Needle angle a points at screen angle 180 + a (cairo's angles grow clockwise too).
  cairo_new_path(cr);
  cairo_arc(cr, g.cx, g.cy, r1, (180 + a0) * kPi / 180, (180 + a1) * kPi / 180);
  cairo_arc_negative(cr, g.cx, g.cy, r0, (180 + a1) * kPi / 180, (180 + a0) * kPi / 180);
  cairo_close_path(cr);
  source(cr, t, alpha);
  cairo_fill(cr);
}

void label(cairo_t* cr, const Gauge& g, double a, double r, const std::string& text, double size) {
  double x, y;
  at(g, a, r, &x, &y);
  setFont(cr, size, true);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_move_to(cr, x - e.x_bearing - e.width / 2, y - e.y_bearing - e.height / 2);
  cairo_show_text(cr, text.c_str());
}

void face(cairo_t* cr, const Gauge& g) {
  // Chrome ring lit from the top, then the dark face with a faint glass sheen.
  setLinear(cr, 0, g.cy - g.bezel, 0, g.cy + g.bezel,
            {{0.0, {196, 200, 208}}, {0.45, {70, 74, 82}}, {1.0, {150, 154, 162}}});
  cairo_arc(cr, g.cx, g.cy, g.bezel, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_arc(cr, g.cx, g.cy, g.face + 0.6, 0, 2 * kPi);
  source(cr, {8, 9, 12});
  cairo_fill(cr);
  setRadial(cr, g.cx, g.cy - g.face * 0.3, 1, g.cx, g.cy, g.face,
            {{0.0, {42, 48, 62}}, {1.0, {12, 14, 20}}});
  cairo_arc(cr, g.cx, g.cy, g.face, 0, 2 * kPi);
  cairo_fill(cr);
}

void sheenAndHub(cairo_t* cr, const Gauge& g) {
  cairo_save(cr);
  cairo_arc(cr, g.cx, g.cy, g.face, 0, 2 * kPi);
  cairo_clip(cr);
  cairo_pattern_t* s = cairo_pattern_create_linear(0, g.cy - g.face, 0, g.cy);
  cairo_pattern_add_color_stop_rgba(s, 0, 1, 1, 1, 0.10);
  cairo_pattern_add_color_stop_rgba(s, 1, 1, 1, 1, 0.0);
  cairo_set_source(cr, s);
  cairo_arc(cr, g.cx - g.face * 0.25, g.cy - g.face * 0.55, g.face * 0.8, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(s);
  cairo_restore(cr);
  // The hub the needle turns on.
  setRadial(cr, g.cx - 1, g.cy - 1, 0.3, g.cx, g.cy, 3.5,
            {{0.0, {210, 214, 220}}, {1.0, {40, 42, 48}}});
  cairo_arc(cr, g.cx, g.cy, 3.5, 0, 2 * kPi);
  cairo_fill(cr);
}

void speedScale(cairo_t* cr) {
  const Gauge& g = kSpeed;
  constexpr Rgb kTick{236, 238, 242};
  band(cr, g, 150 / kKmhPerDegree, 180 / kKmhPerDegree, 30.5, 32.5, {255, 150, 30}, 0.9);
  for (int kmh = 0; kmh <= 180; kmh += 10) {
    const double a = kmh / kKmhPerDegree;
    if (kmh % 20 == 0)
      tick(cr, g, a, 25.5, 32.5, 1.4, kTick);
    else
      tick(cr, g, a, 28.5, 32.5, 0.8, shade(kTick, 0.8));
  }
  source(cr, kTick);
  for (int kmh = 0; kmh <= 160; kmh += 40)
    label(cr, g, kmh / kKmhPerDegree, kmh >= 120 ? 17 : 18.5, std::to_string(kmh), 7);
  setFont(cr, 6.5, true);
  source(cr, {255, 160, 40});
  cairo_text_extents_t e;
  cairo_text_extents(cr, "km/h", &e);
  cairo_move_to(cr, g.cx - e.x_bearing - e.width / 2, g.cy + 15);
  cairo_show_text(cr, "km/h");
}

void revScale(cairo_t* cr) {
  const Gauge& g = kRevs;
  constexpr Rgb kTick{236, 238, 242};
  band(cr, g, 8.5 * kRevDegreesPerUnit, 10.5 * kRevDegreesPerUnit, 19.5, 24.5, {230, 30, 30}, 0.95);
  for (int half = 0; half <= 20; ++half) {
    const double a = half * 0.5 * kRevDegreesPerUnit;
    if (half % 2 == 0)
      tick(cr, g, a, 19.5, 24.5, 1.3, kTick);
    else
      tick(cr, g, a, 22, 24.5, 0.8, shade(kTick, 0.8));
  }
  source(cr, kTick);
  for (int revs = 0; revs <= 10; revs += 2)
    label(cr, g, revs * kRevDegreesPerUnit, revs == 10 ? 13 : 14, std::to_string(revs), 6);
  setFont(cr, 5.5, true);
  source(cr, {255, 160, 40});
  cairo_text_extents_t e;
  cairo_text_extents(cr, "x1000", &e);
  cairo_move_to(cr, g.cx - e.x_bearing - e.width / 2, g.cy + 13);
  cairo_show_text(cr, "x1000");
}

MaskPair dial() {
  Canvas c(kDialW, kDialH);
  cairo_t* cr = c.cr();
  // The housing that joins the two gauges into one cluster.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, kSpeed.cx, kSpeed.cy);
  cairo_line_to(cr, kRevs.cx, kRevs.cy);
  source(cr, {90, 94, 104});
  cairo_set_line_width(cr, 28);
  cairo_stroke_preserve(cr);
  source(cr, {22, 24, 30});
  cairo_set_line_width(cr, 26);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  face(cr, kSpeed);
  face(cr, kRevs);
  speedScale(cr);
  revScale(cr);
  sheenAndHub(cr, kSpeed);
  sheenAndHub(cr, kRevs);
  return maskPair(c);
}

// Checks that every tick of the scales lies where the needles point: the tick at each scale
// value must sit on the needle's line, just beyond its tip.
void checkDial(const MaskPair& d) {
  auto onShape = [&](const Gauge& g, double a, double r) {
    double x, y;
    at(g, a, r, &x, &y);
    return d.mask.at(int(x), int(y)) == 0;
  };
  for (double a = -8; a <= 207; a += 1) {
    if (!onShape(kSpeed, std::min(a, 197.0), kSpeed.needle) || !onShape(kRevs, a, kRevs.needle))
      throw std::runtime_error("budik: a needle reaches beyond the dial");
  }
  if (!onShape(kSpeed, 0, 0) || !onShape(kRevs, 0, 0))
    throw std::runtime_error("budik: a needle pivot lies outside the dial");
}

constexpr int kTimeW = 98, kTimeH = 59;
constexpr int kBoxW = 81;  // the sliding box of lap times; the rest is the tab that stays in view

void stopwatch(cairo_t* cr, double cx, double cy) {
  source(cr, {236, 238, 242});
  cairo_rectangle(cr, cx - 1.2, cy - 8.2, 2.4, 2);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.3);
  cairo_arc(cr, cx, cy, 5, 0, 2 * kPi);
  cairo_stroke(cr);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx, cy - 3.6);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + 2.6, cy + 1.2);
  source(cr, {255, 160, 40});
  cairo_set_line_width(cr, 1.1);
  cairo_stroke(cr);
}

MaskPair lapPanel() {
  Canvas c(kTimeW, kTimeH);
  cairo_t* cr = c.cr();
  // Flush with the top and left edges of the view; rounded where it meets the track.
  const double r = 9;
  auto shape = [&](double inset) {
    cairo_new_path(cr);
    cairo_move_to(cr, -1, -1);
    cairo_line_to(cr, kTimeW - inset, -1);
    cairo_line_to(cr, kTimeW - inset, kTimeH - inset - r);
    cairo_arc(cr, kTimeW - inset - r, kTimeH - inset - r, r, 0, kPi / 2);
    cairo_line_to(cr, -1, kTimeH - inset);
    cairo_close_path(cr);
  };
  shape(0);
  source(cr, {150, 104, 24});
  cairo_fill(cr);
  shape(1.5);
  setLinear(cr, 0, 0, 0, kTimeH, {{0.0, {34, 40, 58}}, {1.0, {14, 17, 26}}});
  cairo_fill(cr);
  // A fine carbon weave and a lit top edge, so the plate is not a flat fill.
  cairo_save(cr);
  shape(1.5);
  cairo_clip(cr);
  for (int y = 0; y < kTimeH; y += 2)
    for (int x = 0; x < kTimeW; x += 2) {
      const bool light = ((x / 2) + (y / 2)) % 2 == 0;
      cairo_rectangle(cr, x, y, 2, 2);
      cairo_set_source_rgba(cr, light ? 1 : 0, light ? 1 : 0, light ? 1 : 0, light ? 0.035 : 0.12);
      cairo_fill(cr);
    }
  cairo_move_to(cr, 0, 0.5);
  cairo_line_to(cr, kTimeW, 0.5);
  source(cr, {90, 100, 124}, 0.6);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
  // The tab that stays in view while the box is put away: a darker strip with a stopwatch.
  cairo_save(cr);
  shape(1.5);
  cairo_clip(cr);
  cairo_rectangle(cr, kBoxW, 0, kTimeW - kBoxW, kTimeH);
  source(cr, {10, 12, 18}, 0.55);
  cairo_fill(cr);
  cairo_move_to(cr, kBoxW + 0.5, 3);
  cairo_line_to(cr, kBoxW + 0.5, kTimeH - 4);
  source(cr, {70, 78, 100});
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
  stopwatch(cr, kBoxW + (kTimeW - kBoxW) / 2.0 + 0.5, 14);
  // A grip below it: the handle the box slides out by.
  for (int i = 0; i < 3; ++i) {
    const double y = 31.5 + i * 4;
    cairo_move_to(cr, kBoxW + 5, y);
    cairo_line_to(cr, kBoxW + 13, y);
    source(cr, {8, 10, 14});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, kBoxW + 5, y + 1);
    cairo_line_to(cr, kBoxW + 13, y + 1);
    source(cr, {90, 100, 124});
    cairo_stroke(cr);
  }
  return maskPair(c);
}

void writePanels(const Context& ctx) {
  const MaskPair d = dial();
  checkSize(d.mask, kDialW, kDialH, "budikw");
  checkMaskPair(d.mask, d.image, "budikw/budikb");
  checkDial(d);
  ctx.writeBmp("/gfx/builtin/Form1/budikw.bmp", d.mask);
  ctx.writeBmp("/gfx/builtin/Form1/budikb.bmp", d.image);

  const MaskPair t = lapPanel();
  checkSize(t.mask, kTimeW, kTimeH, "timew");
  checkMaskPair(t.mask, t.image, "timew/timeb");
  ctx.writeBmp("/gfx/builtin/Form1/timew.bmp", t.mask);
  ctx.writeBmp("/gfx/builtin/Form1/timeb.bmp", t.image);
}

}  // namespace

}  // namespace art::cars

ARTGEN_MODULE("race_dial", art::cars::writePanels);
