// The menu window `menu`: the pages between the start of the program and a race. It owns the
// selection record (the captions of its labels) that a race starts from.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "services/fields.h"
#include "services/form.h"
#include "services/platform.h"
#include "services/runtime.h"
#include "startup/settings_store.h"

namespace game {

// The menu's own state besides its controls.
struct MenuState {
  std::int16_t FromPage = 0;
  std::int16_t ToPage = 0;
  std::string HoverKey;
  std::int16_t HoverLength = 0;
  std::int16_t HoverPos = 0;
  std::string HoverShown;
  std::int16_t MenuFrameInterval = 20;
  std::string MenuReady;
  std::uint32_t MenuNextTick = 0;
  bool StoryShowing = false;
  std::int16_t BlendLevel = 0;
  std::int16_t PanelRed = 0, PanelGreen = 0, PanelBlue = 0;
  bool FadePictureFirst = false;
  bool FadeFromPicture = false;
  double StoryY = 0;
  std::int16_t StoryX = 0;
  std::int16_t BackFrame = 0;
  std::string InfoScroll;

  std::vector<svc::Field> fields();
};

// The fields of the selection record.
inline constexpr const char* kSelectionFields[] = {"typ",   "hraci", "auto",      "barva",
                                                   "trasa", "ridic", "Obtiznost", "smykovani"};

// The pages of `gamemenu`, 0 to 15; index 3 is a slot no operation enters.
inline constexpr int kPageCount = 16;

class MenuWindow {
 public:
  MenuWindow(svc::Runtime& runtime, SettingsStore& settings);

  svc::Form& form() { return form_; }
  MenuState state;
  svc::MusicPlayer& music() { return *music_; }

  // The menu's load and show (run once, from the start-up load).
  void load();
  bool loaded() const { return loaded_; }
  // Brings the window forward.
  void show() { form_.show(); }
  // Closes the menu for good: the window goes and its music stops.
  void close();

  // The selection record by field name.
  std::string selection(const std::string& field) const;
  void setSelection(const std::string& field, const std::string& value);

  // Waits the given number of seconds while processing window events. Counted on the clock of
  // the seconds since midnight, and right across midnight.
  void delay(double seconds);

  // Starts a race from the selection record, as the summary page's start button does. The race
  // is created by the program that assembles the game; this call does not return.
  void startRace();
  std::function<void()> loadRace;
  // Asks for a sound effect ("click" for a button, "slide" for a page slide); the program that
  // assembles the game plays it.
  std::function<void(const char* effect)> onEffect;

  // Navigation.
  void SlideForward();
  void SlideBack();
  void TypeHoverText(const std::string& text, double seconds);

  // The story's frame loops and their steps. The loops never end; everything else the menu does
  // from then on runs inside their event processing.
  [[noreturn]] void StoryLoop();
  [[noreturn]] void FadeOutLoop();
  [[noreturn]] void EndStory();
  void PanelFadeStep();
  void StoryDrawStep();
  void StoryScrollStep();
  void FadeOutStep();
  void BackAnimation();

 private:
  // Building the window (menu_build.cpp).
  void build();
  void buildPages();
  void buildPanels();
  svc::PictureBox& page(int index) const { return *pages_[std::size_t(index)]; }
  svc::Label& label(const std::string& name) const { return form_.label(name); }
  svc::ImageBox& area(const std::string& name) const { return form_.image(name); }
  // The language folder of the menu and story pictures: `jazyk`, or the English pictures for a
  // code that has none of its own (the settings file's default word, for example).
  std::string pictureLanguage() const;
  std::string menuFolder() const { return "/gfx/menu/" + pictureLanguage() + "/"; }

  // Navigation (menu_navigation.cpp).
  void wireNavigation();
  void forwardMove(const char* pageName, int from, int to, bool hideBeforeSlide = false);
  void backClick();
  void quitConfirmed();
  void keyReleased(int key);
  void hover(const char* key, const char* text);
  // Each pass of a slide puts one picture on the screen, at most one a display refresh.
  void pacePass();

  // The selection record and the locks (menu_selection.cpp).
  void wireSelection();
  void applyLocks();
  void loadCarLocks();
  void applyModeLocks();
  void chooseGameType(const std::string& button);
  void chooseCar(const std::string& button);
  void chooseTrack(const std::string& button);
  void summaryInEnglish();
  void summaryInCzech();
  // The record of the chosen track and car, beside the summary page (menu_selection.cpp).
  std::string czechSelection(const std::string& field) const;
  void showRecordLine();

  // The settings pages (menu_settings.cpp).
  void wireSettings();
  void toggleFullScreen();
  void toggleMusic();
  void pickVolume(const char* caption, int value);
  void pickLanguage(const std::string& code);
  void stepDifficulty();
  void setDifficultyLabel();
  void loadPagePictures(const std::string& language);
  // The sound page's switch for the sound effects, kept in the options (menu_settings.cpp).
  void buildEffectsSwitch();
  void showEffectsSwitch(const std::string& language);

  // What the settings pages show of the state in force (menu_marks.cpp).
  void showGraphicsState();
  void showSoundState();
  int volumeInForce() const;
  void loadMarks(const std::string& language);
  void markLanguage();
  void markVolume();

  // Effects, music, story and info (menu_effects.cpp, menu_story.cpp).
  void wireEffects();
  void startMusic();
  void applyVolume();
  void InfoScrollStep();
  void StartStory();
  void openInfo();
  [[noreturn]] void runFrames(void (MenuWindow::*step)());
  void storyFrame();
  void clearIfDrawn(svc::PictureBox& box);

  svc::Runtime& runtime_;
  SettingsStore& settings_;
  svc::Form form_;
  std::unique_ptr<svc::MusicPlayer> music_;
  bool loaded_ = false;
  // The controls used most, looked up once; the click areas and the other labels (`langue`,
  // `rozliseni`, the selection record) are found by name through the form.
  std::array<svc::PictureBox*, kPageCount> pages_{};  // `gamemenu(0)` to `gamemenu(15)`
  // cerne: the story panel whose colour fades; story: the box the story text scrolls in;
  // Picture2: the box the game type's picture builds up in.
  svc::PictureBox *cerne_ = nullptr, *story_ = nullptr, *Picture2_ = nullptr;
  // Hidden sources of the story: Picture3 the game type's picture, text the story text,
  // Picture1 the mask that frames the text.
  svc::PictureBox *Picture3_ = nullptr, *text_ = nullptr, *Picture1_ = nullptr;
  // Picture6: the fade picture of the story's end; Picture4, Picture5: the English and the Czech
  // logo blended onto `cerne` at the end.
  svc::PictureBox *Picture6_ = nullptr, *Picture4_ = nullptr, *Picture5_ = nullptr;
  // Picture8: the info picture scrolled in the viewport `Picture7` of page 4; back_button: the
  // animated back button (its frames by `Timer1`, 200 ms; `Timer2` scrolls the info picture).
  svc::PictureBox *Picture8_ = nullptr, *back_button_ = nullptr;
  std::array<svc::ImagePtr, 4> backFrames_;  // the back button's frames, kept once loaded
  // informace: the hover text panel inside `tma`; infoLabel: hidden, its caption is the name of
  // the page shown, which the back button's rows go by.
  svc::Label *informace_ = nullptr, *infoLabel_ = nullptr;
  // The language and sound pages drawn in each of their states, a band of rows a state.
  svc::Surface languageMarks_, volumeMarks_;
  // The slides' pass clock.
  std::uint32_t lastPass_ = 0;
  int passPhase_ = 0;
  // The versions picture boxes had when last cleared, so clearing a clear box changes nothing.
  std::map<const svc::PictureBox*, std::uint64_t> cleared_;
};

}  // namespace game
