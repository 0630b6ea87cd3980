// Drawing helpers for the City's pictures: colours as doubles, and a picture that is both a
// cairo surface (for shapes) and an array of pixels (for textures), without copies between.
#pragma once
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "art.h"
#include "geometry.h"

namespace art::city {

struct Rgb {
  double r = 0, g = 0, b = 0;
};
inline Rgb operator+(Rgb a, Rgb b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator*(Rgb a, double k) {
  return {a.r * k, a.g * k, a.b * k};
}
inline Rgb mix(Rgb a, Rgb b, double t) {
  return a + (b + a * -1) * t;
}
// Lighter (k > 0) or darker (k < 0) by a share of the way to white or black.
inline Rgb shade(Rgb a, double k) {
  return k >= 0 ? mix(a, {255, 255, 255}, k) : a * (1 + k);
}
inline Rgb grain(Rgb a, double d) {
  return {a.r + d, a.g + d, a.b + d};
}

inline void source(cairo_t* cr, Rgb c, double alpha = 1) {
  cairo_set_source_rgba(cr, c.r / 255, c.g / 255, c.b / 255, alpha);
}

// An opaque picture to draw into, with cairo and per pixel.
class Raster {
 public:
  Raster(int width, int height);
  ~Raster();
  Raster(const Raster&) = delete;
  Raster& operator=(const Raster&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  cairo_t* cr() const { return cr_; }
  // Pixel access; call flush() after cairo drawing and dirty() after pixel writes.
  Rgb get(int x, int y) const;
  void set(int x, int y, Rgb c);
  // Blends c over the pixel with coverage a (0..1).
  void blend(int x, int y, Rgb c, double a);
  void flush();
  void dirty();
  Image toImage();
  void paintImage(const Image& image, int x, int y);

 private:
  std::uint32_t* row(int y) const {
    return reinterpret_cast<std::uint32_t*>(data_ + std::ptrdiff_t(y) * stride_);
  }
  int width_, height_, stride_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
  unsigned char* data_;
};

// Cairo path helpers.
void pathPolygon(cairo_t* cr, const Polyline& points, bool close = true);

}  // namespace art::city
