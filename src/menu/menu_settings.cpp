// The settings pages: full screen, skid marks, music and its volume, language and difficulty.
#include <string>

#include "menu/menu_volumes.h"
#include "menu/menu_window.h"
#include "menu/selection_words.h"
#include "startup/display_mode.h"

namespace game {

namespace {

// The difficulty words by settings value "0", "1", "2".
struct LevelWords {
  bool english;
  const char* operator[](int i) const {
    return english ? kDifficulties[i].english : kDifficulties[i].czech;
  }
};
constexpr LevelWords kCzechLevels{false};
constexpr LevelWords kEnglishLevels{true};

}  // namespace

void MenuWindow::wireSettings() {
  label("full").mouse.click = [this] { toggleFullScreen(); };
  label("smykovani").mouse.click = [this] {
    svc::Label& l = label("smykovani");
    l.setCaption(l.caption() == "ANO" ? "NE" : "ANO");
  };
  label("zvuky").mouse.click = [this] { toggleMusic(); };
  for (const VolumeArea& v : kVolumeAreas)
    area(v.area).mouse.click = [this, &v] { pickVolume(v.caption, v.value); };
  area("Image1").mouse.click = [this] { pickLanguage("cz"); };
  area("Image2").mouse.click = [this] { pickLanguage("ang"); };
  label("Label2").mouse.click = [this] { stepDifficulty(); };
}

void MenuWindow::toggleFullScreen() {
  svc::Label& full = label("full");
  full.setCaption(full.caption() == "ANO" ? "NE" : "ANO");
  settings_.set("Rozliseni", full.caption() == "ANO" ? "1" : "0");
  if (full.caption() != "NE") {
    SetDisplayMode(runtime_.presenter(), kPlayWidth, kPlayHeight);
    form_.move(0, 0);
  } else {
    const WindowPlace place =
        RestoreDisplayMode(runtime_.presenter(), label("rozliseni").caption());
    form_.move(place.left, place.top);
    form_.resize(kPlayWidth, kPlayHeight);
  }
}

void MenuWindow::toggleMusic() {
  svc::Label& zvuky = label("zvuky");
  if (zvuky.caption() != "ANO") {
    settings_.set("zkuky", "1");
    // Music that was off at the start has no file yet: it starts as it does at the load.
    if (music_->fileName().empty()) {
      startMusic();
    } else {
      music_->play();
    }
    zvuky.setCaption("ANO");
  } else {
    zvuky.setCaption("NE");
    settings_.set("zkuky", "0");
    music_->pause();
  }
}

void MenuWindow::pickVolume(const char* caption, int value) {
  label("hlasitost").setCaption(caption);
  settings_.set("hlasitost", std::to_string(value));
  applyVolume();
  markVolume();
}

void MenuWindow::pickLanguage(const std::string& code) {
  svc::Label& langue = label("langue");
  if (langue.caption() == code) return;
  langue.setCaption(code);
  settings_.set("jazyk", code);
  // The difficulty word follows when it is the other language's word for the same level.
  svc::Label& level = label("Label2");
  const auto& from = code == "ang" ? kCzechLevels : kEnglishLevels;
  const auto& to = code == "ang" ? kEnglishLevels : kCzechLevels;
  for (int i = 0; i < 3; ++i)
    if (level.caption() == from[i]) {
      level.setCaption(to[i]);
      break;
    }
  loadPagePictures(code);
}

void MenuWindow::stepDifficulty() {
  svc::Label& level = label("Label2");
  const auto& words = settings_.get("jazyk") == "ang" ? kEnglishLevels : kCzechLevels;
  auto step = [&](int from, int to) {
    if (level.caption() != words[from]) return;
    level.setCaption(words[to]);
    settings_.set("Obtiznost", std::to_string(to));
  };
  if (level.caption() == words[2]) {
    step(2, 0);
  } else {
    // Medium before Easy, so one click is one step.
    step(1, 2);
    step(0, 1);
  }
}

void MenuWindow::setDifficultyLabel() {
  const std::string code = settings_.get("jazyk");
  const std::string value = settings_.get("Obtiznost");
  if (code != "cz" && code != "ang") return;
  const auto& words = code == "ang" ? kEnglishLevels : kCzechLevels;
  for (int i = 0; i < 3; ++i)
    if (value == std::to_string(i)) label("Label2").setCaption(words[i]);
}

void MenuWindow::buildEffectsSwitch() {
  // Above the music's switch, left of the free space under the speaker: the page's own
  // controls keep their places.
  svc::Label& name = form_.addLabel("efektyText", "Efekty", 8, 88, 84, 13, &page(7));
  name.style = {11, true};
  name.wordWrap = false;
  name.align = svc::Align::Right;
  name.centreVertically = true;
  svc::Label& value = form_.addLabel("efekty", "ANO", 96, 88, 23, 13, &page(7));
  value.style = {9, true};
  value.wordWrap = false;
  value.align = svc::Align::Centre;
  value.centreVertically = true;
  // The look of the music's switch, whose box the page picture draws.
  value.foreColor = svc::rgb(255, 214, 110);
  value.transparent = false;
  value.backColor = svc::rgb(26, 24, 30);
  value.mouse.click = [this] {
    svc::Label& v = label("efekty");
    const bool on = v.caption() != "ANO";
    v.setCaption(on ? "ANO" : "NE");
    settings_.options().set("effects", on ? "1" : "0");
  };
}

void MenuWindow::showEffectsSwitch(const std::string& language) {
  label("efektyText").setCaption(language == "cz" ? "Efekty" : "Effects");
  label("efekty").setCaption(settings_.options().on("effects") ? "ANO" : "NE");
}

}  // namespace game
