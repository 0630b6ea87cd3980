// The stone bridge that carries the road over itself: its shadow on the lower road, the deck
// with the upper road's asphalt and lines, sandstone parapets with pillars at the ends; and the
// bridge picture pair cut from the finished map, which the view lays over a car beneath it.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "toolkit/noise.h"
#include "tracks/track_objects.h"
#include "tracks/track_textures.h"
#include "tracks/village/village_bridge.h"
#include "tracks/village/village_paint.h"

namespace art::tracks::village {

namespace {

void clipSpan(cairo_t* cr, const BridgeBox& b, double inset) {
  cairo_rectangle(cr, b.x0 + inset, b.y0 - 40, b.x1 - b.x0 - 2 * inset, b.y1 - b.y0 + 80);
  cairo_clip(cr);
}

Rgb sandstone(double x, double y, double along, double across) {
  // Dressed blocks in courses, each a little different, with dark joints.
  const int block = int(std::floor((along + 400) / 11));
  Rgb c = mix(Rgb{172, 160, 134}, Rgb{206, 194, 164}, hash01(block, int(across > 0), 77));
  c = c * (0.92 + 0.1 * valueNoise(x / 2.5, y / 2.5, 78) + 0.05 * fbm(x / 20, y / 20, 2, 79));
  if (std::fmod(along + 400, 11) < 1) c = c * 0.7;
  return c;
}

}  // namespace

// The side of the span whose outward normal points south (+1: the driver's left).
double southSide(const Layout& L) {
  const Station& m = L.road[std::ptrdiff_t(L.bridge.span.first + L.bridge.span.count / 2)];
  return m.ly() > 0 ? 1 : -1;
}

Coverage deckCoverage(const Layout& L, int size) {
  const BridgeBox& b = L.bridge;
  const double south = southSide(L);
  return cover(size, size, kMapSpace, [&](cairo_t* cr) {
    clipSpan(cr, b, 0);
    L.road.band(cr, b.span, b.parapet);
    L.road.strip(cr, b.span, south * b.parapet, south * (b.parapet + b.fascia), south);
    cairo_fill(cr);
  });
}

void paintBridge(Picture& map, const Layout& L) {
  const int n = map.width();
  const Centreline& road = L.road;
  const BridgeBox& b = L.bridge;
  auto world = [](int px, int py) { return Vec{px - kShift, py - kShift}; };
  // The deck's shadow falls on the lower road and the banks below the span (not on the road
  // beyond its ends, which is as high as the deck).
  Coverage shadow = moved(deckCoverage(L, n), 12, 16);
  blur(shadow, 3);
  const int sx0 = int(b.x0 + kShift), sx1 = int(b.x1 + kShift);
  for (int y = shadow.y0; y < shadow.y0 + shadow.h; ++y)
    for (int x = shadow.x0; x < shadow.x0 + shadow.w; ++x)
      if (x < sx0 || x >= sx1)
        shadow.a[std::size_t(y - shadow.y0) * shadow.w + (x - shadow.x0)] = 0;
  map.darken(shadow, 0.6);
  // The deck: granite setts in rows across the road, the old bridge's own paving.
  const std::size_t mid = b.span.first + b.span.count / 2;
  const Station& m = road[std::ptrdiff_t(mid)];
  const Coverage deck = cover(n, n, kMapSpace, [&](cairo_t* cr) {
    clipSpan(cr, b, 0);
    road.band(cr, b.span, 0.5);
    cairo_fill(cr);
  });
  map.paint(deck, [&](int px, int py) {
    const Vec p = world(px, py);
    const double u = (p.x - m.x) * m.tx + (p.y - m.y) * m.ty + 400;
    const double v = (p.x - m.x) * m.lx() + (p.y - m.y) * m.ly() + 400;
    const int row = int(std::floor(u / 5.5));
    const double shifted = v + (row % 2) * 3.4;
    const int stone = int(std::floor(shifted / 6.8));
    Rgb c = mix(Rgb{112, 112, 116}, Rgb{150, 146, 140}, hash01(row, stone, 71));
    c = c * (0.9 + 0.12 * valueNoise(p.x / 2, p.y / 2, 72) + 0.05 * fbm(p.x / 30, p.y / 30, 2, 73));
    // Rounded tops, lit from the north-west; dark joints between the stones.
    const double fu = std::fmod(u, 5.5) / 5.5, fv = std::fmod(shifted, 6.8) / 6.8;
    c = c * (1.06 - 0.14 * (fu + fv) / 2);
    if (fu < 0.16 || fv < 0.12) c = c * 0.68;
    // Two darker tracks worn by the wheels in each lane.
    const double lane = std::fabs(std::fabs(v - 400) - m.hw / 2);
    if (std::fabs(lane - 11) < 5) c = c * 0.93;
    return c;
  });
  // Steel expansion joints where the deck meets the road at each end.
  const Coverage joints = cover(n, n, kMapSpace, [&](cairo_t* cr) {
    road.band(cr, b.span, 0);
    cairo_clip(cr);
    for (double x : {b.x0 + 12, b.x1 - 16}) cairo_rectangle(cr, x, b.y0 - 20, 4, b.y1 - b.y0 + 40);
    cairo_fill(cr);
  });
  map.paint(joints, [&](int px, int py) {
    return Rgb{70, 72, 76} * (0.9 + 0.2 * hash01(px, py, 74));
  });
  // Parapets of dressed sandstone; the northern one throws a strip of shadow onto the deck.
  {
    const double north = -southSide(L);
    Coverage strip = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      clipSpan(cr, b, 0);
      road.strip(cr, b.span, 0, -north * 7, north);
      cairo_fill(cr);
    });
    blur(strip, 1);
    map.darken(strip, 0.32);
  }
  for (double side : {1.0, -1.0}) {
    const Coverage par = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      clipSpan(cr, b, 0);
      road.strip(cr, b.span, 0.5 * side, (b.parapet + 0.2) * side, side);
      cairo_fill(cr);
    });
    map.paint(par, [&](int px, int py) {
      const Vec p = world(px, py);
      const double along = (p.x - m.x) * m.tx + (p.y - m.y) * m.ty;
      const double lat = road.lateral(mid, p);
      const double inner = std::fabs(lat) - road[std::ptrdiff_t(mid)].hw;  // 0..parapet
      Rgb c = sandstone(p.x, p.y, along, lat);
      // The coping: a lit top with a dark joint at each edge; the outer face in shade on the
      // southern parapet.
      const double t = inner / b.parapet;
      const bool southern = side == southSide(L);
      c = c * (southern ? 1.02 - 0.22 * t : 0.9 + 0.18 * t);
      if (inner < 1.2 || inner > b.parapet - 1.2) c = c * 0.68;
      return c;
    });
  }
  // The deck's southern face: courses of darker stone above the lower road.
  {
    const double south = southSide(L);
    const Coverage face = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      clipSpan(cr, b, 0);
      road.strip(cr, b.span, south * b.parapet, south * (b.parapet + b.fascia + 0.3), south);
      cairo_fill(cr);
    });
    map.paint(face, [&](int px, int py) {
      const Vec p = world(px, py);
      const double along = (p.x - m.x) * m.tx + (p.y - m.y) * m.ty;
      const double inner =
          std::fabs(road.lateral(mid, p)) - road[std::ptrdiff_t(mid)].hw - b.parapet;
      Rgb c = sandstone(p.x, p.y, along * 1.4, 1) * (0.62 - 0.06 * inner / b.fascia);
      if (std::fmod(inner + 10, 3) < 0.7) c = c * 0.8;
      return c;
    });
  }
  // Piers along the parapets, a little proud of them.
  for (std::size_t k = 8; k + 8 < b.span.count; k += 14) {
    const Station& s = road[std::ptrdiff_t(b.span.first + k)];
    for (double side : {1.0, -1.0}) {
      const double lat = side * (s.hw + b.parapet / 2);
      const Roof pier{{s.x + s.lx() * lat, s.y + s.ly() * lat},
                      12,
                      b.parapet + 3,
                      std::atan2(s.ty, s.tx),
                      RoofKind::Slate,
                      false,
                      4,
                      9};
      if (pier.centre.x < b.x0 + 8 || pier.centre.x > b.x1 - 8) continue;
      const Coverage c = cover(n, n, kMapSpace, [&](cairo_t* cr) {
        roofPath(cr, pier);
        cairo_fill(cr);
      });
      map.paint(c, [&](int px, int py) {
        const Vec p = world(px, py);
        const double du = (p.x - pier.centre.x) * s.tx + (p.y - pier.centre.y) * s.ty;
        const double dv = (p.x - pier.centre.x) * s.lx() + (p.y - pier.centre.y) * s.ly();
        Rgb col = sandstone(p.x, p.y, du * 2.5, dv) * (1.06 - 0.05 * std::fabs(dv));
        if (std::fabs(du) > 5 || std::fabs(dv) > (b.parapet + 3) / 2 - 1) col = col * 0.72;
        return col;
      });
    }
  }
  // Square pillars where the parapets end.
  ShadowLayer pillarShadow(n, n);
  for (std::size_t end : {b.span.first, b.span.first + b.span.count - 1}) {
    const Station& s = road[std::ptrdiff_t(end)];
    for (double side : {1.0, -1.0}) {
      const double lat = side * (s.hw + b.parapet / 2);
      const double x = std::clamp(s.x + s.lx() * lat, b.x0 + 7, b.x1 - 7);
      const Roof pillar{{x, s.y + s.ly() * lat}, 13,   13, std::atan2(s.ty, s.tx),
                        RoofKind::Slate,         true, 6,  7};
      const Coverage c = cover(n, n, kMapSpace, [&](cairo_t* cr) {
        roofPath(cr, pillar);
        cairo_fill(cr);
      });
      map.paint(c, [&](int px, int py) {
        const Vec p = world(px, py);
        const double du = p.x - pillar.centre.x, dv = p.y - pillar.centre.y;
        const double shade =
            std::fabs(du) > std::fabs(dv) ? (du < 0 ? 1.08 : 0.82) : (dv < 0 ? 1.12 : 0.78);
        return sandstone(p.x, p.y, du * 3, dv) * shade;
      });
    }
  }
}

BridgePair bridgePair(const Picture& map, const Layout& L) {
  const BridgeBox& b = L.bridge;
  const int x0 = int(b.x0 + kShift), y0 = int(b.y0 + kShift);
  const int w = int(std::ceil(b.x1 - b.x0)), h = int(std::ceil(b.y1 - b.y0));
  const Coverage deck = deckCoverage(L, map.width());
  BridgePair pair{Image(w, h, svc::rgb(255, 255, 255)), Image(w, h, 0)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (deck.at(x0 + x, y0 + y) >= 0.5f) {
        pair.mask.at(x, y) = 0;
        pair.image.at(x, y) = toColour(map.at(x0 + x, y0 + y));
      }
  return pair;
}

}  // namespace art::tracks::village
