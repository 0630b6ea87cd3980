#include "tracks/track_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace art::tracks {

namespace {

// Renders a drawing into a surface of its own bounding box on the picture (clipped to it).
// Returns null when nothing of it lands on the picture.
cairo_surface_t* renderBox(int width, int height, const Space& space, const Draw& draw,
                           cairo_format_t format, bool antialias, int& x0, int& y0) {
  auto setUp = [&](cairo_t* cr, double dx, double dy) {
    cairo_translate(cr, dx, dy);
    cairo_scale(cr, space.scale, space.scale);
    cairo_translate(cr, space.shiftX, space.shiftY);
    cairo_set_antialias(cr, antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, 1, 1, 1);
  };
  cairo_surface_t* rec = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  cairo_t* rc = cairo_create(rec);
  setUp(rc, 0, 0);
  draw(rc);
  cairo_destroy(rc);
  double ex, ey, ew, eh;
  cairo_recording_surface_ink_extents(rec, &ex, &ey, &ew, &eh);
  cairo_surface_destroy(rec);
  const int bx0 = std::max(0, int(std::floor(ex)) - 1), by0 = std::max(0, int(std::floor(ey)) - 1);
  const int bx1 = std::min(width, int(std::ceil(ex + ew)) + 1);
  const int by1 = std::min(height, int(std::ceil(ey + eh)) + 1);
  if (ew <= 0 || eh <= 0 || bx1 <= bx0 || by1 <= by0) return nullptr;
  cairo_surface_t* s = cairo_image_surface_create(format, bx1 - bx0, by1 - by0);
  cairo_t* cr = cairo_create(s);
  setUp(cr, -bx0, -by0);
  draw(cr);
  cairo_destroy(cr);
  cairo_surface_flush(s);
  x0 = bx0;
  y0 = by0;
  return s;
}

}  // namespace

Coverage cover(int width, int height, const Space& space, const Draw& draw, bool antialias) {
  Coverage c;
  cairo_surface_t* s =
      renderBox(width, height, space, draw, CAIRO_FORMAT_A8, antialias, c.x0, c.y0);
  if (!s) return c;
  c.w = cairo_image_surface_get_width(s);
  c.h = cairo_image_surface_get_height(s);
  c.a.resize(std::size_t(c.w) * c.h);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) c.a[std::size_t(y) * c.w + x] = data[y * stride + x] / 255.f;
  cairo_surface_destroy(s);
  return c;
}

void blur(Coverage& c, int radius, int passes) {
  if (c.empty() || radius <= 0) return;
  const int grow = radius * passes;
  Coverage g;
  g.x0 = c.x0 - grow;
  g.y0 = c.y0 - grow;
  g.w = c.w + 2 * grow;
  g.h = c.h + 2 * grow;
  g.a.assign(std::size_t(g.w) * g.h, 0.f);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      g.a[std::size_t(y + grow) * g.w + x + grow] = c.a[std::size_t(y) * c.w + x];
  std::vector<float> tmp(g.a.size());
  const float norm = 1.f / float(2 * radius + 1);
  for (int p = 0; p < passes; ++p) {
    for (int y = 0; y < g.h; ++y) {  // horizontal running sum
      float sum = 0;
      const float* row = &g.a[std::size_t(y) * g.w];
      for (int x = -radius; x < g.w + radius; ++x) {
        if (x + radius < g.w) sum += row[x + radius];
        if (x - radius - 1 >= 0) sum -= row[x - radius - 1];
        if (x >= 0 && x < g.w) tmp[std::size_t(y) * g.w + x] = sum * norm;
      }
    }
    for (int x = 0; x < g.w; ++x) {  // vertical running sum
      float sum = 0;
      for (int y = -radius; y < g.h + radius; ++y) {
        if (y + radius < g.h) sum += tmp[std::size_t(y + radius) * g.w + x];
        if (y - radius - 1 >= 0) sum -= tmp[std::size_t(y - radius - 1) * g.w + x];
        if (y >= 0 && y < g.h) g.a[std::size_t(y) * g.w + x] = sum * norm;
      }
    }
  }
  c = std::move(g);
}

Coverage moved(Coverage c, int dx, int dy) {
  c.x0 += dx;
  c.y0 += dy;
  return c;
}

Picture::Picture(int width, int height, Rgb fill)
    : w_(width), h_(height), px_(std::size_t(width) * height, fill) {}

void Picture::paint(const Coverage& c, Rgb colour, double opacity) {
  paint(
      c, [&](int, int) { return colour; }, opacity);
}

void Picture::paint(const Coverage& c, const std::function<Rgb(int, int)>& colour, double opacity) {
  const int xa = std::max(0, c.x0), ya = std::max(0, c.y0);
  const int xb = std::min(w_, c.x0 + c.w), yb = std::min(h_, c.y0 + c.h);
  for (int y = ya; y < yb; ++y)
    for (int x = xa; x < xb; ++x) {
      const double a = c.a[std::size_t(y - c.y0) * c.w + (x - c.x0)] * opacity;
      if (a <= 0) continue;
      Rgb& p = at(x, y);
      p = mix(p, colour(x, y), std::min(1.0, a));
    }
}

void Picture::darken(const Coverage& c, double strength) {
  const int xa = std::max(0, c.x0), ya = std::max(0, c.y0);
  const int xb = std::min(w_, c.x0 + c.w), yb = std::min(h_, c.y0 + c.h);
  for (int y = ya; y < yb; ++y)
    for (int x = xa; x < xb; ++x) {
      const double a = c.a[std::size_t(y - c.y0) * c.w + (x - c.x0)];
      if (a > 0) at(x, y) = at(x, y) * (1 - std::min(1.0, a * strength));
    }
}

void Picture::draw(const Space& space, const Draw& drawing) {
  int x0 = 0, y0 = 0;
  cairo_surface_t* s = renderBox(w_, h_, space, drawing, CAIRO_FORMAT_ARGB32, true, x0, y0);
  if (!s) return;
  const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < h && y0 + y < h_; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < w && x0 + x < w_; ++x) {
      const std::uint32_t v = row[x];  // premultiplied ARGB
      const double a = (v >> 24) / 255.0;
      if (a <= 0) continue;
      Rgb& p = at(x0 + x, y0 + y);
      p = Rgb{double((v >> 16) & 0xFF), double((v >> 8) & 0xFF), double(v & 0xFF)} + p * (1 - a);
    }
  }
  cairo_surface_destroy(s);
}

Image Picture::toImage() const {
  return crop(0, 0, w_, h_);
}

Image Picture::crop(int x, int y, int w, int h) const {
  if (x < 0 || y < 0 || x + w > w_ || y + h > h_) throw std::runtime_error("crop outside picture");
  Image out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) out.at(i, j) = toColour(at(x + i, y + j));
  return out;
}

}  // namespace art::tracks
