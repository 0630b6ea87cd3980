// The objects on the ground: the fountain and the pond, trees, parked cars, awnings and the
// footbridge.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "layout_parts.h"
#include "toolkit/noise.h"
#include "toolkit/random.h"

namespace art::city {

namespace {

Vec toMap(Vec w) {
  return {w.x + 1000, w.y + 1000};
}

bool nearJunction(const Layout& L, Vec worldPoint, double within) {
  for (const CentreSample& s : L.centre)
    if (s.junction && norm(s.at - worldPoint) < within) return true;
  return false;
}

bool nearPickup(const Plan& plan, Vec world, double margin) {
  for (const Square& q : plan.pickups)
    if (world.x > q.x - margin && world.x < q.x + 100 + margin && world.y > q.y - margin &&
        world.y < q.y + 100 + margin)
      return true;
  return false;
}

bool roomForTree(const Layout& L, Vec m, double spacing) {
  for (const Tree& t : L.trees)
    if (norm(t.at - m) < spacing) return false;
  return true;
}

Ground groundOf(const Layout& L, Vec m) {
  const int x = int(m.x), y = int(m.y);
  return L.ground.inside(x, y) ? L.ground.at(x, y) : Ground::Edge;
}

bool inTunnel(Vec m) {
  return m.x < kTunnelLeft + kTunnelWidth + 30 && m.y > kTunnelTop - 30 &&
         m.y < kTunnelTop + kTunnelHeight + 30;
}

}  // namespace

void placeWater(Layout& L) {
  // The fountain in the middle of the square.
  double sx = 0, sy = 0, n = 0;
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x)
      if (L.ground.at(x, y) == Ground::Plaza) sx += x, sy += y, ++n;
  L.fountain = {sx / n, sy / n};
  L.fountainRadius = 34;
  // The pond in the park: a round shape made irregular by noise.
  const Vec pond = toMap({835, 430});
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) {
      const Vec p{x + 0.5, y + 0.5};
      const Ground g = L.ground.at(x, y);
      if (g == Ground::Plaza) {
        const double d = norm(p - L.fountain);
        if (d <= L.fountainRadius - 6)
          L.ground.at(x, y) = Ground::Water;
        else if (d <= L.fountainRadius)
          L.ground.at(x, y) = Ground::Rim;
      } else if (g == Ground::Lawn) {
        const Vec d = p - pond;
        const double wobble = (fbm(p.x / 70, p.y / 70, 2, 901) / 2) * 50;
        const double r = norm({d.x / 1.35, d.y}) + wobble;
        if (r <= 72)
          L.ground.at(x, y) = Ground::Water;
        else if (r <= 78)
          L.ground.at(x, y) = Ground::Rim;
      }
    }
}

void placeTrees(Layout& L, const Plan& plan) {
  Rng rng(0x7EE5);
  // Street trees on the pavements, their crowns reaching over the kerb.
  for (const Street& st : plan.streets) {
    const Polyline line = resample(st.centre, 4);
    const double total = length(line);
    for (double side : {1.0, -1.0})
      for (double s = rng.range(10, 60); s < total; s += rng.range(62, 96)) {
        const Vec w = pointAt(line, s), t = tangentAt(line, s);
        const Vec m = toMap(w + Vec{-t.y, t.x} * (side * (st.halfWidth + 11)));
        if (rng.uniform() < 0.15 || groundOf(L, m) != Ground::Pavement || inTunnel(m)) continue;
        if (L.wallZone.at(int(m.x), int(m.y)) || nearJunction(L, w, st.halfWidth + 40)) continue;
        if (!roomForTree(L, m, 52)) continue;
        const double r = rng.range(15, 23);
        // Not over the training park's tyre wall: the Circuit has no overlay to lift them off.
        bool overPark = false;
        for (double a = 0; a < 6.28; a += 0.5)
          if (groundOf(L, m + Vec{std::cos(a), std::sin(a)} * r) == Ground::Circuit)
            overPark = true;
        if (overPark) continue;
        L.trees.push_back({m, r, rng.below(4)});
      }
  }
  // Park, square and courtyard trees.
  for (int i = 0; i < 60000; ++i) {
    const Vec m{rng.range(12, kMapSize - 12), rng.range(12, kMapSize - 12)};
    const Ground g = groundOf(L, m);
    double r = 0, spacing = 0;
    if (g == Ground::Lawn) {
      // Groves: dense where a noise field is high, open meadow elsewhere.
      if ((fbm(m.x / 160, m.y / 160, 2, 902) + 1) / 2 < 0.5) continue;
      r = rng.range(16, 30), spacing = r + 22;
    } else if (g == Ground::Yard) {
      if (rng.uniform() < 0.6) continue;
      r = rng.range(12, 20), spacing = 40;
    } else {
      continue;
    }
    // Keep trees off the pond and the buildings.
    bool clear = true;
    for (double a = 0; a < 6.28 && clear; a += 0.8) {
      const Ground around = groundOf(L, m + Vec{std::cos(a), std::sin(a)} * (r * 0.7));
      if (around == Ground::Water || around == Ground::Rim || around == Ground::Building)
        clear = false;
    }
    if (!clear || !roomForTree(L, m, spacing)) continue;
    L.trees.push_back({m, r, g == Ground::Lawn ? rng.below(6) : rng.below(4)});
  }
  // The square: a ring of trees round the fountain.
  for (int k = 0; k < 8; ++k) {
    const double a = k * std::numbers::pi / 4 + 0.39;
    const Vec m = L.fountain + Vec{std::cos(a) * 1.15, std::sin(a)} * 82;
    if (groundOf(L, m) == Ground::Plaza) L.trees.push_back({m, 17, 1});
  }
}

void placeStreetObjects(Layout& L, const Plan& plan) {
  Rng rng(0xCA25);
  // Cars parked along one kerb of each side street, in groups.
  for (std::size_t i = 1; i < plan.streets.size(); ++i) {
    const Street& st = plan.streets[i];
    if (st.route || i == 1) continue;  // not on the race loop, not on the grid street
    const Polyline line = resample(st.centre, 4);
    const double total = length(line), side = i % 2 ? 1 : -1;
    double s = 90;
    while (s < total - 90) {
      const int group = 2 + rng.below(3);
      for (int k = 0; k < group && s < total - 90; ++k, s += rng.range(66, 74)) {
        const Vec w = pointAt(line, s), t = tangentAt(line, s);
        const Vec at = toMap(w + Vec{-t.y, t.x} * (side * (st.halfWidth - 19)));
        if (nearJunction(L, w, st.halfWidth + 70) || nearPickup(plan, w, 30)) continue;
        const double heading = std::atan2(t.y, t.x) + (rng.uniform() < 0.5 ? std::numbers::pi : 0);
        L.cars.push_back({at, heading, rng.below(8)});
        forQuadPixels(orientedRect(at, {std::cos(heading), std::sin(heading)}, 58, 28),
                      [&](int x, int y) { L.wallZone.at(x, y) = 1; });
      }
      s += rng.range(80, 200);
    }
  }
  // Awnings over some shop fronts: on the street side of buildings, over the pavement.
  for (const Building& b : L.buildings) {
    if (norm(b.facing) == 0 || b.length < 40 || rng.uniform() > 0.2) continue;
    const Vec front = b.centre + b.facing * (b.depth / 2 + 7);
    if (groundOf(L, front + b.facing * 8) != Ground::Pavement) continue;
    L.awnings.push_back(
        {orientedRect(front, b.along, std::min(b.length - 10, 56.0), 14), rng.below(4)});
  }
  // The footbridge over the avenue by the park, and its stairs as walls.
  const Vec a = toMap({800, -190}), b = toMap({800, 40});
  L.footbridges.push_back({a, b, 26});
  for (const Vec end : {a, b})
    forQuadPixels(orientedRect(end, {0, 1}, 34, 30), [&](int x, int y) {
      if (L.ground.at(x, y) != Ground::Road) L.wallZone.at(x, y) = 1;
    });
}

}  // namespace art::city
