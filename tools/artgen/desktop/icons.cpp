// The game's icon at the sizes desktops ask for: a red car sweeping through a bend of asphalt
// with red-and-white kerbs, on a rounded green badge. Drawn as vectors at every size, so the
// small ones stay sharp instead of being scaled down from the large one.
#include <cairo.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "art.h"
#include "cars/car_models.h"
#include "cars/paints.h"
#include "toolkit/shapes.h"

namespace art::desktop {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The bend: a quarter circle round the badge's bottom-left corner, in units of the badge (0..1).
constexpr double kBendX = 0.10, kBendY = 0.92, kBendRadius = 0.62, kRoadWidth = 0.34;

void badge(cairo_t* cr) {
  cairo_new_path(cr);
  roundedRect(cr, 0.02, 0.02, 0.96, 0.96, 0.2);
}

void grass(cairo_t* cr) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 1, 1);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.36, 0.66, 0.28);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.12, 0.38, 0.16);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
}

void road(cairo_t* cr, double pixel) {
  // Kerbs first, a little wider than the road, in alternating blocks along the bend.
  const double kerb = kRoadWidth / 2 + 0.035;
  const int blocks = 14;
  for (int i = 0; i < blocks; ++i) {
    const double a0 = -kPi / 2 + kPi / 2 * i / blocks, a1 = -kPi / 2 + kPi / 2 * (i + 1) / blocks;
    cairo_new_path(cr);
    cairo_arc(cr, kBendX, kBendY, kBendRadius + kerb, a0, a1);
    cairo_arc_negative(cr, kBendX, kBendY, kBendRadius - kerb, a1, a0);
    cairo_close_path(cr);
    if (i % 2) {
      cairo_set_source_rgb(cr, 0.85, 0.1, 0.1);
    } else {
      cairo_set_source_rgb(cr, 0.96, 0.96, 0.96);
    }
    cairo_fill(cr);
  }
  // The asphalt, lighter on its inside line where the tyres polish it.
  cairo_new_path(cr);
  cairo_arc(cr, kBendX, kBendY, kBendRadius + kRoadWidth / 2, -kPi / 2, 0);
  cairo_arc_negative(cr, kBendX, kBendY, kBendRadius - kRoadWidth / 2, 0, -kPi / 2);
  cairo_close_path(cr);
  cairo_pattern_t* tar = cairo_pattern_create_radial(kBendX, kBendY, kBendRadius - kRoadWidth / 2,
                                                     kBendX, kBendY, kBendRadius + kRoadWidth / 2);
  cairo_pattern_add_color_stop_rgb(tar, 0, 0.42, 0.43, 0.46);
  cairo_pattern_add_color_stop_rgb(tar, 1, 0.24, 0.25, 0.28);
  cairo_set_source(cr, tar);
  cairo_fill(cr);
  cairo_pattern_destroy(tar);
  // The centre line, dashed, only where it is at least a pixel wide.
  if (pixel < 0.02) {
    cairo_new_path(cr);
    cairo_arc(cr, kBendX, kBendY, kBendRadius, -kPi / 2, 0);
    const double dash[] = {0.06, 0.05};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, std::max(0.014, pixel));
    cairo_set_source_rgb(cr, 0.98, 0.92, 0.55);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
  }
}

void car(cairo_t* cr) {
  // Halfway round the bend, heading along it (down and to the right), lamps lit.
  const double a = -kPi / 4;
  const double x = kBendX + kBendRadius * std::cos(a), y = kBendY + kBendRadius * std::sin(a);
  const cars::Layout l = cars::layout(cars::Model::Porsche);
  const double scale = 0.58 / l.width;  // the car spans a little over half the badge
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, a + kPi / 2);
  // A soft shadow under the car.
  cairo_save(cr);
  cairo_translate(cr, 0.012, 0.02);
  cairo_scale(cr, 0.58 / 2, 0.31 / 2);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_scale(cr, scale, scale);
  cars::Lamps lamps;
  lamps.head = lamps.tail = true;
  cars::drawCar(cr, cars::Model::Porsche, cars::colourways()[1].paint, lamps);
  cairo_restore(cr);
}

void writeIcon(const Context& ctx, int size) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, size, size);
  badge(cr);
  grass(cr);
  cairo_clip(cr);
  road(cr, 1.0 / size);
  car(cr);
  cairo_reset_clip(cr);
  // A thin dark rim keeps the badge apart from any panel colour.
  badge(cr);
  cairo_set_line_width(cr, std::max(1.0 / size, 0.012));
  cairo_set_source_rgba(cr, 0.05, 0.15, 0.05, 0.8);
  cairo_stroke(cr);
  cairo_destroy(cr);
  const std::string relative = "/icons/drovanta-" + std::to_string(size) + ".png";
  ctx.writeText(relative, "");  // makes the folder
  const cairo_status_t status = cairo_surface_write_to_png(surface, ctx.path(relative).c_str());
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + relative + ": " + cairo_status_to_string(status));
}

void writeIcons(const Context& ctx) {
  for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) writeIcon(ctx, size);
}

}  // namespace
}  // namespace art::desktop

ARTGEN_MODULE("desktop", art::desktop::writeIcons);
