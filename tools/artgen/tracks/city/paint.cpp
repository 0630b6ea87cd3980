#include "paint.h"

namespace art::city {

namespace {
unsigned channel(double v) {
  return unsigned(std::clamp(std::lround(v), 0L, 255L));
}
}  // namespace

Raster::Raster(int width, int height)
    : Canvas(width, height, true),
      stride_(cairo_image_surface_get_stride(surface())),
      data_(cairo_image_surface_get_data(surface())) {}

Rgb Raster::get(int x, int y) const {
  const std::uint32_t p = row(y)[x];
  return {double((p >> 16) & 0xFF), double((p >> 8) & 0xFF), double(p & 0xFF)};
}

void Raster::set(int x, int y, Rgb c) {
  row(y)[x] = 0xFF000000u | (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
}

void Raster::blend(int x, int y, Rgb c, double a) {
  if (x < 0 || y < 0 || x >= width() || y >= height() || a <= 0) return;
  set(x, y, mix(get(x, y), c, std::min(1.0, a)));
}

void Raster::flush() {
  cairo_surface_flush(surface());
}
void Raster::dirty() {
  cairo_surface_mark_dirty(surface());
}

void Raster::paintImage(const Image& image, int x0, int y0) {
  flush();
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      if (x + x0 < 0 || y + y0 < 0 || x + x0 >= width() || y + y0 >= height()) continue;
      const Colour c = image.at(x, y);
      set(x + x0, y + y0, {double(svc::red(c)), double(svc::green(c)), double(svc::blue(c))});
    }
  dirty();
}

}  // namespace art::city
