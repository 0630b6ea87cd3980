// The Kolder Run's story picture: the night city from above, its blocks rising towards the eye,
// the Kolder truck on the main street and parcels glowing at the crossroads.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "canvas.h"
#include "story_car.h"
#include "story_checks.h"
#include "story_paint.h"
#include "story_parcel.h"
#include "story_scenes.h"

namespace art::story {

namespace {

constexpr double kW = kSceneWidth, kH = kSceneHeight;
// The main street runs north-south, the cross street east-west.
constexpr double kStreetL = 70, kStreetR = 124, kCrossT = 150, kCrossB = 200;
constexpr double kWalk = 7;
// The eye is above this point; walls facing it are seen.
constexpr double kEyeX = 97, kEyeY = 175, kEyeHeight = 260;

void ground(cairo_t* cr) {
  setLinear(cr, 0, 0, kW, kH, {{0, {30, 33, 44}}, {1, {22, 24, 32}}});
  cairo_paint(cr);
  mottle(cr, 31, 30, 7, 0.1);
  grain(cr, 32, 0.08);
  // Pavements around the blocks.
  cairo_set_source_rgba(cr, 0.45, 0.47, 0.55, 0.35);
  cairo_rectangle(cr, 0, 0, kStreetL, kCrossT);
  cairo_rectangle(cr, kStreetR, 0, kW - kStreetR, kCrossT);
  cairo_rectangle(cr, 0, kCrossB, kStreetL, kH - kCrossB);
  cairo_rectangle(cr, kStreetR, kCrossB, kW - kStreetR, kH - kCrossB);
  cairo_fill(cr);
  // Kerb edges.
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgba(cr, 0.7, 0.72, 0.8, 0.35);
  cairo_rectangle(cr, -2, -2, kStreetL + 2.5, kCrossT + 2.5);
  cairo_rectangle(cr, kStreetR - 0.5, -2, kW, kCrossT + 2.5);
  cairo_rectangle(cr, -2, kCrossB - 0.5, kStreetL + 2.5, kH);
  cairo_rectangle(cr, kStreetR - 0.5, kCrossB - 0.5, kW, kH);
  cairo_stroke(cr);
  // Lane markings and a zebra crossing.
  const double dash[] = {9, 7};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_width(cr, 1.5);
  cairo_set_source_rgba(cr, 0.95, 0.85, 0.5, 0.55);
  cairo_move_to(cr, (kStreetL + kStreetR) / 2, 0);
  cairo_line_to(cr, (kStreetL + kStreetR) / 2, kCrossT - 14);
  cairo_move_to(cr, (kStreetL + kStreetR) / 2, kCrossB + 14);
  cairo_line_to(cr, (kStreetL + kStreetR) / 2, kH);
  cairo_move_to(cr, 0, (kCrossT + kCrossB) / 2);
  cairo_line_to(cr, kStreetL - 14, (kCrossT + kCrossB) / 2);
  cairo_move_to(cr, kStreetR + 14, (kCrossT + kCrossB) / 2);
  cairo_line_to(cr, kW, (kCrossT + kCrossB) / 2);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  for (double x = kStreetL + 4; x < kStreetR - 4; x += 7) cairo_rectangle(cr, x, kCrossB + 3, 4, 9);
  cairo_set_source_rgba(cr, 0.9, 0.9, 0.92, 0.5);
  cairo_fill(cr);
}

struct Building {
  double x0, y0, x1, y1, height;
  Rgb roof;
};

Vec lift(double x, double y, double h) {
  const double f = kEyeHeight / (kEyeHeight - h);  // nearer the eye looks bigger and outward
  return {kEyeX + (x - kEyeX) * f, kEyeY + (y - kEyeY) * f};
}

void wall(cairo_t* cr, Vec a, Vec b, double h, Rgb colour, Rng& rng) {
  const Vec ta = lift(a.x, a.y, h), tb = lift(b.x, b.y, h);
  polygon(cr, {{a.x, a.y}, {b.x, b.y}, {tb.x, tb.y}, {ta.x, ta.y}});
  setLinear(cr, a.x, a.y, ta.x, ta.y, {{0, shade(colour, 0.55)}, {1, colour}});
  cairo_fill(cr);
  // Windows: a grid on the wall, some lit warm, a few cold.
  const int floors = std::max(2, int(h / 9)),
            cols = std::max(2, int(std::hypot(b.x - a.x, b.y - a.y) / 7));
  for (int f = 0; f < floors; ++f)
    for (int c = 0; c < cols; ++c) {
      const double u0 = (c + 0.3) / cols, u1 = (c + 0.7) / cols;
      const double v0 = (f + 0.35) / floors * h, v1 = (f + 0.75) / floors * h;
      auto at = [&](double u, double v) {
        return lift(a.x + (b.x - a.x) * u, a.y + (b.y - a.y) * u, v);
      };
      const Vec p0 = at(u0, v0), p1 = at(u1, v0), p2 = at(u1, v1), p3 = at(u0, v1);
      polygon(cr, {{p0.x, p0.y}, {p1.x, p1.y}, {p2.x, p2.y}, {p3.x, p3.y}});
      const double r = rng.uniform();
      if (r < 0.45)
        source(cr, {255, 206, 120}, 0.55 + 0.45 * rng.uniform());
      else if (r < 0.55)
        source(cr, {150, 200, 255}, 0.6);
      else
        source(cr, {10, 12, 20}, 0.6);
      cairo_fill(cr);
    }
}

void building(cairo_t* cr, const Building& b, Rng& rng) {
  const Vec c[4] = {{b.x0, b.y0}, {b.x1, b.y0}, {b.x1, b.y1}, {b.x0, b.y1}};
  // Contact shadow on the pavement.
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_rectangle(lc, b.x0 - 2, b.y0 - 2, b.x1 - b.x0 + 4, b.y1 - b.y0 + 4);
        cairo_fill(lc);
      },
      4, {0, 0, 0}, 0.5);
  const Rgb wallColour = mix(b.roof, {70, 76, 100}, 0.5);
  // Walls that face the eye are the ones whose outward side points towards it.
  for (int i = 0; i < 4; ++i) {
    const Vec a = c[i], d = c[(i + 1) % 4];
    const double nx = d.y - a.y, ny = -(d.x - a.x);  // outward for clockwise corners
    const double mx = (a.x + d.x) / 2, my = (a.y + d.y) / 2;
    if (nx * (kEyeX - mx) + ny * (kEyeY - my) > 0)
      wall(cr, a, d, b.height, shade(wallColour, 0.8 + 0.1 * i), rng);
  }
  Vec r[4];
  for (int i = 0; i < 4; ++i) r[i] = lift(c[i].x, c[i].y, b.height);
  cairo_move_to(cr, r[0].x, r[0].y);
  for (int i = 1; i < 4; ++i) cairo_line_to(cr, r[i].x, r[i].y);
  cairo_close_path(cr);
  setLinear(cr, r[0].x, r[0].y, r[2].x, r[2].y,
            {{0, shade(b.roof, 1.25)}, {1, shade(b.roof, 0.8)}});
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1.2);
  source(cr, shade(b.roof, 1.6), 0.6);
  cairo_stroke(cr);
  // Parapet: a darker inner edge one step inside the roof's rim.
  const double rw = r[1].x - r[0].x, rh = r[3].y - r[0].y;
  cairo_rectangle(cr, r[0].x + 3, r[0].y + 3, rw - 6, rh - 6);
  cairo_set_line_width(cr, 1);
  source(cr, shade(b.roof, 0.6), 0.8);
  cairo_stroke(cr);
  cairo_rectangle(cr, r[0].x + 4, r[0].y + 4, rw - 8, rh - 8);
  source(cr, shade(b.roof, 1.3), 0.25);
  cairo_stroke(cr);
  // Skylights catching the city's glow.
  const int lights = rng.below(3);
  for (int i = 0; i < lights; ++i) {
    const double sx = r[0].x + rw * rng.range(0.15, 0.7), sy = r[0].y + rh * rng.range(0.6, 0.8);
    cairo_rectangle(cr, sx, sy, 6, 4);
    setLinear(cr, sx, sy, sx + 6, sy + 4, {{0, {150, 170, 210}}, {1, {40, 50, 70}}});
    cairo_fill(cr);
  }
  // Roof clutter: an air-conditioning box and a vent.
  const double ux = r[0].x + rw * rng.range(0.2, 0.55), uy = r[0].y + rh * rng.range(0.2, 0.55);
  roundedRect(cr, ux, uy, std::min(10.0, rw * 0.3), std::min(8.0, rh * 0.3), 1);
  source(cr, shade(b.roof, 1.5));
  cairo_fill(cr);
  cairo_arc(cr, r[0].x + rw * 0.78, r[0].y + rh * 0.75, std::min(3.5, rw * 0.1), 0, 2 * M_PI);
  source(cr, shade(b.roof, 0.6));
  cairo_fill(cr);
}

void streetLamp(cairo_t* cr, double x, double y, double lx, double ly) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  glow(cr, lx, ly, 1, 30, {255, 200, 120}, 0.42);
  cairo_restore(cr);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, lx, ly);
  cairo_set_line_width(cr, 1.5);
  source(cr, {40, 42, 50});
  cairo_stroke(cr);
  cairo_arc(cr, lx, ly, 2.2, 0, 2 * M_PI);
  source(cr, {255, 240, 200});
  cairo_fill(cr);
}

}  // namespace

Image kolderScene() {
  Canvas c(kSceneWidth, kSceneHeight);
  cairo_t* cr = c.cr();
  ground(cr);

  for (auto [x, y, lx, ly] : {std::array<double, 4>{kStreetL - 3, 40, kStreetL + 4, 40},
                              {kStreetR + 3, 100, kStreetR - 4, 100},
                              {kStreetL - 3, 236, kStreetL + 4, 236},
                              {kStreetR + 3, 250, kStreetR - 4, 250},
                              {30, kCrossT - 3, 30, kCrossT + 4},
                              {170, kCrossB + 3, 170, kCrossB - 4}})
    streetLamp(cr, x, y, lx, ly);

  // Cars parked along the main street.
  for (const Placement& p : {Placement{78, 26, 26, -M_PI / 2}, Placement{116, 64, 26, M_PI / 2},
                             Placement{116, 258, 26, M_PI / 2}}) {
    carShadow(cr, p, 0.6);
    paintCar(cr, p,
             {p.y < 40    ? Rgb{150, 30, 36}
              : p.y < 100 ? Rgb{200, 200, 196}
                          : Rgb{60, 110, 70}});
  }

  glowingParcel(cr, 97, 112, 26, 0.3);
  glowingParcel(cr, 168, 175, 20, -0.4);
  glowingParcel(cr, 26, 176, 16, 0.15);

  const Placement truck{97, 232, 64, -M_PI / 2};
  headlightBeams(cr, truck, 90, 50, {255, 240, 200}, 0.3);
  truckShadow(cr, truck, 0.7);
  paintTruck(cr, truck, {30, 120, 210}, true);

  // Blocks, drawn from the top so that nearer walls overlap farther ones.
  Rng rng(33);
  const Building blocks[] = {
      {4, 4, 36, 58, 60, {52, 58, 80}},
      {40, 6, kStreetL - kWalk, 62, 40, {64, 56, 72}},
      {4, 66, kStreetL - kWalk, 142, 80, {46, 54, 74}},
      {kStreetR + kWalk, 4, 162, 70, 50, {70, 62, 60}},
      {166, 6, 194, 70, 90, {48, 56, 78}},
      {kStreetR + kWalk, 78, 194, 142, 34, {58, 66, 84}},
      {4, kCrossB + kWalk, kStreetL - kWalk, 270, 56, {60, 58, 76}},
      {kStreetR + kWalk, kCrossB + kWalk, 160, 272, 44, {54, 62, 74}},
      {164, kCrossB + kWalk, 194, 272, 70, {66, 58, 70}},
  };
  for (const Building& b : blocks) building(cr, b, rng);

  grain(cr, 34, 0.05);
  vignette(cr, 0.65);
  Image img = c.toImage();
  avoidKey(img);
  return img;
}

}  // namespace art::story
