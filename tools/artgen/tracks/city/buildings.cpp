// Buildings: rows of houses along every street side inside the blocks, as rectangles turned
// with the street, then larger houses in the courtyards that stay big enough.
#include <algorithm>

#include "layout_parts.h"
#include "toolkit/random.h"

namespace art::city {

bool insideQuad(const std::array<Vec, 4>& q, Vec p) {
  for (int i = 0; i < 4; ++i)
    if (cross(q[std::size_t((i + 1) % 4)] - q[std::size_t(i)], p - q[std::size_t(i)]) < 0)
      return false;
  return true;
}

std::array<Vec, 4> orientedRect(Vec centre, Vec along, double length, double width) {
  const Vec a = along * (length / 2), n = Vec{-along.y, along.x} * (width / 2);
  // Counter-clockwise in the screen's y-down frame, so insideQuad sees every edge turn the same
  // way.
  std::array<Vec, 4> q{centre - a - n, centre + a - n, centre + a + n, centre - a + n};
  if (cross(q[1] - q[0], q[2] - q[1]) < 0) std::reverse(q.begin(), q.end());
  return q;
}

namespace {

constexpr double kPavement = 30;

bool fits(const Layout& L, const std::array<Vec, 4>& q) {
  bool ok = true;
  forQuadPixels(q, [&](int x, int y) {
    if (L.ground.at(x, y) != Ground::Yard) ok = false;
  });
  return ok;
}

Roof pickRoof(Rng& rng) {
  const double r = rng.uniform();
  if (r < 0.34) return Roof::Flat;
  if (r < 0.48) return Roof::FlatDark;
  if (r < 0.78) return Roof::Hip;
  if (r < 0.95) return Roof::Gable;
  return Roof::Glass;
}

void add(Layout& L, Vec centre, Vec along, double length, double depth, Vec facing, Rng& rng) {
  const auto q = orientedRect(centre, along, length, depth);
  Building b{q,
             along,
             facing,
             centre,
             length,
             depth,
             pickRoof(rng),
             rng.below(6),
             rng.range(10, 34),
             std::uint32_t(rng.next())};
  const auto index = std::int16_t(L.buildings.size());
  L.buildings.push_back(b);
  forQuadPixels(q, [&](int x, int y) {
    L.ground.at(x, y) = Ground::Building;
    L.buildingAt.at(x, y) = index;
  });
}

void streetRows(Layout& L, const Street& st, double side, Rng& rng) {
  const Polyline line = resample(st.centre, 2);
  const double total = length(line);
  const Vec toMap{1000, 1000};
  double s = rng.range(0, 30);
  while (s < total - 30) {
    double w = rng.range(46, 92), depth = rng.range(62, 112);
    bool placed = false;
    for (int attempt = 0; attempt < 3 && !placed; ++attempt) {
      const Vec t = tangentAt(line, s + w / 2);
      const Vec n = Vec{-t.y, t.x} * side;
      const Vec front = pointAt(line, s + w / 2) + toMap + n * (st.halfWidth + kPavement + 1);
      const Vec centre = front + n * (depth / 2);
      if (fits(L, orientedRect(centre, t, w, depth))) {
        add(L, centre, t, w, depth, n * -1, rng);
        placed = true;
      } else {
        depth *= 0.72;
        w *= 0.85;
        if (depth < 36) break;
      }
    }
    if (placed)
      s += w + (rng.uniform() < 0.55 ? 0.0 : rng.range(5, 16));
    else
      s += 8;
  }
}

// Courtyards that stayed wide get a house of their own, squared with the map.
void courtyardHouses(Layout& L, Rng& rng) {
  for (int y = 20; y < kMapSize - 20; y += 14)
    for (int x = 20; x < kMapSize - 20; x += 14) {
      if (L.ground.at(x, y) != Ground::Yard) continue;
      const double w = rng.range(60, 120), h = rng.range(50, 100);
      const Vec c{x + w / 2 + 14, y + h / 2 + 14};
      // A margin of yard all round, so the house stands free.
      if (!fits(L, orientedRect(c, {1, 0}, w + 28, h + 28))) continue;
      add(L, c, {1, 0}, w, h, {0, 0}, rng);
    }
}

}  // namespace

void placeBuildings(Layout& L, const Plan& plan) {
  Rng rng(0xB17D1A6);
  for (const Street& st : plan.streets) {
    streetRows(L, st, 1, rng);
    streetRows(L, st, -1, rng);
  }
  courtyardHouses(L, rng);
}

}  // namespace art::city
