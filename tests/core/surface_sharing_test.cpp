// Surfaces share a loaded picture until they are drawn into: drawing must never reach the
// picture itself, which other surfaces (and the next race's start) load again.
#include <gtest/gtest.h>

#include <memory>

#include "services/rotate.h"
#include "services/surface.h"

namespace {

TEST(SurfaceSharing, DrawingIntoOneSurfaceLeavesThePictureAndItsOtherUsersAlone) {
  auto picture = std::make_shared<svc::Image>(4, 3, svc::rgb(10, 20, 30));
  svc::Surface a, b;
  a.setPicture(picture, true);
  b.setPicture(picture, true);
  svc::Surface ink(2, 2, svc::rgb(200, 0, 0));
  struct Draw {
    const char* name;
    void (*run)(svc::Surface&, const svc::Surface&);
  };
  const Draw draws[] = {
      {"copy", [](svc::Surface& d,
                  const svc::Surface& s) { svc::bitBlt(d, 1, 1, 2, 2, s, 0, 0, svc::Rop::Copy); }},
      {"and", [](svc::Surface& d,
                 const svc::Surface& s) { svc::bitBlt(d, 0, 0, 2, 2, s, 0, 0, svc::Rop::And); }},
      {"pixel", [](svc::Surface& d, const svc::Surface&) { d.setPixel(3, 2, svc::rgb(1, 2, 3)); }},
      {"fill", [](svc::Surface& d, const svc::Surface&) { d.fill(svc::rgb(9, 9, 9)); }},
      {"rotate", [](svc::Surface& d,
                    const svc::Surface& s) { svc::foxRotate(d, 2, 1, s, svc::kMagenta, 30, 1); }},
  };
  for (const Draw& d : draws) {
    a.cls();
    d.run(a, ink);
    EXPECT_EQ(picture->at(1, 1), svc::rgb(10, 20, 30)) << d.name;
    EXPECT_EQ(picture->at(3, 2), svc::rgb(10, 20, 30)) << d.name;
    EXPECT_EQ(b.pixel(1, 1), svc::rgb(10, 20, 30)) << d.name;
    EXPECT_NE(a.image().pixels, picture->pixels) << d.name << " drew nothing";
  }
  // Clearing brings the picture back.
  a.cls();
  EXPECT_EQ(a.image().pixels, picture->pixels);
  EXPECT_EQ(a.width(), 4);
  EXPECT_EQ(a.height(), 3);
}

}  // namespace

// A black surface is left as allocated until drawn into (its memory is not touched): clearing it
// to black must still clear whatever has come into it since, however it came.
TEST(SurfaceSharing, ClearingToBlackClearsWhateverCameIn) {
  struct Case {
    const char* name;
    void (*arrive)(svc::Surface&, const svc::ImagePtr&);
  };
  const Case cases[] = {
      {"nothing", [](svc::Surface&, const svc::ImagePtr&) {}},
      {"a pixel", [](svc::Surface& s, const svc::ImagePtr&) { s.setPixel(1, 1, 0x123456); }},
      {"a copy",
       [](svc::Surface& s, const svc::ImagePtr& p) {
         svc::Surface src;
         src.setPicture(p, true);
         svc::bitBlt(s, 0, 0, 4, 3, src, 0, 0, svc::Rop::Copy);
       }},
      {"a shown picture", [](svc::Surface& s, const svc::ImagePtr& p) { s.setPicture(p, true); }},
      {"a picture kept as drawn",
       [](svc::Surface& s, const svc::ImagePtr& p) {
         s.setPicture(std::make_shared<svc::Image>(*p), true);
         s.forgetPicture();
       }},
      {"a fill", [](svc::Surface& s, const svc::ImagePtr&) { s.fill(0x00FF00); }},
  };
  const auto picture = std::make_shared<svc::Image>(4, 3, svc::rgb(10, 20, 30));
  for (const Case& c : cases) {
    for (const bool byFill : {true, false}) {
      svc::Surface s(4, 3);
      c.arrive(s, picture);
      if (byFill) {
        s.fill(0);
      } else {
        s.releasePicture();
        s.cls();
      }
      for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
          EXPECT_EQ(s.pixel(x, y), 0u)
              << c.name << (byFill ? " filled" : " cleared") << " at " << x << "," << y;
    }
  }
  EXPECT_EQ(picture->at(1, 1), svc::rgb(10, 20, 30));
}
