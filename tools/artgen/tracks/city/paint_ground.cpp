// The ground of the map: asphalt, kerbs, paving, the square's setts, lawns, courtyards, water
// and the wall round the map, each a colour with texture from noise.
#include <cmath>
#include <numbers>

#include "render.h"
#include "toolkit/noise.h"

namespace art::city {

void View::apply(cairo_t* cr) const {
  cairo_identity_matrix(cr);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, -origin.x, -origin.y);
}

const Fields& fields() {
  static const Fields f = [] {
    const Layout& L = cityLayout();
    Fields out;
    Grid<std::uint8_t> notRoad(kMapSize, kMapSize), notPlaza(kMapSize, kMapSize);
    for (std::size_t i = 0; i < notRoad.cells.size(); ++i) {
      notRoad.cells[i] = !L.roads.road.cells[i];
      notPlaza.cells[i] = L.ground.cells[i] != Ground::Plaza;
    }
    out.kerb = distanceTo(notRoad);
    out.plaza = distanceTo(notPlaza);
    return out;
  }();
  return f;
}

double sampleField(const Grid<float>& g, double x, double y) {
  x -= 0.5, y -= 0.5;
  const int x0 = std::clamp(int(std::floor(x)), 0, g.width - 2);
  const int y0 = std::clamp(int(std::floor(y)), 0, g.height - 2);
  const double fx = std::clamp(x - x0, 0.0, 1.0), fy = std::clamp(y - y0, 0.0, 1.0);
  const double a = g.at(x0, y0), b = g.at(x0 + 1, y0), c = g.at(x0, y0 + 1),
               d = g.at(x0 + 1, y0 + 1);
  return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

Ground groundAt(const Layout& L, double x, double y) {
  const int ix = std::clamp(int(x), 0, kMapSize - 1), iy = std::clamp(int(y), 0, kMapSize - 1);
  return L.ground.at(ix, iy);
}

namespace {

// Fine grain that looks the same at any scale: value noise at about a map pixel.
double grainAt(Vec m, std::uint32_t seed) {
  return valueNoise(m.x / 1.3, m.y / 1.3, seed) / 2;
}

Rgb asphalt(Vec m, double toKerb) {
  Rgb c{76, 77, 81};
  c = grain(c, (fbm(m.x / 240, m.y / 240, 3, 11) / 2) * 16);
  c = grain(c, (valueNoise(m.x / 7, m.y / 7, 12) / 2) * 6 + grainAt(m, 13) * 12);
  // Hairline cracks where a noise field crosses its middle value.
  const double crack = std::abs(fbm(m.x / 110, m.y / 110, 2, 14)) / 2;
  if (crack < 0.004 && (fbm(m.x / 300, m.y / 300, 1, 15) + 1) / 2 > 0.55) c = shade(c, 0.7);
  // The gutter along the kerb, and the kerb's shadow on the road.
  if (toKerb < 6) c = mix(c, {116, 114, 108}, 0.55 * (1 - toKerb / 6) + 0.2);
  if (toKerb < 1.2) c = shade(c, 0.65);
  return c;
}

Rgb paving(Vec m, double cell, Rgb base, std::uint32_t seed) {
  const double fx = m.x / cell, fy = m.y / cell;
  const auto sx = std::int32_t(std::floor(fx)), sy = std::int32_t(std::floor(fy));
  Rgb c = grain(base, (hash01(sx, sy, seed) - 0.5) * 14 + grainAt(m, seed + 1) * 8);
  const double jx = (fx - sx) * cell, jy = (fy - sy) * cell;
  if (jx < 1 || jy < 1) c = shade(c, 0.87);
  return c;
}

Rgb pavement(Vec m, double fromRoad) {
  if (fromRoad < 3.6) {
    // Kerb stones: a bright top with a worn edge towards the road.
    Rgb k = grain({192, 189, 182}, grainAt(m, 21) * 10);
    if (fromRoad < 1.2) k = shade(k, 0.82);
    return k;
  }
  Rgb c = paving(m, 14, {170, 166, 157}, 22);
  if (fromRoad < 5) c = shade(c, 0.92);  // the kerb's small shadow
  return c;
}

Rgb plaza(const Layout& L, Vec m, double toEdge) {
  if (toEdge < 7) return paving(m, 7, {150, 140, 122}, 31);  // a darker border of setts
  const Vec d = m - L.fountain;
  const double r = norm(d);
  if (r > 112) {
    // Square setts laid diagonally over the rest of the square.
    const Vec q{(m.x + m.y) * 0.7071, (m.y - m.x) * 0.7071};
    Rgb c = paving(q, 9, {196, 182, 154}, 34);
    if (r < 118) c = mix(c, {128, 118, 104}, 0.7);  // the ring that closes the circle
    return c;
  }
  const double ring = r / 9, ri = std::floor(ring);
  const double around = (std::atan2(d.y, d.x) + std::numbers::pi) * r / 10;
  const double ai = std::floor(around + ri * 0.5);
  Rgb c = grain({204, 190, 164},
                (hash01(std::int32_t(ri), std::int32_t(ai), 32) - 0.5) * 18 + grainAt(m, 33) * 8);
  if (ring - ri < 0.1 || around + ri * 0.5 - ai < 0.1) c = shade(c, 0.84);
  // Dark rings of stone every few rows, round the fountain.
  if (int(ri) % 6 == 5) c = mix(c, {128, 118, 104}, 0.6);
  return c;
}

Rgb lawn(Vec m, bool stripes) {
  Rgb c{76, 128, 52};
  c = grain(c, (fbm(m.x / 60, m.y / 60, 3, 41) / 2) * 26);
  c.g += (valueNoise(m.x / 4, m.y / 4, 42) / 2) * 10 + grainAt(m, 43) * 10;
  if (stripes && int(std::floor((m.x + m.y * 0.35) / 26)) % 2) c = shade(c, 1.05);
  return c;
}

Rgb yard(Vec m) {
  const double n = (fbm(m.x / 46, m.y / 46, 3, 51) + 1) / 2;
  if (n > 0.56) return lawn(m, false);
  Rgb c = grain({142, 132, 110}, (n - 0.5) * 30 + grainAt(m, 52) * 14);
  if (n > 0.52) c = mix(c, {104, 118, 72}, (n - 0.52) / 0.04 * 0.6);
  return c;
}

Rgb water(const Layout& L, Vec m) {
  const double r = norm(m - L.fountain);
  Rgb c{58, 104, 136};
  const double ripple = std::sin(r * 0.9 + (fbm(m.x / 30, m.y / 30, 2, 61) + 1) / 2 * 6);
  c = grain(c, ripple * 7 + grainAt(m, 62) * 4);
  return c;
}

Rgb stoneRim(Vec m) {
  return grain({208, 202, 190}, grainAt(m, 71) * 10);
}

Rgb mapWall(Vec m) {
  // Stone blocks of the wall round the town, in courses.
  const double course = std::floor(m.y / 6);
  const double block = std::floor((m.x + course * 5) / 13);
  Rgb c =
      grain({124, 120, 112}, (hash01(std::int32_t(block), std::int32_t(course), 81) - 0.5) * 16);
  if (std::fmod(m.y, 6) < 0.9 || std::fmod(m.x + course * 5, 13) < 0.9) c = shade(c, 0.8);
  return c;
}

}  // namespace

void paintGround(Raster& r, const Layout& L, const View& v) {
  const Fields& f = fields();
  r.flush();
  for (int py = 0; py < r.height(); ++py)
    for (int px = 0; px < r.width(); ++px) {
      const Vec m = v.mapAt(px, py);
      const Ground g = groundAt(L, m.x, m.y);
      Rgb c;
      switch (g) {
        case Ground::Road:
        case Ground::Pavement:
        case Ground::Island: {
          // The road's edge from the distance fields, smooth at any scale.
          const double out = sampleField(L.roads.distance, m.x, m.y);
          const double in = sampleField(f.kerb, m.x, m.y);
          if (out <= 0.5 && g == Ground::Road)
            c = asphalt(m, in);
          else
            c = pavement(m, std::max(out, 0.6));
          break;
        }
        case Ground::Plaza:
          c = plaza(L, m, sampleField(f.plaza, m.x, m.y));
          break;
        case Ground::Lawn:
          c = lawn(m, true);
          break;
        case Ground::Yard:
          c = yard(m);
          break;
        case Ground::Building:
          c = {60, 58, 56};
          break;  // the roof covers it
        case Ground::Water:
          c = water(L, m);
          break;
        case Ground::Rim:
          c = stoneRim(m);
          break;
        case Ground::Edge:
          c = mapWall(m);
          break;
        case Ground::Circuit: {
          const int ix = std::clamp(int(m.x), 0, kMapSize - 1),
                    iy = std::clamp(int(m.y), 0, kMapSize - 1);
          const double edge = 2 * sampleField(L.parkEdge, m.x, m.y);
          // At full size the parts are found anew at the pixel, so their edges stay smooth.
          const TrainingPart part =
              v.scale > 1 ? trainingPartAt(trainingCircuit(), mapToCircuit(m), true, edge)
                          : TrainingPart(L.trainingPart.at(ix, iy));
          c = trainingColour(part, mapToCircuit(m), 2 / v.scale, v.circuit);
          break;
        }
      }
      r.set(px, py, c);
    }
  r.dirty();
}

}  // namespace art::city
