// Moving between the menu's pages: the forward moves and their slide, the back button and its
// slide, the hover texts of the main menu and the car page, the quit confirmation, the numpad
// keys and the start of a race.
#include <string>

#include "menu/menu_window.h"
#include "menu/selection_words.h"
#include "services/errors.h"
#include "services/utf8.h"
#include "startup/display_mode.h"

namespace game {

namespace {

std::string blanks(int n) {
  return std::string(std::size_t(n), ' ');
}

// The hover texts: their runs of blanks push the words onto separate lines of `informace`.
struct HoverItem {
  const char* control;
  const char* key;
  std::string text;
};
const std::vector<HoverItem>& hoverItems() {
  static const std::vector<HoverItem> items = {
      {"cudlik_nova_hra", "nova_hra",
       "Nová Hra" + blanks(20) + "později bude možno volit styl hry,auto,trasu atd..."},
      {"cudlik_nastaveni", "nastaveni",
       "Nastavení" + blanks(19) + "možnost nastavení rychlosti hry, grafiky, zvuků atd..."},
      {"cudlik_info", "info", "informace o hře" + blanks(9) + "ovládáni,typy her,aut atd..."},
      {"cudlik_konec", "konec", "konec hry" + blanks(18) + "ukončení hry Drovanta"},
      {"viper", "viper",
       kCarViper + blanks(36) + "Max. Speed = 160 Kmh" + blanks(16) + "Otáčení = High"},
      {"porsche", "porsche",
       kCarPorsche + blanks(38) + "Max. Speed = 167 Kmh" + blanks(16) + "Otáčení = Medium"},
      {"ferari", kCarFerari,
       kCarFerari + blanks(43) + "Max. Speed = 174 Kmh" + blanks(16) + "Otáčení = Low"},
  };
  return items;
}

// The back button's rows: the page name now, the page name after the step, the two pages.
struct BackRow {
  const char* name;
  const char* next;
  int from, to;
};
constexpr BackRow kBackRows[] = {
    {"novahra1", "", 1, 0},
    {"nastaveni", "", 2, 0},
    {"info", "", 4, 0},
    {"konec", "", 5, 0},
    {"grafika", "nastaveni", 6, 2},
    {"zvuky", "nastaveni", 7, 2},
    {"Jazyk", "nastaveni", 8, 2},
    {"obtiznost", "nastaveni", 15, 2},
    {"novahra2", "novahra1", 9, 1},
    {"novahra3", "novahra2", 10, 9},
    {"novahra4", "novahra3", 11, 10},
    {"novahra5", "novahra4", 12, 11},
    {"novahra6", "novahra5", 13, 12},
    {"novahra7", "novahra6", 14, 13},
};

// The game types whose choice ends its slide in a story, in the order they are tested.
constexpr const char* kStoryTypes[] = {kTypeChampionship, kTypeTraining, kTypeFreeRide, kTypeRace,
                                       kTypeKolderRun};

constexpr int kEntryX = 536;
constexpr int kPageTop = 100;

}  // namespace

void MenuWindow::wireNavigation() {
  auto onClick = [this](const char* name, std::function<void()> f) {
    form_.control(name).mouse.click = std::move(f);
  };
  onClick("cudlik_nova_hra", [this] {
    label("Obtiznost").setCaption(label("Label2").caption());
    form_.textBox("Text1").setText(settings_.get("hrac"));
    forwardMove("novahra1", 0, 1);
  });
  onClick("cudlik_nastaveni", [this] { forwardMove("nastaveni", 0, 2); });
  onClick("cudlik_info", [this] {
    openInfo();
    forwardMove("info", 0, 4);
  });
  onClick("cudlik_konec", [this] { forwardMove("konec", 0, 5); });
  // The switches show what is in force as their page opens, so the first click changes it.
  onClick("nastaveni_grafika", [this] {
    showGraphicsState();
    forwardMove("grafika", 2, 6);
  });
  onClick("nastaveni_zvuky", [this] {
    showSoundState();
    forwardMove("zvuky", 2, 7);
  });
  // This button opens the language page.
  onClick("nastaveni_obtiznost", [this] { forwardMove("Jazyk", 2, 8); });
  onClick("obt", [this] {
    runtime_.loadInto(page(15), menuFolder() + "16.bmp");
    forwardMove("obtiznost", 2, 15);
  });
  onClick("konecano", [this] { quitConfirmed(); });
  onClick("starting", [this] { startRace(); });
  back_button_->mouse.click = [this] { backClick(); };

  for (const HoverItem& item : hoverItems())
    form_.control(item.control).mouse.move = [this, &item](int, int, int) {
      if (state.HoverKey == item.key) return;
      state.HoverPos = 0;
      state.HoverShown = "";
      state.HoverKey = item.key;
      TypeHoverText(item.text, 0.01);
    };
  // The window's own background stops any typing and empties the panel; the key stays, so the
  // same item shows nothing until another one has been hovered.
  form_.mouse.move = [this](int, int, int) {
    state.HoverPos = 500;
    informace_->setCaption("");
  };
  form_.onKeyUp = [this](int key) { keyReleased(key); };
}

void MenuWindow::forwardMove(const char* pageName, int from, int to, bool hideBeforeSlide) {
  infoLabel_->setCaption(pageName);
  state.FromPage = std::int16_t(from);
  state.ToPage = std::int16_t(to);
  page(to).setVisible(true);
  page(to).move(kEntryX, kPageTop);
  if (hideBeforeSlide) page(to).setVisible(false);
  SlideForward();
}

void MenuWindow::SlideForward() {
  if (onEffect) onEffect("slide");
  auto moveBoth = [this](int dx) {
    page(state.FromPage).setLeft(page(state.FromPage).left() + dx);
    page(state.ToPage).setLeft(page(state.ToPage).left() + dx);
  };
  while (page(state.ToPage).left() >= 100) {
    pacePass();
    runtime_.doEvents();
    bool storyType = false;
    for (const char* type : kStoryTypes) {
      storyType = selection("typ") == type && state.FromPage == 10 && state.ToPage == 11;
      if (!storyType) continue;
      moveBoth(-10);
      if (page(11).left() < 111) StartStory();
    }
    // Only when the last test (the Kolder Run) failed: the other story types move twice a pass.
    if (!storyType) {
      if (state.ToPage == 14 && settings_.get("jazyk") == "ang") summaryInEnglish();
      moveBoth(-10);
    }
    delay(0);
    runtime_.doEvents();
  }
  back_button_->setVisible(true);
  showRecordLine();
}

void MenuWindow::SlideBack() {
  if (onEffect) onEffect("slide");
  while (page(state.ToPage).left() <= 100) {
    pacePass();
    runtime_.doEvents();
    page(state.FromPage).setLeft(page(state.FromPage).left() + 10);
    page(state.ToPage).setLeft(page(state.ToPage).left() + 10);
    delay(0);
    runtime_.doEvents();
  }
  showRecordLine();
}

void MenuWindow::pacePass() {
  // 60 passes a second (17, 17 and 16 ms), the rate of the display's refresh, so a slide looks
  // the same on any machine and its loop sleeps between pictures.
  svc::Clock& clock = runtime_.clock();
  const std::uint32_t due = lastPass_ + (passPhase_ == 2 ? 16u : 17u);
  passPhase_ = (passPhase_ + 1) % 3;
  const std::uint32_t now = clock.ticks();
  // A pass more than a refresh late (the first of a slide) starts the count afresh.
  if (!svc::tickAfter(due, now) || svc::tickAfter(due, now + 17)) {
    lastPass_ = now;
    return;
  }
  clock.waitUntil(due);
  lastPass_ = due;
}

void MenuWindow::backClick() {
  // Each row is tested against the page name as it is now, so one click moves one step.
  for (const BackRow& row : kBackRows) {
    if (infoLabel_->caption() != row.name) continue;
    infoLabel_->setCaption(row.next);
    state.FromPage = std::int16_t(row.from);
    state.ToPage = std::int16_t(row.to);
    SlideBack();
  }
  if (infoLabel_->caption().empty()) back_button_->setVisible(false);
}

void MenuWindow::TypeHoverText(const std::string& text, double seconds) {
  // The fields are shared: a hover text started during the waits takes over, and when it ends
  // this loop finds the position past its own text too.
  state.HoverLength = std::int16_t(svc::utf8Length(text));
  while (state.HoverLength >= state.HoverPos) {
    runtime_.doEvents();
    // The events may have started another text or stopped this one; a letter typed now would
    // be this text's, left behind in the other.
    if (state.HoverLength < state.HoverPos) break;
    ++state.HoverPos;
    state.HoverShown += svc::utf8CharAt(text, std::size_t(state.HoverPos));
    informace_->setCaption(state.HoverShown);
    delay(seconds);
    runtime_.doEvents();
  }
}

void MenuWindow::quitConfirmed() {
  settings_.set("rez1", "true");
  form_.setPicture(nullptr, "");
  for (svc::PictureBox* p : pages_) p->releasePicture();
  if (settings_.get("Rozliseni") != "0")
    RestoreDisplayMode(runtime_.presenter(), settings_.get("runing"));
  settings_.unload();
  throw svc::ProgramEnd{false};
}

void MenuWindow::keyReleased(int key) {
  // F11: full screen on or off, as the graphics page's switch does it.
  if (key == 122) toggleFullScreen();
  // Numpad plus and minus pace the story animations; never below 1 ms, never past the field.
  if (key == 107 && state.MenuFrameInterval < INT16_MAX) ++state.MenuFrameInterval;
  if (key == 109 && state.MenuFrameInterval > 1) --state.MenuFrameInterval;
}

void MenuWindow::startRace() {
  summaryInCzech();
  informace_->setCaption("Moment Prosím" + blanks(42) + "Načítá se hra ...");
  runtime_.present();
  if (loadRace) loadRace();
}

}  // namespace game
