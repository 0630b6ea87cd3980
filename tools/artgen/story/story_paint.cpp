#include "story_paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art::story {

namespace {

// One box pass along rows (horizontal) or columns over the four bytes of every pixel.
void boxPass(std::vector<std::uint32_t>& px, int w, int h, int r, bool horizontal) {
  const int n = horizontal ? w : h, lines = horizontal ? h : w;
  std::vector<std::uint32_t> line(n);
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int i) -> std::uint32_t& {
      return horizontal ? px[size_t(l) * w + i] : px[size_t(i) * w + l];
    };
    for (int i = 0; i < n; ++i) line[i] = at(i);
    int sum[4] = {0, 0, 0, 0};
    auto add = [&](int i, int sign) {
      if (i < 0 || i >= n) return;
      for (int c = 0; c < 4; ++c) sum[c] += sign * int((line[i] >> (8 * c)) & 0xFF);
    };
    for (int i = -r; i <= r; ++i) add(i, 1);
    const int div = 2 * r + 1;
    for (int i = 0; i < n; ++i) {
      std::uint32_t v = 0;
      for (int c = 0; c < 4; ++c) v |= std::uint32_t(sum[c] / div) << (8 * c);
      at(i) = v;
      add(i - r, -1);
      add(i + r + 1, 1);
    }
  }
}

}  // namespace

void blur(cairo_surface_t* surface, int radius) {
  if (radius < 1) return;
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  std::vector<std::uint32_t> px(size_t(w) * h);
  for (int y = 0; y < h; ++y)
    std::copy_n(reinterpret_cast<std::uint32_t*>(data + y * stride), w, px.begin() + y * w);
  const int r = std::max(1, radius / 2);
  for (int pass = 0; pass < 3; ++pass) {
    boxPass(px, w, h, r, true);
    boxPass(px, w, h, r, false);
  }
  for (int y = 0; y < h; ++y)
    std::copy_n(px.begin() + y * w, w, reinterpret_cast<std::uint32_t*>(data + y * stride));
  cairo_surface_mark_dirty(surface);
}

void blurred(cairo_t* cr, const Draw& shape, int radius, Rgb colour, double alpha, double dx,
             double dy, cairo_operator_t op) {
  cairo_surface_t* target = cairo_get_target(cr);
  const int w = cairo_image_surface_get_width(target);
  const int h = cairo_image_surface_get_height(target);
  cairo_surface_t* layer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* lc = cairo_create(layer);
  cairo_set_source_rgba(lc, 0, 0, 0, 1);
  shape(lc);
  cairo_destroy(lc);
  blur(layer, radius);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_operator(cr, op);
  source(cr, colour, alpha);
  cairo_mask_surface(cr, layer, dx, dy);
  cairo_restore(cr);
  cairo_surface_destroy(layer);
}

void grain(cairo_t* cr, std::uint32_t seed, double amount) {
  cairo_surface_t* target = cairo_get_target(cr);
  const int w = cairo_image_surface_get_width(target);
  const int h = cairo_image_surface_get_height(target);
  cairo_surface_t* noise = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_surface_flush(noise);
  unsigned char* data = cairo_image_surface_get_data(noise);
  const int stride = cairo_image_surface_get_stride(noise);
  Rng rng(seed);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      const double v = (rng.uniform() - 0.5) * 2 * amount;
      const unsigned a = unsigned(std::clamp(std::abs(v), 0.0, 1.0) * 255 + 0.5);
      const unsigned c = v > 0 ? a : 0;  // premultiplied white or black
      row[x] = (a << 24) | (c << 16) | (c << 8) | c;
    }
  }
  cairo_surface_mark_dirty(noise);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_source_surface(cr, noise, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(noise);
}

void mottle(cairo_t* cr, std::uint32_t seed, int count, double size, double alpha) {
  cairo_surface_t* target = cairo_get_target(cr);
  const double w = cairo_image_surface_get_width(target);
  const double h = cairo_image_surface_get_height(target);
  Rng rng(seed);
  for (int tone = 0; tone < 2; ++tone) {
    const Rgb c = tone ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    blurred(
        cr,
        [&](cairo_t* lc) {
          for (int i = 0; i < count; ++i) {
            cairo_arc(lc, rng.range(0, w), rng.range(0, h), rng.range(0.3, 1.0) * size, 0,
                      2 * M_PI);
            cairo_fill(lc);
          }
        },
        int(size), c, alpha);
  }
}

void vignette(cairo_t* cr, double strength) {
  cairo_surface_t* target = cairo_get_target(cr);
  const double w = cairo_image_surface_get_width(target);
  const double h = cairo_image_surface_get_height(target);
  const double r = std::hypot(w, h) / 2;
  cairo_save(cr);
  cairo_identity_matrix(cr);
  setRadial(cr, w / 2, h / 2, r * 0.45, w / 2, h / 2, r, {{0, kBlack, 0}, {1, kBlack, strength}});
  cairo_paint(cr);
  cairo_restore(cr);
}

void sparkle(cairo_t* cr, double x, double y, double size, Rgb colour, double alpha) {
  cairo_save(cr);
  glow(cr, x, y, 0, size * 0.6, colour, alpha * 0.8);
  const double t = size * 0.12;
  cairo_move_to(cr, x, y - size);
  cairo_curve_to(cr, x + t, y - t, x + t, y - t, x + size, y);
  cairo_curve_to(cr, x + t, y + t, x + t, y + t, x, y + size);
  cairo_curve_to(cr, x - t, y + t, x - t, y + t, x - size, y);
  cairo_curve_to(cr, x - t, y - t, x - t, y - t, x, y - size);
  cairo_close_path(cr);
  source(cr, mix(colour, {255, 255, 255}, 0.6), alpha);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace art::story
