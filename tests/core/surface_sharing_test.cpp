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
