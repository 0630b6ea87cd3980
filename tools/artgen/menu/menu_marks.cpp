// The menu's marked states, each a band cut from its page drawn in that state. A band differs
// from the page picture only inside the marked areas, which the build checks.
#include "menu/menu_marks.h"

#include <string>
#include <vector>

#include "menu/menu_checks.h"
#include "menu/menu_pages.h"

namespace art::menu {

namespace {

// The rows of a band that no area of the page reaches, which every state keeps as the page has
// them (the marks stay on their areas and the pointer in the row beneath the bars).
void checkOnlyAreasChange(const PageSpec& page, const Image& plain, const Image& marked, Rect band,
                          int below, const std::string& what) {
  int top = band.bottom(), bottom = band.y;
  for (const Area& a : page.areas)
    if (a.rect.overlaps(band)) {
      top = std::min(top, a.rect.y);
      bottom = std::max(bottom, a.rect.bottom() + below);
    }
  checkSame(plain, marked, {band.x, band.y, band.w, top - band.y}, what + " above its areas");
  checkSame(plain, marked, {band.x, bottom, band.w, band.bottom() - bottom},
            what + " below its areas");
}

Image stack(const std::vector<Image>& pages, Rect band) {
  Image out(band.w, band.h * int(pages.size()));
  for (std::size_t i = 0; i < pages.size(); ++i)
    for (int y = 0; y < band.h; ++y)
      for (int x = 0; x < band.w; ++x)
        out.at(x, int(i) * band.h + y) = pages[i].at(band.x + x, band.y + y);
  return out;
}

}  // namespace

Image drawLanguageStates(Lang lang) {
  const PageSpec& page = pageSpec("8");
  const Image plain = renderPage(page, lang).image;
  std::vector<Image> states;
  for (const char* chosen : {"Image1", "Image2"}) {
    states.push_back(renderPage(page, lang, true, {chosen, 8, false}).image);
    checkOnlyAreasChange(page, plain, states.back(), kLanguageBand, 0,
                         std::string("jazyk.bmp with ") + chosen + " chosen");
  }
  return stack(states, kLanguageBand);
}

Image drawVolumeStates(Lang lang) {
  const PageSpec& page = pageSpec("7");
  const Image plain = renderPage(page, lang).image;
  std::vector<Image> states;
  for (int lit = 0; lit <= 8; ++lit) {
    states.push_back(renderPage(page, lang, true, {"", lit, lit > 0}).image);
    // The pointer takes the rows between the bars and the volume field.
    checkOnlyAreasChange(page, plain, states.back(), kVolumeBand, 8,
                         "hlasitost.bmp with " + std::to_string(lit) + " bars lit");
  }
  checkSame(plain, states.back(), {0, 0, plain.width, kVolumeBand.y}, "hlasitost.bmp");
  return stack(states, kVolumeBand);
}

}  // namespace art::menu
