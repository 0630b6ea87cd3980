#include "tracks/village/village_minimap.h"

#include <cmath>

#include "canvas.h"
#include "toolkit/noise.h"
#include "tracks/track_paint.h"

namespace art::tracks::village {

namespace {

void panelPath(cairo_t* cr, double inset) {
  const double r = 8, x0 = inset, y0 = inset, x1 = kMinimapSize - inset, y1 = kMinimapSize - inset;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x1 - r, y0 + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x1 - r, y1 - r, r, 0, M_PI / 2);
  cairo_arc(cr, x0 + r, y1 - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x0 + r, y0 + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

}  // namespace

Minimap drawMinimap(const Layout& L) {
  const Centreline& road = L.road;
  Canvas canvas(kMinimapSize, kMinimapSize);
  cairo_t* cr = canvas.cr();
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  // Dark glass: a cool gradient, a bright rim at the top, a thin frame.
  panelPath(cr, 0.5);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, kMinimapSize);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.16, 0.20, 0.28);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.09, 0.11, 0.16);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.05, 0.06, 0.09);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgba(cr, 0.55, 0.66, 0.82, 0.85);
  cairo_stroke(cr);
  panelPath(cr, 2);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.08);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The loop, where the minimap cars are drawn: one twentieth, two pixels down.
  cairo_save(cr);
  cairo_translate(cr, 0, 2);
  cairo_scale(cr, 0.05, 0.05);
  cairo_translate(cr, kShift, kShift);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  auto loop = [&](Stretch s, double width, double r, double gr, double b) {
    road.line(cr, s, 0, 0);
    cairo_set_line_width(cr, width * 20);
    cairo_set_source_rgb(cr, r, gr, b);
    cairo_stroke(cr);
  };
  loop(road.all(), 5.2, 0.02, 0.03, 0.05);
  loop(road.all(), 3.2, 0.86, 0.88, 0.92);
  // The bridge: the upper road drawn again over the lower one, with its dark edge.
  const Stretch over =
      road.around(L.bridge.span.first, 30, double(L.bridge.span.count) * road.spacing() + 30);
  loop(over, 5.2, 0.02, 0.03, 0.05);
  loop(over, 3.2, 0.86, 0.88, 0.92);
  // The finish line in red across the road.
  const Station& f = road[std::ptrdiff_t(L.finish)];
  cairo_move_to(cr, f.x + f.lx() * 80, f.y + f.ly() * 80);
  cairo_line_to(cr, f.x - f.lx() * 80, f.y - f.ly() * 80);
  cairo_set_line_width(cr, 36);
  cairo_set_source_rgb(cr, 0.95, 0.22, 0.18);
  cairo_stroke(cr);
  cairo_restore(cr);

  const Image drawn = canvas.toImage();
  // The mask: the panel's shape, exactly black or white, and the image black around it.
  Canvas shape(kMinimapSize, kMinimapSize);
  cairo_set_source_rgb(shape.cr(), 0, 0, 0);
  cairo_paint(shape.cr());
  cairo_set_antialias(shape.cr(), CAIRO_ANTIALIAS_NONE);
  panelPath(shape.cr(), 0);
  cairo_set_source_rgb(shape.cr(), 1, 1, 1);
  cairo_fill(shape.cr());
  const Image inside = shape.toImage();
  Minimap m{Image(kMinimapSize, kMinimapSize, svc::rgb(255, 255, 255)),
            Image(kMinimapSize, kMinimapSize, 0)};
  for (int y = 0; y < kMinimapSize; ++y)
    for (int x = 0; x < kMinimapSize; ++x)
      if (inside.at(x, y) != 0) {
        m.mask.at(x, y) = 0;
        m.image.at(x, y) = drawn.at(x, y);
      }
  return m;
}

}  // namespace art::tracks::village
