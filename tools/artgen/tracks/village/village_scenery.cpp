#include "tracks/village/village_scenery.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "toolkit/noise.h"

namespace art::tracks::village {

namespace {

constexpr double kPi = std::numbers::pi;

struct Placer {
  const Layout& L;
  const RoadField& field;
  Scenery& out;
  unsigned seed = 1;

  double rnd() { return hash01(int(seed++), 7, 911); }
  double rnd(double a, double b) { return a + (b - a) * rnd(); }

  // The corners of a building's footprint with a margin.
  std::vector<Vec> corners(const Building& b, double margin) const {
    const double c = std::cos(b.angle), s = std::sin(b.angle);
    const double hl = b.length / 2 + margin, hw = b.width / 2 + margin;
    std::vector<Vec> pts;
    for (double u : {-hl, 0.0, hl})
      for (double v : {-hw, 0.0, hw})
        pts.push_back({b.centre.x + u * c - v * s, b.centre.y + u * s + v * c});
    return pts;
  }
  bool clearOfRoad(const Building& b, double margin) const {
    for (const Vec& p : corners(b, 0))
      if (field.edge(p) < margin) return false;
    return true;
  }
  bool clearOfBuildings(const Building& b) const {
    for (const Building& o : out.buildings)
      if (std::hypot(o.centre.x - b.centre.x, o.centre.y - b.centre.y) <
          (std::max(o.length, o.width) + std::max(b.length, b.width)) / 2 + 4)
        return false;
    return true;
  }
  bool inside(Vec p, double margin) const {
    return p.x > -1000 + margin && p.x < 1000 - margin && p.y > -1000 + margin &&
           p.y < 1000 - margin;
  }
  // A building placed by hand must stand clear of the road.
  void building(Building b) {
    if (!clearOfRoad(b, 10))
      throw std::runtime_error("village: a building at (" + std::to_string(int(b.centre.x)) + ", " +
                               std::to_string(int(b.centre.y)) + ") stands on the road");
    out.buildings.push_back(b);
  }
  // Trees placed by hand or scattered: kept where their trunk stands off the road.
  bool tree(Tree t, double trunkMargin = 6) {
    if (!inside(t.at, 12) || field.edge(t.at) < trunkMargin) return false;
    // Nothing grows over the bridge.
    const BridgeBox& br = L.bridge;
    if (t.at.x > br.x0 - t.radius - 10 && t.at.x < br.x1 + t.radius + 10 &&
        t.at.y > br.y0 - t.radius - 10 && t.at.y < br.y1 + t.radius + 10)
      return false;
    for (const Building& b : out.buildings)
      if (std::hypot(b.centre.x - t.at.x, b.centre.y - t.at.y) <
          std::max(b.length, b.width) / 2 + t.radius * 0.6)
        return false;
    for (const Tree& o : out.trees)
      if (std::hypot(o.at.x - t.at.x, o.at.y - t.at.y) < (o.radius + t.radius) * 0.55) return false;
    out.trees.push_back(t);
    return true;
  }

  // Houses along a stretch of road on one side, facing it, with gardens behind.
  void street(Vec from, Vec to, bool left, double setback, int firstRoof) {
    const Centreline& road = L.road;
    const std::size_t a = road.nearest(from), b = road.nearest(to);
    double along = 0;
    int k = firstRoof;
    for (std::size_t i = a; i != b; i = road.wrap(std::ptrdiff_t(i) + 1)) {
      along += road.spacing();
      if (along < 0) continue;
      const Station& s = road[std::ptrdiff_t(i)];
      const double len = rnd(56, 76), depth = rnd(36, 44);
      const double lat = (s.hw + setback + depth / 2) * (left ? 1 : -1);
      Building h{{s.x + s.lx() * lat, s.y + s.ly() * lat},
                 len,
                 depth,
                 std::atan2(s.ty, s.tx),
                 k % 3 == 2 ? Roofing::DarkTiles : Roofing::Tiles,
                 k % 4 == 1};
      if (clearOfRoad(h, 12) && clearOfBuildings(h) && inside(h.centre, 40)) {
        out.buildings.push_back(h);
        // The garden behind the house.
        const double g0 = s.hw + setback + depth + 4, g1 = g0 + rnd(50, 80);
        const double sx = s.tx * len * 0.55, sy = s.ty * len * 0.55;
        const double sign = left ? 1 : -1;
        Patch garden{{{s.x + s.lx() * g0 * sign - sx, s.y + s.ly() * g0 * sign - sy},
                      {s.x + s.lx() * g0 * sign + sx, s.y + s.ly() * g0 * sign + sy},
                      {s.x + s.lx() * g1 * sign + sx, s.y + s.ly() * g1 * sign + sy},
                      {s.x + s.lx() * g1 * sign - sx, s.y + s.ly() * g1 * sign - sy}},
                     Ground::Garden};
        out.patches.push_back(garden);
        for (int t = 0; t < 2; ++t) {
          const double gl = rnd(g0 + 10, g1 - 8) * sign, gs = rnd(-0.45, 0.45) * len;
          tree({{s.x + s.lx() * gl + s.tx * gs, s.y + s.ly() * gl + s.ty * gs}, rnd(11, 15), 2});
        }
        ++k;
        along = -len - rnd(16, 30);
      }
    }
  }

  // Trees along a road's verge, `fromEdge` outside the asphalt.
  void avenue(Vec from, Vec to, bool left, double fromEdge, double spacing, int kind,
              double radius) {
    const Centreline& road = L.road;
    const std::size_t a = road.nearest(from), b = road.nearest(to);
    double along = spacing;
    for (std::size_t i = a; i != b; i = road.wrap(std::ptrdiff_t(i) + 1)) {
      along += road.spacing();
      if (along < spacing) continue;
      const Station& s = road[std::ptrdiff_t(i)];
      const double lat = (s.hw + fromEdge + rnd(-2, 2)) * (left ? 1 : -1);
      if (tree({{s.x + s.lx() * lat, s.y + s.ly() * lat}, radius * rnd(0.85, 1.15), kind},
               fromEdge - 4))
        along = rnd(-6, 6);
    }
  }

  // Trees scattered over a box where the ground is free.
  void scatter(double x0, double y0, double x1, double y1, int count, double rmin, double rmax,
               int kind, double roadMargin) {
    for (int i = 0; i < count * 4 && count > 0; ++i) {
      const Vec p{rnd(x0, x1), rnd(y0, y1)};
      const double r = rnd(rmin, rmax);
      if (field.edge(p) < r + roadMargin) continue;
      if (tree({p, r, kind})) --count;
    }
  }
  // An orchard: rows of fruit trees on a mown lawn.
  void orchard(Vec origin, double angle, int rows, int cols, double gap) {
    const double c = std::cos(angle), s = std::sin(angle);
    const double u0 = -gap / 2, u1 = (cols - 0.5) * gap, v0 = -gap / 2, v1 = (rows - 0.5) * gap;
    Patch lawn{{}, Ground::Lawn};
    for (const Vec& q : {Vec{u0, v0}, Vec{u1, v0}, Vec{u1, v1}, Vec{u0, v1}})
      lawn.outline.push_back({origin.x + q.x * c - q.y * s, origin.y + q.x * s + q.y * c});
    out.patches.push_back(lawn);
    for (int r = 0; r < rows; ++r)
      for (int k = 0; k < cols; ++k) {
        const double u = k * gap + rnd(-2, 2), v = r * gap + rnd(-2, 2);
        const Vec p{origin.x + u * c - v * s, origin.y + u * s + v * c};
        if (field.edge(p) > 22) tree({p, rnd(10, 13), 2});
      }
  }
};

Scenery build(const Layout& L, const RoadField& field) {
  Scenery sc;
  Placer P{L, field, sc};

  // Fields: a jittered grid of seeds; each field is the ground nearest its seed.
  const Crop crops[] = {Crop::Wheat, Crop::Barley, Crop::Rapeseed, Crop::Ploughed,
                        Crop::Beet,  Crop::Hay,    Crop::Pasture,  Crop::Maize};
  for (int gy = 0; gy < 10; ++gy)
    for (int gx = 0; gx < 10; ++gx) {
      const Vec p{-1000 + (gx + 0.5) * 200 + P.rnd(-70, 70),
                  -1000 + (gy + 0.5) * 200 + P.rnd(-70, 70)};
      sc.fields.push_back({p, crops[int(P.rnd() * 8) % 8], P.rnd(0, kPi)});
    }

  // A dense hedge half way between two roads that run close: a wall, so nobody cuts across.
  auto hedgeBetween = [&](Vec from, Vec to, Vec otherFrom, Vec otherTo, double maxGap) {
    const Centreline& road = L.road;
    const std::size_t a = road.nearest(from), b = road.nearest(to);
    std::size_t oa = road.nearest(otherFrom), ob = road.nearest(otherTo);
    if (road.ahead(oa, ob) > road.ahead(ob, oa)) std::swap(oa, ob);
    const double window = road.ahead(oa, ob) / 2 + 40;
    const std::size_t omid =
        road.wrap(std::ptrdiff_t(oa) + std::ptrdiff_t(road.ahead(oa, ob) / road.spacing() / 2));
    Hedge h{{}, 12, true};
    auto flush = [&] {
      if (h.line.size() > 1) sc.hedges.push_back(h);
      h.line.clear();
    };
    const auto steps = std::size_t(road.ahead(a, b) / road.spacing());
    for (std::size_t k = 0; k <= steps; k += 2) {
      const Station& s = road[std::ptrdiff_t(a + k)];
      const Station& o = road[std::ptrdiff_t(road.nearest({s.x, s.y}, omid, window))];
      const double d = std::hypot(o.x - s.x, o.y - s.y);
      const double parallel = std::fabs(s.tx * o.tx + s.ty * o.ty);
      const double gap = d - s.hw - o.hw;
      const Vec p{s.x + (o.x - s.x) * (s.hw + gap / 2) / std::max(d, 1.0),
                  s.y + (o.y - s.y) * (s.hw + gap / 2) / std::max(d, 1.0)};
      // Only where the roads run side by side and the hedge keeps off every road.
      if (gap > maxGap || gap < 12 || parallel < 0.85 || field.edge(p) < 8)
        flush();
      else
        h.line.push_back(p);
    }
    flush();
  };
  hedgeBetween({-230, -480}, {300, -470}, {-230, -343}, {300, -343}, 60);    // bridge road
  hedgeBetween({-763, -580}, {-763, -740}, {-899, -560}, {-899, -760}, 60);  // north-west
  hedgeBetween({-700, -785}, {-330, -780}, {-700, -910}, {-330, -930}, 60);

  // The village street: houses on both sides of the road north to the bridge.
  P.street({40, 330}, {138, -270}, true, 12, 0);
  P.street({40, 330}, {138, -270}, false, 12, 1);
  // The road past the green, and the street beside the bridge road.
  P.street({-226, 600}, {-30, 392}, true, 12, 2);
  P.street({-226, 600}, {-30, 392}, false, 12, 3);
  P.street({-220, -352}, {40, -349}, false, 12, 1);
  P.street({380, 365}, {600, 270}, false, 12, 0);
  // Houses facing the road south of the church.
  P.street({860, 560}, {560, 552}, false, 14, 2);
  P.street({420, 552}, {230, 565}, false, 14, 0);

  // The farm south of the road, entered through the barn the road passes beneath.
  P.building({{640, 668}, 150, 40, 0, Roofing::Tiles, true});
  P.building({{366, 672}, 150, 52, 0, Roofing::DarkTiles});
  P.building({{520, 805}, 170, 40, 0, Roofing::Barn});
  P.building({{292, 770}, 60, 34, kPi / 2, Roofing::Slate});
  sc.patches.push_back({{{318, 702}, {712, 692}, {712, 782}, {318, 786}}, Ground::Yard});
  P.orchard({634, 724}, 0, 3, 5, 34);

  // Two farmsteads out in the fields.
  P.building({{600, -222}, 96, 42, 0.32, Roofing::Tiles, true});
  P.building({{668, -150}, 80, 40, 0.32 + kPi / 2, Roofing::Barn});
  sc.patches.push_back({{{560, -190}, {640, -160}, {626, -104}, {548, -136}}, Ground::Yard});
  P.building({{-640, 572}, 86, 40, 0.2, Roofing::DarkTiles, true});
  P.building({{-590, 636}, 70, 36, 0.2, Roofing::Barn});

  // The church in its walled yard, tower to the west, graves to the south, limes at the wall.
  P.building({{836, 312}, 112, 46, 0, Roofing::DarkTiles});
  sc.towers.push_back({{762, 312}, 36});
  for (int r = 0; r < 3; ++r)
    for (int g = 0; g < 7; ++g) sc.graves.push_back({772.0 + g * 18, 354.0 + r * 13});
  for (const Vec& p : {Vec{748, 262}, Vec{896, 262}, Vec{896, 380}, Vec{748, 380}})
    P.tree({p, 15, 1});
  sc.patches.push_back({{{732, 246}, {912, 246}, {912, 396}, {732, 396}}, Ground::Churchyard});
  sc.stoneWalls.push_back({{732, 246}, {912, 246}, {912, 396}, {836, 396}});
  sc.stoneWalls.push_back({{812, 396}, {732, 396}, {732, 246}});

  // A dry-stone wall round the whole map.
  sc.stoneWalls.push_back({{-995, -995}, {995, -995}, {995, 995}, {-995, 995}, {-995, -995}});
  // Round bales in the farmyard.
  for (const Vec& p : {Vec{446, 752}, Vec{462, 760}, Vec{454, 740}, Vec{690, 760}})
    sc.bales.push_back(p);

  // The village green with its pond, willows at the water.
  for (int i = 0; i < 40; ++i) {
    const double a = 2 * kPi * i / 40;
    const double r = 72 * (1 + 0.16 * valueNoise(std::cos(a) * 1.4, std::sin(a) * 1.4, 404));
    sc.pond.push_back({-160 + r * std::cos(a) * 1.25, 120 + r * std::sin(a)});
  }
  for (int i = 0; i < 7; ++i) {
    const double a = 2 * kPi * (i + 0.3) / 7;
    P.tree({{-160 + 112 * std::cos(a), 120 + 90 * std::sin(a)}, P.rnd(17, 23), 4});
  }

  // Roadside avenues whose crowns reach over the verge.
  P.avenue({-40, 940}, {560, 930}, true, 16, 60, 0, 19);
  P.avenue({700, 150}, {860, -90}, true, 16, 52, 1, 18);
  P.avenue({480, 380}, {860, -90}, false, 16, 52, 1, 18);
  P.avenue({-880, -250}, {-890, -700}, true, 16, 58, 1, 20);
  P.avenue({500, -930}, {-200, -935}, true, 16, 64, 0, 19);
  // Woods at the map's edges and copses in the fields.
  P.scatter(-990, 120, -840, 760, 60, 16, 26, 0, 10);
  P.scatter(760, -860, 860, -300, 30, 15, 24, 1, 10);
  P.scatter(-400, 300, -200, 520, 10, 16, 22, 0, 14);
  P.scatter(450, -400, 760, 100, 14, 14, 22, 0, 14);
  P.scatter(-740, -760, -300, -560, 8, 14, 20, 3, 14);
  P.orchard({-240, -860}, 0, 3, 18, 34);

  // The covered passage of the farm: a barn across the road south of the church.
  {
    const Station& s = L.road[std::ptrdiff_t(L.passage.first + L.passage.count / 2)];
    sc.passage = {{s.x, s.y},
                  2 * s.hw + 64,
                  double(L.passage.count) * L.road.spacing(),
                  std::atan2(s.ly(), s.lx()),
                  Roofing::DarkTiles,
                  true};
    // Its two halves beside the road are walls.
    const double side = (sc.passage.length - 2 * s.hw - 12) / 2;
    for (double sign : {-1.0, 1.0}) {
      const double lat = sign * (s.hw + 12 + side / 2);
      sc.walls.push_back({{s.x + s.lx() * lat, s.y + s.ly() * lat},
                          side,
                          sc.passage.width,
                          sc.passage.angle,
                          Roofing::Barn});
    }
  }
  return sc;
}

}  // namespace

const Scenery& scenery(const Layout& layout, const RoadField& field) {
  static const Scenery built = build(layout, field);
  return built;
}

}  // namespace art::tracks::village

namespace art::tracks::village {

bool overRoad(const Tree& t, const RoadField& field) {
  return field.edge(t.at) < t.radius + 3;
}

void wallPaths(cairo_t* cr, const Scenery& sc) {
  auto box = [&](const Building& b) {
    const double c = std::cos(b.angle), s = std::sin(b.angle);
    const double hl = b.length / 2, hw = b.width / 2;
    cairo_new_sub_path(cr);
    for (const Vec& q : {Vec{-hl, -hw}, Vec{hl, -hw}, Vec{hl, hw}, Vec{-hl, hw}})
      cairo_line_to(cr, b.centre.x + q.x * c - q.y * s, b.centre.y + q.x * s + q.y * c);
    cairo_close_path(cr);
  };
  for (const Building& b : sc.buildings) box(b);
  for (const Building& b : sc.walls) box(b);
  for (const Tower& t : sc.towers) box({t.at, t.side, t.side, 0, Roofing::Tower});
  cairo_fill(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  // Walls thinner than a car moves in a frame are drawn two mask pixels thick.
  cairo_set_line_width(cr, 10);
  for (const auto& w : sc.stoneWalls) {
    cairo_new_sub_path(cr);
    for (const Vec& p : w) cairo_line_to(cr, p.x, p.y);
    cairo_stroke(cr);
  }
  for (const Hedge& h : sc.hedges) {
    if (!h.wall) continue;
    cairo_new_sub_path(cr);
    for (const Vec& p : h.line) cairo_line_to(cr, p.x, p.y);
    cairo_set_line_width(cr, std::max(10.0, h.width));
    cairo_stroke(cr);
  }
}

}  // namespace art::tracks::village
