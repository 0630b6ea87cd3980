#include "services/surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace svc {

Surface::Surface(int width, int height, Colour background)
    : image_(std::max(0, width), std::max(0, height), background), background_(background) {}

void Surface::resize(int width, int height) {
  image_ = Image(std::max(0, width), std::max(0, height), background_);
  cls();
}

void Surface::setPicture(ImagePtr picture, bool autosize) {
  picture_ = std::move(picture);
  if (autosize && picture_) image_ = Image(picture_->width, picture_->height, background_);
  cls();
}

void Surface::releasePicture() {
  picture_.reset();
  cls();
}

void Surface::fill(Colour c) {
  std::fill(image_.pixels.begin(), image_.pixels.end(), c);
  touch();
}

void Surface::cls() {
  if (picture_ && picture_->width == image_.width && picture_->height == image_.height) {
    image_.pixels = picture_->pixels;
    touch();
    return;
  }
  fill(background_);
  if (!picture_) return;
  const int w = std::min(picture_->width, image_.width);
  const int h = std::min(picture_->height, image_.height);
  for (int y = 0; y < h; ++y)
    std::memcpy(row(y), picture_->pixels.data() + size_t(y) * picture_->width, sizeof(Colour) * w);
}

Colour Surface::point(double x, double y) const {
  if (!(x >= 0 && y >= 0 && x < width() && y < height())) return kOutside;  // also NaN
  return image_.at(int(std::floor(x)), int(std::floor(y)));
}

void bitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop op) {
  // Clip against the source, then the destination, moving both origins together.
  if (sx < 0) { x -= sx; w += sx; sx = 0; }
  if (sy < 0) { y -= sy; h += sy; sy = 0; }
  if (x < 0) { sx -= x; w += x; x = 0; }
  if (y < 0) { sy -= y; h += y; y = 0; }
  w = std::min({w, src.width() - sx, dst.width() - x});
  h = std::min({h, src.height() - sy, dst.height() - y});
  if (w <= 0 || h <= 0) return;

  // A copy within one surface may overlap: walk rows in the safe direction, and give AND and OR
  // a copy of the source row, as memmove does for the plain copy.
  const bool same = &dst == &src;
  const int first = (same && y > sy) ? h - 1 : 0;
  const int step = (same && y > sy) ? -1 : 1;
  std::vector<Colour> scratch(same && op != Rop::Copy ? size_t(w) : 0);
  for (int i = 0, r = first; i < h; ++i, r += step) {
    Colour* d = dst.row(y + r) + x;
    const Colour* s = src.row(sy + r) + sx;
    if (!scratch.empty()) s = static_cast<const Colour*>(std::memcpy(scratch.data(), s, sizeof(Colour) * w));
    switch (op) {
      case Rop::Copy:
        std::memmove(d, s, sizeof(Colour) * w);
        break;
      case Rop::And:
        for (int k = 0; k < w; ++k) d[k] &= s[k];
        break;
      case Rop::Or:
        for (int k = 0; k < w; ++k) d[k] |= s[k];
        break;
    }
  }
  dst.touch();
}

}  // namespace svc
