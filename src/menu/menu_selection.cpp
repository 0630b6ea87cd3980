// The new-game pages: what each button writes into the selection record, the locks on game
// types, cars and tracks with their overlays, and the English display of the summary page.
#include <string>
#include <vector>

#include "menu/menu_window.h"
#include "menu/selection_words.h"

namespace game {

namespace {

// The summary page shows these fields in English; the other fields keep their words.
struct Translation {
  const char* field;
  const char* czech;
  const char* english;
};
std::vector<Translation> summaryEnglish() {
  std::vector<Translation> rows;
  for (const ColourWord& c : kColours)
    if (c.english) rows.push_back({"barva", c.barva, c.english});
  for (const WordPair& t : kTrackWords) rows.push_back({"trasa", t.czech, t.english});
  rows.push_back({"hraci", kOnePlayer.czech, kOnePlayer.english});
  for (const GameTypeWord& t : kGameTypes)
    if (t.english) rows.push_back({"typ", t.typ, t.english});
  return rows;
}

}  // namespace

void MenuWindow::wireSelection() {
  form_.control("dale1").mouse.click = [this] {
    settings_.set("hrac", form_.textBox("Text1").text());
    forwardMove("novahra2", 1, 9);
  };
  form_.control("oneplayer").mouse.click = [this] {
    applyLocks();
    setSelection("hraci", kOnePlayer.czech);
    forwardMove("novahra3", 9, 10);
  };
  for (const GameTypeWord& t : kGameTypes)
    form_.control(t.button).mouse.click = [this, &t] { chooseGameType(t.button); };
  for (const CarWord& c : kCars)
    form_.control(c.button).mouse.click = [this, &c] { chooseCar(c.button); };
  for (const ColourWord& c : kColours)
    form_.control(c.button).mouse.click = [this, &c] {
      setSelection("barva", c.barva);
      forwardMove("novahra6", 12, 13);
    };
  for (const char* track : {"vesnice", "mesto"})
    form_.control(track).mouse.click = [this, track] { chooseTrack(track); };
}

void MenuWindow::applyLocks() {
  loadCarLocks();
  applyModeLocks();
  const std::string cars = settings_.get("unlockauta");
  if (cars == "0" || cars == "1" || cars == "2") area("viper").releasePicture();
  if (cars == "1" || cars == "2") area("porsche").releasePicture();
  if (cars == "2") area("ferari").releasePicture();
}

void MenuWindow::loadCarLocks() {
  // Car overlays come from the Czech folder whatever the language.
  for (const CarWord& car : kCars)
    runtime_.loadInto(area(car.button), std::string("/gfx/menu/cz/") + car.lockOverlay + ".bmp");
}

void MenuWindow::applyModeLocks() {
  runtime_.loadInto(area("champinship"), menuFolder() + "cham.bmp");
  runtime_.loadInto(area("kolderrun"), menuFolder() + "kold.bmp");
  const std::string modes = settings_.get("unlockmody");
  if (modes == "1" || modes == "2") area("champinship").releasePicture();
  if (modes == "2") area("kolderrun").releasePicture();
}

void MenuWindow::chooseGameType(const std::string& button) {
  const GameTypeWord* type = nullptr;
  for (const GameTypeWord& t : kGameTypes)
    if (button == t.button) type = &t;
  const std::string typ = type->typ;
  const bool kolder = typ == kTypeKolderRun, training = typ == kTypeTraining;
  const std::string modes = settings_.get("unlockmody");
  const std::string cars = settings_.get("unlockauta");

  if (kolder) {
    // Only the car overlays, so unlocked cars look locked; the truck is the Kolder Run's own.
    loadCarLocks();
    area("bonus").releasePicture();
  } else {
    applyLocks();
  }
  if (typ == kTypeChampionship && modes != "1" && modes != "2") return;
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
    setSelection("trasa", kTrackCity.czech);
    setSelection("auto", kKolderRunCar);
    setSelection("barva", colourWord(Paint::Blue).barva);
  }
  forwardMove("novahra4", 10, 11, true);
}

void MenuWindow::chooseCar(const std::string& button) {
  const std::string cars = settings_.get("unlockauta");
  const CarWord* car = nullptr;
  for (const CarWord& c : kCars)
    if (button == c.button) car = &c;
  if (button == "porsche" && cars != "1" && cars != "2") return;
  if (button == "ferari" && cars != "2") return;
  if (button == "bonus" && !(selection("typ") == kTypeKolderRun && cars == "2")) return;
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
    setSelection("trasa", typ == kTypeTraining ? kTrackParking.czech : kTrackVillage.czech);
  } else {
    if (typ != kTypeTraining && settings_.get("unlockauta") == "0") return;
    setSelection("trasa", typ == kTypeTraining       ? kTrackCircuit.czech
                          : typ == kTypeChampionship ? kTrackVillage.czech
                                                     : kTrackCity.czech);
  }
  setSelection("ridic", form_.textBox("Text1").text());
  forwardMove("novahra7", 13, 14);
}

void MenuWindow::summaryInEnglish() {
  for (const Translation& t : summaryEnglish())
    if (selection(t.field) == t.czech) setSelection(t.field, t.english);
}

void MenuWindow::summaryInCzech() {
  for (const Translation& t : summaryEnglish())
    if (selection(t.field) == t.english) setSelection(t.field, t.czech);
}

std::string MenuWindow::czechSelection(const std::string& field) const {
  const std::string shown = selection(field);
  for (const Translation& t : summaryEnglish())
    if (t.field == field && shown == t.english) return t.czech;
  return shown;
}

void MenuWindow::showRecordLine() {
  svc::Label& line = label("rekord");
  if (state.ToPage != 14 || !page(14).visible()) {
    line.setVisible(false);
    return;
  }
  const bool cz = settings_.pictureLanguage() == "cz";
  const RecordOf of{czechSelection("trasa"), czechSelection("auto"), czechSelection("Obtiznost")};
  const RecordsStore& records = settings_.records();
  std::string text;
  if (czechSelection("typ") == kTypeKolderRun) {
    if (const auto best = records.best(RecordKind::Kolder, of))
      text = (cz ? "Rekord: " : "Record: ") + std::to_string(int(*best)) +
             (cz ? " balíků" : " parcels");
  } else {
    const auto lap = records.best(RecordKind::Lap, of);
    const auto race = records.best(RecordKind::Race, of);
    if (lap || race)
      text = std::string(cz ? "Rekord trati\nkolo " : "Track record\nlap ") +
             (lap ? recordTimeText(*lap) : "-") + (cz ? "\nzávod " : "\nrace ") +
             (race ? recordTimeText(*race) : "-");
  }
  line.setCaption(text);
  line.setVisible(!text.empty());
}

}  // namespace game
