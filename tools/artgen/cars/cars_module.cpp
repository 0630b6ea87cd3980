// The player's car sprites (six per car and colour, facing east on the magenta key) and the
// colour swatches of the menu's colour page.
#include <algorithm>
#include <cmath>
#include <string>

#include "canvas.h"
#include "car_models.h"
#include "keyed.h"
#include "paints.h"

namespace art::cars {

namespace {

struct CarSet {
  Model model;
  const char* folder;  // below "/gfx/cars/"
};
constexpr CarSet kSets[] = {{Model::Viper, "viper"},
                            {Model::Porsche, "porsche"},
                            {Model::Ferari, "ferari"},
                            {Model::Truck, "b"}};

// How far the head lamps throw their light ahead of the nose. The lit pictures are wider by this
// on both sides, so the car keeps its place when the game rotates them about their centres.
int beamLength(Model m) {
  return m == Model::Truck ? 24 : 20;
}

// Ordered dithering for the soft edge of the light: a sprite pixel is either drawn or the key.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// Throws light into the key pixels of a sprite from a pair of lamps at x0 (pixels), along dir
// (+1 ahead, -1 behind), falling off over length pixels and spreading sideways. The pixels keep
// the colour of lit asphalt, from nearColour at the lamps to farColour where the light ends.
void throwLight(Image& img, double x0, int dir, const double lampsY[2], double length,
                double spread, Rgb nearColour, Rgb farColour) {
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      if (img.at(x, y) != svc::kMagenta) continue;
      const double d = (x + 0.5 - x0) * dir;
      if (d <= 0 || d >= length) continue;
      // Two cones from the lamps, about 19 degrees to either side, with soft edges.
      const double along = 1 - std::pow(d / length, 1.6);
      double across = 0;
      for (int i = 0; i < 2; ++i) {
        const double half = 1.5 + d * spread, off = std::abs(y + 0.5 - lampsY[i]);
        across = std::max(across, std::clamp((half + 1.5 - off) / 3.0, 0.0, 1.0));
      }
      const double light = along * across;
      // Solid where the light is strong, dithered towards its edges.
      if (std::min(1.0, light * 1.6) * 16 > kBayer[y & 3][x & 3] + 0.5)
        img.at(x, y) = toColour(mix(farColour, nearColour, std::pow(light, 0.7)));
    }
}

Image carSprite(const CarSet& set, const Paint& paint, const Lamps& lamps) {
  const Layout lay = layout(set.model);
  const int pad = lamps.head ? beamLength(set.model) : 0;
  Canvas c(lay.width + 2 * pad, lay.height);
  const double cx = c.width() / 2.0, cy = c.height() / 2.0;
  cairo_translate(c.cr(), cx, cy);
  drawCar(c.cr(), set.model, paint, lamps);
  Image img = keyOut(c);
  if (lamps.head) {
    const double heads[2] = {cy - lay.headY, cy + lay.headY};
    throwLight(img, cx + lay.front - 0.5, 1, heads, pad, 0.34, {255, 248, 220}, {150, 144, 120});
    const double tails[2] = {cy - lay.tailY, cy + lay.tailY};
    if (lamps.reverse)
      throwLight(img, cx + lay.rear + 0.5, -1, tails, 9, 0.3, {250, 250, 246}, {128, 128, 126});
    else if (lamps.brake)
      throwLight(img, cx + lay.rear + 0.5, -1, tails, 6, 0.3, {255, 80, 60}, {120, 54, 52});
  }
  return img;
}

// The menu's swatch: the car facing north, shrunk into 14 x 30 on the colour page's panel colour.
// Its outermost pixels are exactly the panel colour, so it sits seamlessly in the page's slot.
constexpr Rgb kPanel{22, 26, 40};
constexpr int kSwatchW = 14, kSwatchH = 30;

Image swatch(const CarSet& set, const Paint& paint) {
  const Layout lay = layout(set.model);
  Canvas c(kSwatchW, kSwatchH);
  cairo_t* cr = c.cr();
  source(cr, kPanel);
  cairo_paint(cr);
  const double k = std::min(12.4 / lay.height, 27.0 / lay.width);
  auto car = [&](double dx, double dy) {
    cairo_save(cr);
    cairo_translate(cr, kSwatchW / 2.0 + dx, kSwatchH / 2.0 + dy);
    cairo_rotate(cr, -kPi / 2);
    cairo_scale(cr, k, k);
    drawCar(cr, set.model, paint, Lamps{});
    cairo_restore(cr);
  };
  // The car's own silhouette as a shadow to the lower right, then the car.
  cairo_push_group(cr);
  car(0.7, 0.9);
  cairo_pattern_t* shadow = cairo_pop_group(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_mask(cr, shadow);
  cairo_pattern_destroy(shadow);
  car(0, 0);
  Image img = c.toImage();
  for (int y = 0; y < kSwatchH; ++y)
    for (int x = 0; x < kSwatchW; ++x)
      if (x == 0 || y == 0 || x == kSwatchW - 1 || y == kSwatchH - 1)
        img.at(x, y) = toColour(kPanel);
  return img;
}

void writeCars(const Context& ctx) {
  // Picture numbers: 5 normal, 4 braking, 3 reversing; 0, 1, 2 the same with the lights on.
  struct Variant {
    int index;
    Lamps lamps;
  };
  const Variant variants[] = {{5, {false, false, false, false}}, {4, {false, false, true, false}},
                              {3, {false, false, false, true}},  {0, {true, true, false, false}},
                              {1, {true, true, true, false}},    {2, {true, true, false, true}}};
  for (const CarSet& set : kSets) {
    const Layout lay = layout(set.model);
    for (const Colourway& cw : colourways()) {
      const std::string dir = std::string("/gfx/cars/") + set.folder + "/" + cw.folder + "/";
      for (const Variant& v : variants) {
        const Image img = carSprite(set, cw.paint, v.lamps);
        const std::string name = dir + std::to_string(v.index) + ".bmp";
        const int pad = v.lamps.head ? beamLength(set.model) : 0;
        checkSize(img, lay.width + 2 * pad, lay.height, name);
        checkKeyed(img, name);
        ctx.writeBmp(name, img);
      }
      const std::string swatchName =
          std::string("/gfx/cars/") + set.folder + "/" + std::to_string(cw.swatch) + ".bmp";
      const Image sw = swatch(set, cw.paint);
      checkSize(sw, kSwatchW, kSwatchH, swatchName);
      ctx.writeBmp(swatchName, sw);
    }
  }
}

}  // namespace

}  // namespace art::cars

ARTGEN_MODULE("cars", art::cars::writeCars);
