// The championship's story picture: the silver-gilt cup on the winner's podium under a
// spotlight, chequered flags behind it and confetti in the air.
#include <cmath>

#include "canvas.h"
#include "story_checks.h"
#include "story_paint.h"
#include "story_scenes.h"

namespace art::story {

namespace {

constexpr double kW = kSceneWidth, kH = kSceneHeight;
constexpr double kCx = kW / 2;

void backdrop(cairo_t* cr) {
  setRadial(cr, kCx, 110, 10, kCx, 140, 200,
            {{0, {58, 52, 96}}, {0.5, {26, 24, 52}}, {1, {8, 8, 18}}});
  cairo_paint(cr);
  // The spotlight's cone from above.
  setLinear(cr, 0, 0, 0, 220, {{0, {255, 240, 200}, 0.32}, {1, {255, 240, 200}, 0.02}});
  polygon(cr, {{kCx - 14, -2}, {kCx + 14, -2}, {kCx + 84, 215}, {kCx - 84, 215}});
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  // Dust in the beam.
  Rng rng(5);
  for (int i = 0; i < 70; ++i) {
    const double y = rng.range(0, 200), spread = 14 + y * 0.33;
    const double x = kCx + rng.range(-spread, spread);
    cairo_arc(cr, x, y, rng.range(0.3, 0.9), 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 0.95, 0.8, rng.range(0.15, 0.5));
    cairo_fill(cr);
  }
}

// A chequered flag on a pole, waving: the cloth is a grid whose rows follow a sine wave and
// whose squares are shaded by the wave's slope.
void flag(cairo_t* cr, double poleX, double poleTop, double dir) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, poleX, poleTop - 4);
  cairo_line_to(cr, poleX - dir * 26, 214);
  cairo_set_line_width(cr, 3);
  source(cr, {120, 110, 96});
  cairo_stroke(cr);
  cairo_move_to(cr, poleX - 0.5 * dir, poleTop - 4);
  cairo_line_to(cr, poleX - dir * 26 - 0.5 * dir, 214);
  cairo_set_line_width(cr, 1);
  source(cr, {230, 220, 190});
  cairo_stroke(cr);
  const int cols = 7, rows = 5;
  const double sq = 8;
  auto point = [&](double i, double j) {
    const double u = i * sq;
    const double wave = std::sin(u * 0.11 + 0.6) * 5 * (u / (cols * sq));
    return Vec{poleX + dir * u, poleTop + j * sq + wave + u * 0.18};
  };
  for (int i = 0; i < cols; ++i)
    for (int j = 0; j < rows; ++j) {
      const Vec a = point(i, j), b = point(i + 1, j), c = point(i + 1, j + 1), d = point(i, j + 1);
      polygon(cr, {{a.x, a.y}, {b.x, b.y}, {c.x, c.y}, {d.x, d.y}});
      const double light = 0.75 + 0.25 * std::cos((i + 0.5) * sq * 0.11 + 0.6);
      const double v = ((i + j) % 2 ? 0.1 : 0.92) * light;
      cairo_set_source_rgb(cr, v, v, v * 0.97);
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, 0.4);
      cairo_stroke(cr);
    }
}

void podium(cairo_t* cr) {
  // Front face.
  cairo_rectangle(cr, 28, 218, kW - 56, kH - 218);
  setLinear(cr, 28, 0, kW - 28, 0, {{0, {24, 28, 48}}, {0.45, {70, 78, 116}}, {1, {20, 22, 40}}});
  cairo_fill(cr);
  // Top face, in perspective, lit by the spotlight.
  polygon(cr, {{28, 218}, {44, 204}, {kW - 44, 204}, {kW - 28, 218}});
  setRadial(cr, kCx, 210, 4, kCx, 210, 80, {{0, {190, 196, 220}}, {1, {70, 76, 110}}});
  cairo_fill(cr);
  cairo_rectangle(cr, 28, 218, kW - 56, 1.5);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
  cairo_fill(cr);
  // The "1" on the front, gilded and slightly sunk.
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 40);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "1", &e);
  const double x = kCx - e.width / 2 - e.x_bearing, y = 264;
  cairo_move_to(cr, x + 1, y + 1);
  cairo_text_path(cr, "1");
  cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
  cairo_fill(cr);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, "1");
  setLinear(cr, 0, y - 30, 0, y, {{0, {255, 236, 150}}, {0.5, {220, 160, 50}}, {1, {140, 90, 20}}});
  cairo_fill(cr);
}

// Polished gold across a round body: bands of light and dark from the surroundings.
cairo_pattern_t* gold(double x0, double x1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
  addStop(p, 0, {96, 58, 14});
  addStop(p, 0.12, {196, 142, 44});
  addStop(p, 0.26, {255, 244, 178});
  addStop(p, 0.36, {236, 186, 72});
  addStop(p, 0.58, {160, 108, 30});
  addStop(p, 0.78, {214, 160, 58});
  addStop(p, 0.9, {150, 98, 26});
  addStop(p, 1, {70, 42, 10});
  return p;
}

void cupPath(cairo_t* cr) {
  // The bowl: a wide rim narrowing in a smooth curve to the stem.
  cairo_move_to(cr, 52, 64);
  cairo_curve_to(cr, 52, 108, 72, 132, 92, 140);
  cairo_line_to(cr, 106, 140);
  cairo_curve_to(cr, 126, 132, 146, 108, 146, 64);
  cairo_close_path(cr);
}

void cup(cairo_t* cr) {
  // Shadow on the podium top and a faint reflection.
  blurred(
      cr,
      [](cairo_t* lc) {
        cairo_save(lc);
        cairo_translate(lc, kCx + 6, 207);
        cairo_scale(lc, 42, 5);
        cairo_arc(lc, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(lc);
        cairo_fill(lc);
      },
      4, {0, 0, 0}, 0.6);

  // Plinth: black lacquer with a gold plaque.
  cairo_rectangle(cr, 66, 182, 66, 24);
  setLinear(cr, 66, 0, 132, 0,
            {{0, {10, 10, 14}}, {0.3, {70, 70, 84}}, {0.5, {30, 30, 38}}, {1, {6, 6, 10}}});
  cairo_fill(cr);
  cairo_rectangle(cr, 66, 182, 66, 1.5);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
  cairo_fill(cr);
  cairo_rectangle(cr, 80, 189, 38, 11);
  cairo_pattern_t* plaque = gold(80, 118);
  cairo_set_source(cr, plaque);
  cairo_fill(cr);
  cairo_pattern_destroy(plaque);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 5.5);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "DROVANTA", &e);
  cairo_move_to(cr, kCx - e.width / 2 - e.x_bearing, 196.5);
  cairo_set_source_rgba(cr, 0.3, 0.18, 0.02, 0.9);
  cairo_show_text(cr, "DROVANTA");

  // Foot, stem and knot.
  cairo_move_to(cr, 74, 182);
  cairo_curve_to(cr, 78, 174, 90, 172, 94, 162);
  cairo_line_to(cr, 104, 162);
  cairo_curve_to(cr, 108, 172, 120, 174, 124, 182);
  cairo_close_path(cr);
  cairo_pattern_t* gf = gold(74, 124);
  cairo_set_source(cr, gf);
  cairo_fill(cr);
  cairo_pattern_destroy(gf);
  cairo_rectangle(cr, 93, 138, 12, 26);
  cairo_pattern_t* gs = gold(93, 105);
  cairo_set_source(cr, gs);
  cairo_fill(cr);
  cairo_pattern_destroy(gs);
  cairo_save(cr);
  cairo_translate(cr, kCx, 152);
  cairo_scale(cr, 11, 4.5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_pattern_t* gk = gold(88, 110);
  cairo_set_source(cr, gk);
  cairo_fill(cr);
  cairo_pattern_destroy(gk);

  // Handles: thick gold loops behind the bowl's sides.
  for (double s : {-1.0, 1.0}) {
    const double x = kCx + s * 47;
    cairo_move_to(cr, x, 72);
    cairo_curve_to(cr, x + s * 26, 66, x + s * 30, 104, x - s * 8, 122);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    source(cr, {120, 76, 18});
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4.5);
    source(cr, {214, 160, 56});
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.6);
    source(cr, {255, 240, 170});
    cairo_stroke(cr);
  }

  // Bowl with a band and an engraved star.
  cupPath(cr);
  cairo_pattern_t* gb = gold(52, 146);
  cairo_set_source(cr, gb);
  cairo_fill(cr);
  cairo_pattern_destroy(gb);
  cairo_save(cr);
  cupPath(cr);
  cairo_clip(cr);
  cairo_rectangle(cr, 40, 112, 120, 4);
  cairo_set_source_rgba(cr, 0.35, 0.2, 0.02, 0.45);
  cairo_fill(cr);
  cairo_rectangle(cr, 40, 116, 120, 1.2);
  cairo_set_source_rgba(cr, 1, 0.95, 0.7, 0.5);
  cairo_fill(cr);
  // Darker at the bottom where the bowl turns away from the light.
  setLinear(cr, 0, 64, 0, 140, {{0, {0, 0, 0}, 0}, {0.6, {0, 0, 0}, 0.05}, {1, {0, 0, 0}, 0.4}});
  cairo_paint(cr);
  cairo_restore(cr);
  const double sx = kCx, sy = 90, r1 = 11, r2 = 4.6;
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < 10; ++i) {
      const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? r2 : r1;
      const double px = sx + r * std::cos(a) + (pass ? 0 : 0.8);
      const double py = sy + r * std::sin(a) + (pass ? 0 : 0.8);
      if (i == 0)
        cairo_move_to(cr, px, py);
      else
        cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
    if (pass == 0)
      cairo_set_source_rgba(cr, 0.3, 0.17, 0.02, 0.6);
    else
      cairo_set_source_rgba(cr, 1, 0.9, 0.55, 0.85);
    cairo_fill(cr);
  }

  // The rim: the inside of the bowl seen from slightly above.
  cairo_save(cr);
  cairo_translate(cr, kCx, 64);
  cairo_scale(cr, 47, 8);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setLinear(cr, 0, 56, 0, 72, {{0, {70, 40, 8}}, {1, {200, 146, 50}}});
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 2);
  source(cr, {255, 236, 160});
  cairo_stroke(cr);

  sparkle(cr, 70, 62, 9, {255, 240, 190}, 0.95);
  sparkle(cr, 77, 98, 6, {255, 250, 220}, 0.8);
  sparkle(cr, 131, 176, 5, {255, 240, 190}, 0.7);
}

void confetti(cairo_t* cr, unsigned seed, int count, double sizeMin, double sizeMax, bool soft) {
  const Rgb colours[] = {{255, 210, 60},  {230, 50, 60},  {60, 130, 240},
                         {250, 250, 250}, {70, 200, 110}, {250, 120, 40}};
  Rng rng(seed);
  auto pieces = [&](cairo_t* c, bool colourIt) {
    Rng local = rng;
    for (int i = 0; i < count; ++i) {
      const double x = local.range(0, kW), y = local.range(0, 200);
      const double s = local.range(sizeMin, sizeMax), a = local.range(0, M_PI);
      const Rgb col = colours[local.below(6)];
      const double flip = local.range(0.25, 1.0);
      cairo_save(c);
      cairo_translate(c, x, y);
      cairo_rotate(c, a);
      cairo_rectangle(c, -s / 2, -s * 0.3 * flip, s, s * 0.6 * flip);
      cairo_restore(c);
      if (colourIt) source(c, shade(col, 0.7 + 0.5 * flip));
      cairo_fill(c);
    }
  };
  if (!soft) {
    pieces(cr, true);
    return;
  }
  // Out-of-focus glints close to the eye: soft discs of light.
  blurred(
      cr,
      [&](cairo_t* lc) {
        Rng local = rng;
        for (int i = 0; i < count; ++i) {
          cairo_arc(lc, local.range(0, kW), local.range(0, 200), local.range(sizeMin, sizeMax) / 2,
                    0, 2 * M_PI);
          cairo_fill(lc);
        }
      },
      3, {255, 214, 130}, 0.45, 0, 0, CAIRO_OPERATOR_ADD);
}

}  // namespace

Image championshipScene() {
  Canvas c(kSceneWidth, kSceneHeight);
  cairo_t* cr = c.cr();
  backdrop(cr);
  confetti(cr, 21, 40, 2, 4, false);
  flag(cr, 46, 46, -1);
  flag(cr, kW - 46, 46, 1);
  podium(cr);
  cup(cr);
  confetti(cr, 22, 24, 3, 5, false);
  confetti(cr, 23, 7, 9, 14, true);
  grain(cr, 24, 0.05);
  vignette(cr, 0.6);
  Image img = c.toImage();
  avoidKey(img);
  return img;
}

}  // namespace art::story
