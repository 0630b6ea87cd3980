// Picture surfaces and raster drawing: rectangle copies, pixel reads, clearing, rotated sprites
// and alpha blending.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <set>
#include <vector>

#include "services/blend.h"
#include "services/rotate.h"
#include "services/surface.h"

namespace {

using svc::Colour;
using svc::rgb;
using svc::Rop;
using svc::Surface;

constexpr Colour kBg = rgb(9, 9, 9);  // destination background, never in a test source

// Every pixel its own colour (blue 7, so never magenta and never kBg).
Surface patterned(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.setPixel(x, y, rgb(x, y, 7));
  return s;
}

// The drawn pixels of dst: everything that is no longer kBg.
std::vector<Colour> drawn(const Surface& dst) {
  std::vector<Colour> out;
  for (Colour c : dst.image().pixels)
    if (c != kBg) out.push_back(c);
  return out;
}

// A per-pixel model of a clipped rectangle operation, for comparing against.
template <class Op>
void eachPixel(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
               Op op) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const Colour s = src.pixel(sx + i, sy + j), d = dst.pixel(x + i, y + j);
      if (s != svc::kOutside && d != svc::kOutside) dst.setPixel(x + i, y + j, op(d, s));
    }
}

Colour applyRop(Rop op, Colour d, Colour s) {
  return op == Rop::Copy ? s : op == Rop::And ? (d & s) : (d | s);
}

// --- Rectangle copies ------------------------------------------------------------------------

TEST(BitBlt, MaskPairPastesTheShapeOverTheBackground) {
  // A 3 × 1 sprite whose middle pixel is the object: mask white-black-white, image on black.
  Surface dst(3, 1, rgb(10, 20, 30));
  Surface mask(3, 1, rgb(255, 255, 255));
  mask.setPixel(1, 0, 0);
  Surface image(3, 1, 0);
  image.setPixel(1, 0, rgb(200, 100, 50));

  svc::bitBlt(dst, 0, 0, 3, 1, mask, 0, 0, Rop::And);
  EXPECT_EQ(dst.pixel(1, 0), 0u);
  svc::bitBlt(dst, 0, 0, 3, 1, image, 0, 0, Rop::Or);
  EXPECT_EQ(dst.pixel(0, 0), rgb(10, 20, 30));
  EXPECT_EQ(dst.pixel(1, 0), rgb(200, 100, 50));
  EXPECT_EQ(dst.pixel(2, 0), rgb(10, 20, 30));
}

TEST(BitBlt, ClipsAgainstBothSurfacesLikeThePixelModel) {
  struct Case {
    int x, y, w, h, sx, sy;
  };
  const Case cases[] = {
      {0, 0, 8, 6, 0, 0},    {2, 1, 3, 2, 4, 3},   {-3, -2, 8, 6, 0, 0}, {0, 0, 8, 6, -3, -2},
      {-2, 1, 8, 6, -1, -3}, {5, 4, 10, 10, 0, 0}, {0, 0, 10, 10, 5, 4}, {7, 5, 1, 1, 9, 6},
      {8, 0, 2, 2, 0, 0},    {0, 0, 2, 2, 10, 0},  {0, 0, 0, 5, 0, 0},   {0, 0, -4, -4, 2, 2},
      {-9, 0, 8, 6, 0, 0},   {0, 0, 8, 6, 0, -7},
  };
  const Surface src = patterned(10, 7);
  for (Rop op : {Rop::Copy, Rop::And, Rop::Or})
    for (const Case& c : cases) {
      Surface got(8, 6, rgb(0x55, 0xAA, 0x0F));
      Surface want = got;
      svc::bitBlt(got, c.x, c.y, c.w, c.h, src, c.sx, c.sy, op);
      eachPixel(want, c.x, c.y, c.w, c.h, src, c.sx, c.sy,
                [op](Colour d, Colour s) { return applyRop(op, d, s); });
      EXPECT_EQ(got.image().pixels, want.image().pixels)
          << "op " << int(op) << " at " << c.x << "," << c.y << " size " << c.w << "x" << c.h
          << " from " << c.sx << "," << c.sy;
    }
}

TEST(BitBlt, ExtremeArgumentsDrawNothingAndDoNotOverflow) {
  const Surface src = patterned(4, 4);
  const int big = INT_MAX, small = INT_MIN;
  struct Case {
    int x, y, w, h, sx, sy;
  };
  const Case cases[] = {
      {big, 0, 4, 4, 0, 0},       {small, 0, 4, 4, 0, 0},     {0, 0, 4, 4, small, small},
      {big, big, big, big, 0, 0}, {0, 0, small, small, 0, 0}, {small, small, big, big, big, big},
      {0, 0, big, big, small, 0},
  };
  for (const Case& c : cases) {
    Surface dst(4, 4, kBg);
    svc::bitBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, Rop::Copy);
    EXPECT_TRUE(drawn(dst).empty()) << c.x << "," << c.y << " " << c.w << "x" << c.h;
  }
  // A huge size from the origin is simply the whole overlap.
  Surface dst(4, 4, kBg);
  svc::bitBlt(dst, 0, 0, big, big, src, 0, 0, Rop::Copy);
  EXPECT_EQ(dst.image().pixels, src.image().pixels);
}

TEST(BitBlt, OverlappingCopyWithinOneSurfaceReadsTheOriginal) {
  const int shifts[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {2, 3}, {-3, -2}, {1, -1}};
  for (Rop op : {Rop::Copy, Rop::And, Rop::Or})
    for (const auto& d : shifts) {
      Surface s = patterned(9, 8);
      const Surface before = s;
      Surface want = s;
      eachPixel(want, 1 + d[0], 1 + d[1], 6, 5, before, 1, 1,
                [op](Colour a, Colour b) { return applyRop(op, a, b); });
      svc::bitBlt(s, 1 + d[0], 1 + d[1], 6, 5, s, 1, 1, op);
      EXPECT_EQ(s.image().pixels, want.image().pixels)
          << "op " << int(op) << " shift " << d[0] << "," << d[1];
    }
}

// --- Pixel reads and clearing ----------------------------------------------------------------

TEST(Point, ReadsThePixelUnderTheCoordinatesAndAnOutsideValueElsewhere) {
  const Surface s = patterned(5, 4);
  EXPECT_EQ(s.point(0, 0), rgb(0, 0, 7));
  EXPECT_EQ(s.point(2.9, 1.2), rgb(2, 1, 7));
  EXPECT_EQ(s.point(4.999, 3.999), rgb(4, 3, 7));

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double outside[][2] = {{-0.5, 0},   {0, -0.01}, {5, 0},   {0, 4},   {1e300, 1},
                               {1, -1e300}, {nan, 1},   {1, nan}, {inf, 0}, {0, -inf}};
  for (const auto& p : outside)
    EXPECT_EQ(s.point(p[0], p[1]), svc::kOutside) << p[0] << "," << p[1];

  // No picture colour (top byte clear) can equal the outside value, not even white or black.
  for (Colour c : {rgb(0, 0, 0), rgb(255, 255, 255), svc::kMagenta}) EXPECT_NE(c, svc::kOutside);
}

TEST(Cls, ReturnsToThePictureOrTheBackground) {
  auto picture = std::make_shared<svc::Image>(2, 2, rgb(1, 2, 3));
  Surface s(3, 3, rgb(50, 50, 50));
  s.setPicture(picture, false);
  s.fill(rgb(7, 7, 7));
  s.setBackground(rgb(60, 60, 60));  // takes effect at the clear
  s.cls();
  EXPECT_EQ(s.pixel(1, 1), rgb(1, 2, 3));     // the picture
  EXPECT_EQ(s.pixel(2, 2), rgb(60, 60, 60));  // beyond the picture: the background

  s.releasePicture();
  s.setPixel(0, 0, 0);
  s.cls();
  EXPECT_EQ(s.pixel(0, 0), rgb(60, 60, 60));

  const std::uint64_t v = s.version();
  s.setPicture(picture, true);
  EXPECT_EQ(s.width(), 2);
  EXPECT_GT(s.version(), v);  // a window composes again after a clear
}

// --- Rotation --------------------------------------------------------------------------------

TEST(FoxRotate, AngleZeroReproducesTheSourceAtTheRoundedTopLeft) {
  struct Case {
    int w, h;
    double x, y;
    int left, top;  // floor(x - w/2 + 0.5), floor(y - h/2 + 0.5)
  };
  const Case cases[] = {
      {61, 31, 50, 50, 20, 35},   // the contact mask in its 100 × 100 picture
      {4, 2, 10, 10, 8, 9},       // even sizes: the centre is a pixel corner
      {5, 3, 10.4, 10.6, 8, 9},   // fractions round to the nearest pixel
      {5, 3, 10.0, 10.0, 8, 9},   // halves round up
      {5, 3, 11.0, 11.0, 9, 10},  // one pixel further moves it by one pixel
      {3, 3, -0.5, 1.0, -2, 0},   // partly off the left edge
      {3, 3, 0.0, 1.0, -1, 0},    // halves round up on the negative side too
      {30, 16, 320.2, 389.7, 305, 382},
  };
  for (int angle : {0, 360, -360, 720})
    for (int flag : {0, 1})
      for (const Case& c : cases) {
        const Surface src = patterned(c.w, c.h);
        Surface got(400, 400, kBg);
        svc::foxRotate(got, c.x, c.y, src, svc::kMagenta, angle, flag);
        Surface want(400, 400, kBg);
        svc::bitBlt(want, c.left, c.top, c.w, c.h, src, 0, 0, Rop::Copy);
        EXPECT_EQ(got.image().pixels, want.image().pixels)
            << c.w << "x" << c.h << " at " << c.x << "," << c.y << " angle " << angle << " flag "
            << flag;
      }
}

// The expected destination of source pixel (i, j) of a w × h picture for each quarter turn, with
// the rotated box placed by the same rounding rule as angle 0.
struct QuarterTurn {
  double angle;
  bool swapped;  // the box is h × w
  int (*u)(int i, int j, int w, int h);
  int (*v)(int i, int j, int w, int h);
};
const QuarterTurn kQuarterTurns[] = {
    {90, true, [](int, int j, int, int h) { return h - 1 - j; },
     [](int i, int, int, int) { return i; }},
    {-270, true, [](int, int j, int, int h) { return h - 1 - j; },
     [](int i, int, int, int) { return i; }},
    {180, false, [](int i, int, int w, int) { return w - 1 - i; },
     [](int, int j, int, int h) { return h - 1 - j; }},
    {270, true, [](int, int j, int, int) { return j; },
     [](int i, int, int w, int) { return w - 1 - i; }},
    {-90, true, [](int, int j, int, int) { return j; },
     [](int i, int, int w, int) { return w - 1 - i; }},
};

TEST(FoxRotate, QuarterTurnsArePermutationsOfTheSource) {
  // Sampling points fall on pixel centres, so the smoothed drawing is exact here too.
  const int sizes[][2] = {{61, 31}, {5, 2}, {4, 3}, {30, 16}, {1, 1}};
  for (int flag : {0, 1})
    for (const QuarterTurn& q : kQuarterTurns)
      for (const auto& size : sizes) {
        const int w = size[0], h = size[1];
        const int bw = q.swapped ? h : w, bh = q.swapped ? w : h;
        const double x = 50.3, y = 49.8;
        const int left = int(std::floor(x - bw / 2.0 + 0.5)),
                  top = int(std::floor(y - bh / 2.0 + 0.5));
        const Surface src = patterned(w, h);
        Surface dst(100, 100, kBg);
        svc::foxRotate(dst, x, y, src, svc::kMagenta, q.angle, flag);

        Surface want(100, 100, kBg);
        for (int j = 0; j < h; ++j)
          for (int i = 0; i < w; ++i)
            want.setPixel(left + q.u(i, j, w, h), top + q.v(i, j, w, h), src.pixel(i, j));
        EXPECT_EQ(dst.image().pixels, want.image().pixels)
            << w << "x" << h << " by " << q.angle << " flag " << flag;
      }
}

TEST(FoxRotate, PositiveAnglesTurnClockwiseOnTheScreen) {
  // An arrow facing east: a red nose at the right end of its middle row.
  Surface arrow(9, 3, rgb(0, 0, 200));
  arrow.setPixel(8, 1, rgb(255, 0, 0));
  struct Case {
    double angle;
    int noseX, noseY;  // where the nose ends up relative to the centre (20, 20)
  };
  const Case cases[] = {
      {0, 4, 0}, {90, 0, 4}, {-90, 0, -4}, {180, -4, 0}};  // east, south, north, west
  for (const Case& c : cases) {
    Surface dst(41, 41, kBg);
    svc::foxRotate(dst, 20.5, 20.5, arrow, svc::kMagenta, c.angle, 0);
    EXPECT_EQ(dst.pixel(20 + c.noseX, 20 + c.noseY), rgb(255, 0, 0)) << c.angle;
  }
}

// A 60 × 30 sprite of 10 × 10 blocks, each block its own colour, with a magenta block that must
// never be drawn.
Surface blocks() {
  Surface s(60, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 60; ++x)
      s.setPixel(
          x, y,
          (x / 10 == 2 && y / 10 == 1) ? svc::kMagenta : rgb(40 * (x / 10), 80 * (y / 10), 100));
  return s;
}

TEST(FoxRotate, AnyAngleMapsEveryBlockWhereTheTurnTakesIt) {
  // Forward model: a source point at offset (rx, ry) from the sprite's centre lands at
  // (x + cos·rx - sin·ry, y + sin·rx + cos·ry) on the screen (clockwise with y downwards). Points
  // 2.5 pixels inside each block leave room for the half-pixel placement and pixel rounding.
  const Surface src = blocks();
  const double x = 80.3, y = 75.6;
  for (double angle : {0.0, 1.0, 30.0, 45.0, 90.0, 123.4, 200.0, 333.3, -60.0, 725.0})
    for (int flag : {0, 1}) {
      Surface dst(160, 150, kBg);
      svc::foxRotate(dst, x, y, src, svc::kMagenta, angle, flag);
      const double a = angle * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
      for (int by = 0; by < 3; ++by)
        for (int bx = 0; bx < 6; ++bx)
          for (double oy : {2.5, 5.0, 7.5})
            for (double ox : {2.5, 5.0, 7.5}) {
              const double rx = bx * 10 + ox - 30, ry = by * 10 + oy - 15;
              const int u = int(std::floor(x + c * rx - s * ry));
              const int v = int(std::floor(y + s * rx + c * ry));
              const Colour want = src.pixel(bx * 10 + 5, by * 10 + 5);
              EXPECT_EQ(dst.pixel(u, v), want == svc::kMagenta ? kBg : want)
                  << "angle " << angle << " flag " << flag << " block " << bx << "," << by;
            }
    }
}

TEST(FoxRotate, FlagZeroDrawsOnlyExactSourceColoursAndKeepsTheArea) {
  // The contact mask: four key colours in a 61 × 31 rectangle, rotated into a 100 × 100 picture.
  const Colour keys[] = {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(255, 255, 0)};
  Surface mask(61, 31);
  for (int y = 0; y < 31; ++y)
    for (int x = 0; x < 61; ++x) mask.setPixel(x, y, keys[(x < 30 ? 0 : 1) + (y < 15 ? 0 : 2)]);
  const std::set<Colour> allowed(std::begin(keys), std::end(keys));
  for (double angle : {1.0, 17.3, 45.0, 89.99, 123.4, 180.5, -33.0, 359.9}) {
    Surface dst(100, 100, kBg);
    svc::foxRotate(dst, 50, 50, mask, svc::kMagenta, angle, 0);
    const std::vector<Colour> got = drawn(dst);
    for (Colour c : got) ASSERT_TRUE(allowed.count(c)) << std::hex << c << " at angle " << angle;
    // Nearest neighbour neither drops nor doubles much: the area stays 61 × 31 within a fraction
    // of the outline.
    EXPECT_NEAR(double(got.size()), 61.0 * 31.0, 40.0) << "angle " << angle;
    // All four regions are still there.
    EXPECT_EQ(std::set<Colour>(got.begin(), got.end()).size(), 4u) << "angle " << angle;
  }
}

TEST(FoxRotate, SmoothingNeverTintsEdgesWithTheKey) {
  // Red and blue halves of 200 on a magenta frame with a magenta hole. A smoothed pixel is a mix
  // of red and blue only: green stays 0 and red + blue stays 200. Any share of magenta pushes
  // red + blue above 200.
  Surface src(41, 21, svc::kMagenta);
  for (int y = 2; y < 19; ++y)
    for (int x = 2; x < 39; ++x)
      if (!(x >= 18 && x < 23 && y >= 8 && y < 13))
        src.setPixel(x, y, x < 20 ? rgb(200, 0, 0) : rgb(0, 0, 200));
  for (double angle : {0.0, 7.0, 30.0, 45.0, 77.7, 90.0, 150.0, 222.2, -12.5}) {
    Surface dst(80, 80, kBg);
    svc::foxRotate(dst, 40, 40, src, svc::kMagenta, angle, 1);
    const std::vector<Colour> got = drawn(dst);
    ASSERT_GT(got.size(), 400u) << angle;
    for (Colour c : got) {
      ASSERT_EQ(svc::green(c), 0u) << std::hex << c << " at angle " << angle;
      ASSERT_NEAR(int(svc::red(c) + svc::blue(c)), 200, 1)
          << std::hex << c << " at angle " << angle;
    }
  }
}

TEST(FoxRotate, TransparentPixelsLeaveTheDestinationAlone) {
  // A magenta sprite with one opaque pixel in its middle.
  Surface src(7, 5, svc::kMagenta);
  src.setPixel(3, 2, rgb(1, 200, 3));
  for (double angle : {0.0, 45.0, 90.0})
    for (int flag : {0, 1}) {
      Surface dst(20, 20, kBg);
      svc::foxRotate(dst, 10.5, 10.5, src, svc::kMagenta, angle, flag);
      const std::vector<Colour> got = drawn(dst);
      ASSERT_EQ(got.size(), 1u) << "angle " << angle << " flag " << flag;
      EXPECT_EQ(dst.pixel(10, 10), rgb(1, 200, 3)) << "angle " << angle << " flag " << flag;
    }
}

TEST(FoxRotate, ClippingShowsTheSameRotationAsAnUnclippedDraw) {
  // Drawn into a small picture near every edge, the result equals the matching window of the same
  // sprite drawn whole into a large picture.
  const Surface src = blocks();
  const int pad = 80;
  const double spots[][2] = {{0, 0},  {-20, 10}, {10, -25}, {39.5, 30},
                             {45, 5}, {3, 40},   {-40, -40}};
  for (double angle : {0.0, 33.0, 90.0, 250.0})
    for (int flag : {0, 1})
      for (const auto& p : spots) {
        Surface small(40, 30, kBg);
        svc::foxRotate(small, p[0], p[1], src, svc::kMagenta, angle, flag);
        Surface big(40 + 2 * pad, 30 + 2 * pad, kBg);
        svc::foxRotate(big, p[0] + pad, p[1] + pad, src, svc::kMagenta, angle, flag);
        Surface window(40, 30, kBg);
        svc::bitBlt(window, 0, 0, 40, 30, big, pad, pad, Rop::Copy);
        EXPECT_EQ(small.image().pixels, window.image().pixels)
            << "at " << p[0] << "," << p[1] << " angle " << angle << " flag " << flag;
      }
}

TEST(FoxRotate, UnusableArgumentsDrawNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Surface src = patterned(9, 5);
  struct Case {
    double x, y, angle;
  };
  const Case cases[] = {{nan, 10, 0},       {10, nan, 0},  {10, 10, nan},
                        {inf, 10, 0},       {10, 10, inf}, {1e300, 10, 0},
                        {-1e18, -1e18, 45}, {200, 10, 30}, {10, -50, 30}};
  for (const Case& c : cases) {
    Surface dst(20, 20, kBg);
    svc::foxRotate(dst, c.x, c.y, src, svc::kMagenta, c.angle, 0);
    EXPECT_TRUE(drawn(dst).empty()) << c.x << "," << c.y << " angle " << c.angle;
  }
  Surface dst(20, 20, kBg);
  svc::foxRotate(dst, 10, 10, Surface(), svc::kMagenta, 30, 1);  // an empty picture
  EXPECT_TRUE(drawn(dst).empty());
  Surface none;
  svc::foxRotate(none, 0, 0, src, svc::kMagenta, 30, 1);  // an empty destination
}

TEST(FoxRotate, DrawingASurfaceOntoItselfUsesTheOriginalPicture) {
  for (double angle : {0.0, 90.0, 30.0}) {
    Surface s = patterned(16, 12);
    const Surface copy = s;
    Surface want = s;
    svc::foxRotate(want, 9.0, 5.0, copy, svc::kMagenta, angle, 0);
    svc::foxRotate(s, 9.0, 5.0, s, svc::kMagenta, angle, 0);
    EXPECT_EQ(s.image().pixels, want.image().pixels) << angle;
  }
}

// --- Alpha blending --------------------------------------------------------------------------

TEST(FoxAlphaBlend, EachChannelMovesItsShareOfTheWayRoundedToNearest) {
  struct Case {
    unsigned d, s, alpha, want;
  };
  const Case cases[] = {
      {0, 255, 255, 255},   {0, 255, 0, 0},       {0, 255, 128, 128},   {255, 0, 128, 127},
      {100, 101, 127, 100}, {100, 101, 128, 101}, {101, 100, 127, 101}, {101, 100, 128, 100},
      {10, 200, 64, 58},    {200, 10, 64, 152},   {37, 37, 200, 37},    {255, 0, 1, 254},
      {0, 255, 1, 1},       {0, 127, 1, 0},       {0, 128, 1, 1},       {128, 0, 1, 127},
  };
  // Each value is tried in every channel, next to different values in the others.
  for (const Case& c : cases)
    for (int channel = 0; channel < 3; ++channel) {
      const unsigned shift = 8 * channel;
      Surface dst(1, 1, (c.d << shift) | (rgb(33, 33, 33) & ~(0xFFu << shift)));
      Surface src(1, 1, (c.s << shift) | (rgb(200, 200, 200) & ~(0xFFu << shift)));
      svc::foxAlphaBlend(dst, 0, 0, 1, 1, src, 0, 0, std::uint8_t(c.alpha), svc::kMagenta, 0);
      EXPECT_EQ((dst.pixel(0, 0) >> shift) & 0xFF, c.want)
          << c.d << " towards " << c.s << " by " << c.alpha << " in channel " << channel;
    }
}

TEST(FoxAlphaBlend, RepeatedCallsAccumulate) {
  Surface dst(2, 1, rgb(0, 0, 0));
  const Surface white(2, 1, rgb(255, 255, 255));
  const unsigned expected[] = {128, 192, 224, 240, 248};
  for (unsigned want : expected) {
    svc::foxAlphaBlend(dst, 0, 0, 2, 1, white, 0, 0, 128, svc::kMagenta, 0);
    EXPECT_EQ(dst.pixel(1, 0), rgb(want, want, want));
  }
  // A fade with growing alpha ends exactly on the source.
  Surface fade(2, 1, rgb(10, 60, 250));
  const Surface logo(2, 1, rgb(240, 5, 99));
  for (int alpha = 0; alpha <= 255; alpha += 15)
    svc::foxAlphaBlend(fade, 0, 0, 2, 1, logo, 0, 0, std::uint8_t(alpha), svc::kMagenta, 1);
  EXPECT_EQ(fade.pixel(0, 0), rgb(240, 5, 99));
}

TEST(FoxAlphaBlend, SkipsTheKeyAndClipsLikeThePixelModel) {
  Surface src = patterned(10, 7);
  src.setPixel(3, 3, svc::kMagenta);
  src.setPixel(0, 0, svc::kMagenta);
  const auto blend = [](Colour d, Colour s) {
    if (s == svc::kMagenta) return d;
    Colour out = 0;
    for (int k = 0; k < 24; k += 8) {
      const double dc = (d >> k) & 0xFF, sc = (s >> k) & 0xFF;
      out |= Colour(std::lround(dc + (sc - dc) * 100 / 255)) << k;
    }
    return out;
  };
  struct Case {
    int x, y, w, h, sx, sy;
  };
  const Case cases[] = {{0, 0, 8, 6, 0, 0},
                        {-3, -2, 8, 6, 0, 0},
                        {0, 0, 8, 6, -3, -2},
                        {5, 4, 10, 10, 1, 1},
                        {0, 0, -1, 5, 0, 0},
                        {0, 0, 10, 10, 9, 6},
                        {INT_MIN, 0, INT_MAX, 6, 0, 0}};
  for (int flag : {0, 1})
    for (const Case& c : cases) {
      Surface got(8, 6, rgb(250, 128, 3));
      Surface want = got;
      svc::foxAlphaBlend(got, c.x, c.y, c.w, c.h, src, c.sx, c.sy, 100, svc::kMagenta, flag);
      if (c.x != INT_MIN) eachPixel(want, c.x, c.y, c.w, c.h, src, c.sx, c.sy, blend);
      EXPECT_EQ(got.image().pixels, want.image().pixels)
          << "at " << c.x << "," << c.y << " size " << c.w << "x" << c.h << " flag " << flag;
    }
}

TEST(FoxAlphaBlend, OverlappingRectanglesOfOneSurfaceBlendFromTheOriginal) {
  Surface s = patterned(9, 8);
  const Surface copy = s;
  Surface want = s;
  svc::foxAlphaBlend(want, 1, 1, 6, 5, copy, 0, 0, 200, svc::kMagenta, 0);
  svc::foxAlphaBlend(s, 1, 1, 6, 5, s, 0, 0, 200, svc::kMagenta, 0);
  EXPECT_EQ(s.image().pixels, want.image().pixels);
}

}  // namespace
