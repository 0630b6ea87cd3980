// What stands on the Village's ground, lit from the north-west: hedges, stone walls, houses,
// barns, the church and its tower, and the trees, all with their shadows; and the overlay of
// crowns and the passage roof that pass over the cars.
#include <cmath>
#include <vector>

#include "toolkit/noise.h"
#include "tracks/track_objects.h"
#include "tracks/track_textures.h"
#include "tracks/village/village_paint.h"

namespace art::tracks::village {

namespace {

Foliage foliageOf(int kind) {
  switch (kind) {
    case 1:
      return Foliage::Dark;
    case 2:
      return Foliage::Fruit;
    case 3:
      return Foliage::Conifer;
    case 4:
      return Foliage::Willow;
    default:
      return Foliage::Broadleaf;
  }
}

Roof roofOf(const Building& b, unsigned seed) {
  RoofKind k = RoofKind::Tiles;
  double height = 12;
  switch (b.roof) {
    case Roofing::Tiles:
      break;
    case Roofing::DarkTiles:
      k = RoofKind::DarkTiles;
      height = 14;
      break;
    case Roofing::Slate:
      k = RoofKind::Slate;
      break;
    case Roofing::Barn:
      k = RoofKind::Corrugated;
      height = 15;
      break;
    case Roofing::Tower:
      k = RoofKind::Slate;
      height = 30;
      break;
  }
  return {b.centre, b.length, b.width, b.angle, k, b.hip, height, seed};
}

Canopy canopyOf(const Tree& t, unsigned seed) {
  return {t.at, t.radius, foliageOf(t.kind), seed};
}

}  // namespace

void paintObjects(Picture& map, const Scenery& sc, const RoadField& field) {
  const int n = map.width();
  ShadowLayer shadows(n, n);
  for (std::size_t i = 0; i < sc.buildings.size(); ++i)
    roofShadow(shadows, n, n, kMapSpace, roofOf(sc.buildings[i], unsigned(i) + 300));
  roofShadow(shadows, n, n, kMapSpace, roofOf(sc.passage, 299));
  for (const Tower& t : sc.towers)
    roofShadow(shadows, n, n, kMapSpace, {t.at, t.side, t.side, 0, RoofKind::Slate, false, 44, 0});
  for (std::size_t i = 0; i < sc.trees.size(); ++i)
    canopyShadow(shadows, n, n, kMapSpace, canopyOf(sc.trees[i], unsigned(i) + 1000));
  // Graves and bales: small things with small shadows.
  for (const Vec& g : sc.graves) {
    Coverage c = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      cairo_rectangle(cr, g.x - 3 + 2, g.y - 4 + 2.5, 6, 8);
      cairo_fill(cr);
    });
    blur(c, 1);
    shadows.add(c, 0.45);
  }
  for (const Vec& b : sc.bales) {
    Coverage c = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      cairo_arc(cr, b.x + 5, b.y + 6, 8, 0, 2 * M_PI);
      cairo_fill(cr);
    });
    blur(c, 2);
    shadows.add(c, 0.5);
  }
  for (std::size_t i = 0; i < sc.stoneWalls.size(); ++i)
    paintStoneWall(map, shadows, kMapSpace, sc.stoneWalls[i], 4, unsigned(i) + 50);
  for (std::size_t i = 0; i < sc.hedges.size(); ++i)
    paintHedge(map, &shadows, kMapSpace, sc.hedges[i].line, sc.hedges[i].width,
               unsigned(i) * 977 + 5);
  (void)field;
  shadows.apply(map);
  for (std::size_t i = 0; i < sc.buildings.size(); ++i)
    paintRoof(map, kMapSpace, roofOf(sc.buildings[i], unsigned(i) + 300));
  for (const Vec& g : sc.graves) {
    const Coverage c = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      cairo_rectangle(cr, g.x - 3, g.y - 4, 6, 8);
      cairo_fill(cr);
    });
    map.paint(c, [&](int px, int py) {
      const double t = (py - kShift - (g.y - 4)) / 8;
      return Rgb{168, 166, 160} * (1.1 - 0.3 * t) * (0.95 + 0.08 * hash01(px, py, 808));
    });
  }
  for (const Vec& b : sc.bales) {
    const Coverage c = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      cairo_arc(cr, b.x, b.y, 8, 0, 2 * M_PI);
      cairo_fill(cr);
    });
    map.paint(c, [&](int px, int py) {
      // The rolled end of the bale: a spiral of straw, lit from the north-west.
      const double dx = px - kShift - b.x, dy = py - kShift - b.y, r = std::hypot(dx, dy);
      const double spiral = 0.5 + 0.5 * std::sin(r * 2.2 + std::atan2(dy, dx));
      const double light = 1.05 - 0.25 * (dx + dy) / 11;
      return Rgb{206, 176, 96} * ((0.82 + 0.18 * spiral) * light);
    });
  }
  for (std::size_t i = 0; i < sc.towers.size(); ++i)
    paintTower(map, kMapSpace, sc.towers[i].at, sc.towers[i].side, 0, unsigned(i) + 70);
  for (std::size_t i = 0; i < sc.trees.size(); ++i)
    if (!overRoad(sc.trees[i], field))
      paintCanopy(map, kMapSpace, canopyOf(sc.trees[i], unsigned(i) + 1000));
}

void paintOverlay(Picture& map, Image& mask, const Scenery& sc, const RoadField& field) {
  const int n = map.width();
  auto mark = [&](const Coverage& c) {
    for (int y = std::max(0, c.y0); y < std::min(n, c.y0 + c.h); ++y)
      for (int x = std::max(0, c.x0); x < std::min(n, c.x0 + c.w); ++x)
        if (c.at(x, y) >= 0.5f) mask.at(x, y) = 0;
  };
  for (std::size_t i = 0; i < sc.trees.size(); ++i) {
    if (!overRoad(sc.trees[i], field)) continue;
    const Canopy t = canopyOf(sc.trees[i], unsigned(i) + 1000);
    paintCanopy(map, kMapSpace, t);
    mark(cover(n, n, kMapSpace, [&](cairo_t* cr) {
      canopyPath(cr, t);
      cairo_fill(cr);
    }));
  }
  // The passage roof, with two skylights over the lanes where the road shows in the barn's
  // gloom (and a car beneath shows as its arrow).
  const Roof roof = roofOf(sc.passage, 299);
  const double c = std::cos(roof.angle), s = std::sin(roof.angle);
  auto skylights = [&](cairo_t* cr, double grow) {
    for (double u : {-26.0, 26.0}) {
      const Vec m{roof.centre.x + u * c, roof.centre.y + u * s};
      cairo_save(cr);
      cairo_translate(cr, m.x, m.y);
      cairo_rotate(cr, roof.angle);
      cairo_rectangle(cr, -8 - grow, -11 - grow, 16 + 2 * grow, 22 + 2 * grow);
      cairo_restore(cr);
    }
    cairo_fill(cr);
  };
  const Coverage holes = cover(n, n, kMapSpace, [&](cairo_t* cr) { skylights(cr, 0); });
  std::vector<Rgb> below;
  for (int y = holes.y0; y < holes.y0 + holes.h; ++y)
    for (int x = holes.x0; x < holes.x0 + holes.w; ++x) below.push_back(map.at(x, y));
  paintRoof(map, kMapSpace, roof);
  map.paint(cover(n, n, kMapSpace, [&](cairo_t* cr) { skylights(cr, 2); }), Rgb{92, 64, 40});
  std::size_t k = 0;
  for (int y = holes.y0; y < holes.y0 + holes.h; ++y)
    for (int x = holes.x0; x < holes.x0 + holes.w; ++x, ++k) {
      const double a = holes.at(x, y);
      if (a > 0) map.at(x, y) = mix(map.at(x, y), below[k] * 0.55, a);
    }
  const Coverage roofCover = cover(n, n, kMapSpace, [&](cairo_t* cr) {
    roofPath(cr, roof);
    cairo_fill(cr);
  });
  mark(roofCover);
  for (int y = holes.y0; y < holes.y0 + holes.h; ++y)
    for (int x = holes.x0; x < holes.x0 + holes.w; ++x)
      if (holes.at(x, y) >= 0.5f) mask.at(x, y) = svc::rgb(255, 255, 255);
}

}  // namespace art::tracks::village
