// The ground of the Village: meadows, fields of eight crops in rows, the verges along the road,
// yards, gardens and the pond.
#include <algorithm>
#include <cmath>
#include <limits>

#include "toolkit/noise.h"
#include "tracks/track_objects.h"
#include "tracks/track_textures.h"
#include "tracks/village/village_paint.h"

namespace art::tracks::village {

namespace {

Rgb cropColour(Crop c, double x, double y, double rows, int id) {
  const double cs = std::cos(rows), sn = std::sin(rows);
  const double u = x * cs + y * sn, v = -x * sn + y * cs;
  auto wave = [](double t) { return 0.5 + 0.5 * std::cos(2 * 3.14159265358979 * t); };
  const double grain = hash01(int(x), int(y), 60 + id) - 0.5;
  const double streak = valueNoise(u / 2.5, v / 28, 61 + id);
  const double broad = fbm(x / 110, y / 110, 3, 62 + id);
  Rgb col;
  switch (c) {
    case Crop::Wheat:
      col = mix(Rgb{214, 184, 104}, Rgb{176, 144, 72}, 0.6 * wave(u / 6));
      col = col * (1 + 0.05 * streak + 0.05 * broad + 0.05 * grain);
      break;
    case Crop::Barley:
      col = mix(Rgb{168, 170, 92}, Rgb{132, 140, 64}, 0.6 * wave(u / 5));
      col = col * (1 + 0.05 * streak + 0.06 * broad + 0.05 * grain);
      break;
    case Crop::Rapeseed: {
      col = mix(Rgb{232, 214, 58}, Rgb{206, 188, 40}, 0.4 * wave(u / 7));
      const double leaf = valueNoise(x / 2.2, y / 2.2, 63 + id);
      if (leaf > 0.55) col = mix(col, Rgb{128, 150, 54}, (leaf - 0.55) * 1.8);
      col = col * (1 + 0.04 * broad + 0.05 * grain);
      break;
    }
    case Crop::Ploughed:
      col = mix(soil(x, y, 0.25), soil(x, y, 0.75), wave(u / 7));
      col = col * (1 + 0.04 * broad);
      break;
    case Crop::Beet: {
      const double row = wave(u / 11);
      const double leaf = valueNoise(x / 3, y / 3, 64 + id);
      const double cover = std::clamp((row - 0.35) * 2.5 + 0.4 * leaf, 0.0, 1.0);
      col = mix(soil(x, y, 0.45), Rgb{70, 122, 46} * (1 + 0.1 * leaf), cover);
      break;
    }
    case Crop::Hay: {
      const double stripe = std::fmod(std::floor(u / 26) + 1000, 2);
      col = mix(Rgb{162, 172, 88}, Rgb{134, 154, 70}, stripe);
      col = col * (1 + 0.06 * streak + 0.05 * broad + 0.06 * grain);
      break;
    }
    case Crop::Pasture:
      col = grass(x, y, 0.85);
      break;
    case Crop::Maize: {
      const double leaf = valueNoise(x / 2.6, y / 2.6, 65 + id);
      col = mix(Rgb{78, 124, 48}, Rgb{46, 88, 36}, 0.5 * wave(u / 9) + 0.3 * leaf);
      col = col * (1 + 0.04 * broad + 0.05 * grain);
      break;
    }
  }
  // Tramlines of the tractor in the cereals.
  if ((c == Crop::Wheat || c == Crop::Barley) && std::fmod(std::fabs(v) + 7, 90) < 2.5)
    col = col * 0.88;
  return col;
}

Rgb patchColour(Ground g, double x, double y) {
  switch (g) {
    case Ground::Yard: {
      const double mud = fbm(x / 40, y / 40, 3, 71);
      return mix(gravel(x, y), soil(x, y, 0.5), std::clamp(mud * 0.8 + 0.2, 0.0, 0.7));
    }
    case Ground::Garden: {
      // Beds of vegetables in short rows between strips of lawn.
      const double beds = std::fmod(std::floor((x + y * 0.3) / 18) + 1000, 3);
      if (beds < 1) return grass(x, y, 1) * 1.04;
      const double row = std::fmod(std::fabs(y) + 100, 6) < 3 ? 1 : 0;
      return mix(soil(x, y, 0.6), Rgb{84, 132, 52}, row * 0.8);
    }
    case Ground::Lawn:
      return grass(x, y, 1) * 1.05;
    case Ground::Churchyard: {
      const Rgb lawn = grass(x, y, 1) * 1.02;
      return lawn;
    }
  }
  return grass(x, y);
}

}  // namespace

void paintGround(Picture& map, const Scenery& sc, const RoadField& field) {
  const int n = map.width();
  const std::size_t seeds = sc.fields.size();
  for (int py = 0; py < n; ++py)
    for (int px = 0; px < n; ++px) {
      const double x = px - kShift, y = py - kShift;
      // The two nearest field seeds: the field and how close its boundary is.
      double d1 = std::numeric_limits<double>::max(), d2 = d1;
      std::size_t best = 0, second = 0;
      for (std::size_t i = 0; i < seeds; ++i) {
        const Vec& s = sc.fields[i].at;
        const double dx = s.x - x, dy = s.y - y;
        if (std::fabs(dx) > 420 || std::fabs(dy) > 420) continue;
        const double d = dx * dx + dy * dy;
        if (d < d1) {
          d2 = d1;
          second = best;
          d1 = d;
          best = i;
        } else if (d < d2) {
          d2 = d;
          second = i;
        }
      }
      const double boundary = (std::sqrt(d2) - std::sqrt(d1)) / 2;
      const FieldSeed& f = sc.fields[best];
      Rgb c = cropColour(f.crop, x, y, f.rows, int(best));
      // A grassy margin between fields, or along some of them a hedgerow with its shadow to
      // the south-east.
      const double wobble = 3 * valueNoise(x / 9, y / 9, 81);
      const std::size_t lo = std::min(best, second), hi = std::max(best, second);
      const bool hedged = hash01(int(lo), int(hi), 82) < 0.3;
      const Vec s1 = sc.fields[best].at, s2 = sc.fields[second].at;
      const double nl = std::max(1e-9, std::hypot(s2.x - s1.x, s2.y - s1.y));
      // Which way this side of the boundary faces: towards the light or away from it.
      const double facing = -((s2.x - s1.x) * -0.6 + (s2.y - s1.y) * -0.75) / nl;
      const double hedgeW = 4.5 + 1.6 * valueNoise(x / 6, y / 6, 83);
      if (hedged && boundary < hedgeW) {
        const double clump = valueNoise(x / 3.2, y / 3.2, 84), leaf = hash01(int(x), int(y), 85);
        const double light = 0.55 + 0.3 * facing * (1 - boundary / hedgeW) + 0.25 * clump;
        c = mix(Rgb{24, 52, 22}, Rgb{96, 140, 56}, std::clamp(light, 0.0, 1.0)) *
            (0.92 + 0.12 * leaf);
      } else if (hedged && facing < 0 && boundary < hedgeW + 9) {
        c = c * (1 - 0.4 * (1 - (boundary - hedgeW) / 9) * -facing);
      } else if (boundary < 3.5 + wobble * 0.5) {
        c = grass(x, y, 0.4) * 0.92;
      }
      const double edge = field.edge({x, y});
      if (edge < 20 + wobble) c = grass(x, y, 0.6);
      map.at(px, py) = c;
    }
  // The pond: a muddy shore, water deepening towards the middle, reeds at the edge.
  if (!sc.pond.empty()) {
    auto shore = [&](double grow) {
      return cover(n, n, kMapSpace, [&](cairo_t* cr) {
        cairo_new_sub_path(cr);
        for (const Vec& p : sc.pond) cairo_line_to(cr, p.x, p.y);
        cairo_close_path(cr);
        if (grow > 0) {
          cairo_set_line_width(cr, 2 * grow);
          cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
          cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
      });
    };
    map.paint(shore(7), [&](int px, int py) { return soil(px - kShift, py - kShift, 0.8); });
    const Coverage water = shore(0);
    Coverage depth = water;
    blur(depth, 9, 3);
    map.paint(water, [&](int px, int py) {
      return tracks::water(px - kShift, py - kShift,
                           std::clamp((depth.at(px, py) - 0.45) * 1.8, 0.0, 1.0));
    });
    // Reeds in tufts along the shore.
    unsigned k = 0;
    const Coverage reeds = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      cairo_set_line_width(cr, 1.2);
      for (std::size_t i = 0; i < sc.pond.size(); ++i) {
        const Vec a = sc.pond[i], b = sc.pond[(i + 1) % sc.pond.size()];
        for (int j = 0; j < 6; ++j, ++k) {
          if (hash01(int(k), 1, 606) < 0.35) continue;
          const double t = hash01(int(k), 2, 606);
          const double x = a.x + (b.x - a.x) * t, y = a.y + (b.y - a.y) * t;
          const double ang = hash01(int(k), 3, 606) * 6.283, len = 3 + 4 * hash01(int(k), 4, 606);
          cairo_move_to(cr, x, y);
          cairo_line_to(cr, x + std::cos(ang) * len, y + std::sin(ang) * len);
        }
      }
      cairo_stroke(cr);
    });
    map.paint(reeds, [&](int px, int py) {
      return mix(Rgb{92, 120, 52}, Rgb{170, 160, 92}, hash01(px, py, 607));
    });
  }
  // Village ground over the fields.
  for (const Patch& p : sc.patches) {
    const Coverage cov = cover(n, n, kMapSpace, [&](cairo_t* cr) {
      cairo_new_sub_path(cr);
      for (std::size_t i = 0; i < p.outline.size(); ++i)
        cairo_line_to(cr, p.outline[i].x, p.outline[i].y);
      cairo_close_path(cr);
      cairo_fill(cr);
    });
    map.paint(cov, [&](int px, int py) { return patchColour(p.ground, px - kShift, py - kShift); });
  }
}

}  // namespace art::tracks::village
