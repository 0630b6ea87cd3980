// Objects: parked cars, the fountain's spray, benches and the park's paths on the ground; the
// tree crowns, awnings and the footbridge that pass over the cars (the overlay).
#include <cmath>
#include <numbers>

#include "render.h"
#include "toolkit/noise.h"
#include "toolkit/random.h"

namespace art::city {

namespace {

constexpr double kPi = std::numbers::pi;
const Vec kToLight = unit({-0.6, -0.8});
constexpr Rgb kSpray{229.5, 244.8, 255};  // the fountain's water in the air
Vec toMap(Vec w) {
  return {w.x + 1000, w.y + 1000};
}

const Rgb kCarPaint[8] = {{178, 34, 34},  {40, 70, 150}, {220, 220, 214}, {36, 36, 40},
                          {190, 160, 40}, {60, 120, 80}, {140, 140, 146}, {120, 40, 90}};

void parkedCar(cairo_t* cr, const ParkedCar& c) {
  cairo_save(cr);
  cairo_translate(cr, c.at.x, c.at.y);
  // Shadow first, in map axes, then the car turned along the kerb.
  cairo_save(cr);
  cairo_translate(cr, -kToLight.x * 4, -kToLight.y * 4);
  cairo_rotate(cr, c.heading);
  source(cr, {0, 0, 0}, 0.35);
  roundedRect(cr, -29, -14, 58, 28, 7);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_rotate(cr, c.heading);
  const Rgb paint = kCarPaint[c.paint];
  cairo_pattern_t* body = cairo_pattern_create_linear(0, -14, 0, 14);
  cairo_pattern_add_color_stop_rgb(body, 0, shade(paint, 1.25).r / 255, shade(paint, 1.25).g / 255,
                                   shade(paint, 1.25).b / 255);
  cairo_pattern_add_color_stop_rgb(body, 0.5, paint.r / 255, paint.g / 255, paint.b / 255);
  cairo_pattern_add_color_stop_rgb(body, 1, shade(paint, 0.65).r / 255, shade(paint, 0.65).g / 255,
                                   shade(paint, 0.65).b / 255);
  roundedRect(cr, -29, -14, 58, 28, 7);
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  source(cr, shade(paint, 0.5));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // Glass: windscreen at the front (+x), rear window, side windows.
  source(cr, {36, 44, 54});
  polygon(cr, {{10, -11}, {16, -8}, {16, 8}, {10, 11}});
  cairo_fill(cr);
  polygon(cr, {{-14, -10}, {-19, -7}, {-19, 7}, {-14, 10}});
  cairo_fill(cr);
  // The roof, with a highlight.
  source(cr, shade(paint, 1.12));
  roundedRect(cr, -13, -10, 22, 20, 3);
  cairo_fill(cr);
  source(cr, {255, 255, 255}, 0.18);
  cairo_rectangle(cr, -11, -8, 18, 4);
  cairo_fill(cr);
  // Lamps.
  source(cr, {250, 246, 220});
  cairo_rectangle(cr, 26, -11, 2.5, 5);
  cairo_rectangle(cr, 26, 6, 2.5, 5);
  cairo_fill(cr);
  source(cr, {170, 30, 30});
  cairo_rectangle(cr, -28.5, -11, 2, 5);
  cairo_rectangle(cr, -28.5, 6, 2, 5);
  cairo_fill(cr);
  cairo_restore(cr);
}

void bench(cairo_t* cr, Vec at, double angle) {
  cairo_save(cr);
  cairo_translate(cr, at.x, at.y);
  cairo_rotate(cr, angle);
  source(cr, {0, 0, 0}, 0.3);
  cairo_rectangle(cr, -8 + 1.5, -2.5 + 2, 16, 5);
  cairo_fill(cr);
  source(cr, {128, 86, 52});
  cairo_rectangle(cr, -8, -2.5, 16, 5);
  cairo_fill(cr);
  source(cr, {92, 60, 36});
  cairo_set_line_width(cr, 0.8);
  cairo_move_to(cr, -8, 0);
  cairo_line_to(cr, 8, 0);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void fountain(cairo_t* cr, const Layout& L) {
  const Vec c = L.fountain;
  // Rings of ripples, the inner basin and its spray.
  cairo_set_line_width(cr, 1);
  for (double r = 14; r < L.fountainRadius - 7; r += 5) {
    source(cr, {220, 236, 244}, 0.22);
    cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
    cairo_stroke(cr);
  }
  source(cr, {0, 0, 0}, 0.25);
  cairo_arc(cr, c.x + 2, c.y + 2.5, 11, 0, 2 * kPi);
  cairo_fill(cr);
  source(cr, {214, 208, 196});
  cairo_arc(cr, c.x, c.y, 11, 0, 2 * kPi);
  cairo_fill(cr);
  source(cr, {80, 130, 160});
  cairo_arc(cr, c.x, c.y, 8, 0, 2 * kPi);
  cairo_fill(cr);
  setRadial(cr, c.x, c.y, 0, c.x, c.y, 16,
            {{0, kWhite, 0.95}, {0.45, kSpray, 0.6}, {1, kSpray, 0}});
  cairo_arc(cr, c.x, c.y, 16, 0, 2 * kPi);
  cairo_fill(cr);
  for (int k = 0; k < 8; ++k) {
    const double a = k * kPi / 4;
    bench(cr, c + Vec{std::cos(a), std::sin(a)} * (L.fountainRadius + 12), a + kPi / 2);
  }
}

// Gravel paths through the park: round the pond and out to its edges.
void parkPaths(cairo_t* cr) {
  const Polyline paths[] = {{toMap({700, 60}), toMap({740, 240}), toMap({760, 330})},
                            {toMap({690, 900}), toMap({730, 700}), toMap({760, 560})},
                            {toMap({980, 250}), toMap({900, 300})},
                            {toMap({980, 700}), toMap({910, 600}), toMap({880, 560})}};
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    source(cr, pass ? Rgb{204, 188, 150} : Rgb{150, 136, 104});
    cairo_set_line_width(cr, pass ? 10 : 13);
    for (const Polyline& p : paths) {
      polygon(cr, p, false);
      cairo_stroke(cr);
    }
    const Vec pond = toMap({835, 430});
    cairo_save(cr);
    cairo_translate(cr, pond.x, pond.y);
    cairo_scale(cr, 1.35, 1);
    cairo_arc(cr, 0, 0, 112, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_stroke(cr);
  }
  const Vec pond = toMap({835, 430});
  for (int k = 0; k < 10; ++k) {
    const double a = k * 2 * kPi / 10 + 0.3;
    bench(cr, pond + Vec{std::cos(a) * 1.35 * 124, std::sin(a) * 124}, a + kPi / 2);
  }
}

void footbridgeStairs(cairo_t* cr, const Footbridge& f) {
  for (const Vec end : {f.a, f.b}) {
    source(cr, {0, 0, 0}, 0.3);
    cairo_rectangle(cr, end.x - 14 + 3, end.y - 15 + 4, 28, 30);
    cairo_fill(cr);
    source(cr, {150, 152, 156});
    cairo_rectangle(cr, end.x - 14, end.y - 15, 28, 30);
    cairo_fill(cr);
    source(cr, {110, 112, 118});
    cairo_set_line_width(cr, 1);
    for (double y = end.y - 13; y < end.y + 15; y += 3.5) {
      cairo_move_to(cr, end.x - 12, y);
      cairo_line_to(cr, end.x + 12, y);
    }
    cairo_stroke(cr);
  }
}

// The street darkens into the tunnel under Picture4, and the portals cast their shadow.
void tunnelMouths(cairo_t* cr) {
  const double x0 = kTunnelLeft, x1 = kTunnelLeft + kTunnelWidth;
  cairo_pattern_t* north = cairo_pattern_create_linear(0, kTunnelTop - 26, 0, kTunnelTop);
  cairo_pattern_add_color_stop_rgba(north, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(north, 1, 0, 0, 0.02, 0.55);
  cairo_set_source(cr, north);
  cairo_rectangle(cr, x0, kTunnelTop - 26, x1 - x0, 26);
  cairo_fill(cr);
  cairo_pattern_destroy(north);
  const double south = kTunnelTop + kTunnelHeight;
  cairo_pattern_t* s = cairo_pattern_create_linear(0, south, 0, south + 22);
  cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0.02, 0.5);
  cairo_pattern_add_color_stop_rgba(s, 1, 0, 0, 0, 0);
  cairo_set_source(cr, s);
  cairo_rectangle(cr, x0, south, x1 - x0, 22);
  cairo_fill(cr);
  cairo_pattern_destroy(s);
  // The deck's east edge throws a strip of shadow on the pavement.
  source(cr, {0, 0, 0}, 0.3);
  cairo_rectangle(cr, x1, kTunnelTop + 6, 8, kTunnelHeight);
  cairo_fill(cr);
}

// --- The overlay -----------------------------------------------------------------------------

const Rgb kCrowns[6] = {{62, 112, 44}, {48, 98, 46},  {84, 126, 50},
                        {40, 80, 48},  {96, 132, 58}, {120, 112, 44}};

struct Lobe {
  Vec at;
  double r;
};

std::vector<Lobe> crownLobes(const Tree& t) {
  Rng rng(std::uint64_t(t.at.x * 7919 + t.at.y * 104729));
  std::vector<Lobe> lobes{{t.at, t.radius * 0.66}};
  const int n = 5 + rng.below(3);
  const double start = rng.range(0, 2 * kPi);
  for (int k = 0; k < n; ++k) {
    const double a = start + k * 2 * kPi / n + rng.range(-0.3, 0.3);
    const double off = t.radius * rng.range(0.36, 0.5);
    lobes.push_back({t.at + Vec{std::cos(a), std::sin(a)} * off, t.radius * rng.range(0.44, 0.56)});
  }
  return lobes;
}

// The crown's colour at a map point, or false outside it.
bool crownAt(const Tree& t, const std::vector<Lobe>& lobes, Vec m, double scale, Rgb& out) {
  double best = -1;
  Vec normal{0, 0};
  for (const Lobe& l : lobes) {
    const double d = norm(m - l.at) / l.r;
    if (d >= 1) continue;
    const double h = std::sqrt(1 - d * d) + l.r / t.radius * 0.6;
    if (h > best) best = h, normal = (m - l.at) * (1 / l.r);
  }
  if (best < 0) return false;
  const double whole = norm(m - t.at) / t.radius;
  const double light =
      dot(normal, kToLight) * 0.6 + dot((m - t.at) * (1 / t.radius), kToLight) * 0.5;
  const double leaves =
      valueNoise(m.x / std::max(1.1, 2.2 / scale), m.y / std::max(1.1, 2.2 / scale), 950) / 2;
  Rgb c = shade(kCrowns[t.kind], 1 + 0.22 * light + leaves * 0.35);
  c = grain(c, (valueNoise(m.x / 5, m.y / 5, 951) / 2) * 14);
  if (whole > 0.85) c = shade(c, 1 - 0.25 * (whole - 0.85) / 0.15);  // dark rim, soft on the map
  out = c;
  return true;
}

Rgb awningAt(const Awning& a, Vec m) {
  const Vec u = unit(a.corners[1] - a.corners[0]), n = unit(a.corners[3] - a.corners[0]);
  const double along = dot(m - a.corners[0], u), across = dot(m - a.corners[0], n);
  const double depth = norm(a.corners[3] - a.corners[0]);
  static const Rgb colours[4] = {{176, 40, 40}, {40, 110, 70}, {40, 80, 150}, {200, 130, 30}};
  const bool stripe = int(std::floor(along / 5)) % 2 == 0;
  Rgb c = stripe ? colours[a.colour] : Rgb{232, 228, 214};
  // The fabric slopes down to its free edge; which edge is free does not matter from above.
  const double t = std::abs(across / depth - 0.5) * 2;
  c = shade(c, 1 + 0.08 - 0.2 * t);
  if (across < 1.2 || across > depth - 1.2) c = shade(c, 0.7);
  return c;
}

Rgb footbridgeAt(const Footbridge& f, Vec m) {
  const Vec u = unit(f.b - f.a), n = perp(u);
  const double along = dot(m - f.a, u), across = dot(m - f.a, n);
  const double half = f.width / 2;
  if (std::abs(across) > half - 2.5) return {74, 80, 92};  // the girders
  if (std::fmod(along, 14) < 1.6) return {96, 104, 116};   // ribs of the glass roof
  const double sheen = 0.5 + 0.5 * std::sin(along * 0.05 + across * 0.22);
  Rgb glass = mix({96, 132, 150}, {176, 206, 218}, sheen * 0.55);
  if (across > 0) glass = shade(glass, 0.88);  // the roof's two slopes
  return glass;
}

bool insideFootbridge(const Footbridge& f, Vec m) {
  const Vec u = unit(f.b - f.a), n = perp(u);
  const double along = dot(m - f.a, u), across = dot(m - f.a, n);
  return along >= 0 && along <= norm(f.b - f.a) && std::abs(across) <= f.width / 2;
}

template <typename Fn>
void forPictureBox(const Raster& r, const View& v, double x0, double y0, double x1, double y1,
                   Fn fn) {
  const int px0 = std::max(0, int(std::floor((x0 - v.origin.x) * v.scale)));
  const int py0 = std::max(0, int(std::floor((y0 - v.origin.y) * v.scale)));
  const int px1 = std::min(r.width() - 1, int(std::ceil((x1 - v.origin.x) * v.scale)));
  const int py1 = std::min(r.height() - 1, int(std::ceil((y1 - v.origin.y) * v.scale)));
  for (int py = py0; py <= py1; ++py)
    for (int px = px0; px <= px1; ++px) fn(px, py, v.mapAt(px, py));
}

}  // namespace

void paintStreetObjects(Raster& r, const Layout& L, const View& v) {
  cairo_t* cr = r.cr();
  v.apply(cr);
  parkPaths(cr);
  for (const ParkedCar& c : L.cars) parkedCar(cr, c);
  fountain(cr, L);
  for (const Footbridge& f : L.footbridges) footbridgeStairs(cr, f);
  tunnelMouths(cr);
  // The training circuit's details, in its own coordinates (map = circuit / 2 + 500).
  cairo_save(cr);
  cairo_translate(cr, 500, 500);
  cairo_scale(cr, 0.5, 0.5);
  paintTrainingDetails(cr);
  cairo_restore(cr);
}

void paintOverlay(Raster& r, const Layout& L, const View& v, bool mask) {
  r.flush();
  const Rgb black{0, 0, 0};
  for (const Tree& t : L.trees) {
    const auto lobes = crownLobes(t);
    forPictureBox(r, v, t.at.x - t.radius, t.at.y - t.radius, t.at.x + t.radius, t.at.y + t.radius,
                  [&](int px, int py, Vec m) {
                    Rgb c;
                    if (crownAt(t, lobes, m, v.scale, c)) r.set(px, py, mask ? black : c);
                  });
  }
  for (const Awning& a : L.awnings) {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const Vec& c : a.corners)
      x0 = std::min(x0, c.x), y0 = std::min(y0, c.y), x1 = std::max(x1, c.x),
      y1 = std::max(y1, c.y);
    forPictureBox(r, v, x0, y0, x1, y1, [&](int px, int py, Vec m) {
      bool in = true;
      for (int i = 0; i < 4; ++i)
        if (cross(a.corners[std::size_t((i + 1) % 4)] - a.corners[std::size_t(i)],
                  m - a.corners[std::size_t(i)]) < 0)
          in = false;
      if (in) r.set(px, py, mask ? black : awningAt(a, m));
    });
  }
  for (const Footbridge& f : L.footbridges) {
    const double pad = f.width;
    forPictureBox(r, v, std::min(f.a.x, f.b.x) - pad, std::min(f.a.y, f.b.y) - pad,
                  std::max(f.a.x, f.b.x) + pad, std::max(f.a.y, f.b.y) + pad,
                  [&](int px, int py, Vec m) {
                    if (insideFootbridge(f, m)) r.set(px, py, mask ? black : footbridgeAt(f, m));
                  });
  }
  r.dirty();
}

}  // namespace art::city
