#include "startup/display_mode.h"

#include <cmath>

namespace game {

namespace {

struct NamedRow {
  const char* remembered;
  RestoreRow row;
};
// Both numbers of a mode are accepted, as either may have been remembered.
constexpr NamedRow kRestoreTable[] = {
    {"1280", {1280, 1024, {320, 272}}}, {"1024", {1024, 768, {192, 144}}},
    {"768", {1024, 768, {192, 144}}},   {"800", {800, 600, {80, 60}}},
    {"600", {800, 600, {80, 60}}},      {"640", {640, 480, {0, 0}}},
    {"480", {640, 480, {0, 0}}},
};

}  // namespace

void SetDisplayMode(svc::Presenter& presenter, float width, float height) {
  presenter.setFullscreen(true, int(std::lround(width)), int(std::lround(height)));
}

const RestoreRow* RestoreRowFor(const std::string& remembered) {
  for (const NamedRow& r : kRestoreTable)
    if (remembered == r.remembered) return &r.row;
  return nullptr;
}

WindowPlace RestoreDisplayMode(svc::Presenter& presenter, const std::string& remembered) {
  if (const RestoreRow* row = RestoreRowFor(remembered)) {
    presenter.setFullscreen(false, row->width, row->height);
    return row->place;
  }
  // An unknown width: the desktop mode comes back all the same, so centre the window on it.
  const int w = presenter.desktopWidth(), h = presenter.desktopHeight();
  presenter.setFullscreen(false, w, h);
  return {(w - kPlayWidth) / 2, (h - kPlayHeight) / 2};
}

void MenuLoadDisplayStep(SettingsStore& settings, svc::Presenter& presenter, svc::Label& rozliseni,
                         svc::Label& full, const std::string& menuReady) {
  const std::string rez1 = settings.get("rez1");
  if (rez1 != "true") {
    // A restart after a race (or no settings file): the desktop width is the one remembered.
    rozliseni.setCaption(settings.get("runing"));
    // The screen mode ended with the previous process, so a restart after a race takes up full
    // screen again, without measuring the desktop (the remembered width stays the desktop's).
    if (rez1 == "false" && settings.get("Rozliseni") != "0")
      SetDisplayMode(presenter, kPlayWidth, kPlayHeight);
  } else if (menuReady != "true") {
    const bool fullScreen = settings.get("Rozliseni") != "0";
    if (!fullScreen) full.setCaption("NE");
    // Measured before the switch, so this is the desktop's width.
    if (rozliseni.caption() == "0") rozliseni.setCaption(std::to_string(presenter.desktopWidth()));
    if (fullScreen) SetDisplayMode(presenter, kPlayWidth, kPlayHeight);
    settings.set("runing", rozliseni.caption());
  }
  settings.set("rez1", "false");
}

}  // namespace game
