// Picture4: the west street's tunnel seen from above, drawn over the cars at its place on the
// map. A small park lies on the tunnel's roof, with the portals' headwalls at both ends, the
// town wall on its west side and a low retaining wall on its east side.
#include <cmath>
#include <numbers>

#include "toolkit/noise.h"
#include "toolkit/random.h"
#include "tunnel.h"

namespace art::city {

namespace {

constexpr double kPi = std::numbers::pi;
const Vec kToLight = unit({-0.6, -0.8});
constexpr Rgb kTreeShadow{0, 5.1, 12.75};

Rgb deckLawn(double x, double y) {
  Rgb c{82, 134, 56};
  c = grain(
      c, (fbm(x / 50, y / 50, 3, 1201) / 2) * 24 + (valueNoise(x / 1.3, y / 1.3, 1202) / 2) * 12);
  return c;
}

Rgb concrete(double x, double y) {
  return grain({168, 166, 160}, (valueNoise(x / 1.3, y / 1.3, 1203) / 2) * 12 +
                                    (fbm(x / 30, y / 30, 2, 1204) / 2) * 10);
}

void tree(cairo_t* cr, Vec c, double r, Rgb colour, std::uint32_t seed) {
  glow(cr, c.x + 0.8 * r, c.y + r, 0, r * 1.1, kTreeShadow, 0.45);
  Rng rng(seed);
  for (int k = 0; k < 7; ++k) {
    const double a = rng.range(0, 2 * kPi), off = k ? r * rng.range(0.3, 0.5) : 0;
    const Vec l = c + Vec{std::cos(a), std::sin(a)} * off;
    const double lr = k ? r * rng.range(0.45, 0.55) : r * 0.62;
    setRadial(cr, l.x + kToLight.x * lr * 0.4, l.y + kToLight.y * lr * 0.4, 0, l.x, l.y, lr,
              {{0, shade(colour, 1.25)}, {1, shade(colour, 0.65)}});
    cairo_arc(cr, l.x, l.y, lr, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void vent(cairo_t* cr, double x, double y, double w, double h) {
  source(cr, {0, 0, 0}, 0.3);
  cairo_rectangle(cr, x + 3, y + 4, w, h);
  cairo_fill(cr);
  source(cr, {150, 150, 146});
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  source(cr, {46, 48, 52});
  for (double yy = y + 3; yy < y + h - 2; yy += 4) cairo_rectangle(cr, x + 3, yy, w - 6, 2);
  cairo_fill(cr);
}

void bench(cairo_t* cr, double x, double y, bool upright) {
  const double w = upright ? 5 : 16, h = upright ? 16 : 5;
  source(cr, {0, 0, 0}, 0.3);
  cairo_rectangle(cr, x + 1.5, y + 2, w, h);
  cairo_fill(cr);
  source(cr, {128, 86, 52});
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

}  // namespace

Image drawTunnel() {
  const int w = kTunnelWidth, h = kTunnelHeight;
  Raster r(w, h);
  r.flush();
  constexpr int kTownWall = 10, kHeadwall = 18, kEastWall = 8;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double mx = x + kTunnelLeft + 0.5, my = y + kTunnelTop + 0.5;
      Rgb c;
      if (x < kTownWall) {
        // The town wall, in the same courses as on the map.
        const double course = std::floor(my / 6), block = std::floor((mx + course * 5) / 13);
        c = grain({124, 120, 112},
                  (hash01(std::int32_t(block), std::int32_t(course), 81) - 0.5) * 16);
        if (std::fmod(my, 6) < 0.9 || std::fmod(mx + course * 5, 13) < 0.9) c = shade(c, 0.8);
      } else if (y < kHeadwall || y >= h - kHeadwall || x >= w - kEastWall) {
        c = concrete(mx, my);
        // The copings: a bright top edge and a dark joint every few pixels.
        const bool head = y < kHeadwall || y >= h - kHeadwall;
        if (head && std::fmod(mx, 24) < 1) c = shade(c, 0.8);
        if (head && (y == 0 || y == h - 1)) c = shade(c, 0.7);
        if (!head && x == w - 1) c = shade(c, 0.7);
      } else {
        c = deckLawn(mx, my);
      }
      r.set(x, y, c);
    }
  r.dirty();
  cairo_t* cr = r.cr();
  // Shadows of the headwalls and the east wall on the lawn.
  source(cr, {0, 0, 0}, 0.28);
  cairo_rectangle(cr, kTownWall, kHeadwall, w - kTownWall - kEastWall, 5);
  cairo_rectangle(cr, kTownWall, kHeadwall, 4, h - 2 * kHeadwall);
  cairo_fill(cr);
  // The portals' faces towards the street: a clearance band in yellow and black, and the
  // tunnel's name on the headwall's top.
  for (const bool north : {true, false}) {
    const double y = north ? 0 : h - 5;
    for (double x = kTownWall; x < w - kEastWall; x += 8) {
      source(cr, int((x - kTownWall) / 8) % 2 ? Rgb{30, 30, 30} : Rgb{236, 190, 40});
      polygon(cr, {{x, y}, {x + 8, y}, {x + 5, y + 5}, {x - 3, y + 5}});
      cairo_fill(cr);
    }
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 10);
    cairo_text_extents_t e;
    cairo_text_extents(cr, "TUNEL", &e);
    const double tx = (kTownWall + w - kEastWall) / 2.0 - e.width / 2 - e.x_bearing;
    const double ty = north ? 15 : h - 7;
    source(cr, {250, 250, 250}, 0.5);
    cairo_move_to(cr, tx + 0.6, ty + 0.6);
    cairo_show_text(cr, "TUNEL");
    source(cr, {70, 72, 78});
    cairo_move_to(cr, tx, ty);
    cairo_show_text(cr, "TUNEL");
  }
  // Railings along the headwalls, on their park side.
  source(cr, {70, 74, 82});
  cairo_set_line_width(cr, 1.5);
  for (double y : {double(kHeadwall) - 1.5, double(h - kHeadwall) + 1.5}) {
    cairo_move_to(cr, kTownWall, y);
    cairo_line_to(cr, w - kEastWall, y);
  }
  cairo_stroke(cr);
  for (double x = kTownWall + 4; x < w - kEastWall; x += 9) {
    cairo_rectangle(cr, x - 1, kHeadwall - 3, 2, 3);
    cairo_rectangle(cr, x - 1, h - kHeadwall, 2, 3);
  }
  cairo_fill(cr);
  // A gravel path winding over the deck, with benches, vents and trees.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    source(cr, pass ? Rgb{206, 190, 150} : Rgb{150, 134, 100});
    cairo_set_line_width(cr, pass ? 11 : 14);
    cairo_move_to(cr, 96, kHeadwall + 8);
    cairo_curve_to(cr, 40, 110, 120, 200, 70, 280);
    cairo_curve_to(cr, 50, 320, 80, 345, 90, h - kHeadwall - 8);
    cairo_stroke(cr);
  }
  vent(cr, 26, 62, 30, 18);
  vent(cr, 100, 300, 24, 18);
  bench(cr, 104, 150, true);
  bench(cr, 34, 250, true);
  // Flower bed.
  source(cr, {120, 84, 50});
  cairo_arc(cr, 108, 220, 13, 0, 2 * kPi);
  cairo_fill(cr);
  Rng rng(1205);
  for (int k = 0; k < 40; ++k) {
    const double a = rng.range(0, 2 * kPi), d = rng.range(0, 11);
    const Rgb flower = k % 3 == 0   ? Rgb{230, 60, 70}
                       : k % 3 == 1 ? Rgb{250, 210, 60}
                                    : Rgb{240, 240, 240};
    source(cr, flower);
    cairo_arc(cr, 108 + std::cos(a) * d, 220 + std::sin(a) * d, 1.4, 0, 2 * kPi);
    cairo_fill(cr);
  }
  tree(cr, {44, 130}, 22, {60, 110, 44}, 1);
  tree(cr, {112, 92}, 18, {74, 122, 48}, 2);
  tree(cr, {36, 330}, 20, {48, 96, 46}, 3);
  tree(cr, {116, 258}, 16, {90, 128, 54}, 4);
  // Lamps.
  for (const Vec l : {Vec{70, 40}, Vec{60, 200}, Vec{84, 340}}) {
    source(cr, {0, 0, 0}, 0.35);
    cairo_arc(cr, l.x + 2, l.y + 3, 3, 0, 2 * kPi);
    cairo_fill(cr);
    source(cr, {230, 228, 200});
    cairo_arc(cr, l.x, l.y, 2.6, 0, 2 * kPi);
    cairo_fill(cr);
  }
  return r.toImage();
}

}  // namespace art::city
