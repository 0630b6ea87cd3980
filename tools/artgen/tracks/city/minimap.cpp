#include "minimap.h"

#include <cmath>
#include <numbers>

#include "paint.h"

namespace art::city {

namespace {

constexpr int kSize = 100;
constexpr double kCorner = 9;

void panelPath(cairo_t* cr) {
  const double a = 0.5, b = kSize - 0.5, r = kCorner, pi = std::numbers::pi;
  cairo_new_sub_path(cr);
  cairo_arc(cr, b - r, a + r, r, -pi / 2, 0);
  cairo_arc(cr, b - r, b - r, r, 0, pi / 2);
  cairo_arc(cr, a + r, b - r, r, pi / 2, pi);
  cairo_arc(cr, a + r, a + r, r, pi, 3 * pi / 2);
  cairo_close_path(cr);
}

// Inside the panel's rounded square, tested at the pixel's centre (no blending in the mask).
bool inPanel(int x, int y) {
  const double cx = x + 0.5, cy = y + 0.5, r = kCorner;
  const double dx = std::max({r - cx, cx - (kSize - r), 0.0});
  const double dy = std::max({r - cy, cy - (kSize - r), 0.0});
  return dx * dx + dy * dy <= r * r;
}

}  // namespace

Minimap drawMinimap(const Plan& plan, const Layout& L) {
  Raster r(kSize, kSize);
  cairo_t* cr = r.cr();
  source(cr, {0, 0, 0});
  cairo_paint(cr);
  cairo_pattern_t* bg = cairo_pattern_create_linear(0, 0, 0, kSize);
  cairo_pattern_add_color_stop_rgb(bg, 0, 0.10, 0.13, 0.19);
  cairo_pattern_add_color_stop_rgb(bg, 1, 0.05, 0.07, 0.11);
  panelPath(cr);
  cairo_set_source(cr, bg);
  cairo_fill(cr);
  cairo_pattern_destroy(bg);
  // One twentieth, and 2 pixels down: the game puts the cars at (x + 1000) / 20, (y + 1000) / 20
  // + 2.
  cairo_save(cr);
  panelPath(cr);
  cairo_clip(cr);
  cairo_translate(cr, 0, 2);
  cairo_scale(cr, 1.0 / 20, 1.0 / 20);
  cairo_translate(cr, 1000, 1000);
  // The parks in dark green.
  cairo_save(cr);
  cairo_translate(cr, -1000, -1000);
  source(cr, {30, 72, 44});
  for (int y = 0; y < kMapSize; y += 20)
    for (int x = 0; x < kMapSize; x += 20) {
      const Ground g = L.ground.at(x + 10, y + 10);
      if (g == Ground::Lawn || g == Ground::Circuit || g == Ground::Water)
        cairo_rectangle(cr, x, y, 20, 20);
    }
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  source(cr, {92, 104, 126});
  cairo_set_line_width(cr, 44);
  for (std::size_t i = 1; i < plan.streets.size(); ++i) {
    polygon(cr, plan.streets[i].centre, false);
    cairo_stroke(cr);
  }
  // The race loop: a dark edge under a bright line.
  Polyline loop = plan.lap;
  loop.push_back(loop.front());
  source(cr, {60, 30, 0});
  cairo_set_line_width(cr, 90);
  polygon(cr, loop, false);
  cairo_stroke(cr);
  source(cr, {255, 194, 46});
  cairo_set_line_width(cr, 56);
  polygon(cr, loop, false);
  cairo_stroke(cr);
  // The finish line: a white bar across the loop.
  for (const KeyLine& k : plan.lines) {
    if (k.kind != LineKind::Finish) continue;
    const double total = length(plan.lap);
    const double s = std::fmod(k.lapS + total, total);
    const Vec at = pointAt(plan.lap, s), n = perp(tangentAt(plan.lap, s));
    source(cr, {255, 255, 255});
    cairo_set_line_width(cr, 30);
    cairo_move_to(cr, at.x - n.x * 70, at.y - n.y * 70);
    cairo_line_to(cr, at.x + n.x * 70, at.y + n.y * 70);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  panelPath(cr);
  source(cr, {150, 170, 200}, 0.9);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Minimap m{r.toImage(), Image(kSize, kSize, svc::rgb(255, 255, 255))};
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      if (inPanel(x, y))
        m.mask.at(x, y) = 0;
      else
        m.image.at(x, y) = 0;
    }
  return m;
}

}  // namespace art::city
