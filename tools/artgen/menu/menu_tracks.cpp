// Aerial pictures of the tracks for the track pages.
#include "menu/menu_tracks.h"

#include <cmath>

#include "menu/menu_icons.h"

namespace art::menu {

namespace {

// A fixed pseudo-random value in 0..1 for the i-th choice of a picture.
double rnd(int i, unsigned seed) {
  return hash01(i, 7 * i + 3, seed);
}

void tree(cairo_t* cr, double x, double y, double r, double shade) {
  cairo_arc(cr, x + r * 0.5, y + r * 0.6, r, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0, 0.05, 0, 0.35);
  cairo_fill(cr);
  setRadial(cr, x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r,
            {{0, mix({110, 170, 70}, {150, 200, 90}, shade)},
             {0.6, mix({40, 95, 40}, {60, 115, 45}, shade)},
             {1, {22, 60, 28}}});
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
}

void house(cairo_t* cr, double x, double y, double w, double h, double angle, Rgb roof) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_rectangle(cr, -w / 2 + 1.5, -h / 2 + 1.5, w, h);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.4);
  cairo_fill(cr);
  cairo_rectangle(cr, -w / 2, -h / 2, w, h / 2);
  source(cr, mix(roof, kWhite, 0.15));
  cairo_fill(cr);
  cairo_rectangle(cr, -w / 2, 0, w, h / 2);
  source(cr, mix(roof, {0, 0, 0}, 0.3));
  cairo_fill(cr);
  cairo_move_to(cr, -w / 2, 0);
  cairo_line_to(cr, w / 2, 0);
  cairo_set_line_width(cr, 0.6);
  source(cr, mix(roof, kWhite, 0.4));
  cairo_stroke(cr);
  cairo_restore(cr);
}

// The road of a loop track: verge, asphalt, edge lines and the dashed centre.
void roadStroke(cairo_t* cr, double width) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, width + 3);
  cairo_set_source_rgba(cr, 0.72, 0.68, 0.52, 0.8);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, width + 1);
  cairo_set_source_rgb(cr, 0.86, 0.86, 0.82);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, width - 0.6);
  cairo_set_source_rgb(cr, 0.27, 0.28, 0.31);
  cairo_stroke_preserve(cr);
  const double dash[] = {3, 3};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_width(cr, 0.7);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_stroke_preserve(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

void villageLoop(cairo_t* cr, double w, double h, bool mirrored) {
  if (mirrored) {
    cairo_translate(cr, w, 0);
    cairo_scale(cr, -1, 1);
  }
  cairo_move_to(cr, w * 0.22, h * 0.16);
  cairo_curve_to(cr, w * 0.45, h * 0.1, w * 0.62, h * 0.22, w * 0.8, h * 0.17);
  cairo_curve_to(cr, w * 0.96, h * 0.13, w * 0.97, h * 0.55, w * 0.86, h * 0.7);
  cairo_curve_to(cr, w * 0.74, h * 0.86, w * 0.5, h * 0.74, w * 0.34, h * 0.82);
  cairo_curve_to(cr, w * 0.14, h * 0.92, w * 0.03, h * 0.66, w * 0.08, h * 0.42);
  cairo_curve_to(cr, w * 0.11, h * 0.26, w * 0.14, h * 0.18, w * 0.22, h * 0.16);
  cairo_close_path(cr);
  if (mirrored) {
    cairo_scale(cr, -1, 1);
    cairo_translate(cr, -w, 0);
  }
}

void riverPath(cairo_t* cr, double w, double h, bool mirrored) {
  const double x0 = mirrored ? w * 0.3 : w * 0.7;
  const double x1 = mirrored ? -4 : w + 4;
  cairo_move_to(cr, x0, -4);
  cairo_curve_to(cr, x0 + (mirrored ? -1 : 1) * w * 0.02, h * 0.25,
                 x1 - (mirrored ? -1 : 1) * w * 0.2, h * 0.2, x1, h * 0.55);
}

void village(Canvas& canvas, Rect r, bool championship) {
  cairo_t* cr = canvas.cr();
  const double w = r.w, h = r.h;
  const unsigned seed = championship ? 31 : 17;
  // Fields: a patchwork of strips with furrows.
  const Rgb crops[] = {{92, 138, 58}, {150, 160, 72}, {118, 104, 62},
                       {74, 124, 56}, {170, 150, 80}, {104, 150, 70}};
  source(cr, {80, 126, 56});
  cairo_paint(cr);
  int n = 0;
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 6; ++i, ++n) {
      const double fx = i * w / 6 + (rnd(n, seed) - 0.5) * 6, fy = j * h / 4;
      const double fw = w / 6 + 4, fh = h / 4 + 2;
      cairo_save(cr);
      cairo_translate(cr, fx + fw / 2, fy + fh / 2);
      cairo_rotate(cr, (rnd(n + 50, seed) - 0.5) * 0.3);
      cairo_rectangle(cr, -fw / 2, -fh / 2, fw - 1, fh - 1);
      source(cr, crops[int(rnd(n + 100, seed) * 6) % 6]);
      cairo_fill_preserve(cr);
      cairo_clip(cr);
      cairo_set_line_width(cr, 0.6);
      cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
      const bool across = rnd(n + 150, seed) > 0.5;
      for (double t = -fw; t < fw; t += 2.2) {
        if (across) {
          cairo_move_to(cr, t, -fh);
          cairo_line_to(cr, t, fh);
        } else {
          cairo_move_to(cr, -fw, t);
          cairo_line_to(cr, fw, t);
        }
      }
      cairo_stroke(cr);
      cairo_restore(cr);
    }
  // Hedges between fields.
  cairo_set_line_width(cr, 1.2);
  cairo_set_source_rgba(cr, 0.12, 0.3, 0.12, 0.55);
  for (int j = 1; j < 4; ++j) {
    cairo_move_to(cr, 0, j * h / 4);
    cairo_line_to(cr, w, j * h / 4 + 2);
  }
  cairo_stroke(cr);

  // The river with its sandy banks.
  riverPath(cr, w, h, championship);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 15);
  source(cr, {176, 164, 112});
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 11.5);
  source(cr, {42, 98, 148});
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 3);
  cairo_set_source_rgba(cr, 0.55, 0.8, 1, 0.45);
  cairo_stroke(cr);

  // Trees in clumps, outside the road.
  for (int i = 0; i < 34; ++i) {
    const double tx = rnd(i + 300, seed) * w, ty = rnd(i + 400, seed) * h;
    tree(cr, tx, ty, 2.6 + rnd(i + 500, seed) * 2.2, rnd(i + 600, seed));
  }
  // Houses of the village, inside the loop.
  const Rgb roofs[] = {{170, 64, 44}, {150, 80, 60}, {120, 110, 100}, {186, 90, 50}};
  for (int i = 0; i < 6; ++i) {
    const double hx = w * (0.3 + 0.1 * i) + (rnd(i + 700, seed) - 0.5) * 6;
    const double hy = h * (0.42 + 0.14 * (i % 2));
    house(cr, hx, hy, 11, 7, (rnd(i + 800, seed) - 0.5) * 0.8, roofs[i % 4]);
  }

  // The loop road, then the bridge: the road again where it crosses the water, on a deck.
  villageLoop(cr, w, h, championship);
  roadStroke(cr, 6);
  cairo_new_path(cr);
  // The bridge: the road drawn again as a deck with railings, kept to where the water is.
  cairo_push_group(cr);
  cairo_save(cr);
  cairo_translate(cr, 1.5, 2.5);
  villageLoop(cr, w, h, championship);
  cairo_set_line_width(cr, 11);
  cairo_set_source_rgba(cr, 0, 0, 0.05, 0.45);
  cairo_stroke(cr);
  cairo_restore(cr);
  villageLoop(cr, w, h, championship);
  cairo_set_line_width(cr, 10);
  cairo_set_source_rgb(cr, 0.8, 0.78, 0.72);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 7);
  cairo_set_source_rgb(cr, 0.34, 0.3, 0.27);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 5.4);
  cairo_set_source_rgb(cr, 0.3, 0.31, 0.34);
  cairo_stroke(cr);
  cairo_pattern_t* deck = cairo_pop_group(cr);
  cairo_push_group(cr);
  riverPath(cr, w, h, championship);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_width(cr, 15);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_stroke(cr);
  cairo_pattern_t* water = cairo_pop_group(cr);
  cairo_set_source(cr, deck);
  cairo_mask(cr, water);
  cairo_pattern_destroy(deck);
  cairo_pattern_destroy(water);

  if (championship) {
    // The race's start line and the cup waiting in the middle of the village.
    cairo_save(cr);
    cairo_translate(cr, w * 0.5, h * 0.775);
    cairo_rotate(cr, 0.3);
    for (int j = 0; j < 4; ++j)
      for (int i = 0; i < 2; ++i) {
        cairo_rectangle(cr, -1.5 + i * 1.5, -3.5 + j * 1.75, 1.5, 1.75);
        if ((i + j) % 2)
          cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
        else
          cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
      }
    cairo_restore(cr);
    setGlow(cr, w * 0.52, h * 0.42, 1, h * 0.36, {255, 220, 120}, 0.75);
    cairo_paint(cr);
    drawIcon(cr, Icon::Trophy, w * 0.52, h * 0.42, h * 0.42);
  }
  addGrain(canvas, r, 5, seed);
}

void city(Canvas& canvas, Rect r) {
  cairo_t* cr = canvas.cr();
  const double w = r.w, h = r.h;
  const unsigned seed = 23;
  source(cr, {60, 62, 68});
  cairo_paint(cr);
  const double xs[] = {-4, 36, 78, 118, w + 4};
  const double ys[] = {-4, 30, 62, h + 4};
  const double street = 8;
  // Lane markings on the streets.
  cairo_set_line_width(cr, 0.7);
  const double dash[] = {2.5, 2.5};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_source_rgba(cr, 1, 0.9, 0.5, 0.7);
  for (int i = 1; i < 4; ++i) {
    cairo_move_to(cr, xs[i] - street / 2, 0);
    cairo_line_to(cr, xs[i] - street / 2, h);
  }
  for (int j = 1; j < 3; ++j) {
    cairo_move_to(cr, 0, ys[j] - street / 2);
    cairo_line_to(cr, w, ys[j] - street / 2);
  }
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  const Rgb roofs[] = {{120, 124, 132}, {150, 140, 124}, {96, 104, 118},
                       {132, 96, 80},   {80, 120, 130},  {170, 168, 160}};
  int n = 0;
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 4; ++i, ++n) {
      const double bx = xs[i] + (i ? street / 2 : 0), by = ys[j] + (j ? street / 2 : 0);
      const double bw = xs[i + 1] - street / 2 - bx, bh = ys[j + 1] - street / 2 - by;
      // Pavement around the block.
      roundedRect(cr, bx, by, bw, bh, 2);
      source(cr, {150, 150, 146});
      cairo_fill(cr);
      const double ix = bx + 2, iy = by + 2, iw = bw - 4, ih = bh - 4;
      if (n == 5) {  // the park
        cairo_rectangle(cr, ix, iy, iw, ih);
        source(cr, {70, 128, 62});
        cairo_fill(cr);
        cairo_move_to(cr, ix, iy + ih);
        cairo_line_to(cr, ix + iw, iy);
        cairo_set_line_width(cr, 1.5);
        source(cr, {196, 186, 150});
        cairo_stroke(cr);
        for (int t = 0; t < 7; ++t)
          tree(cr, ix + 4 + rnd(t + 40, seed) * (iw - 8), iy + 4 + rnd(t + 60, seed) * (ih - 8),
               2.8, rnd(t + 80, seed));
        continue;
      }
      // Two or three buildings to a block, with shadows and roof details.
      const int parts = 2 + int(rnd(n, seed) * 2);
      for (int k = 0; k < parts; ++k) {
        const double px = ix + k * iw / parts, pw = iw / parts - 1;
        const double inset = rnd(n * 7 + k, seed) * 3;
        const double qx = px + inset * 0.5, qy = iy + inset, qw = pw - inset, qh = ih - inset * 2;
        cairo_rectangle(cr, qx + 2.5, qy + 2.5, qw, qh);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
        cairo_fill(cr);
        const Rgb roof = roofs[int(rnd(n * 11 + k, seed) * 6) % 6];
        cairo_pattern_t* g = cairo_pattern_create_linear(qx, qy, qx + qw, qy + qh);
        addStop(g, 0, mix(roof, kWhite, 0.18));
        addStop(g, 1, mix(roof, {0, 0, 0}, 0.2));
        cairo_rectangle(cr, qx, qy, qw, qh);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        cairo_rectangle(cr, qx + 0.5, qy + 0.5, qw - 1, qh - 1);
        cairo_set_line_width(cr, 1);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
        cairo_stroke(cr);
        // Roof units.
        for (int u = 0; u < 2; ++u) {
          const double ux = qx + 2 + rnd(n * 13 + k * 3 + u, seed) * (qw - 6);
          const double uy = qy + 2 + rnd(n * 17 + k * 5 + u, seed) * (qh - 6);
          cairo_rectangle(cr, ux, uy, 2.5, 2);
          cairo_set_source_rgba(cr, 0.85, 0.87, 0.9, 0.8);
          cairo_fill(cr);
        }
      }
    }
  // Zebra crossings and a few cars on the streets.
  cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
  for (int s = 0; s < 4; ++s)
    cairo_rectangle(cr, xs[2] + 5, ys[1] - street + 1.2 + s * 1.6, 4, 0.8);
  cairo_fill(cr);
  const Rgb paints[] = {{210, 40, 40}, {240, 200, 40}, {60, 110, 220}, {230, 230, 230}};
  const double carsAt[][3] = {{w * 0.12, ys[1] - 5.8, 0},
                              {w * 0.62, ys[2] - 2.2, M_PI},
                              {xs[1] - 2.2, h * 0.72, M_PI / 2},
                              {xs[3] - 5.8, h * 0.3, -M_PI / 2}};
  for (int c = 0; c < 4; ++c) {
    cairo_save(cr);
    cairo_translate(cr, carsAt[c][0], carsAt[c][1]);
    cairo_rotate(cr, carsAt[c][2]);
    drawTopCar(cr, 0, 0, 7, 3.4, paints[c], false);
    cairo_restore(cr);
  }
  addGrain(canvas, r, 4, seed);
}

void parking(Canvas& canvas, Rect r) {
  cairo_t* cr = canvas.cr();
  const double w = r.w, h = r.h;
  const unsigned seed = 41;
  source(cr, {64, 66, 72});
  cairo_paint(cr);
  // A grass strip with trees along the top.
  cairo_rectangle(cr, 0, 0, w, 12);
  source(cr, {72, 126, 60});
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 12, w, 1.5);
  source(cr, {170, 170, 164});
  cairo_fill(cr);
  for (int t = 0; t < 9; ++t) tree(cr, 8 + t * 17.5, 5.5, 4, rnd(t, seed));
  // Two rows of bays facing the lane.
  const double rowY[] = {14, h - 22};
  const Rgb paints[] = {{200, 40, 40}, {40, 90, 200}, {220, 220, 220}, {240, 200, 40},
                        {40, 150, 70}, {30, 30, 34},  {150, 150, 160}};
  cairo_set_line_width(cr, 0.9);
  for (int row = 0; row < 2; ++row) {
    for (int b = 0; b <= 13; ++b) {
      const double bx = 4 + b * 11;
      cairo_move_to(cr, bx, rowY[row]);
      cairo_line_to(cr, bx, rowY[row] + 20);
    }
    cairo_move_to(cr, 4, rowY[row] + (row ? 0 : 20));
    cairo_line_to(cr, 4 + 13 * 11, rowY[row] + (row ? 0 : 20));
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_stroke(cr);
    for (int b = 0; b < 13; ++b) {
      if (rnd(b + row * 20, seed) < 0.35) continue;  // an empty bay
      cairo_save(cr);
      cairo_translate(cr, 9.5 + b * 11, rowY[row] + 10);
      cairo_rotate(cr, row ? -M_PI / 2 : M_PI / 2);
      drawTopCar(cr, 0, 0, 15, 7.5, paints[int(rnd(b + 40 + row * 20, seed) * 7) % 7], false);
      cairo_restore(cr);
    }
  }
  // Painted arrows on the lane.
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  for (double ax : {w * 0.3, w * 0.7}) {
    const double ay = h * 0.5 + 4;
    cairo_rectangle(cr, ax - 7, ay - 0.8, 9, 1.6);
    cairo_move_to(cr, ax + 2, ay - 3);
    cairo_line_to(cr, ax + 6, ay);
    cairo_line_to(cr, ax + 2, ay + 3);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  // Lamp posts throwing pools of light.
  for (double lx : {w * 0.15, w * 0.5, w * 0.85}) {
    const double ly = h * 0.5 + 4;
    setGlow(cr, lx, ly, 0.5, 16, {255, 230, 160}, 0.35);
    cairo_paint(cr);
    cairo_arc(cr, lx, ly, 1.4, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 0.96, 0.8);
    cairo_fill(cr);
  }
  addGrain(canvas, r, 5, seed);
}

void circuitPath(cairo_t* cr, double w, double h) {
  cairo_move_to(cr, w * 0.2, h * 0.8);
  cairo_line_to(cr, w * 0.72, h * 0.8);
  cairo_curve_to(cr, w * 0.95, h * 0.8, w * 0.95, h * 0.45, w * 0.8, h * 0.42);
  cairo_curve_to(cr, w * 0.66, h * 0.4, w * 0.64, h * 0.2, w * 0.52, h * 0.18);
  cairo_curve_to(cr, w * 0.4, h * 0.16, w * 0.4, h * 0.5, w * 0.28, h * 0.5);
  cairo_curve_to(cr, w * 0.16, h * 0.5, w * 0.12, h * 0.22, w * 0.08, h * 0.4);
  cairo_curve_to(cr, w * 0.03, h * 0.62, w * 0.05, h * 0.8, w * 0.2, h * 0.8);
  cairo_close_path(cr);
}

void circuit(Canvas& canvas, Rect r) {
  cairo_t* cr = canvas.cr();
  const double w = r.w, h = r.h;
  const unsigned seed = 53;
  // Mown grass in stripes.
  source(cr, {72, 134, 60});
  cairo_paint(cr);
  for (double s = -h; s < w; s += 10) {
    polygon(cr, {{s, 0}, {s + 5, 0}, {s + 5 + h * 0.5, h}, {s + h * 0.5, h}});
  }
  source(cr, {86, 150, 70});
  cairo_fill(cr);
  // Gravel trap outside the hairpin.
  cairo_arc(cr, w * 0.5, h * 0.12, 13, 0, 2 * M_PI);
  source(cr, {196, 178, 130});
  cairo_fill(cr);
  // Grandstand by the main straight, full of people.
  cairo_rectangle(cr, w * 0.24, h * 0.88, w * 0.44, 8);
  source(cr, {70, 74, 86});
  cairo_fill(cr);
  for (int i = 0; i < 60; ++i) {
    const Rgb crowd[] = {{230, 60, 50}, {240, 220, 70}, {60, 120, 230}, {240, 240, 240}};
    cairo_rectangle(cr, w * 0.24 + 1 + (i % 30) * w * 0.0145, h * 0.88 + 1.5 + (i / 30) * 3, 1, 1);
    source(cr, crowd[int(rnd(i, seed) * 4) % 4]);
    cairo_fill(cr);
  }
  // The track: kerbs, asphalt and its white edges.
  circuitPath(cr, w, h);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 12);
  cairo_set_source_rgb(cr, 0.95, 0.95, 0.95);
  cairo_stroke_preserve(cr);
  const double kerb[] = {2.5, 2.5};
  cairo_set_dash(cr, kerb, 2, 0);
  cairo_set_source_rgb(cr, 0.85, 0.1, 0.1);
  cairo_stroke_preserve(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_set_line_width(cr, 9);
  cairo_set_source_rgb(cr, 0.3, 0.31, 0.34);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 0.5);
  cairo_new_path(cr);
  // Start line, chequered.
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 2; ++i) {
      cairo_rectangle(cr, w * 0.46 + i * 2, h * 0.8 - 4.5 + j * 2.25, 2, 2.25);
      if ((i + j) % 2)
        cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
      else
        cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_fill(cr);
    }
  // Tyre stacks and cones at the chicane.
  for (int i = 0; i < 5; ++i) {
    cairo_arc(cr, w * 0.9 + (i % 2) * 2, h * 0.2 + i * 2.6, 1.3, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.1);
    cairo_fill(cr);
  }
  for (int i = 0; i < 4; ++i) drawIcon(cr, Icon::Cone, w * 0.16 + i * 5, h * 0.08, 4.5);
  addGrain(canvas, r, 5, seed);
}

}  // namespace

void drawTrackPicture(Canvas& canvas, Track track, Rect r) {
  cairo_t* cr = canvas.cr();
  cairo_save(cr);
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  cairo_clip(cr);
  cairo_translate(cr, r.x, r.y);
  switch (track) {
    case Track::Village:
      village(canvas, r, false);
      break;
    case Track::ChampionshipVillage:
      village(canvas, r, true);
      break;
    case Track::City:
      city(canvas, r);
      break;
    case Track::Parking:
      parking(canvas, r);
      break;
    case Track::Circuit:
      circuit(canvas, r);
      break;
  }
  cairo_restore(cr);
}

}  // namespace art::menu
