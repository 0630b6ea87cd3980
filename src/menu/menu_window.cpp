#include "menu/menu_window.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "services/process.h"
#include "startup/display_mode.h"

namespace game {

std::vector<svc::Field> MenuState::fields() {
  return {
      {"FromPage", &FromPage},
      {"ToPage", &ToPage},
      {"HoverKey", &HoverKey},
      {"HoverLength", &HoverLength},
      {"HoverPos", &HoverPos},
      {"HoverShown", &HoverShown},
      {"MenuFrameInterval", &MenuFrameInterval},
      {"MenuReady", &MenuReady},
      {"MenuNextTick", &MenuNextTick},
      {"StoryShowing", &StoryShowing},
      {"BlendLevel", &BlendLevel},
      {"PanelRed", &PanelRed},
      {"PanelGreen", &PanelGreen},
      {"PanelBlue", &PanelBlue},
      {"FadePictureFirst", &FadePictureFirst},
      {"FadeFromPicture", &FadeFromPicture},
      {"StoryY", &StoryY},
      {"StoryX", &StoryX},
      {"BackFrame", &BackFrame},
      {"InfoScroll", &InfoScroll},
  };
}

MenuWindow::MenuWindow(svc::Runtime& runtime, SettingsStore& settings)
    : runtime_(runtime),
      settings_(settings),
      form_("menu", runtime.ui(), svc::WindowSlot::Main),
      music_(runtime.audio().newPlayer()) {
  build();
  // The pictures built into the window come with it.
  runtime_.loadInto(*Picture1_, "/gfx/builtin/menu/Picture1.bmp");
  runtime_.loadInto(*Picture6_, "/gfx/builtin/menu/Picture6.bmp");
  runtime_.loadInto(*Picture4_, "/gfx/builtin/menu/Picture4.bmp");
  runtime_.loadInto(*Picture5_, "/gfx/builtin/menu/Picture5.bmp");
  runtime_.loadInto(*Picture8_, "/gfx/builtin/menu/Picture8.bmp");
  runtime_.loadInto(area("Image3"), "/gfx/builtin/menu/Image3.bmp");
  runtime_.loadInto(area("Image4"), "/gfx/builtin/menu/Image4.bmp");
  wireNavigation();
  wireSelection();
  wireSettings();
  wireEffects();
  runtime_.addForm(form_);
}

void MenuWindow::load() {
  loaded_ = true;
  // The back-button animation and the info scrolling run from the start.
  form_.timer("Timer1").setEnabled(true);
  form_.timer("Timer2").setEnabled(true);
  applyLocks();
  if (settings_.get("zkuky") == "1") startMusic();
  label("langue").setCaption(settings_.get("jazyk"));
  state.FadePictureFirst = true;
  state.StoryShowing = false;
  state.PanelBlue = 0;
  svc::changeDirectory(runtime_.programFolder());

  MenuLoadDisplayStep(settings_, runtime_.presenter(), label("rozliseni"), label("full"),
                      state.MenuReady);
  settings_.set("rez1", "false");
  state.MenuReady = "true";
  form_.resize(640, 480);

  runtime_.loadInto(form_.picture("tma"), "/gfx/menu/back.bmp");
  form_.setPicture(runtime_.loadPicture("/gfx/menu/back.bmp"), "/gfx/menu/back.bmp");
  loadPagePictures(pictureLanguage());
  applyModeLocks();
  setDifficultyLabel();
  form_.setBackColor(page(0).surface().pixel(0, 0));
  state.BackFrame = 0;
  page(0).move(100, 100);
  form_.move(0, 0);
  form_.show();
}

std::string MenuWindow::pictureLanguage() const {
  return settings_.pictureLanguage();
}

void MenuWindow::loadPagePictures(const std::string& language) {
  for (int i = 0; i < kPageCount; ++i)
    if (i != 3)
      runtime_.loadInto(page(i), "/gfx/menu/" + language + "/" + std::to_string(i) + ".bmp");
  loadMarks(language);
  showEffectsSwitch(language);
}

void MenuWindow::close() {
  music_->stop();
  form_.unload();
}

std::string MenuWindow::selection(const std::string& field) const {
  return form_.label(field).caption();
}

void MenuWindow::setSelection(const std::string& field, const std::string& value) {
  for (const char* f : kSelectionFields)
    if (field == f) return form_.label(field).setCaption(value);
  throw std::out_of_range("no selection field " + field);
}

void MenuWindow::delay(double seconds) {
  svc::Clock& clock = runtime_.clock();
  const double start = clock.secondsSinceMidnight();
  for (;;) {
    double passed = clock.secondsSinceMidnight() - start;
    if (passed < 0) passed += 86400.0;  // the counter went back to 0 at midnight
    if (passed >= seconds) return;
    runtime_.doEvents();
    // Sleep until the time is up, waking for input and timers; at least a millisecond, so
    // rounding can never leave the loop spinning without time passing.
    const double leftMs = std::ceil((seconds - passed) * 1000.0);
    runtime_.idleWait(clock.ticks() + std::uint32_t(std::max(1.0, leftMs)));
  }
}

}  // namespace game
