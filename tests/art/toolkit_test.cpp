// The art toolkit every picture and the music draw with: the random source must give the same
// numbers on every build (the music's bytes depend on them), noise must stay in its range and be
// smooth where it says so, and the shapes must stay inside the boxes they are given.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "canvas.h"
#include "toolkit/colour.h"
#include "toolkit/noise.h"
#include "toolkit/random.h"
#include "toolkit/shapes.h"

namespace {

using art::Canvas;
using art::Rgb;

TEST(ArtToolkit, RandomSourceIsTheSameOnEveryBuild) {
  art::Rng rng(1);
  EXPECT_EQ(rng.next(), 0x0d83b3e29a21487aull);
  EXPECT_EQ(rng.next(), 0x54c44c79f1fe9d67ull);
  EXPECT_EQ(rng.next(), 0xa845f342007a0e78ull);
}

TEST(ArtToolkit, RandomRangesStayInside) {
  for (std::uint64_t seed : {0ull, 1ull, 0xB17D1A6ull}) {
    art::Rng rng(seed);
    for (int i = 0; i < 10000; ++i) {
      const double u = rng.uniform(), b = rng.bipolar(), r = rng.range(10, 34);
      const int n = rng.below(6);
      ASSERT_TRUE(u >= 0 && u < 1) << u;
      ASSERT_TRUE(b >= -1 && b < 1) << b;
      ASSERT_TRUE(r >= 10 && r < 34) << r;
      ASSERT_TRUE(n >= 0 && n < 6) << n;
    }
  }
}

TEST(ArtToolkit, NoiseStaysInRangeAndValueNoiseIsSmooth) {
  for (unsigned seed : {0u, 11u, 951u}) {
    for (int i = 0; i < 2000; ++i) {
      const double x = i * 0.37, y = i * 0.11;
      const double h = art::hash01(i, -i, seed), v = art::valueNoise(x, y, seed);
      ASSERT_TRUE(h >= 0 && h <= 1) << h;
      ASSERT_TRUE(v >= -1 && v <= 1) << v;
      ASSERT_LE(std::abs(art::fbm(x, y, 3, seed)), 1.0);
      // A hundredth of a feature further on, smooth noise moves by little.
      ASSERT_LT(std::abs(art::valueNoise(x + 0.01, y, seed) - v), 0.05);
    }
  }
}

TEST(ArtToolkit, ShadeAndMixReachTheirEnds) {
  const Rgb c{100, 50, 200};
  struct Case {
    Rgb got, want;
  };
  const Case cases[] = {
      {art::mix(c, art::kWhite, 0), c},
      {art::mix(c, art::kWhite, 1), art::kWhite},
      {art::shade(c, 1), c},
      {art::shade(c, 0), art::kBlack},
      {art::shade(c, 2), art::kWhite},
      {art::shade(c, 5), art::kWhite},
      {art::shade(c, 0.5), Rgb{50, 25, 100}},
  };
  for (const Case& k : cases) {
    EXPECT_DOUBLE_EQ(k.got.r, k.want.r);
    EXPECT_DOUBLE_EQ(k.got.g, k.want.g);
    EXPECT_DOUBLE_EQ(k.got.b, k.want.b);
  }
  EXPECT_EQ(art::toColour({300, -4, 127.6}), svc::rgb(255, 0, 128));
}

// Fills a shape white on black and says whether anything lit outside the box (x0, y0, w, h).
bool spillsOutside(const Canvas& c, double x0, double y0, double w, double h) {
  const svc::Image img = c.toImage();
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const bool inside = x >= x0 && x < x0 + w && y >= y0 && y < y0 + h;
      if (!inside && svc::red(img.at(x, y)) > 0) return true;
    }
  return false;
}

TEST(ArtToolkit, RoundedBoxStaysInsideItsBoxWhateverTheRadius) {
  for (double radius : {0.0, 3.0, 5.0, 20.0, 100.0}) {
    Canvas c(40, 24);
    art::source(c.cr(), art::kBlack);
    cairo_paint(c.cr());
    art::roundedRect(c.cr(), 5, 7, 30, 10, radius);
    art::source(c.cr(), art::kWhite);
    cairo_fill(c.cr());
    EXPECT_FALSE(spillsOutside(c, 5, 7, 30, 10)) << "radius " << radius;
    EXPECT_EQ(c.toImage().at(20, 12), svc::rgb(255, 255, 255)) << "radius " << radius;
  }
}

TEST(ArtToolkit, GlowFadesFromItsInnerRadiusToNothing) {
  Canvas c(64, 64);
  art::source(c.cr(), art::kBlack);
  cairo_paint(c.cr());
  art::glow(c.cr(), 32, 32, 4, 24, {255, 0, 0}, 0.8);
  const svc::Image img = c.toImage();
  const unsigned nearInner = svc::red(img.at(32 + 5, 32));
  const unsigned halfWay = svc::red(img.at(32 + 14, 32));
  EXPECT_NEAR(nearInner, 0.8 * 255 * (1 - 1.0 / 20), 6);
  EXPECT_NEAR(halfWay, 0.8 * 255 * 0.5, 6);
  EXPECT_EQ(img.at(32 + 26, 32), svc::rgb(0, 0, 0));  // beyond the outer radius
  EXPECT_EQ(svc::green(img.at(32 + 5, 32)), 0u);
}

}  // namespace
