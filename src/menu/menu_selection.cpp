// The new-game pages: what each button writes into the selection record, the locks on game
// types, cars and tracks with their overlays, and the English display of the summary page.
#include <string>

#include "menu/menu_window.h"

namespace game {

namespace {

struct GameType {
  const char* button;
  const char* typ;
  const char* trackPage;  // the track page's picture for this game type
  const char* storyFolder;
};
constexpr GameType kGameTypes[] = {
    {"freeride", "Volná jízda", "13", "vol"},     {"speedrace", "Závody", "13", "zav"},
    {"champinship", "Championat", "15", "champ"}, {"kolderrun", "Kolder Run", "13", "kold"},
    {"vyuka", "Vyuka", "vyuka", "okr"},
};

struct Car {
  const char* button;
  const char* name;
  const char* folder;
};
constexpr Car kCars[] = {{"viper", "Viper GTS", "viper"},
                         {"porsche", "Porsche", "porsche"},
                         {"ferari", "Ferari", "ferari"},
                         {"bonus", "Truck", "b"}};

// The colour areas take the car's colour pictures 0 to 4 in this order.
struct Colour {
  const char* button;
  const char* barva;
};
constexpr Colour kColours[] = {{"cervena", "Červená"},
                               {"modra", "Modrá"},
                               {"zelena", "Zelená"},
                               {"zluta", "Žlutá"},
                               {"bila", "Bílá"}};

// Car overlays come from the Czech folder whatever the language.
constexpr const char* kCarLocks[][2] = {
    {"viper", "vip"}, {"porsche", "por"}, {"ferari", "fer"}, {"bonus", "tru"}};

struct Translation {
  const char* field;
  const char* czech;
  const char* english;
};
constexpr Translation kSummaryEnglish[] = {
    {"barva", "Červená", "Red"},         {"barva", "Modrá", "Blue"},
    {"barva", "Zelená", "Green"},        {"barva", "Žlutá", "Yellow"},
    {"trasa", "Město", "City"},          {"trasa", "Vesnice", "Village"},
    {"trasa", "Parkoviště", "Parking"},  {"trasa", "Okruh", "Round"},
    {"hraci", "Jeden", "One"},           {"typ", "Závody", "Race"},
    {"typ", "Volná jízda", "Free ride"}, {"typ", "Vyuka", "Training"},
};

}  // namespace

void MenuWindow::wireSelection() {
  form_.control("dale1").mouse.click = [this] {
    settings_.set("hrac", form_.textBox("Text1").text());
    forwardMove("novahra2", 1, 9);
  };
  form_.control("oneplayer").mouse.click = [this] {
    applyLocks();
    setSelection("hraci", "Jeden");
    forwardMove("novahra3", 9, 10);
  };
  for (const GameType& t : kGameTypes)
    form_.control(t.button).mouse.click = [this, &t] { chooseGameType(t.button); };
  for (const Car& c : kCars)
    form_.control(c.button).mouse.click = [this, &c] { chooseCar(c.button); };
  for (const Colour& c : kColours)
    form_.control(c.button).mouse.click = [this, &c] {
      setSelection("barva", c.barva);
      forwardMove("novahra6", 12, 13);
    };
  for (const char* track : {"vesnice", "mesto"})
    form_.control(track).mouse.click = [this, track] { chooseTrack(track); };
}

void MenuWindow::applyLocks() {
  for (const auto& [button, file] : kCarLocks)
    runtime_.loadInto(area(button), std::string("/gfx/menu/cz/") + file + ".bmp");
  applyModeLocks();
  const std::string cars = settings_.get("unlockauta");
  if (cars == "0" || cars == "1" || cars == "2") area("viper").releasePicture();
  if (cars == "1" || cars == "2") area("porsche").releasePicture();
  if (cars == "2") area("ferari").releasePicture();
}

void MenuWindow::applyModeLocks() {
  runtime_.loadInto(area("champinship"), menuFolder() + "cham.bmp");
  runtime_.loadInto(area("kolderrun"), menuFolder() + "kold.bmp");
  const std::string modes = settings_.get("unlockmody");
  if (modes == "1" || modes == "2") area("champinship").releasePicture();
  if (modes == "2") area("kolderrun").releasePicture();
}

void MenuWindow::chooseGameType(const std::string& button) {
  const GameType* type = nullptr;
  for (const GameType& t : kGameTypes)
    if (button == t.button) type = &t;
  const std::string typ = type->typ;
  const bool kolder = typ == "Kolder Run", training = typ == "Vyuka";
  const std::string modes = settings_.get("unlockmody");
  const std::string cars = settings_.get("unlockauta");

  if (kolder) {
    // Only the car overlays, so unlocked cars look locked; the truck is the Kolder Run's own.
    for (const auto& [carButton, file] : kCarLocks)
      runtime_.loadInto(area(carButton), std::string("/gfx/menu/cz/") + file + ".bmp");
    area("bonus").releasePicture();
  } else {
    applyLocks();
  }
  if (typ == "Championat" && modes != "1" && modes != "2") return;
  if (kolder && modes != "2") return;

  svc::ImageBox& village = area("vesnice");
  svc::ImageBox& city = area("mesto");
  if (kolder)
    village.setPicture(area("Image4").picture(), area("Image4").pictureFile());
  else
    village.releasePicture();
  if (training || cars != "0")
    city.releasePicture();
  else
    city.setPicture(area("Image3").picture(), area("Image3").pictureFile());

  back_button_->setVisible(false);
  state.FadePictureFirst = true;
  state.PanelRed = 29;
  state.PanelGreen = 34;
  state.PanelBlue = 56;
  cerne_->setBackColor(svc::rgb(29, 34, 56));
  setSelection("typ", typ);

  runtime_.loadInto(page(13), menuFolder() + type->trackPage + ".bmp");
  const std::string story = "/gfx/story/" + pictureLanguage() + "/" + type->storyFolder;
  runtime_.loadInto(*text_, story + "/story.bmp");
  runtime_.loadInto(*Picture3_, story + "/obr.bmp");
  if (kolder) {
    setSelection("trasa", "Město");
    setSelection("auto", "Naklaďak");
    setSelection("barva", "Modrá");
  }
  forwardMove("novahra4", 10, 11, true);
}

void MenuWindow::chooseCar(const std::string& button) {
  const std::string cars = settings_.get("unlockauta");
  const Car* car = nullptr;
  for (const Car& c : kCars)
    if (button == c.button) car = &c;
  if (button == "porsche" && cars != "1" && cars != "2") return;
  if (button == "ferari" && cars != "2") return;
  if (button == "bonus" && !(selection("typ") == "Kolder Run" && cars == "2")) return;
  setSelection("auto", car->name);
  for (int i = 0; i < 5; ++i)
    runtime_.loadInto(area(kColours[i].button),
                      std::string("/gfx/cars/") + car->folder + "/" + std::to_string(i) + ".bmp");
  forwardMove("novahra5", 11, 12);
}

void MenuWindow::chooseTrack(const std::string& button) {
  const std::string typ = selection("typ");
  if (button == "vesnice") {
    // Locked while the area shows the Kolder Run's overlay.
    const svc::ImageBox& village = area("vesnice");
    if (village.picture() && village.picture() == area("Image4").picture()) return;
    setSelection("trasa", typ == "Vyuka" ? "Parkoviště" : "Vesnice");
  } else {
    if (typ != "Vyuka" && settings_.get("unlockauta") == "0") return;
    setSelection("trasa", typ == "Vyuka" ? "Okruh" : typ == "Championat" ? "Vesnice" : "Město");
  }
  setSelection("ridic", form_.textBox("Text1").text());
  forwardMove("novahra7", 13, 14);
}

void MenuWindow::summaryInEnglish() {
  for (const Translation& t : kSummaryEnglish)
    if (selection(t.field) == t.czech) setSelection(t.field, t.english);
}

void MenuWindow::summaryInCzech() {
  for (const Translation& t : kSummaryEnglish)
    if (selection(t.field) == t.english) setSelection(t.field, t.czech);
}

}  // namespace game
