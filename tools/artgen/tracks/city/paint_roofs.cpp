// Roofs: flat ones with a parapet, gravel and the things that stand on them (air conditioners,
// vents, skylights, stair heads), tiled hip and gable roofs lit from the north-west, and a few
// glass roofs.
#include <cmath>
#include <numbers>
#include <vector>

#include "render.h"
#include "toolkit/noise.h"
#include "toolkit/random.h"

namespace art::city {

namespace {

// Towards the light (north-west), in map axes (y grows downwards).
const Vec kToLight = unit({-0.6, -0.8});
constexpr Rgb kTreeShadow{7.65, 12.75, 22.95};  // deep blue-grey under the crowns

const Rgb kFlat[6] = {{170, 167, 160}, {150, 148, 143}, {184, 177, 163},
                      {140, 143, 148}, {162, 155, 140}, {128, 130, 134}};
const Rgb kTar[6] = {{72, 72, 76}, {86, 84, 80}, {66, 68, 72},
                     {92, 90, 86}, {78, 76, 74}, {60, 62, 66}};
const Rgb kTiles[6] = {{176, 82, 52}, {158, 70, 48}, {122, 74, 54},
                       {88, 92, 102}, {148, 58, 46}, {174, 112, 66}};

struct Frame {
  Vec o, u, n;  // corner 0, unit along, unit across
  double w, d;  // length along, depth across
};

Frame frameOf(const Building& b) {
  Frame f;
  f.o = b.corners[0];
  f.u = unit(b.corners[1] - b.corners[0]);
  f.n = unit(b.corners[3] - b.corners[0]);
  f.w = norm(b.corners[1] - b.corners[0]);
  f.d = norm(b.corners[3] - b.corners[0]);
  return f;
}

double fine(Vec m, double scale, std::uint32_t seed) {
  return valueNoise(m.x / std::max(0.65, 1.3 / scale), m.y / std::max(0.65, 1.3 / scale), seed) / 2;
}

Rgb flatRoof(const Building& b, const Frame& f, double a, double c, Vec m, double scale) {
  const Rgb base = b.roof == Roof::Flat ? kFlat[b.tone] : kTar[b.tone];
  const double edge = std::min({a, f.w - a, c, f.d - c});
  Rgb col =
      grain(base, fine(m, scale, b.seed) * 16 + (fbm(m.x / 30, m.y / 30, 2, b.seed + 1) / 2) * 12);
  if (edge < 3) {
    // The parapet: lit on the sides that face the light.
    const double lit = edge == a         ? -dot(f.u, kToLight)
                       : edge == f.w - a ? dot(f.u, kToLight)
                       : edge == c       ? -dot(f.n, kToLight)
                                         : dot(f.n, kToLight);
    col = shade(mix(base, {200, 198, 192}, 0.35), 1 + 0.12 + 0.12 * lit);
  } else if (edge < 4.5) {
    col = shade(col, 0.78);  // the parapet's shadow on the roof
  }
  return col;
}

Rgb tiledRoof(const Building& b, const Frame& f, double a, double c, Vec m, double scale) {
  // Distance to each eave; the nearest decides the facet (hip roofs slope to all four sides,
  // gable roofs only to the two long ones).
  const bool longAlong = f.w >= f.d;
  struct Side {
    double dist;
    Vec outward;
    double along;  // position along the eave, for the tile joints
  };
  const Side sides[4] = {{c, f.n * -1, a}, {f.d - c, f.n, a}, {a, f.u * -1, c}, {f.w - a, f.u, c}};
  // Gable roofs slope only to the long sides; their short sides are the gable walls.
  std::vector<Side> use;
  if (b.roof == Roof::Hip || longAlong) use = {sides[0], sides[1]};
  if (b.roof == Roof::Hip || !longAlong) use.insert(use.end(), {sides[2], sides[3]});
  std::size_t first = 0;
  for (std::size_t i = 1; i < use.size(); ++i)
    if (use[i].dist < use[first].dist) first = i;
  double secondDist = 1e9;
  for (std::size_t i = 0; i < use.size(); ++i)
    if (i != first) secondDist = std::min(secondDist, use[i].dist);
  const Side& s = use[first];
  const Rgb base = kTiles[b.tone];
  const double light = dot(s.outward, kToLight);
  Rgb col = shade(base, 1 + 0.16 * light - 0.04);
  // Tiles: rows along the eave, staggered joints, a little colour in each tile.
  const double row = s.dist / 4.2, ri = std::floor(row);
  const double tile = (s.along + ri * 2.6) / 5.2, ti = std::floor(tile);
  col = grain(col, (hash01(std::int32_t(ri), std::int32_t(ti), b.seed) - 0.5) * 16 +
                       fine(m, scale, b.seed + 2) * 8);
  if (row - ri < 0.22)
    col = shade(col, 0.72);
  else if (tile - ti < 0.12)
    col = shade(col, 0.86);
  // The ridge and the hips: where two facets meet.
  if (secondDist - s.dist < 1.3) col = shade(mix(base, {90, 80, 76}, 0.3), 1.1);
  // The eaves' edge.
  if (s.dist < 1.2) col = shade(col, 0.7);
  return col;
}

Rgb glassRoof(const Building& b, const Frame& f, double a, double c, Vec m, double scale) {
  const double edge = std::min({a, f.w - a, c, f.d - c});
  if (edge < 2.5) return {120, 124, 128};
  const double pa = std::fmod(a - 2.5, 11), pc = std::fmod(c - 2.5, 9);
  if (pa < 1.2 || pc < 1.2) return {96, 100, 106};  // the frame
  // Glass: sky reflected in a diagonal sheen.
  const double sheen = std::sin((a + c) * 0.08 + b.seed % 7) * 0.5 + 0.5;
  return grain(mix({92, 128, 150}, {170, 200, 214}, sheen * 0.6), fine(m, scale, b.seed) * 6);
}

// The things on a flat roof, drawn with cairo in the building's own frame.
void roofDetails(cairo_t* cr, const Building& b, const Frame& f) {
  if (b.roof != Roof::Flat && b.roof != Roof::FlatDark) return;
  Rng rng(b.seed);
  cairo_save(cr);
  cairo_matrix_t mtx{f.u.x, f.u.y, f.n.x, f.n.y, f.o.x, f.o.y};
  cairo_transform(cr, &mtx);
  const Vec shadowOff{-dot(kToLight, f.u) * 2.5, -dot(kToLight, f.n) * 2.5};
  const int units = 1 + rng.below(int(f.w * f.d / 1800) + 1);
  for (int i = 0; i < units; ++i) {
    const double w = rng.range(7, 13), h = rng.range(6, 10);
    if (f.w < w + 14 || f.d < h + 14) break;
    const double x = rng.range(6, f.w - w - 6), y = rng.range(6, f.d - h - 6);
    const int kind = rng.below(3);
    source(cr, {0, 0, 0}, 0.3);
    cairo_rectangle(cr, x + shadowOff.x, y + shadowOff.y, w, h);
    cairo_fill(cr);
    if (kind == 0) {  // an air conditioner with its fan
      source(cr, {196, 198, 200});
      cairo_rectangle(cr, x, y, w, h);
      cairo_fill(cr);
      source(cr, {70, 72, 76});
      cairo_arc(cr, x + w / 2, y + h / 2, std::min(w, h) * 0.32, 0, 2 * std::numbers::pi);
      cairo_fill(cr);
      source(cr, {150, 152, 156});
      cairo_set_line_width(cr, 0.6);
      cairo_rectangle(cr, x + 0.3, y + 0.3, w - 0.6, h - 0.6);
      cairo_stroke(cr);
    } else if (kind == 1) {  // a skylight
      source(cr, {110, 140, 160});
      cairo_rectangle(cr, x, y, w, h);
      cairo_fill(cr);
      source(cr, {200, 220, 228}, 0.6);
      cairo_move_to(cr, x + 1, y + h - 1);
      cairo_line_to(cr, x + w - 1, y + 1);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      source(cr, {150, 150, 150});
      cairo_set_line_width(cr, 0.8);
      cairo_rectangle(cr, x, y, w, h);
      cairo_stroke(cr);
    } else {  // a round vent
      source(cr, {120, 120, 118});
      cairo_arc(cr, x + w / 2, y + h / 2, 3, 0, 2 * std::numbers::pi);
      cairo_fill(cr);
      source(cr, {50, 50, 50});
      cairo_arc(cr, x + w / 2, y + h / 2, 1.6, 0, 2 * std::numbers::pi);
      cairo_fill(cr);
    }
  }
  // A stair head on the larger roofs.
  if (f.w > 60 && f.d > 50 && rng.uniform() < 0.7) {
    const double x = rng.range(8, f.w - 30), y = rng.range(8, f.d - 26);
    source(cr, {0, 0, 0}, 0.3);
    cairo_rectangle(cr, x + shadowOff.x * 2.5, y + shadowOff.y * 2.5, 20, 16);
    cairo_fill(cr);
    source(cr, shade(b.roof == Roof::Flat ? kFlat[b.tone] : kTar[b.tone], 1.15));
    cairo_rectangle(cr, x, y, 20, 16);
    cairo_fill(cr);
    source(cr, {0, 0, 0}, 0.25);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, x + 0.5, y + 0.5, 19, 15);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

}  // namespace

void paintRoofs(Raster& r, const Layout& L, const View& v) {
  r.flush();
  for (const Building& b : L.buildings) {
    const Frame f = frameOf(b);
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const Vec& c : b.corners)
      x0 = std::min(x0, c.x), y0 = std::min(y0, c.y), x1 = std::max(x1, c.x),
      y1 = std::max(y1, c.y);
    const int px0 = std::max(0, int((x0 - v.origin.x) * v.scale) - 1);
    const int py0 = std::max(0, int((y0 - v.origin.y) * v.scale) - 1);
    const int px1 = std::min(r.width() - 1, int((x1 - v.origin.x) * v.scale) + 1);
    const int py1 = std::min(r.height() - 1, int((y1 - v.origin.y) * v.scale) + 1);
    for (int py = py0; py <= py1; ++py)
      for (int px = px0; px <= px1; ++px) {
        const Vec m = v.mapAt(px, py);
        const double a = dot(m - f.o, f.u), c = dot(m - f.o, f.n);
        if (a < 0 || c < 0 || a > f.w || c > f.d) continue;
        Rgb col;
        switch (b.roof) {
          case Roof::Flat:
          case Roof::FlatDark:
            col = flatRoof(b, f, a, c, m, v.scale);
            break;
          case Roof::Hip:
          case Roof::Gable:
            col = tiledRoof(b, f, a, c, m, v.scale);
            break;
          case Roof::Glass:
            col = glassRoof(b, f, a, c, m, v.scale);
            break;
        }
        r.set(px, py, col);
      }
  }
  r.dirty();
  cairo_t* cr = r.cr();
  v.apply(cr);
  for (const Building& b : L.buildings) roofDetails(cr, b, frameOf(b));
}

void paintShadows(Raster& r, const Layout& L, const View& v) {
  cairo_t* cr = r.cr();
  v.apply(cr);
  // Drawn opaque into a group and laid down once, so overlapping shadows do not add up.
  cairo_push_group(cr);
  source(cr, {10, 14, 24});
  for (const Building& b : L.buildings) {
    // The footprint swept away from the light: the hull of it and its offset copy.
    const Vec off = kToLight * -b.height;
    cairo_new_path(cr);
    for (int i = 0; i < 4; ++i) {
      const Vec p = b.corners[std::size_t(i)], q = b.corners[std::size_t((i + 1) % 4)];
      polygon(cr, {{p.x, p.y}, {q.x, q.y}, {q.x + off.x, q.y + off.y}, {p.x + off.x, p.y + off.y}});
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
  }
  cairo_pop_group_to_source(cr);
  cairo_identity_matrix(cr);
  cairo_paint_with_alpha(cr, 0.38);
  v.apply(cr);
  // Tree shadows, softer.
  for (const Tree& t : L.trees) {
    const Vec c = t.at + kToLight * -(t.radius * 0.55 + 7);
    glow(cr, c.x, c.y, t.radius * 0.5, t.radius * 1.1, kTreeShadow, 0.5);
  }
}

}  // namespace art::city
