#include "menu/menu_window.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

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
  runtime_.addForm(form_);
}

void MenuWindow::build() {
  form_.caption = "Drovanta";
  form_.borderless = true;
  form_.resize(640, 480);
  form_.move(0, 0);
  form_.setBackColor(svc::rgb(0, 0, 0));
  // The selection record: labels that only carry data until the pages show them.
  for (const char* field : kSelectionFields) {
    const std::string initial = std::string(field) == "Obtiznost"   ? "Hard"
                                : std::string(field) == "smykovani" ? "ANO"
                                                                    : "zadne udaje";
    form_.addLabel(field, initial, 0, 0, 65, 17).setVisible(false);
  }
  form_.addLabel("infoLabel", "", 0, 0, 0, 0).setVisible(false);
  form_.addLabel("langue", "Label1", 0, 0, 0, 0).setVisible(false);
  form_.addLabel("rozliseni", "0", 0, 0, 0, 0).setVisible(false);
}

void MenuWindow::load() {
  loaded_ = true;
  state.MenuReady = "true";
  form_.resize(640, 480);
  form_.move(0, 0);
  form_.show();
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

void MenuWindow::startRace() {
  if (loadRace) loadRace();
}

}  // namespace game
