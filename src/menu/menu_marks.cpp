// What the settings pages show of the state in force: the switches of the graphics and sound
// pages as their page opens, and the marks of the chosen language and of the volume level,
// bands cut from pictures of those pages drawn in each state.
#include <algorithm>
#include <cmath>
#include <string>

#include "menu/menu_volumes.h"
#include "menu/menu_window.h"

namespace game {

namespace {

// The page rows each state picture replaces; a picture holds one band of them a state.
constexpr int kLanguageBandTop = 50;  // both flag buttons
constexpr int kVolumeBandTop = 130;   // the volume bars and the pointer beneath them
// The language states: Czech chosen, English chosen.
constexpr int kLanguageStates = 2;
// The volume states: none of the eight bars lit up to all of them.
constexpr int kVolumeStates = 9;

void pasteBand(svc::PictureBox& page, const svc::Surface& states, int count, int state, int top) {
  const int h = states.height() / count;
  svc::bitBlt(page.surface(), 0, top, states.width(), h, states, 0, state * h, svc::Rop::Copy);
}

// The volume as the sound page writes it: an area's own caption, or the percentage on the same
// scale (2 decibels a 10 % step) for a value between them.
std::string volumeCaption(int volume) {
  for (const VolumeArea& v : kVolumeAreas)
    if (v.value == volume) return v.caption;
  const long percent = std::clamp(std::lround(100 + volume / 20.0), 0L, 100L);
  return std::to_string(percent) + " %";
}

}  // namespace

void MenuWindow::showGraphicsState() {
  label("full").setCaption(runtime_.presenter().fullscreen() ? "ANO" : "NE");
}

void MenuWindow::showSoundState() {
  label("zvuky").setCaption(music_->playing() ? "ANO" : "NE");
  label("hlasitost").setCaption(volumeCaption(volumeInForce()));
  markVolume();
}

int MenuWindow::volumeInForce() const {
  // The stored volume is the one the music plays at, or will once it is switched on; one that is
  // no number leaves the player where it is.
  return settings_.musicVolume().value_or(music_->volume());
}

void MenuWindow::loadMarks(const std::string& language) {
  const std::string folder = "/gfx/menu/" + language + "/";
  languageMarks_.setPicture(runtime_.loadPicture(folder + "jazyk.bmp"), true);
  volumeMarks_.setPicture(runtime_.loadPicture(folder + "hlasitost.bmp"), true);
  markLanguage();
  markVolume();
}

void MenuWindow::markLanguage() {
  // The pictures' language is the one chosen (English for a code without pictures of its own).
  pasteBand(page(8), languageMarks_, kLanguageStates, pictureLanguage() == "cz" ? 0 : 1,
            kLanguageBandTop);
}

void MenuWindow::markVolume() {
  const int volume = volumeInForce();
  const auto lit = std::count_if(std::begin(kVolumeAreas), std::end(kVolumeAreas),
                                 [volume](const VolumeArea& v) { return v.value <= volume; });
  pasteBand(page(7), volumeMarks_, kVolumeStates, int(lit), kVolumeBandTop);
}

}  // namespace game
