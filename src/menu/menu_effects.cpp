// The menu's time-driven effects: the paced frame loops of the story with their per-frame steps
// (panel fade, picture blend-in, text scroll, fade-out), the animated back button, the info
// picture's scrolling and the menu music.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "menu/menu_window.h"
#include "services/blend.h"

namespace game {

namespace {

// Source pixels of this colour leave the target as it is.
constexpr svc::Colour kKey = svc::kMagenta;

void blend(svc::PictureBox& target, int x, int y, const svc::PictureBox& source, int level,
           int flag) {
  const svc::Surface& s = source.surface();
  svc::foxAlphaBlend(target.surface(), x, y, s.width(), s.height(), s, 0, 0,
                     std::uint8_t(std::clamp(level, 0, 255)), kKey, flag);
}

}  // namespace

void MenuWindow::wireEffects() {
  form_.timer("Timer1").onTick = [this] { BackAnimation(); };
  form_.timer("Timer2").onTick = [this] { InfoScrollStep(); };
  // The info picture scrolls only while an arrow is held: the game need not wake otherwise.
  form_.timer("Timer2").quiet = [this] { return state.InfoScroll.empty(); };
  auto scroll = [this](const char* arrow, const char* request) {
    svc::MouseHandlers& m = form_.control(arrow).mouse;
    m.down = [this, request](int, int, int) { state.InfoScroll = request; };
    m.up = [this](int, int, int) { state.InfoScroll = ""; };
  };
  scroll("Image12", "up");
  scroll("Image13", "down");
  for (svc::PictureBox* box : {cerne_, story_, Picture2_})
    box->mouse.click = [this] { EndStory(); };
}

void MenuWindow::startMusic() {
  music_->setFileName(runtime_.path("/music/menu.mp3"));
  music_->play();
  applyVolume();
}

void MenuWindow::applyVolume() {
  // A volume that is not a whole number is not applied: the player stays where it is.
  if (const auto volume = settings_.musicVolume()) music_->setVolume(*volume);
}

void MenuWindow::BackAnimation() {
  ++state.BackFrame;
  int frame = 3;
  if (state.BackFrame < 4) {
    frame = state.BackFrame;
  } else if (state.BackFrame == 10) {
    state.BackFrame = -1;
  }
  const std::string file = "/gfx/back" + std::to_string(frame) + ".bmp";
  // The resting frame stays for eight ticks; it need not be loaded again each time.
  if (back_button_->pictureFile() != file) {
    runtime_.loadInto(*back_button_, file);
    // Each frame stays decoded once shown, so the next round of the animation reads no file.
    if (frame >= 0 && frame < int(backFrames_.size()))
      backFrames_[std::size_t(frame)] = back_button_->surface().picture();
  }
}

void MenuWindow::InfoScrollStep() {
  svc::PictureBox& info = *Picture8_;
  if (state.InfoScroll == "down" && info.top() > 130 - info.height()) info.setTop(info.top() - 5);
  if (state.InfoScroll == "up" && info.top() < 0) info.setTop(info.top() + 5);
}

void MenuWindow::runFrames(void (MenuWindow::*step)()) {
  svc::Clock& clock = runtime_.clock();
  for (;;) {
    // The frame is due once the counter is past MenuNextTick. A deadline further off than any
    // frame interval can only be stale (a counter past its sign boundary): then it is due now.
    const std::int32_t left = static_cast<std::int32_t>(state.MenuNextTick + 1 - clock.ticks());
    if (left > 0 && left <= INT16_MAX + 1) clock.waitUntil(state.MenuNextTick + 1);
    state.MenuNextTick = clock.ticks() + std::uint32_t(state.MenuFrameInterval);
    runtime_.doEvents();
    (this->*step)();
    runtime_.doEvents();
  }
}

void MenuWindow::StoryLoop() {
  runFrames(&MenuWindow::storyFrame);
}

void MenuWindow::FadeOutLoop() {
  runFrames(&MenuWindow::FadeOutStep);
}

void MenuWindow::storyFrame() {
  if (state.StoryShowing) {
    StoryDrawStep();
    StoryScrollStep();
  } else {
    PanelFadeStep();
  }
}

void MenuWindow::EndStory() {
  state.FadeFromPicture = Picture2_->visible();
  state.BlendLevel = 20;
  if (!state.FadeFromPicture) {
    story_->setVisible(false);
    Picture2_->setVisible(false);
  }
  FadeOutLoop();
}

void MenuWindow::PanelFadeStep() {
  if (state.PanelBlue > 0) {
    for (std::int16_t* c : {&state.PanelRed, &state.PanelGreen, &state.PanelBlue})
      if (*c > 0) --*c;
    cerne_->setBackColor(
        svc::rgb(unsigned(state.PanelRed), unsigned(state.PanelGreen), unsigned(state.PanelBlue)));
    cerne_->cls();
  } else {
    state.StoryShowing = true;
    story_->setVisible(true);
    Picture2_->setVisible(true);
    state.BlendLevel = 0;
  }
}

void MenuWindow::StoryDrawStep() {
  if (state.BlendLevel < 60) {
    state.BlendLevel = std::int16_t(state.BlendLevel + 2);
    blend(*Picture2_, 0, 0, *Picture3_, state.BlendLevel, 0);
    return;
  }
  story_->cls();
  const svc::Surface& t = text_->surface();
  svc::bitBlt(story_->surface(), state.StoryX, int(std::nearbyint(state.StoryY)), t.width(),
              t.height(), t, 0, 0, svc::Rop::Copy);
  // The mask frames the text.
  const svc::Surface& mask = Picture1_->surface();
  svc::bitBlt(story_->surface(), 0, 0, mask.width(), mask.height(), mask, 0, 0, svc::Rop::And);
}

void MenuWindow::StoryScrollStep() {
  state.StoryY -= 0.4;
  if (state.StoryY < -590) EndStory();
}

void MenuWindow::FadeOutStep() {
  if (state.FadeFromPicture) {
    // Phase A: the picture fades away first, then the text.
    if (state.FadePictureFirst) {
      if (state.BlendLevel < 150) {
        state.BlendLevel = std::int16_t(state.BlendLevel + 6);
        blend(*Picture2_, 0, 0, *Picture6_, state.BlendLevel, 0);
      } else {
        state.BlendLevel = 0;
        state.FadePictureFirst = false;
      }
    } else if (state.BlendLevel >= 150) {
      state.FadeFromPicture = false;
      state.BlendLevel = 20;
      story_->setVisible(false);
      Picture2_->setVisible(false);
    } else {
      state.BlendLevel = std::int16_t(state.BlendLevel + 6);
      blend(*story_, 0, 0, *Picture6_, state.BlendLevel, 0);
    }
    return;
  }
  // Phase B: the panel.
  if (state.BlendLevel >= 150) {
    clearIfDrawn(*cerne_);
    clearIfDrawn(*Picture2_);
    clearIfDrawn(*story_);
    cerne_->setVisible(false);
    page(state.ToPage).setVisible(true);
    back_button_->setVisible(true);
  } else if (state.PanelBlue >= 55) {
    const svc::PictureBox& logo = pictureLanguage() == "cz" ? *Picture5_ : *Picture4_;
    blend(*cerne_, 106, 26, logo, state.BlendLevel, 1);
    state.BlendLevel = std::int16_t(state.BlendLevel + 4);
  } else {
    if (state.PanelRed < 29) ++state.PanelRed;
    if (state.PanelGreen < 34) ++state.PanelGreen;
    if (state.PanelBlue < 56) ++state.PanelBlue;
    cerne_->setBackColor(
        svc::rgb(unsigned(state.PanelRed), unsigned(state.PanelGreen), unsigned(state.PanelBlue)));
    cerne_->cls();
  }
}

void MenuWindow::clearIfDrawn(svc::PictureBox& box) {
  // The done state repeats every frame; a box that is still clear is left alone, so the window
  // is not composed again for nothing.
  auto it = cleared_.find(&box);
  if (it != cleared_.end() && it->second == box.surface().version()) return;
  box.cls();
  cleared_[&box] = box.surface().version();
}

}  // namespace game
