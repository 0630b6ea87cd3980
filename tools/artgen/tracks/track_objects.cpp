#include "tracks/track_objects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "toolkit/noise.h"

namespace art::tracks {

namespace {

constexpr double kPi = std::numbers::pi;
// Light from the north-west, high in the sky: a unit vector (x east, y south, z up).
constexpr double kLx = -0.46, kLy = -0.56, kLz = 0.69;

double lit(double nx, double ny, double nz) {
  const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
  return std::max(0.0, (nx * kLx + ny * kLy + nz * kLz) / len);
}

// World coordinates of a picture pixel.
Vec worldOf(const Space& sp, int px, int py) {
  return {(px + 0.5) / sp.scale - sp.shiftX, (py + 0.5) / sp.scale - sp.shiftY};
}

void polygon(cairo_t* cr, const std::vector<Vec>& pts) {
  cairo_new_sub_path(cr);
  for (const Vec& p : pts) cairo_line_to(cr, p.x, p.y);
  cairo_close_path(cr);
}

std::vector<Vec> hull(std::vector<Vec> p) {
  std::sort(p.begin(), p.end(),
            [](Vec a, Vec b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  auto cross = [](Vec o, Vec a, Vec b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
  };
  std::vector<Vec> h(2 * p.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    while (k >= 2 && cross(h[k - 2], h[k - 1], p[i]) <= 0) --k;
    h[k++] = p[i];
  }
  for (std::size_t i = p.size() - 1, t = k + 1; i > 0; --i) {
    while (k >= t && cross(h[k - 2], h[k - 1], p[i - 1]) <= 0) --k;
    h[k++] = p[i - 1];
  }
  h.resize(k - 1);
  return h;
}

struct Leaves {
  Rgb dark, base, light;
};
Leaves leavesOf(Foliage f) {
  switch (f) {
    case Foliage::Broadleaf:
      return {{26, 56, 22}, {70, 118, 42}, {156, 190, 84}};
    case Foliage::Dark:
      return {{20, 46, 22}, {50, 92, 38}, {122, 160, 70}};
    case Foliage::Fruit:
      return {{34, 70, 26}, {88, 138, 54}, {170, 204, 100}};
    case Foliage::Conifer:
      return {{14, 38, 28}, {38, 78, 50}, {96, 138, 92}};
    case Foliage::Willow:
      return {{60, 80, 50}, {124, 150, 92}, {196, 214, 150}};
    case Foliage::Hedge:
      return {{22, 48, 20}, {54, 98, 38}, {128, 166, 72}};
  }
  return {};
}

}  // namespace

void ShadowLayer::add(const Coverage& c, double strength) {
  for (int y = std::max(0, c.y0); y < std::min(h_, c.y0 + c.h); ++y)
    for (int x = std::max(0, c.x0); x < std::min(w_, c.x0 + c.w); ++x) {
      float& a = a_[std::size_t(y) * w_ + x];
      a = std::max(a, float(c.at(x, y) * strength));
    }
}

void ShadowLayer::apply(Picture& pic) const {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      const float a = a_[std::size_t(y) * w_ + x];
      if (a > 0) pic.at(x, y) = pic.at(x, y) * (1 - a);
    }
}

void canopyPath(cairo_t* cr, const Canopy& t, double grow) {
  const int n = 36;
  cairo_new_sub_path(cr);
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n;
    double k = 1 + 0.13 * valueNoise(1.7 * std::cos(a) + t.seed % 97, 1.7 * std::sin(a), t.seed);
    if (t.kind == Foliage::Conifer) k *= 0.88 + 0.12 * std::fabs(std::cos(4.5 * a + t.seed));
    const double r = t.radius * k + grow;
    cairo_line_to(cr, t.at.x + r * std::cos(a), t.at.y + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void canopyShadow(ShadowLayer& shadows, int w, int h, const Space& sp, const Canopy& t) {
  const double reach = t.kind == Foliage::Hedge ? t.radius * 0.7 : t.radius * 1.1;
  Canopy s = t;
  s.at = {t.at.x + reach * kShadowX, t.at.y + reach * kShadowY};
  Coverage c = cover(w, h, sp, [&](cairo_t* cr) {
    canopyPath(cr, s, -1);
    cairo_fill(cr);
  });
  blur(c, std::max(1, int(2 * sp.scale)));
  shadows.add(c, 0.42);
}

void paintCanopy(Picture& pic, const Space& sp, const Canopy& t) {
  const Coverage c = cover(pic.width(), pic.height(), sp, [&](cairo_t* cr) {
    canopyPath(cr, t);
    cairo_fill(cr);
  });
  const Leaves lv = leavesOf(t.kind);
  const double clump = std::max(2.5, t.radius / 3.2);
  pic.paint(c, [&](int px, int py) {
    const Vec p = worldOf(sp, px, py);
    const double dx = (p.x - t.at.x) / t.radius, dy = (p.y - t.at.y) / t.radius;
    const double d2 = std::min(1.0, dx * dx + dy * dy);
    const double nz = std::sqrt(1 - d2) + 0.15;
    // Clumps of leaves bulge towards the light; small gaps between them stay dark.
    const double cl = valueNoise(p.x / clump + t.seed, p.y / clump, t.seed + 5);
    const double leaf = valueNoise(p.x / 1.6, p.y / 1.6, t.seed + 6);
    const double bx = valueNoise(p.x / clump, p.y / clump + 50, t.seed + 7);
    double shade = lit(dx + 0.45 * cl, dy + 0.45 * bx, nz);
    shade = shade * (0.86 + 0.14 * leaf) - 0.18 * std::max(0.0, -cl - 0.3);
    Rgb col = shade < 0.55 ? mix(lv.dark, lv.base, shade / 0.55)
                           : mix(lv.base, lv.light, std::min(1.0, (shade - 0.55) / 0.5));
    if (t.kind == Foliage::Fruit && hash01(int(p.x * 0.5), int(p.y * 0.5), t.seed) > 0.985)
      col = hash01(int(p.x), int(p.y), t.seed + 1) > 0.5 ? Rgb{196, 44, 36} : Rgb{226, 196, 60};
    return col;
  });
}

void paintHedge(Picture& pic, ShadowLayer* shadows, const Space& sp, const std::vector<Vec>& line,
                double width, unsigned seed) {
  std::vector<Canopy> bushes;
  unsigned k = seed;
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    const Vec a = line[i], b = line[i + 1];
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const int steps = std::max(1, int(len / (width * 0.42)));
    for (int j = 0; j < steps; ++j) {
      const double t = double(j) / steps;
      const double r = width / 2 * (0.8 + 0.35 * hash01(int(k), 3, seed));
      const double jx = (hash01(int(k), 4, seed) - 0.5) * width * 0.25;
      const double jy = (hash01(int(k), 5, seed) - 0.5) * width * 0.25;
      bushes.push_back(
          {{a.x + (b.x - a.x) * t + jx, a.y + (b.y - a.y) * t + jy}, r, Foliage::Hedge, k++});
    }
  }
  if (shadows) {
    Coverage c = cover(pic.width(), pic.height(), sp, [&](cairo_t* cr) {
      for (const Canopy& b : bushes) {
        Canopy s = b;
        s.at = {b.at.x + width * 0.5 * kShadowX, b.at.y + width * 0.5 * kShadowY};
        canopyPath(cr, s);
        cairo_fill(cr);
      }
    });
    blur(c, 2);
    shadows->add(c, 0.4);
  }
  for (const Canopy& b : bushes) paintCanopy(pic, sp, b);
}

void roofPath(cairo_t* cr, const Roof& r, double grow) {
  const double c = std::cos(r.angle), s = std::sin(r.angle);
  const double hl = r.length / 2 + grow, hw = r.width / 2 + grow;
  const Vec pts[4] = {{-hl, -hw}, {hl, -hw}, {hl, hw}, {-hl, hw}};
  cairo_new_sub_path(cr);
  for (const Vec& p : pts)
    cairo_line_to(cr, r.centre.x + p.x * c - p.y * s, r.centre.y + p.x * s + p.y * c);
  cairo_close_path(cr);
}

void roofShadow(ShadowLayer& shadows, int w, int h, const Space& sp, const Roof& r) {
  const double c = std::cos(r.angle), s = std::sin(r.angle);
  const double hl = r.length / 2, hw = r.width / 2;
  std::vector<Vec> pts;
  for (const Vec& q : {Vec{-hl, -hw}, Vec{hl, -hw}, Vec{hl, hw}, Vec{-hl, hw}}) {
    const Vec p{r.centre.x + q.x * c - q.y * s, r.centre.y + q.x * s + q.y * c};
    pts.push_back(p);
    pts.push_back({p.x + r.height * kShadowX, p.y + r.height * kShadowY});
  }
  const std::vector<Vec> shape = hull(pts);
  Coverage cov = cover(w, h, sp, [&](cairo_t* cr) {
    polygon(cr, shape);
    cairo_fill(cr);
  });
  blur(cov, 2);
  shadows.add(cov, 0.5);
}

void paintRoof(Picture& pic, const Space& sp, const Roof& r) {
  const Coverage cov = cover(pic.width(), pic.height(), sp, [&](cairo_t* cr) {
    roofPath(cr, r);
    cairo_fill(cr);
  });
  Rgb base;
  switch (r.kind) {
    case RoofKind::Tiles:
      base = {184, 84, 52};
      break;
    case RoofKind::DarkTiles:
      base = {132, 62, 46};
      break;
    case RoofKind::Slate:
      base = {84, 90, 100};
      break;
    case RoofKind::Corrugated:
      base = {134, 128, 118};
      break;
  }
  base = base * (0.92 + 0.16 * hash01(int(r.seed), 1, 5));
  const double c = std::cos(r.angle), s = std::sin(r.angle);
  const double hl = r.length / 2, hw = r.width / 2;
  // A chimney on one slope, on the houses with tiles.
  const double chimU = (hash01(int(r.seed), 2, 5) - 0.5) * r.length * 0.6;
  pic.paint(cov, [&](int px, int py) {
    const Vec p = worldOf(sp, px, py);
    const double dx = p.x - r.centre.x, dy = p.y - r.centre.y;
    const double u = dx * c + dy * s, v = -dx * s + dy * c;
    // Which plane: the long slopes, or the ends of a hipped roof.
    // On a hipped roof a point belongs to the slope of the nearer eave.
    const bool end = r.hip && hl - std::fabs(u) < hw - std::fabs(v);
    double nu = 0, nv = 0;
    if (end)
      nu = u > 0 ? 0.9 : -0.9;
    else
      nv = v > 0 ? 0.9 : -0.9;
    const double nx = nu * c - nv * s, ny = nu * s + nv * c;
    double shade = 0.5 + 0.62 * lit(nx, ny, 1);
    // Tiles in courses along the eaves, each tile a little different.
    const double across = end ? hl - std::fabs(u) : hw - std::fabs(v);
    const double along = end ? v : u;
    double tex = 1;
    if (r.kind == RoofKind::Corrugated) {
      tex = 0.9 + 0.1 * std::sin(along * 2.1);
    } else {
      const int course = int(std::floor(across / 3.5));
      const double off = (course % 2) * 2.4;
      const int tile = int(std::floor((along + off + 200) / 4.8));
      if (std::fmod(across, 3.5) < 0.9) tex *= 0.8;
      if (std::fmod(along + off + 200, 4.8) < 0.7) tex *= 0.9;
      tex *= 0.94 + 0.12 * hash01(tile, course, r.seed);
    }
    tex *= 1 + 0.06 * fbm(p.x / 14, p.y / 14, 2, r.seed + 9);
    Rgb col = base * (shade * tex);
    // Ridge and hips: a row of capping tiles.
    const bool ridge = std::fabs(v) < 1.4 && (!r.hip || std::fabs(u) < hl - hw);
    const bool hipLine = r.hip && std::fabs((hl - std::fabs(u)) - (hw - std::fabs(v))) < 1.1;
    if (ridge || hipLine) col = base * 0.72;
    // The eaves' dark edge.
    if (std::fabs(v) > hw - 1.2 || std::fabs(u) > hl - 1.2) col = col * 0.7;
    if ((r.kind == RoofKind::Tiles || r.kind == RoofKind::DarkTiles) &&
        std::fabs(u - chimU) < 3.5 && std::fabs(v - hw * 0.35) < 3.5)
      col = std::fabs(u - chimU) > 2.3 || std::fabs(v - hw * 0.35) > 2.3 ? Rgb{70, 52, 46}
                                                                         : Rgb{40, 32, 30};
    return col;
  });
}

void paintTower(Picture& pic, const Space& sp, Vec centre, double side, double angle,
                unsigned seed) {
  const Roof foot{centre, side, side, angle, RoofKind::Slate, false, 0, seed};
  const Coverage cov = cover(pic.width(), pic.height(), sp, [&](cairo_t* cr) {
    roofPath(cr, foot);
    cairo_fill(cr);
  });
  const double c = std::cos(angle), s = std::sin(angle), h = side / 2;
  pic.paint(cov, [&](int px, int py) {
    const Vec p = worldOf(sp, px, py);
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    const double u = dx * c + dy * s, v = -dx * s + dy * c;
    double nu = 0, nv = 0;
    if (std::fabs(u) > std::fabs(v))
      nu = u > 0 ? 1.4 : -1.4;
    else
      nv = v > 0 ? 1.4 : -1.4;
    const double shade = 0.45 + 0.7 * lit(nu * c - nv * s, nu * s + nv * c, 1);
    // Copper gone green, in vertical seams.
    const double seam =
        std::fmod(std::fabs(std::fabs(u) > std::fabs(v) ? v : u) + 100, 3.2) < 0.7 ? 0.85 : 1;
    Rgb col =
        Rgb{92, 150, 128} * (shade * seam * (0.95 + 0.1 * valueNoise(p.x / 4, p.y / 4, seed)));
    if (std::fabs(std::fabs(u) - std::fabs(v)) < 0.9) col = col * 0.78;  // the hips
    if (std::fabs(u) > h - 1.2 || std::fabs(v) > h - 1.2) col = col * 0.7;
    if (std::fabs(u) < 1.6 && std::fabs(v) < 1.6) col = {214, 178, 70};  // the gilded knob
    return col;
  });
}

void paintStoneWall(Picture& pic, ShadowLayer& shadows, const Space& sp,
                    const std::vector<Vec>& line, double width, unsigned seed) {
  auto path = [&](cairo_t* cr, double dx, double dy) {
    cairo_new_sub_path(cr);
    for (const Vec& p : line) cairo_line_to(cr, p.x + dx, p.y + dy);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  };
  Coverage sh = cover(pic.width(), pic.height(), sp, [&](cairo_t* cr) { path(cr, 2.2, 2.8); });
  blur(sh, 1);
  shadows.add(sh, 0.45);
  const Coverage c = cover(pic.width(), pic.height(), sp, [&](cairo_t* cr) { path(cr, 0, 0); });
  pic.paint(c, [&](int px, int py) {
    const Vec p = worldOf(sp, px, py);
    const double stone = valueNoise(p.x / 2.2, p.y / 2.2, seed);
    const double tone = hash01(int(std::floor(p.x / 3.3)), int(std::floor(p.y / 3.3)), seed + 1);
    Rgb col = mix(Rgb{128, 122, 112}, Rgb{188, 182, 168}, tone) * (0.9 + 0.15 * stone);
    if (std::fabs(stone) < 0.08) col = col * 0.62;  // mortar between stones
    return col;
  });
}

}  // namespace art::tracks
