// The free ride's story picture: a village road at sunset, fields to the horizon, a car rolling
// towards the village on the hill.
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "story_checks.h"
#include "story_paint.h"
#include "story_scenes.h"

namespace art::story {

namespace {

constexpr double kW = kSceneWidth, kH = kSceneHeight;
constexpr double kHorizon = 150;
constexpr double kSunX = 126, kSunY = 136;

// The road: t runs from the horizon (0) to the bottom edge (1).
double roadY(double t) {
  return kHorizon + 1 + (kH + 4 - kHorizon) * t * t;
}
double roadX(double t) {
  return 104 + 26 * std::sin(t * 3.4 - 0.4) * t - 10 * t;
}
double roadHalf(double t) {
  return 1 + 62 * t * t;
}

void sky(cairo_t* cr) {
  setLinear(
      cr, 0, 0, 0, kHorizon,
      {{0, {34, 28, 82}}, {0.45, {104, 56, 116}}, {0.75, {220, 104, 92}}, {1, {255, 186, 108}}});
  cairo_rectangle(cr, 0, 0, kW, kHorizon + 2);
  cairo_fill(cr);
  // First stars in the darkest part.
  Rng rng(51);
  for (int i = 0; i < 18; ++i) {
    const double y = rng.range(2, 40);
    cairo_arc(cr, rng.range(0, kW), y, rng.range(0.3, 0.7), 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7 * (1 - y / 45));
    cairo_fill(cr);
  }
  // The sun and its glow.
  blurred(
      cr,
      [](cairo_t* lc) {
        cairo_arc(lc, kSunX, kSunY, 30, 0, 2 * M_PI);
        cairo_fill(lc);
      },
      30, {255, 190, 110}, 0.8, 0, 0, CAIRO_OPERATOR_ADD);
  setRadial(cr, kSunX, kSunY, 0, kSunX, kSunY, 13,
            {{0, {255, 252, 230}}, {0.8, {255, 226, 150}}, {1, {255, 200, 120}}});
  cairo_arc(cr, kSunX, kSunY, 13, 0, 2 * M_PI);
  cairo_fill(cr);
}

void clouds(cairo_t* cr) {
  struct Cloud {
    double x, y, w, h;
  };
  const Cloud cs[] = {{40, 52, 70, 6}, {150, 40, 90, 7},  {100, 78, 110, 5},
                      {20, 96, 60, 4}, {170, 104, 60, 4}, {70, 118, 80, 3}};
  for (const Cloud& c : cs) {
    auto shape = [&](double dy) {
      return [&c, dy](cairo_t* lc) {
        cairo_save(lc);
        cairo_translate(lc, c.x, c.y + dy);
        cairo_scale(lc, c.w / 2, c.h / 2);
        cairo_arc(lc, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(lc);
        cairo_fill(lc);
      };
    };
    // Body in the shadow colour of the sky, underside lit by the sun below the horizon.
    const double glow = 1 - std::min(1.0, std::abs(c.x - kSunX) / 140);
    blurred(cr, shape(0), 3, {92, 54, 104}, 0.75);
    blurred(cr, shape(1.6), 2, mix({230, 120, 110}, {255, 200, 140}, glow), 0.55, 0, 0,
            CAIRO_OPERATOR_OVER);
  }
}

// A line of hills: a sum of sines above the base line.
void hills(cairo_t* cr, double base, double height, double phase, Rgb near, Rgb far) {
  cairo_move_to(cr, 0, kHorizon + 20);
  for (double x = 0; x <= kW; x += 2) {
    const double y = base - height * (0.6 + 0.4 * std::sin(x * 0.035 + phase)) *
                                (0.7 + 0.3 * std::sin(x * 0.11 + phase * 2));
    cairo_line_to(cr, x, y);
  }
  cairo_line_to(cr, kW, kHorizon + 20);
  cairo_close_path(cr);
  setLinear(cr, 0, base - height, 0, kHorizon, {{0, near}, {1, far}});
  cairo_fill(cr);
}

// The village on the hill: houses, the church and lit windows against the sunset.
void village(cairo_t* cr) {
  const Rgb dark{52, 34, 64};
  source(cr, dark);
  Rng rng(52);
  for (int i = 0; i < 9; ++i) {
    const double x = 8 + i * 9 + rng.range(-2, 2), w = rng.range(6, 9), h = rng.range(4, 7);
    const double base = 141 + rng.range(-1, 2);
    cairo_rectangle(cr, x, base - h, w, h + 8);
    cairo_move_to(cr, x - 1, base - h);
    cairo_line_to(cr, x + w / 2, base - h - w * 0.55);
    cairo_line_to(cr, x + w + 1, base - h);
    cairo_close_path(cr);
  }
  // Church: nave, tower and spire.
  cairo_rectangle(cr, 52, 126, 7, 20);
  cairo_move_to(cr, 50.5, 126);
  cairo_line_to(cr, 55.5, 110);
  cairo_line_to(cr, 60.5, 126);
  cairo_close_path(cr);
  cairo_rectangle(cr, 59, 133, 14, 10);
  cairo_fill(cr);
  cairo_move_to(cr, 55.5, 108);
  cairo_line_to(cr, 55.5, 104);
  cairo_move_to(cr, 53.8, 105.6);
  cairo_line_to(cr, 57.2, 105.6);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  // Trees between the houses.
  for (double x : {4.0, 31.0, 46.0, 82.0, 90.0}) {
    cairo_arc(cr, x, 139, 4.5, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  // Windows.
  for (int i = 0; i < 14; ++i) {
    const double x = rng.range(8, 88), y = rng.range(137, 144);
    blurred(
        cr,
        [&](cairo_t* lc) {
          cairo_rectangle(lc, x - 1, y - 1, 3, 3);
          cairo_fill(lc);
        },
        3, {255, 200, 100}, 0.6, 0, 0, CAIRO_OPERATOR_ADD);
    cairo_rectangle(cr, x, y, 1.2, 1.2);
    source(cr, {255, 230, 150});
    cairo_fill(cr);
  }
  source(cr, {255, 220, 140});
  cairo_rectangle(cr, 54.5, 120, 2, 2.5);
  cairo_fill(cr);
}

void fields(cairo_t* cr) {
  cairo_rectangle(cr, 0, kHorizon, kW, kH - kHorizon);
  setLinear(cr, 0, kHorizon, 0, kH,
            {{0, {190, 120, 80}}, {0.25, {126, 96, 56}}, {1, {52, 48, 30}}});
  cairo_fill(cr);
  // Furrows fanning out from the vanishing point, alternating crop colours.
  const double vx = roadX(0), vy = kHorizon;
  for (int i = -14; i < 14; ++i) {
    const double x0 = vx + i * 34, x1 = vx + (i + 1) * 34;
    cairo_move_to(cr, vx, vy);
    cairo_line_to(cr, vx + (x0 - vx) * 1.0, kH);
    cairo_line_to(cr, vx + (x1 - vx) * 1.0, kH);
    cairo_close_path(cr);
    const Rgb tone = (i % 3 == 0)   ? Rgb{220, 170, 80}
                     : (i % 3 == 1) ? Rgb{110, 130, 50}
                                    : Rgb{180, 120, 60};
    source(cr, tone, 0.22);
    cairo_fill(cr);
  }
  for (int i = -30; i < 30; ++i) {
    cairo_move_to(cr, vx, vy);
    cairo_line_to(cr, vx + i * 11, kH);
  }
  cairo_set_line_width(cr, 0.6);
  cairo_set_source_rgba(cr, 0.15, 0.1, 0.05, 0.25);
  cairo_stroke(cr);
  // Hedgerows across the fields, closer together towards the horizon.
  for (int k = 1; k < 6; ++k) {
    const double t = k / 6.0, y = kHorizon + 1 + (kH - kHorizon) * t * t * 0.9;
    cairo_rectangle(cr, 0, y, kW, 1 + 3 * t);
    cairo_set_source_rgba(cr, 0.12, 0.12, 0.06, 0.55);
    cairo_fill(cr);
  }
  // The sun's warm light skimming across the near fields.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  setGlow(cr, kSunX, kHorizon, 2, 110, {255, 160, 90}, 0.45);
  cairo_rectangle(cr, 0, kHorizon, kW, kH - kHorizon);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, kHorizon, kW, kH - kHorizon);
  cairo_clip(cr);
  grain(cr, 53, 0.14);
  cairo_restore(cr);
}

void roadEdge(cairo_t* cr, double side, double offset) {
  for (int i = 0; i <= 60; ++i) {
    const double t = i / 60.0;
    const double x = roadX(t) + side * (roadHalf(t) + offset * t), y = roadY(t);
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
}

void road(cairo_t* cr) {
  roadEdge(cr, -1, 0);
  for (int i = 60; i >= 0; --i) {
    const double t = i / 60.0;
    cairo_line_to(cr, roadX(t) + roadHalf(t), roadY(t));
  }
  cairo_close_path(cr);
  setLinear(cr, 0, kHorizon, 0, kH, {{0, {170, 120, 110}}, {0.2, {96, 78, 92}}, {1, {44, 42, 52}}});
  cairo_fill_preserve(cr);
  // The sun's reflection running down the tarmac.
  cairo_save(cr);
  cairo_clip(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  setLinear(cr, 0, kHorizon, 0, kH, {{0, {255, 170, 100}, 0.5}, {0.6, {255, 170, 100}, 0.05}});
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  grain(cr, 54, 0.1);
  cairo_restore(cr);
  // White edge lines.
  cairo_set_line_width(cr, 1.2);
  for (double side : {-1.0, 1.0}) {
    roadEdge(cr, side, -7);
    cairo_set_source_rgba(cr, 1, 0.95, 0.88, 0.7);
    cairo_stroke(cr);
  }
  // Dashes in the middle: equal lengths on the ground, so shorter towards the horizon.
  for (int k = 0; k < 40; ++k) {
    const double d0 = k * 1.0, d1 = k + 0.5;  // distance units
    const double t0 = 1.0 / (1 + d0 * 0.35), t1 = 1.0 / (1 + d1 * 0.35);
    if (t1 < 0.04) break;
    const double w0 = 0.2 + 1.6 * t0 * t0, w1 = 0.2 + 1.6 * t1 * t1;
    polygon(cr, {{roadX(t0) - w0, roadY(t0)},
                 {roadX(t0) + w0, roadY(t0)},
                 {roadX(t1) + w1, roadY(t1)},
                 {roadX(t1) - w1, roadY(t1)}});
    cairo_set_source_rgba(cr, 1, 0.95, 0.85, 0.85);
    cairo_fill(cr);
  }
}

// A poplar standing at road distance t beside the road, lit on its sun side.
void poplar(cairo_t* cr, double t, double side, double gap) {
  const double s = t * t;
  const double x = roadX(t) + side * (roadHalf(t) + gap * s), y = roadY(t);
  const double h = 8 + 150 * s, w = 2 + 26 * s;
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_save(lc);
        cairo_translate(lc, x + w * 0.8, y + 1);
        cairo_scale(lc, w * 1.4, w * 0.25 + 0.5);
        cairo_arc(lc, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(lc);
        cairo_fill(lc);
      },
      2, {0, 0, 0}, 0.45);
  cairo_rectangle(cr, x - w * 0.06, y - h * 0.25, w * 0.12, h * 0.25);
  source(cr, {40, 26, 30});
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, x, y - h * 0.58);
  cairo_scale(cr, w / 2, h * 0.5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(x - w / 2, 0, x + w / 2, 0);
  const bool sunLeft = kSunX < x;
  addStop(p, 0, sunLeft ? Rgb{150, 90, 50} : Rgb{30, 34, 24});
  addStop(p, 0.35, {54, 56, 32});
  addStop(p, 1, sunLeft ? Rgb{24, 28, 20} : Rgb{150, 90, 50});
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// The car from behind, rolling away towards the village; tail lamps glowing.
void car(cairo_t* cr, double t) {
  const double x = roadX(t) + roadHalf(t) * 0.38, y = roadY(t);
  const double w = 44, h = 30;
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_save(lc);
        cairo_translate(lc, x, y);
        cairo_scale(lc, w * 0.62, 4);
        cairo_arc(lc, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(lc);
        cairo_fill(lc);
      },
      3, {0, 0, 0}, 0.8);
  // Wheels.
  for (double s : {-1.0, 1.0}) {
    roundedRect(cr, x + s * w * 0.36 - 4.5, y - 7, 9, 8, 2);
    source(cr, {14, 12, 16});
    cairo_fill(cr);
  }
  // Body: lower part and the cabin.
  const double top = y - h;
  cairo_move_to(cr, x - w / 2, y - 4);
  cairo_line_to(cr, x - w / 2, y - 14);
  cairo_curve_to(cr, x - w / 2, y - 18, x - w * 0.44, y - 19, x - w * 0.38, y - 19);
  cairo_line_to(cr, x - w * 0.3, top + 3);
  cairo_curve_to(cr, x - w * 0.28, top, x + w * 0.28, top, x + w * 0.3, top + 3);
  cairo_line_to(cr, x + w * 0.38, y - 19);
  cairo_curve_to(cr, x + w * 0.44, y - 19, x + w / 2, y - 18, x + w / 2, y - 14);
  cairo_line_to(cr, x + w / 2, y - 4);
  cairo_close_path(cr);
  setLinear(cr, 0, top, 0, y,
            {{0, {230, 120, 90}}, {0.35, {150, 26, 30}}, {0.55, {110, 16, 22}}, {1, {50, 8, 12}}});
  cairo_fill(cr);
  // Rear window reflecting the sunset.
  polygon(cr, {{x - w * 0.32, y - 19.5},
               {x - w * 0.25, top + 3.5},
               {x + w * 0.25, top + 3.5},
               {x + w * 0.32, y - 19.5}});
  setLinear(cr, 0, top, 0, y - 19,
            {{0, {255, 190, 130}}, {0.5, {130, 70, 100}}, {1, {30, 20, 40}}});
  cairo_fill(cr);
  // Bumper, plate and lamps.
  cairo_rectangle(cr, x - w / 2, y - 6, w, 3);
  source(cr, {30, 20, 24});
  cairo_fill(cr);
  cairo_rectangle(cr, x - 6, y - 12, 12, 4);
  source(cr, {236, 232, 220});
  cairo_fill(cr);
  for (double s : {-1.0, 1.0}) {
    const double lx = x + s * w * 0.36;
    blurred(
        cr,
        [&](cairo_t* lc) {
          cairo_arc(lc, lx, y - 15, 6, 0, 2 * M_PI);
          cairo_fill(lc);
        },
        6, {255, 40, 30}, 0.8, 0, 0, CAIRO_OPERATOR_ADD);
    roundedRect(cr, lx - 5, y - 17, 10, 4, 1.5);
    source(cr, {255, 90, 70});
    cairo_fill(cr);
  }
  // Rim of sunlight along the roof.
  cairo_move_to(cr, x - w * 0.28, top + 1.5);
  cairo_curve_to(cr, x - w * 0.1, top - 0.5, x + w * 0.1, top - 0.5, x + w * 0.28, top + 1.5);
  cairo_set_line_width(cr, 1);
  source(cr, {255, 220, 170}, 0.9);
  cairo_stroke(cr);
}

// The white village sign on the verge, as every Czech village has at its edge.
void villageSign(cairo_t* cr) {
  const double x = 22, y = 206;
  cairo_rectangle(cr, x - 1, y, 2.5, 48);
  source(cr, {70, 70, 76});
  cairo_fill(cr);
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_rectangle(lc, x - 18, y - 6, 36, 14);
        cairo_fill(lc);
      },
      3, {0, 0, 0}, 0.5, 2, 3);
  cairo_rectangle(cr, x - 18, y - 7, 36, 14);
  setLinear(cr, x - 18, 0, x + 18, 0, {{0, {200, 196, 200}}, {1, {255, 236, 214}}});
  cairo_fill(cr);
  cairo_rectangle(cr, x - 16.5, y - 5.5, 33, 11);
  cairo_set_line_width(cr, 1);
  source(cr, {20, 20, 24});
  cairo_stroke(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 5.2);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "DROVANTA", &e);
  cairo_move_to(cr, x - e.width / 2 - e.x_bearing, y + 2);
  source(cr, {20, 20, 24});
  cairo_show_text(cr, "DROVANTA");
}

// Dark grass in the near corners frames the view.
void foregroundGrass(cairo_t* cr) {
  Rng rng(55);
  for (int i = 0; i < 90; ++i) {
    const bool left = i % 2;
    const double x = left ? rng.range(-4, 50) : rng.range(150, kW + 4);
    const double h = rng.range(10, 34) * (1 - std::abs((left ? x : kW - x) - 0) / 70);
    if (h <= 2) continue;
    const double lean = rng.range(-4, 4);
    cairo_move_to(cr, x - 1.2, kH + 1);
    cairo_curve_to(cr, x, kH - h * 0.5, x + lean, kH - h * 0.8, x + lean * 1.4, kH - h);
    cairo_curve_to(cr, x + lean, kH - h * 0.8, x + 0.5, kH - h * 0.5, x + 1.2, kH + 1);
    cairo_close_path(cr);
    source(cr, mix({18, 18, 12}, {90, 60, 30}, rng.uniform() * 0.4));
    cairo_fill(cr);
  }
}

}  // namespace

Image freeRideScene() {
  Canvas c(kSceneWidth, kSceneHeight);
  cairo_t* cr = c.cr();
  sky(cr);
  clouds(cr);
  hills(cr, 146, 14, 0.5, {140, 84, 120}, {200, 120, 110});
  hills(cr, 150, 9, 2.4, {96, 60, 96}, {150, 90, 100});
  village(cr);
  fields(cr);
  road(cr);
  for (double t : {0.18, 0.26, 0.36, 0.5, 0.68}) poplar(cr, t, 1, 30);
  for (double t : {0.22, 0.32, 0.44}) poplar(cr, t, -1, 44);
  car(cr, 0.7);
  villageSign(cr);
  foregroundGrass(cr);
  grain(cr, 56, 0.04);
  vignette(cr, 0.55);
  Image img = c.toImage();
  avoidKey(img);
  return img;
}

}  // namespace art::story
