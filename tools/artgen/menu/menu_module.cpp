// The menu window's pictures: background, pages in both languages, lock overlays, the marked
// states of the language and sound pages, the back button's frames and the pictures built into
// the window. Every picture is checked before it is written.
#include <string>

#include "art.h"
#include "menu/menu_back.h"
#include "menu/menu_builtin.h"
#include "menu/menu_checks.h"
#include "menu/menu_locks.h"
#include "menu/menu_marks.h"
#include "menu/menu_pages.h"

namespace art::menu {

namespace {

void write(const Context& ctx, const std::string& relative, const Image& image, int width,
           int height) {
  checkSize(image, width, height, relative);
  checkNoMagenta(image, relative);
  ctx.writeBmp(relative, image);
}

void writePages(const Context& ctx, const Image& background) {
  for (Lang lang : kLangs)
    for (const PageSpec& page : pageSpecs()) {
      const std::string name = std::string("/gfx/menu/") + code(lang) + "/" + page.file + ".bmp";
      const RenderedPage rendered = renderPage(page, lang);
      checkPage(page, rendered, name);
      write(ctx, name, rendered.image, page.width, page.height);
    }
  // The window's background colour is page 0's first pixel; it must be the frame of back.bmp.
  if (renderPage(pageSpec("0"), Lang::Cz).image.at(0, 0) != background.at(0, 0))
    throw std::runtime_error("page 0 and back.bmp disagree on the frame colour");
}

void writeLocks(const Context& ctx) {
  // Car overlays come from the Czech folder for both languages: the page beneath must be the
  // same in both where they lie.
  const PageSpec& cars = pageSpec("11");
  const Image cz = renderPage(cars, Lang::Cz, false).image;
  const Image ang = renderPage(cars, Lang::Ang, false).image;
  const char* carFiles[][2] = {
      {"viper", "vip"}, {"porsche", "por"}, {"ferari", "fer"}, {"bonus", "tru"}};
  for (const auto& [areaName, file] : carFiles) {
    const Rect r = area(cars, areaName).rect;
    const Rect onPage{std::max(r.x, 0), r.y, std::min(r.right(), cars.width) - std::max(r.x, 0),
                      r.h};
    checkSame(cz, ang, onPage, std::string("car page under ") + file + ".bmp");
    write(ctx, std::string("/gfx/menu/cz/") + file + ".bmp", drawCarLock(areaName), r.w, r.h);
  }
  const char* modeFiles[][2] = {{"champinship", "cham"}, {"kolderrun", "kold"}};
  for (Lang lang : kLangs)
    for (const auto& [areaName, file] : modeFiles) {
      const Rect r = area(pageSpec("10"), areaName).rect;
      write(ctx, std::string("/gfx/menu/") + code(lang) + "/" + file + ".bmp",
            drawModeLock(areaName, lang), r.w, r.h);
    }
  // Image4's lowest rows repeat the track page, so that strip must not depend on the language.
  const PageSpec& tracks = pageSpec("13");
  const Rect village = area(tracks, "vesnice").rect;
  const Rect below{0, village.bottom(), tracks.width, kTrackLockHeight - village.h};
  checkSame(renderPage(tracks, Lang::Cz).image, renderPage(tracks, Lang::Ang).image, below,
            "track page under Image4");
  write(ctx, "/gfx/builtin/menu/Image3.bmp", drawTrackLock(true), 153, kTrackLockHeight);
  write(ctx, "/gfx/builtin/menu/Image4.bmp", drawTrackLock(false), 153, kTrackLockHeight);
}

// The marked states of the language and sound pages, bands of their rows.
void writeMarks(const Context& ctx) {
  for (Lang lang : kLangs) {
    const std::string folder = std::string("/gfx/menu/") + code(lang) + "/";
    write(ctx, folder + "jazyk.bmp", drawLanguageStates(lang), kLanguageBand.w,
          kLanguageBand.h * 2);
    write(ctx, folder + "hlasitost.bmp", drawVolumeStates(lang), kVolumeBand.w, kVolumeBand.h * 9);
  }
}

void writeMenu(const Context& ctx) {
  const Image background = drawBackground();
  checkCalmCorner(background);
  write(ctx, "/gfx/menu/back.bmp", background, kWindowW, kWindowH);
  writePages(ctx, background);
  writeLocks(ctx);
  writeMarks(ctx);

  const auto frames = drawBackButtonFrames(background);
  for (int i = 0; i < 4; ++i)
    write(ctx, "/gfx/back" + std::to_string(i) + ".bmp", frames[i], kBackButton.w, kBackButton.h);

  const Image mask = drawStoryMask();
  checkStoryMask(mask);
  write(ctx, "/gfx/builtin/menu/Picture1.bmp", mask, 200, 300);
  write(ctx, "/gfx/builtin/menu/Picture6.bmp", drawFadePicture(), 200, 280);
  write(ctx, "/gfx/builtin/menu/Picture4.bmp", drawLogo(Lang::Ang), 155, 200);
  write(ctx, "/gfx/builtin/menu/Picture5.bmp", drawLogo(Lang::Cz), 155, 200);
  write(ctx, "/gfx/builtin/menu/Picture8.bmp", drawInfoPlaceholder(), 155, 800);
}

}  // namespace

}  // namespace art::menu

ARTGEN_MODULE("menu", art::menu::writeMenu);
