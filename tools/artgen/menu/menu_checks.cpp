// The menu pictures' rule checks; see menu_checks.h.
#include "menu/menu_checks.h"

#include <algorithm>
#include <stdexcept>

#include "menu/menu_back.h"
#include "menu/menu_builtin.h"

namespace art::menu {

namespace {

[[noreturn]] void fail(const std::string& name, const std::string& what) {
  throw std::runtime_error(name + ": " + what);
}

double luminance(svc::Colour c) {
  return 0.3 * svc::red(c) + 0.59 * svc::green(c) + 0.11 * svc::blue(c);
}

}  // namespace

void checkSize(const Image& image, int width, int height, const std::string& name) {
  if (image.width != width || image.height != height ||
      image.pixels.size() != std::size_t(width) * height)
    fail(name, "is " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                   ", must be " + std::to_string(width) + " x " + std::to_string(height));
}

void checkNoMagenta(const Image& image, const std::string& name) {
  for (svc::Colour c : image.pixels)
    if (c == svc::kMagenta) fail(name, "holds the transparent key colour");
}

void checkPage(const PageSpec& page, const RenderedPage& rendered, const std::string& name) {
  checkSize(rendered.image, page.width, page.height, name);
  for (const Area& a : page.areas) {
    const Rect r = a.rect;
    if (r.w <= 0 || r.h <= 0) fail(name, a.name + " has no size");
    if (r.x < -kMaxOverhang || r.y < -kMaxOverhang || r.right() > page.width + kMaxOverhang ||
        r.bottom() > page.height + kMaxOverhang)
      fail(name, a.name + " lies off the page");
  }
  for (const Rect& box : rendered.captionBoxes) {
    if (box.x < 1 || box.y < 1 || box.right() > page.width - 1 || box.bottom() > page.height - 1)
      fail(name, "a caption runs off the page");
    for (const Area& a : page.areas)
      if (box.overlaps(a.rect)) fail(name, "a caption covers " + a.name);
  }
  for (const Area& a : page.areas)
    if (a.kind == Kind::Slot)
      for (int y = a.rect.y; y < a.rect.bottom(); ++y)
        for (int x = a.rect.x; x < a.rect.right(); ++x)
          if (rendered.image.at(x, y) != kPanel) fail(name, a.name + " is not the panel colour");
  if (rendered.image.at(0, 0) != kFrame) fail(name, "pixel (0, 0) is not the frame colour");
  checkNoMagenta(rendered.image, name);
}

void checkSame(const Image& a, const Image& b, Rect rect, const std::string& what) {
  for (int y = rect.y; y < rect.bottom(); ++y)
    for (int x = rect.x; x < rect.right(); ++x)
      if (a.at(x, y) != b.at(x, y))
        fail(what, "differs at " + std::to_string(x) + ", " + std::to_string(y));
}

void checkStoryMask(const Image& mask) {
  checkSize(mask, 200, 300, "Picture1");
  for (svc::Colour c : mask.pixels)
    if (svc::red(c) != svc::green(c) || svc::green(c) != svc::blue(c))
      fail("Picture1", "holds a colour that is not grey");
  for (int x = 0; x < mask.width; ++x) {
    if (mask.at(x, 0) != 0 || mask.at(x, kStoryBoxHeight - 1) != 0 ||
        mask.at(x, mask.height - 1) != 0)
      fail("Picture1", "does not fade to black at its edges");
    for (int y = kMaskFade; y < kStoryBoxHeight - kMaskFade; ++y)
      if (mask.at(x, y) != svc::rgb(255, 255, 255)) fail("Picture1", "is not white in the middle");
  }
}

void checkCalmCorner(const Image& background) {
  // White text needs a dark ground: nothing there may be brighter than a deep grey.
  const Rect r = kInformace;
  for (int y = r.y; y < r.bottom(); ++y)
    for (int x = r.x; x < r.right(); ++x)
      if (luminance(background.at(x, y)) > 48)
        fail("back.bmp", "the hover text's ground is too bright");
  if (background.at(0, 0) != kFrame) fail("back.bmp", "pixel (0, 0) is not the frame colour");
}

}  // namespace art::menu
