#include "keyed.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace art::cars {

namespace {

struct Pixel {
  unsigned a;
  Colour colour;  // un-premultiplied
};

// The pixels of a canvas's ARGB32 (premultiplied) surface, with coverage.
class Pixels {
 public:
  explicit Pixels(const Canvas& canvas) {
    cairo_surface_t* s = cairo_get_target(canvas.cr());
    cairo_surface_flush(s);
    data_ = cairo_image_surface_get_data(s);
    stride_ = cairo_image_surface_get_stride(s);
  }
  Pixel at(int x, int y) const {
    const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data_ + y * stride_)[x];
    const unsigned a = p >> 24;
    if (a == 0) return {0, 0};
    auto un = [a](unsigned c) { return std::min(255u, (c * 255 + a / 2) / a); };
    return {a, svc::rgb(un((p >> 16) & 0xFF), un((p >> 8) & 0xFF), un(p & 0xFF))};
  }

 private:
  const unsigned char* data_;
  int stride_;
};

}  // namespace

bool looksLikeKey(Colour c) {
  // Bright, saturated colours with a hue between violet and pink read as the key showing
  // through; reds, oranges and blues of the paint and lamps stay well clear of that band.
  const double r = svc::red(c) / 255.0, g = svc::green(c) / 255.0, b = svc::blue(c) / 255.0;
  const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
  if (hi < 0.5 || hi - lo < 0.5 * hi) return false;
  double hue;  // degrees
  if (hi == r)
    hue = 60 * std::fmod((g - b) / (hi - lo) + 6, 6.0);
  else if (hi == g)
    hue = 60 * ((b - r) / (hi - lo) + 2);
  else
    hue = 60 * ((r - g) / (hi - lo) + 4);
  return hue >= 270 && hue <= 335;
}

Image keyOut(const Canvas& canvas) {
  Image out(canvas.width(), canvas.height(), svc::kMagenta);
  const Pixels px(canvas);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      const Pixel p = px.at(x, y);
      if (p.a < 128) continue;
      if (!looksLikeKey(p.colour)) {
        out.at(x, y) = p.colour;
      } else if (p.a == 255) {
        // Inside the drawing: dropping it to the key would punch a hole, so the art is wrong.
        throw std::runtime_error("a fully drawn pixel at (" + std::to_string(x) + ", " +
                                 std::to_string(y) + ") looks like the magenta key");
      }
    }
  return out;
}

MaskPair maskPair(const Canvas& canvas) {
  MaskPair pair{Image(canvas.width(), canvas.height(), svc::rgb(255, 255, 255)),
                Image(canvas.width(), canvas.height(), 0)};
  const Pixels px(canvas);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const Pixel p = px.at(x, y);
      if (p.a < 128) continue;
      pair.mask.at(x, y) = 0;
      pair.image.at(x, y) = p.colour;
    }
  return pair;
}

void checkSize(const Image& image, int width, int height, const std::string& name) {
  if (image.width != width || image.height != height)
    throw std::runtime_error(name + ": " + std::to_string(image.width) + " x " +
                             std::to_string(image.height) + " instead of " + std::to_string(width) +
                             " x " + std::to_string(height));
}

void checkKeyed(const Image& image, const std::string& name) {
  bool drawn = false;
  for (const Colour c : image.pixels) {
    if (c == svc::kMagenta) continue;
    if (looksLikeKey(c)) throw std::runtime_error(name + ": a pixel near the magenta key");
    drawn = true;
  }
  if (!drawn) throw std::runtime_error(name + ": nothing but the key");
}

void checkMaskPair(const Image& mask, const Image& image, const std::string& name) {
  checkSize(image, mask.width, mask.height, name + " image");
  bool shape = false;
  for (std::size_t i = 0; i < mask.pixels.size(); ++i) {
    const Colour m = mask.pixels[i];
    if (m == 0) {
      shape = true;
    } else if (m != svc::rgb(255, 255, 255)) {
      throw std::runtime_error(name + ": mask pixel neither black nor white");
    } else if (image.pixels[i] != 0) {
      throw std::runtime_error(name + ": image not black where the mask lets the background show");
    }
  }
  if (!shape) throw std::runtime_error(name + ": empty mask");
}

}  // namespace art::cars
