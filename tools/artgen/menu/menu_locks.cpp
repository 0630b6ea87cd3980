// The lock overlays and track locks, cut from the pages they cover.
#include "menu/menu_locks.h"

#include <cmath>
#include <stdexcept>

#include "canvas.h"
#include "menu/menu_pages.h"

namespace art::menu {

namespace {

// The area cut from the page drawn without words, darkened, ready for its padlock.
Image lockedCut(const std::string& file, const std::string& name, Lang lang) {
  const PageSpec& page = pageSpec(file);
  Image cut = crop(renderPage(page, lang, false).image, area(page, name).rect, kFrame);
  darkenLocked(cut);
  return cut;
}

}  // namespace

Image drawCarLock(const std::string& name) {
  const Rect r = area(pageSpec("11"), name).rect;
  Canvas canvas(r.w, r.h);
  canvas.drawImage(lockedCut("11", name, Lang::Cz), 0, 0);
  drawPadlock(canvas.cr(), r.w / 2.0, r.h / 2.0, r.h - 6);
  return canvas.toImage();
}

Image drawModeLock(const std::string& name, Lang lang) {
  const Area& a = area(pageSpec("10"), name);
  const Rect r = a.rect;
  Canvas canvas(r.w, r.h);
  cairo_t* cr = canvas.cr();
  canvas.drawImage(lockedCut("10", name, lang), 0, 0);
  // The name keeps clear of the padlock at the right end.
  Rect box = labelBox(a);
  box.x -= r.x;
  box.y -= r.y;
  box.w -= 22;
  drawButtonLabel(cr, box, a.label.in(lang), labelSize(a), {128, 132, 142},
                  "lock " + name + " (" + code(lang) + ")");
  drawPadlock(cr, r.w - 14, r.h / 2.0, r.h - 7);
  return canvas.toImage();
}

Image drawTrackLock(bool city) {
  const PageSpec& page = pageSpec("13");
  const Area& a = area(page, city ? "mesto" : "vesnice");
  const Rect r{a.rect.x, a.rect.y, a.rect.w, kTrackLockHeight};
  Image cut = crop(renderPage(page, Lang::Cz, false).image, r, kFrame);
  darkenLocked(cut);
  Canvas canvas(r.w, r.h);
  cairo_t* cr = canvas.cr();
  canvas.drawImage(cut, 0, 0);
  const double cy = a.rect.h / 2.0;
  cairo_arc(cr, r.w / 2.0, cy, 21, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0.02, 0.03, 0.06, 0.6);
  cairo_fill(cr);
  drawPadlock(cr, r.w / 2.0, cy, 30);
  Image out = canvas.toImage();
  if (!city) {
    // Below the Village area lies the City area's top, the same in both languages.
    const Image page13 = renderPage(page, Lang::Cz, true).image;
    for (int y = a.rect.h; y < r.h; ++y)
      for (int x = 0; x < r.w; ++x) out.at(x, y) = page13.at(r.x + x, r.y + y);
  }
  return out;
}

}  // namespace art::menu
