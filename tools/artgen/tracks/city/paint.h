// Drawing helpers for the City's pictures: a picture that is both a cairo surface (for shapes)
// and an array of pixels (for textures), without copies between.
#pragma once
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "art.h"
#include "canvas.h"
#include "geometry.h"
#include "toolkit/colour.h"
#include "toolkit/shapes.h"

namespace art::city {

// The same amount added to every component: grain that keeps the hue.
inline Rgb grain(Rgb a, double d) {
  return {a.r + d, a.g + d, a.b + d};
}

// An opaque picture to draw into, with cairo and per pixel.
class Raster : public Canvas {
 public:
  Raster(int width, int height);

  // Pixel access; call flush() after cairo drawing and dirty() after pixel writes.
  Rgb get(int x, int y) const;
  void set(int x, int y, Rgb c);
  // Blends c over the pixel with coverage a (0..1).
  void blend(int x, int y, Rgb c, double a);
  void flush();
  void dirty();
  void paintImage(const Image& image, int x, int y);

 private:
  std::uint32_t* row(int y) const {
    return reinterpret_cast<std::uint32_t*>(data_ + std::ptrdiff_t(y) * stride_);
  }
  int stride_;
  unsigned char* data_;
};

}  // namespace art::city
