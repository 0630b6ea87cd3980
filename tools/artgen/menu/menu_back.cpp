// The background picture and the back button frames; see menu_back.h.
#include "menu/menu_back.h"

#include <algorithm>
#include <cmath>

namespace art::menu {

namespace {

constexpr double kHorizon = 322;
constexpr double kVanishX = 360;
constexpr unsigned kSeed = 102;

double rnd(int i, unsigned salt) {
  return hash01(i, 13 * i + 5, kSeed + salt);
}

void sky(cairo_t* cr) {
  setLinear(cr, 0, 0, 0, kHorizon + 30,
            {{0, {4, 6, 13}}, {0.45, {10, 12, 28}}, {0.85, {30, 22, 56}}, {1, {52, 30, 60}}});
  cairo_paint(cr);
}

void cityGlow(cairo_t* cr) {
  // The city lights the low clouds orange and violet above the skyline.
  cairo_save(cr);
  cairo_translate(cr, 430, kHorizon);
  cairo_scale(cr, 320, 150);
  setRadial(cr, 0, 0, 0, 0, 0, 1,
            {{0, {255, 120, 60}, 0.30}, {0.45, {150, 50, 140}, 0.16}, {1, {60, 20, 90}, 0}});
  cairo_paint(cr);
  cairo_restore(cr);
  // Soft cloud bands.
  for (int i = 0; i < 7; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 220 + rnd(i, 1) * 420, 150 + rnd(i, 2) * 110);
    cairo_scale(cr, 70 + rnd(i, 3) * 90, 7 + rnd(i, 4) * 9);
    setGlow(cr, 0, 0, 0, 1, {120, 70, 150}, 0.10);
    cairo_paint(cr);
    cairo_restore(cr);
  }
}

void stars(cairo_t* cr) {
  for (int i = 0; i < 160; ++i) {
    const double x = rnd(i, 10) * kWindowW, y = rnd(i, 11) * 230;
    const double b = 0.15 + 0.6 * rnd(i, 12) * rnd(i, 13);
    cairo_arc(cr, x, y, 0.45 + rnd(i, 14) * 0.5, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.85, 0.9, 1, b);
    cairo_fill(cr);
  }
}

struct Building {
  double x, w, top;
};

// One layer of the skyline: silhouettes with lit windows; returns the buildings.
std::vector<Building> skyline(cairo_t* cr, double from, double to, double minH, double maxH,
                              Rgb body, double lit, unsigned salt) {
  std::vector<Building> out;
  int i = 0;
  for (double x = from; x < to; ++i) {
    const double w = 14 + rnd(i, salt) * 30;
    // Taller towers gather in the middle of the city.
    const double centre = 1 - std::min(1.0, std::abs(x + w / 2 - 420) / 260);
    const double h =
        minH + (maxH - minH) * (0.35 * rnd(i, salt + 1) + 0.65 * centre * rnd(i, salt + 2));
    out.push_back({x, w, kHorizon - h});
    x += w + (rnd(i, salt + 3) < 0.3 ? 3 : 0);
  }
  for (std::size_t b = 0; b < out.size(); ++b) {
    const Building& bd = out[b];
    cairo_rectangle(cr, bd.x, bd.top, bd.w, kHorizon - bd.top + 1);
    setLinear(cr, bd.x, 0, bd.x + bd.w, 0,
              {{0, mix(body, kWhite, 0.05)}, {1, mix(body, {0, 0, 0}, 0.25)}});
    cairo_fill(cr);
    // Windows in rows; about a third of them lit.
    for (double wy = bd.top + 4; wy < kHorizon - 3; wy += 4)
      for (double wx = bd.x + 2; wx < bd.x + bd.w - 2; wx += 3) {
        const int k = int(wx * 7 + wy * 131);
        if (hash01(k, int(b), salt + 7) < 1 - lit) continue;
        const double t = hash01(k, int(b), salt + 8);
        const Rgb c = t < 0.6    ? Rgb{255, 200, 120}
                      : t < 0.85 ? Rgb{255, 236, 190}
                                 : Rgb{140, 210, 255};
        cairo_rectangle(cr, std::floor(wx), std::floor(wy), 1.5, 1.2);
        source(cr, c, 0.45 + 0.5 * t);
        cairo_fill(cr);
      }
    // A red warning lamp on the tallest roofs.
    if (kHorizon - bd.top > 110) {
      setGlow(cr, bd.x + bd.w / 2, bd.top - 2, 0, 5, {255, 60, 50}, 0.9);
      cairo_paint(cr);
      cairo_rectangle(cr, bd.x + bd.w / 2 - 0.5, bd.top - 6, 1, 6);
      source(cr, body);
      cairo_fill(cr);
    }
  }
  return out;
}

void road(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_rectangle(cr, 0, kHorizon, kWindowW, kWindowH - kHorizon);
  setLinear(cr, 0, kHorizon, 0, kWindowH,
            {{0, {34, 26, 48}}, {0.12, {16, 16, 26}}, {1, {10, 11, 17}}});
  cairo_fill(cr);
  // The glow of the city mirrored in the wet asphalt.
  cairo_save(cr);
  cairo_rectangle(cr, 0, kHorizon, kWindowW, kWindowH - kHorizon);
  cairo_clip(cr);
  cairo_translate(cr, 430, kHorizon);
  cairo_scale(cr, 240, 70);
  setRadial(cr, 0, 0, 0, 0, 0, 1, {{0, {255, 120, 70}, 0.18}, {1, {120, 40, 110}, 0}});
  cairo_paint(cr);
  cairo_restore(cr);
  // Lane lines converging on the vanishing point: solid edges, dashed middles.
  const double bottomX[] = {-260, 110, 470, 860};
  for (int i = 0; i < 4; ++i) {
    const bool edge = i == 0 || i == 3;
    for (int k = 0; k < 60; ++k) {
      const double z = 1 + k * 0.55;
      const double t0 = 1 / z, t1 = edge ? 1 / (z + 0.55) : 1 / (z + 0.25);
      const double halfW0 = 3.2 * t0, halfW1 = 3.2 * t1;
      auto px = [&](double t) { return kVanishX + (bottomX[i] - kVanishX) * t; };
      auto py = [&](double t) { return kHorizon + (kWindowH - kHorizon) * t; };
      polygon(cr, {{px(t0) - halfW0, py(t0)},
                   {px(t0) + halfW0, py(t0)},
                   {px(t1) + halfW1, py(t1)},
                   {px(t1) - halfW1, py(t1)}});
    }
    cairo_set_source_rgba(cr, 0.85, 0.82, 0.7, edge ? 0.22 : 0.3);
    cairo_fill(cr);
  }
  addGrain(canvas, {0, int(kHorizon), kWindowW, kWindowH - int(kHorizon)}, 5, kSeed + 40);
}

void reflections(cairo_t* cr, const std::vector<Building>& near) {
  // Lit windows smear down into the wet road as thin, broken streaks.
  for (std::size_t i = 0; i < near.size(); ++i) {
    const Building& b = near[i];
    for (int k = 0; k < 2; ++k) {
      if (rnd(int(i) * 2 + k, 50) < 0.4) continue;
      const double x = std::floor(b.x + 2 + rnd(int(i) * 2 + k, 51) * (b.w - 4));
      const double len = (kHorizon - b.top) * (0.3 + 0.4 * rnd(int(i) * 2 + k, 52));
      const Rgb c = rnd(int(i) * 2 + k, 53) < 0.75 ? Rgb{255, 190, 120} : Rgb{140, 200, 255};
      for (double y = kHorizon + 1; y < kHorizon + len; y += 3) {
        const double fade = 1 - (y - kHorizon) / len;
        cairo_rectangle(cr, x, y, 1.5, 2);
        source(cr, c, 0.22 * fade * fade);
        cairo_fill(cr);
      }
    }
  }
}

// A long-exposure light trail: a wide faint glow around a bright core, added onto the picture.
void trail(cairo_t* cr, const double p[8], Rgb colour, double strength) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double widths[] = {14, 8, 4, 2, 0.9};
  const double alphas[] = {0.05, 0.09, 0.2, 0.45, 0.9};
  for (int i = 0; i < 5; ++i) {
    cairo_move_to(cr, p[0], p[1]);
    cairo_curve_to(cr, p[2], p[3], p[4], p[5], p[6], p[7]);
    // Thin near the vanishing point, wide close by.
    cairo_pattern_t* g = cairo_pattern_create_linear(p[0], p[1], p[6], p[7]);
    const Rgb core = i == 4 ? mix(colour, kWhite, 0.6) : colour;
    addStop(g, 0, core, 0);
    addStop(g, 0.25, core, alphas[i] * strength * 0.6);
    addStop(g, 1, core, alphas[i] * strength);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, widths[i]);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
  }
  cairo_restore(cr);
}

void trails(cairo_t* cr) {
  const double headlights[][8] = {{352, 324, 300, 350, 180, 380, -10, 425},
                                  {350, 325, 290, 360, 160, 410, -10, 468},
                                  {354, 324, 320, 345, 250, 372, 120, 392}};
  const double tails[][8] = {{368, 325, 410, 350, 520, 400, 650, 430},
                             {366, 326, 400, 360, 480, 440, 560, 490},
                             {362, 326, 350, 360, 300, 430, 250, 490}};
  trail(cr, headlights[0], {120, 200, 255}, 1);
  trail(cr, headlights[1], {235, 240, 255}, 0.9);
  trail(cr, headlights[2], {150, 220, 255}, 0.6);
  trail(cr, tails[0], {255, 60, 40}, 1);
  trail(cr, tails[1], {255, 130, 40}, 0.8);
  trail(cr, tails[2], {255, 40, 70}, 0.9);
}

// The right half of the car's outline, seen from behind; x relative to the centre line.
void carHalf(cairo_t* cr, double s) {
  cairo_line_to(cr, 62 * s, 446);
  cairo_curve_to(cr, 80 * s, 446, 90 * s, 444, 93 * s, 432);
  cairo_curve_to(cr, 97 * s, 420, 97 * s, 410, 92 * s, 403);
  cairo_curve_to(cr, 86 * s, 397, 74 * s, 395, 58 * s, 394);
  cairo_curve_to(cr, 50 * s, 386, 44 * s, 376, 34 * s, 371);
  cairo_curve_to(cr, 24 * s, 368, 10 * s, 367, 0, 367);
}

void car(cairo_t* cr, double cx) {
  cairo_save(cr);
  cairo_translate(cr, cx, 0);
  // Shadow on the road.
  cairo_save(cr);
  cairo_translate(cr, 0, 450);
  cairo_scale(cr, 118, 9);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.8);
  cairo_fill(cr);
  // Tyres.
  for (double s : {-1.0, 1.0}) {
    roundedRect(cr, s > 0 ? 68 : -92, 424, 24, 32, 4);
    cairo_set_source_rgb(cr, 0.02, 0.02, 0.03);
    cairo_fill(cr);
    cairo_rectangle(cr, s > 0 ? 90 : -92, 436, 2, 18);
    cairo_set_source_rgba(cr, 0.5, 0.6, 0.8, 0.25);
    cairo_fill(cr);
  }
  // Body.
  cairo_move_to(cr, -62, 446);
  cairo_line_to(cr, 62, 446);
  carHalf(cr, 1);
  // Mirror back down the left side.
  cairo_curve_to(cr, -10, 367, -24, 368, -34, 371);
  cairo_curve_to(cr, -44, 376, -50, 386, -58, 394);
  cairo_curve_to(cr, -74, 395, -86, 397, -92, 403);
  cairo_curve_to(cr, -97, 410, -97, 420, -93, 432);
  cairo_curve_to(cr, -90, 444, -80, 446, -62, 446);
  cairo_close_path(cr);
  setLinear(cr, 0, 367, 0, 446, {{0, {30, 34, 52}}, {0.35, {12, 13, 20}}, {1, {6, 6, 10}}});
  cairo_fill_preserve(cr);
  // Rim light from the city along the roof and shoulders.
  cairo_set_line_width(cr, 1.2);
  setLinear(cr, 0, 367, 0, 420,
            {{0, {140, 200, 255}, 0.75}, {0.5, {200, 120, 255}, 0.35}, {1, {200, 120, 255}, 0}});
  cairo_stroke(cr);
  // Rear window with a cold reflection.
  cairo_move_to(cr, -44, 393);
  cairo_curve_to(cr, -38, 383, -32, 375, -26, 373);
  cairo_line_to(cr, 26, 373);
  cairo_curve_to(cr, 32, 375, 38, 383, 44, 393);
  cairo_close_path(cr);
  setLinear(cr, -40, 373, 30, 393, {{0, {70, 90, 140}}, {0.4, {20, 24, 40}}, {1, {8, 9, 16}}});
  cairo_fill(cr);
  // Spoiler.
  roundedRect(cr, -84, 392, 168, 4, 2);
  cairo_set_source_rgb(cr, 0.02, 0.02, 0.04);
  cairo_fill(cr);
  cairo_rectangle(cr, -84, 393, 168, 1);
  cairo_set_source_rgba(cr, 0.6, 0.75, 1, 0.4);
  cairo_fill(cr);
  // Tail light bar with its glow.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  for (double s : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_translate(cr, 72 * s, 408);
    cairo_scale(cr, 40, 14);
    setGlow(cr, 0, 0, 0, 1, {255, 40, 30}, 0.55);
    cairo_paint(cr);
    cairo_restore(cr);
  }
  cairo_restore(cr);
  cairo_move_to(cr, -90, 405);
  cairo_curve_to(cr, -60, 409, 60, 409, 90, 405);
  cairo_line_to(cr, 89, 410);
  cairo_curve_to(cr, 60, 413, -60, 413, -89, 410);
  cairo_close_path(cr);
  setLinear(cr, -90, 0, 90, 0,
            {{0, {255, 120, 110}},
             {0.15, {255, 30, 30}},
             {0.5, {170, 10, 20}},
             {0.85, {255, 30, 30}},
             {1, {255, 120, 110}}});
  cairo_fill(cr);
  // Blank number plate and twin exhausts.
  roundedRect(cr, -20, 418, 40, 10, 1.5);
  cairo_set_source_rgb(cr, 0.16, 0.17, 0.2);
  cairo_fill(cr);
  for (double x : {-40.0, -30.0, 30.0, 40.0}) {
    cairo_save(cr);
    cairo_translate(cr, x, 440);
    cairo_scale(cr, 4, 2.6);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 0.55, 0.5, 0.45);
    cairo_fill(cr);
  }
  // The red lamps mirrored in the wet road.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_rectangle(cr, -120, 451, 240, 30);
  cairo_clip(cr);
  for (double s : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_translate(cr, 72 * s, 451);
    cairo_scale(cr, 10, 30);
    setGlow(cr, 0, 0, 0, 1, {255, 40, 30}, 0.4);
    cairo_paint(cr);
    cairo_restore(cr);
  }
  cairo_restore(cr);
  cairo_restore(cr);
}

void title(cairo_t* cr) {
  const char* text = "DROVANTA";
  textFont(cr, 56, true);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  const double x = 424 - e.width / 2 - e.x_bearing, y = 60;
  cairo_save(cr);
  // Italic by shearing: the title leans into the speed.
  cairo_matrix_t shear;
  cairo_matrix_init(&shear, 1, 0, -0.22, 1, 0.22 * y, 0);
  cairo_transform(cr, &shear);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text);
  cairo_path_t* path = cairo_copy_path(cr);
  // Glow behind the letters.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  const double widths[] = {16, 9, 5};
  const double alphas[] = {0.05, 0.1, 0.18};
  for (int i = 0; i < 3; ++i) {
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_set_line_width(cr, widths[i]);
    cairo_set_source_rgba(cr, 0.3, 0.6, 1, alphas[i]);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // Dark outline, then the chrome face with its horizon line.
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_set_line_width(cr, 3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_source_rgb(cr, 0.01, 0.01, 0.03);
  cairo_stroke_preserve(cr);
  setLinear(cr, 0, y - 41, 0, y,
            {{0, {255, 255, 255}},
             {0.45, {176, 204, 240}},
             {0.53, {255, 255, 255}},
             {0.56, {58, 72, 120}},
             {0.8, {120, 150, 210}},
             {1, {255, 190, 120}}});
  cairo_fill(cr);
  // A thin top highlight on every letter.
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_set_line_width(cr, 0.8);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
  cairo_stroke(cr);
  cairo_path_destroy(path);
  cairo_restore(cr);

  // Speed lines trailing the title and a light streak underneath.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  const double lineY[] = {28, 36, 44, 52};
  const double lineLen[] = {40, 62, 50, 30};
  for (int i = 0; i < 4; ++i) {
    // They stop short of the calm corner, which `tma` repeats.
    const double x1 = x - 12 - i * 3, x0 = std::max(x1 - lineLen[i], kCalmCorner.right() + 4.0);
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x1, 0);
    addStop(g, 0, {120, 190, 255}, 0);
    addStop(g, 1, {170, 220, 255}, 0.7);
    cairo_rectangle(cr, x0, lineY[i], x1 - x0, 1.6);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  cairo_pattern_t* streak = cairo_pattern_create_linear(226, 0, 630, 0);
  addStop(streak, 0, {255, 140, 40}, 0);
  addStop(streak, 0.35, {255, 170, 70}, 0.9);
  addStop(streak, 0.6, {255, 255, 255}, 1);
  addStop(streak, 0.85, {90, 180, 255}, 0.8);
  addStop(streak, 1, {90, 180, 255}, 0);
  for (int i = 0; i < 3; ++i) {
    const double hw = 3.5 - i * 1.4;
    cairo_rectangle(cr, 226, 68 - hw / 2, 404, hw);
    cairo_set_source(cr, streak);
    cairo_fill(cr);
  }
  cairo_pattern_destroy(streak);
  cairo_restore(cr);
}

// How much of the calm corner a pixel takes: all inside it, fading out over a short margin.
double calmness(int x, int y) {
  const double margin = 48;
  const double dx = std::max(0, x - (kCalmCorner.right() - 1));
  const double dy = std::max(0, y - (kCalmCorner.bottom() - 1));
  const double d = std::sqrt(dx * dx + dy * dy) / margin;
  if (d >= 1) return 0;
  return 1 - d * d * (3 - 2 * d);
}

Image calmPanel() {
  Canvas canvas(kWindowW, kWindowH);
  cairo_t* cr = canvas.cr();
  setLinear(cr, 0, 0, 0, kCalmCorner.bottom(),
            {{0, {5, 7, 14}}, {0.6, {10, 12, 26}}, {1, {15, 14, 30}}});
  cairo_paint(cr);
  addGrain(canvas, {0, 0, kWindowW, kWindowH}, 1.5, kSeed + 60);
  return canvas.toImage();
}

void bezel(cairo_t* cr) {
  // The frame of the hover-text panel: a dark groove with a thin cool light inside.
  const double x = kTma.x, y = kTma.y, b = kTma.bottom();
  cairo_save(cr);
  cairo_set_line_width(cr, 4);
  polygon(cr, {{kWindowW, y - 2}, {x - 2, y - 2}, {x - 2, b + 2}, {kWindowW, b + 2}}, false);
  cairo_set_source_rgb(cr, 0.01, 0.015, 0.03);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1);
  polygon(cr, {{kWindowW, y - 2.5}, {x - 2.5, y - 2.5}, {x - 2.5, b + 2.5}, {kWindowW, b + 2.5}},
          false);
  setLinear(cr, 0, y, 0, b,
            {{0, kCyan, 0.8}, {0.5, {150, 110, 255}, 0.45}, {1, {255, 120, 70}, 0.7}});
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace

Image drawBackground() {
  Canvas canvas(kWindowW, kWindowH);
  cairo_t* cr = canvas.cr();
  sky(cr);
  stars(cr);
  cityGlow(cr);
  skyline(cr, 150, kWindowW + 10, 30, 95, {22, 20, 42}, 0.12, 20);
  const auto near = skyline(cr, 176, kWindowW + 10, 34, 150, {9, 10, 20}, 0.3, 30);
  // A low dark ridge on the left, where the hover-text corner must stay calm.
  cairo_move_to(cr, 0, kHorizon - 12);
  cairo_curve_to(cr, 60, kHorizon - 22, 120, kHorizon - 8, 200, kHorizon - 16);
  cairo_line_to(cr, 200, kHorizon + 1);
  cairo_line_to(cr, 0, kHorizon + 1);
  cairo_close_path(cr);
  source(cr, {8, 9, 18});
  cairo_fill(cr);
  road(canvas);
  reflections(cr, near);
  trails(cr);
  car(cr, 322);
  // Vignette.
  setRadial(cr, 360, 300, 120, 360, 280, 470, {{0, {0, 0, 0}, 0}, {1, {0, 0, 0}, 0.55}});
  cairo_paint(cr);

  // Blend the calm corner in, then draw what must stay sharp on top.
  Image scene = canvas.toImage();
  const Image calm = calmPanel();
  for (int y = 0; y < kWindowH; ++y)
    for (int x = 0; x < kWindowW; ++x) {
      const double t = calmness(x, y);
      if (t > 0)
        scene.at(x, y) = toColour(mix(fromColour(scene.at(x, y)), fromColour(calm.at(x, y)), t));
    }
  canvas.drawImage(scene, 0, 0);
  title(cr);
  bezel(cr);
  Image out = canvas.toImage();
  // Under `tma` the picture repeats its calm corner, so the pause screen, which shows the whole
  // picture, looks like the menu without its pages.
  for (int y = 0; y < kTma.h; ++y)
    for (int x = 0; x < kTma.w; ++x) out.at(kTma.x + x, kTma.y + y) = out.at(x, y);
  // The dark frame around the window.
  for (int x = 0; x < kWindowW; ++x) out.at(x, 0) = out.at(x, kWindowH - 1) = kFrame;
  for (int y = 0; y < kWindowH; ++y) out.at(0, y) = out.at(kWindowW - 1, y) = kFrame;
  return out;
}

std::vector<Image> drawBackButtonFrames(const Image& background) {
  std::vector<Image> frames;
  const Rect b = kBackButton;
  const Image under = crop(background, b, kFrame);
  // Light sweeps along the arrow from its tail to its head: frames 0, 1, 2; frame 3 rests.
  const double sweep[] = {58, 39, 20, -100};
  for (int f = 0; f < 4; ++f) {
    Canvas canvas(b.w, b.h);
    cairo_t* cr = canvas.cr();
    canvas.drawImage(under, 0, 0);
    roundedRect(cr, 0.5, 0.5, b.w - 1, b.h - 1, 8);
    setLinear(cr, 0, 0, 0, b.h,
              {{0, {44, 54, 84}, 0.95}, {0.5, {22, 27, 44}, 0.95}, {1, {12, 14, 24}, 0.95}});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    source(cr, kCyan, f == 3 ? 0.55 : 0.75);
    cairo_stroke(cr);
    // The arrow: a head and a shaft.
    auto arrowPath = [&] {
      polygon(cr, {{13, 8.5}, {25, 2.5}, {25, 6.3}, {60, 6.3}, {60, 10.7}, {25, 10.7}, {25, 14.5}});
    };
    arrowPath();
    setLinear(cr, 0, 2, 0, 15, {{0, {230, 240, 255}}, {1, {140, 170, 210}}});
    cairo_fill(cr);
    if (sweep[f] > 0) {
      cairo_save(cr);
      arrowPath();
      cairo_clip(cr);
      setLinear(cr, sweep[f] - 9, 0, sweep[f] + 9, 0,
                {{0, kYellow, 0}, {0.5, {255, 250, 220}}, {1, kYellow, 0}});
      cairo_paint(cr);
      cairo_restore(cr);
      // The light spills onto the button around the arrow.
      cairo_save(cr);
      cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
      roundedRect(cr, 1, 1, b.w - 2, b.h - 2, 7.5);
      cairo_clip(cr);
      setGlow(cr, sweep[f], 8.5, 0, 14, kYellow, 0.3);
      cairo_paint(cr);
      cairo_restore(cr);
    }
    frames.push_back(canvas.toImage());
  }
  return frames;
}

}  // namespace art::menu
