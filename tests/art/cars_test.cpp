// The checks artgen runs on keyed sprites and mask pairs must reject broken pictures (a check
// that passes everything would let a pink fringe or a leaking mask into the game), and keying
// a drawing must never blend the key into the edge.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>

#include "cars/keyed.h"

namespace {

using art::Image;
using art::cars::checkKeyed;
using art::cars::checkMaskPair;
using svc::kMagenta;
using svc::rgb;

constexpr svc::Colour kWhite = rgb(255, 255, 255);
constexpr svc::Colour kBody = rgb(200, 30, 40);

struct PairCase {
  const char* what;
  std::function<void(Image& mask, Image& image)> spoil;  // applied to a good 4 x 3 pair
  bool valid;
};

TEST(ArtChecks, MaskPairAgreement) {
  const PairCase cases[] = {
      {"good pair", [](Image&, Image&) {}, true},
      {"grey in the mask", [](Image& m, Image&) { m.at(0, 0) = rgb(128, 128, 128); }, false},
      {"colour where the background shows", [](Image&, Image& i) { i.at(0, 0) = rgb(1, 0, 0); },
       false},
      {"black object pixel", [](Image&, Image& i) { i.at(2, 1) = 0; }, true},
      {"no shape at all", [](Image& m, Image& i) { m = Image(4, 3, kWhite), i = Image(4, 3, 0); },
       false},
      {"image of another size", [](Image&, Image& i) { i = Image(5, 3, 0); }, false},
  };
  for (const PairCase& c : cases) {
    Image mask(4, 3, kWhite), image(4, 3, 0);
    mask.at(2, 1) = 0;  // a one-pixel object
    image.at(2, 1) = kBody;
    c.spoil(mask, image);
    if (c.valid) {
      EXPECT_NO_THROW(checkMaskPair(mask, image, "pair")) << c.what;
    } else {
      EXPECT_THROW(checkMaskPair(mask, image, "pair"), std::runtime_error) << c.what;
    }
  }
}

TEST(ArtChecks, KeyedSpritesHaveNoPinkFringe) {
  struct Case {
    const char* what;
    svc::Colour pixel;  // put next to a body pixel on the key
    bool valid;
  };
  const Case cases[] = {
      {"key", kMagenta, true},
      {"body colour", rgb(40, 190, 255), true},
      {"key blended with red paint", rgb(228, 15, 150), false},
      {"key blended with white", rgb(255, 80, 255), false},
      {"near-key purple", rgb(170, 20, 175), false},
  };
  for (const Case& c : cases) {
    Image img(3, 1, kMagenta);
    img.at(1, 0) = kBody;
    img.at(2, 0) = c.pixel;
    if (c.valid) {
      EXPECT_NO_THROW(checkKeyed(img, "sprite")) << c.what;
    } else {
      EXPECT_THROW(checkKeyed(img, "sprite"), std::runtime_error) << c.what;
    }
  }
  EXPECT_THROW(checkKeyed(Image(3, 3, kMagenta), "empty"), std::runtime_error);
}

TEST(ArtChecks, KeyingAnAntialiasedDrawingKeepsPureColours) {
  art::Canvas canvas(21, 21);
  cairo_arc(canvas.cr(), 10.3, 10.6, 7.2, 0, 2 * std::numbers::pi);
  cairo_set_source_rgb(canvas.cr(), 200 / 255.0, 30 / 255.0, 40 / 255.0);
  cairo_fill(canvas.cr());
  const Image img = art::cars::keyOut(canvas);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const svc::Colour c = img.at(x, y);
      const double d = std::hypot(x + 0.5 - 10.3, y + 0.5 - 10.6);
      if (d < 6.5) {
        EXPECT_NE(c, kMagenta) << x << "," << y;
      }
      if (d > 8.0) {
        EXPECT_EQ(c, kMagenta) << x << "," << y;
      }
      if (c == kMagenta) continue;
      // Edge pixels keep the paint (give or take rounding), never a mix with the key.
      EXPECT_NEAR(svc::red(c), 200, 2) << x << "," << y;
      EXPECT_NEAR(svc::green(c), 30, 2) << x << "," << y;
      EXPECT_NEAR(svc::blue(c), 40, 2) << x << "," << y;
    }
  EXPECT_NO_THROW(checkKeyed(img, "disc"));
}

}  // namespace
