// The Village's road: gravel shoulders, worn asphalt, edge and centre lines that stop at the
// crossroads, the start grid and the chequered finish line.
#include <algorithm>
#include <cmath>
#include <vector>

#include "toolkit/noise.h"
#include "toolkit/shapes.h"
#include "tracks/track_objects.h"
#include "tracks/track_textures.h"
#include "tracks/village/village_masks.h"
#include "tracks/village/village_paint.h"

namespace art::tracks::village {

namespace {

constexpr Rgb kPaint{236, 236, 226};

// Worn paint: mostly solid, thinner in patches.
double paintWear(double x, double y) {
  return std::clamp(0.78 + 0.3 * valueNoise(x / 5, y / 5, 91) + 0.1 * fbm(x / 40, y / 40, 2, 92),
                    0.35, 1.0);
}

Coverage markings(const Layout& L, int n) {
  const Centreline& road = L.road;
  Coverage m = cover(n, n, kMapSpace, [&](cairo_t* cr) {
    road.strip(cr, road.all(), -5, -8, 1);
    road.strip(cr, road.all(), 5, 8, -1);
    cairo_fill(cr);
    road.line(cr, road.all(), 0, 0);
    const double dash[] = {34, 46};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  });
  // At the crossroads neither road's lines run across the other road.
  for (const Crossing& c : L.crossings) {
    if (c.bridge) continue;
    const Coverage a = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      road.band(cr, c.a, 1);
      cairo_fill(cr);
    });
    const Coverage b = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      road.band(cr, c.b, 1);
      cairo_fill(cr);
    });
    for (int y = m.y0; y < m.y0 + m.h; ++y)
      for (int x = m.x0; x < m.x0 + m.w; ++x) {
        const float both = std::min(a.at(x, y), b.at(x, y));
        if (both > 0) m.a[std::size_t(y - m.y0) * m.w + (x - m.x0)] *= 1 - both;
      }
  }
  return m;
}

}  // namespace

void paintRoad(Picture& map, const Layout& L) {
  const int n = map.width();
  const Centreline& road = L.road;
  auto world = [](int px, int py) { return Vec{px - kShift, py - kShift}; };
  // Gravel shoulders, fading into the verge.
  const Coverage shoulder = cover(n, n, kMapSpace, [&](cairo_t* cr) {
    road.band(cr, road.all(), 9);
    cairo_fill(cr);
  });
  map.paint(shoulder, [&](int px, int py) {
    const Vec p = world(px, py);
    return mix(gravel(p.x, p.y), soil(p.x, p.y, 0.3), 0.3 + 0.3 * valueNoise(p.x / 6, p.y / 6, 93));
  });
  // The asphalt, worn lighter where the wheels run.
  const RoadField near(road, -1000, -1000, 2000, 4);
  const Coverage tarmac = cover(n, n, kMapSpace, [&](cairo_t* cr) {
    road.band(cr, road.all(), 0);
    cairo_fill(cr);
  });
  map.paint(tarmac, [&](int px, int py) {
    const Vec p = world(px, py);
    const std::size_t i = near.station(p);
    const Station& s = road[std::ptrdiff_t(i)];
    const double lat = std::fabs(road.lateral(i, p));
    const double fromEdge = s.hw - lat;
    // Two wheel tracks in each lane, a little polished; the edges dusty.
    const double lane = std::fabs(lat - s.hw / 2);
    const double tracks = std::max(0.0, 1 - std::fabs(lane - 11) / 6);
    Rgb c = asphalt(p.x, p.y, -0.6 * tracks, 0);
    if (fromEdge < 6) c = mix(c, Rgb{120, 114, 100}, (6 - fromEdge) / 6 * 0.35);
    return c;
  });
  map.paint(markings(L, n), [&](int px, int py) {
    const Vec p = world(px, py);
    return kPaint * (0.95 + 0.05 * valueNoise(p.x / 3, p.y / 3, 94));
  });
  (void)paintWear;

  // White posts with black tops along the verges, kept clear of crossroads and the bridge.
  {
    std::vector<bool> clear(road.size(), true);
    auto block = [&](Stretch s) {
      const Stretch w = road.around(s.first, 40, double(s.count) * road.spacing() + 40);
      for (std::size_t k = 0; k < w.count; ++k)
        clear[road.wrap(std::ptrdiff_t(w.first + k))] = false;
    };
    for (const Crossing& c : L.crossings) {
      block(c.a);
      block(c.b);
    }
    block(L.bridge.span);
    block(L.passage);
    block(road.around(L.finish, 120, 120));
    const auto every = std::size_t(96 / road.spacing());
    ShadowLayer shadows(n, n);
    std::vector<Vec> posts;
    for (std::size_t i = 0; i < road.size(); i += every) {
      if (!clear[i]) continue;
      const Station& s = road[std::ptrdiff_t(i)];
      for (double side : {1.0, -1.0}) {
        const double lat = side * (s.hw + 7);
        const Vec p{s.x + s.lx() * lat, s.y + s.ly() * lat};
        if (near.edge(p) < 5) continue;  // another road runs here
        posts.push_back(p);
      }
    }
    Coverage sh = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      cairo_set_line_width(cr, 2.4);
      for (const Vec& p : posts) {
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, p.x + 9 * kShadowX, p.y + 9 * kShadowY);
      }
      cairo_stroke(cr);
    });
    blur(sh, 1);
    map.darken(sh, 0.35);
    const Coverage body = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      for (const Vec& p : posts) cairo_rectangle(cr, p.x - 1.6, p.y - 1.6, 3.2, 3.2);
      cairo_fill(cr);
    });
    map.paint(body, Rgb{238, 238, 232});
  }

  // The finish line: a chequered band across the road.
  const Station& f = road[std::ptrdiff_t(L.finish)];
  const Coverage line = cover(n, n, kMapSpace, [&](cairo_t* cr) {
    across(cr, road, L.finish, 16, 0);
    cairo_fill(cr);
  });
  map.paint(line, [&](int px, int py) {
    const Vec p = world(px, py);
    const double u = (p.x - f.x) * f.tx + (p.y - f.y) * f.ty;
    const double v = (p.x - f.x) * f.lx() + (p.y - f.y) * f.ly();
    const bool white = (int(std::floor(u / 8 + 8)) + int(std::floor(v / 8 + 100))) % 2 == 0;
    return (white ? kPaint : Rgb{26, 26, 28}) * (0.96 + 0.04 * valueNoise(p.x / 3, p.y / 3, 95));
  });
  // The grid: an open box behind the line for each car.
  for (const Vec car : {kPlayerStart, kOpponentStart}) {
    const Coverage box = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      cairo_set_line_width(cr, 3);
      polygon(cr,
              {{car.x + 36, car.y - 19},
               {car.x - 38, car.y - 19},
               {car.x - 38, car.y + 19},
               {car.x + 36, car.y + 19}},
              false);
      cairo_move_to(cr, car.x + 36, car.y - 23);
      cairo_line_to(cr, car.x + 36, car.y + 23);
      cairo_stroke(cr);
    });
    map.paint(box, [&](int px, int py) {
      const Vec p = world(px, py);
      return kPaint * paintWear(p.x, p.y);
    });
  }
}

}  // namespace art::tracks::village
