#include "roads.h"

#include <cairo.h>

#include <algorithm>
#include <stdexcept>

namespace art::city {

namespace {

void tracePolyline(cairo_t* cr, const Polyline& line) {
  for (std::size_t i = 0; i < line.size(); ++i)
    i ? cairo_line_to(cr, line[i].x, line[i].y) : cairo_move_to(cr, line[i].x, line[i].y);
}

}  // namespace

RoadRaster rasterizeRoads(const Plan& plan) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, kMapSize, kMapSize);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot create the road raster");
  cairo_t* cr = cairo_create(s);
  cairo_translate(cr, kMapSize / 2, kMapSize / 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  for (const Street& st : plan.streets) {
    cairo_set_line_width(cr, 2 * st.halfWidth);
    tracePolyline(cr, st.centre);
    cairo_stroke(cr);
  }
  cairo_destroy(cr);
  cairo_surface_flush(s);
  RoadRaster r;
  r.road = Grid<std::uint8_t>(kMapSize, kMapSize, 0);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) r.road.at(x, y) = data[y * stride + x] >= 128;
  cairo_surface_destroy(s);
  r.distance = distanceTo(r.road);
  return r;
}

std::vector<CentreSample> centreSamples(const Plan& plan, double step) {
  struct Raw {
    Vec at, tangent;
    double s;
    int street;
  };
  std::vector<Raw> raw;
  for (std::size_t i = 0; i < plan.streets.size(); ++i) {
    const Polyline line = resample(plan.streets[i].centre, step);
    double s = 0;
    for (std::size_t k = 0; k < line.size(); ++k) {
      if (k) s += norm(line[k] - line[k - 1]);
      const Vec t = unit(line[std::min(k + 1, line.size() - 1)] - line[k ? k - 1 : 0]);
      raw.push_back({line[k], t, s, int(i)});
    }
  }
  const double loopLength = length(plan.streets.front().centre);
  std::vector<CentreSample> out;
  for (const Raw& a : raw) {
    const Street& st = plan.streets[std::size_t(a.street)];
    CentreSample c{a.at, a.tangent, st.halfWidth, a.street, false, false};
    for (const Raw& b : raw) {
      const double d = norm(a.at - b.at);
      const Street& other = plan.streets[std::size_t(b.street)];
      if (d > other.halfWidth + 8) continue;
      if (b.street == a.street) {
        double gap = std::abs(a.s - b.s);
        if (st.route) gap = std::min(gap, loopLength - gap);
        if (gap < 3 * (st.halfWidth + 10)) continue;  // the same piece of street
        // The lap comes back along the same street: mark the earlier pass only.
        if (std::abs(dot(a.tangent, b.tangent)) > 0.9 && d < 45) {
          if (b.s < a.s) c.repeated = true;
          continue;
        }
      }
      // Inside the other street's asphalt: a crossing or a street joining.
      c.junction = true;
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace art::city
