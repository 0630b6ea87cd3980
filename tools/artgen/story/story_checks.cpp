#include "story_checks.h"

#include <stdexcept>

namespace art::story {

void checkSize(const Image& image, int width, int height, const std::string& name) {
  if (image.width != width || image.height != height)
    throw std::runtime_error(name + ": " + std::to_string(image.width) + " x " +
                             std::to_string(image.height) + " instead of " + std::to_string(width) +
                             " x " + std::to_string(height));
}

void checkNoKey(const Image& image, const std::string& name) {
  for (const Colour c : image.pixels)
    if (c == svc::kMagenta) throw std::runtime_error(name + ": holds the magenta key colour");
}

void avoidKey(Image& image) {
  for (Colour& c : image.pixels)
    if (c == svc::kMagenta) c = svc::rgb(254, 0, 255);
}

void checkBlackRows(const Image& image, int first, int last, const std::string& name) {
  for (int y = first; y <= last; ++y)
    for (int x = 0; x < image.width; ++x)
      if (image.at(x, y) != 0)
        throw std::runtime_error(name + ": row " + std::to_string(y) + " must stay black");
}

RowSpan inkRows(const Image& image) {
  RowSpan span{-1, -1};
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (image.at(x, y) != 0) {
        if (span.first < 0) span.first = y;
        span.last = y;
        break;
      }
  return span;
}

void writeChecked(const Context& ctx, const std::string& relative, const Image& image, int width,
                  int height) {
  checkSize(image, width, height, relative);
  checkNoKey(image, relative);
  ctx.writeBmp(relative, image);
}

}  // namespace art::story
