// The table of menu pages: click areas, labels, captions and decorations.
#include "menu/menu_layout.h"

#include <stdexcept>

namespace art::menu {

namespace {

Area button(const char* name, Rect r, Words label, Icon icon) {
  return {name, r, Kind::Button, label, icon};
}
Area field(const char* name, Rect r) {
  return {name, r, Kind::Field};
}
Area value(const char* name, int y) {
  return {name, {88, y, 65, 16}, Kind::Value};
}
Area track(const char* name, Rect r, Track t, Words label) {
  Area a{name, r, Kind::Track, label};
  a.track = t;
  return a;
}
Area slot(const char* name, int x, int y, int colour) {
  Area a{name, {x, y, 14, 30}, Kind::Slot};
  a.level = colour;
  return a;
}
Area volume(const char* name, int x, int w, int level) {
  Area a{name, {x, 136, w, 15}, Kind::Volume};
  a.level = level;
  return a;
}
Caption hint(Words text, double y) {
  return {text, 77.5, y, Align::Centre, 9, false, true};
}

// The track pages share their two areas; only the pictures and names differ.
PageSpec trackPage(const char* file, Track upper, Words upperName, Track lower, Words lowerName) {
  PageSpec p{file};
  p.title = {"Trasa", "Track"};
  p.areas = {track("vesnice", {0, 32, 153, 81}, upper, upperName),
             track("mesto", {0, 112, 153, 91}, lower, lowerName)};
  return p;
}

std::vector<PageSpec> build() {
  std::vector<PageSpec> pages;

  PageSpec main{"0", 186, 150};
  main.areas = {button("cudlik_nova_hra", {0, 0, 185, 41}, {"Nová hra", "New game"}, Icon::Play),
                button("cudlik_nastaveni", {0, 40, 185, 33}, {"Nastavení", "Settings"}, Icon::Gear),
                button("cudlik_info", {0, 72, 185, 41}, {"Info", "Info"}, Icon::Info),
                button("cudlik_konec", {0, 112, 185, 41}, {"Konec", "Quit"}, Icon::Power)};
  pages.push_back(main);

  PageSpec name{"1"};
  name.title = {"Jméno", "Your name"};
  name.areas = {{"Text1", {24, 80, 105, 19}, Kind::WhiteField},
                button("dale1", {0, 176, 153, 25}, {"Dále", "Next"}, Icon::Next)};
  name.captions = {{{"Zadej své jméno", "Enter your name"}, 77.5, 72, Align::Centre, 10.5},
                   hint({"pak klikni na Dále", "then click Next"}, 120)};
  name.decor = {{Icon::Person, 77.5, 44, 30}, {Icon::Wheel, 77.5, 150, 36}};
  pages.push_back(name);

  PageSpec settings{"2"};
  settings.title = {"Nastavení", "Settings"};
  settings.areas = {
      button("nastaveni_grafika", {0, 64, 153, 25}, {"Grafika", "Graphics"}, Icon::Monitor),
      button("nastaveni_zvuky", {0, 88, 153, 25}, {"Zvuky", "Sound"}, Icon::Speaker),
      button("nastaveni_obtiznost", {0, 112, 153, 25}, {"Jazyk", "Language"}, Icon::Globe),
      button("obt", {0, 136, 153, 25}, {"Obtížnost", "Difficulty"}, Icon::Gauge)};
  settings.decor = {{Icon::Gear, 77.5, 42, 34}};
  pages.push_back(settings);

  PageSpec info{"4"};
  info.title = {"Info", "Info"};
  info.areas = {button("Image12", {0, 24, 153, 25}, {"", ""}, Icon::ArrowUp),
                {"Picture7", {0, 48, 153, 129}, Kind::Viewport},
                button("Image13", {0, 176, 153, 25}, {"", ""}, Icon::ArrowDown)};
  pages.push_back(info);

  PageSpec quit{"5"};
  quit.title = {"Konec", "Quit"};
  quit.areas = {button("konecano", {32, 96, 97, 25}, {"Ano", "Yes"}, Icon::Check)};
  quit.captions = {{{"Opravdu ukončit?", "Quit the game?"}, 77.5, 84, Align::Centre, 11.5},
                   hint({"Ne: tlačítko zpět vlevo dole", "No: the back button below"}, 142)};
  quit.decor = {{Icon::Power, 77.5, 48, 30}};
  pages.push_back(quit);

  PageSpec graphics{"6"};
  graphics.title = {"Grafika", "Graphics"};
  graphics.areas = {field("smykovani", {24, 64, 113, 17}), field("full", {8, 88, 129, 17})};
  graphics.captions = {{{"Smykové stopy", "Skid marks"}, 24, 59, Align::Left, 10},
                       {{"Celá obrazovka", "Full screen"}, 8, 118, Align::Left, 10},
                       hint({"klikni pro změnu", "click to change"}, 140)};
  graphics.decor = {{Icon::Road, 77.5, 172, 40}};
  pages.push_back(graphics);

  PageSpec sound{"7"};
  sound.title = {"Zvuky", "Sound"};
  sound.areas = {field("zvuky", {96, 112, 23, 13}), volume("proc", 64, 12, 0),
                 volume("Image5", 76, 10, 1),       volume("Image6", 88, 9, 2),
                 volume("Image7", 96, 10, 3),       volume("Image8", 106, 10, 4),
                 volume("Image9", 118, 10, 5),      volume("Image10", 128, 10, 6),
                 volume("Image11", 136, 10, 7),     field("hlasitost", {96, 160, 29, 13})};
  sound.captions = {{{"Hudba", "Music"}, 90, 122.5, Align::Right, 10},
                    {{"Hlasitost", "Volume"}, 60, 148, Align::Right, 10},
                    hint({"klikni na sloupec", "click a bar"}, 189)};
  sound.decor = {{Icon::Speaker, 77.5, 62, 44}};
  pages.push_back(sound);

  PageSpec language{"8"};
  language.title = {"Jazyk", "Language"};
  language.areas = {button("Image1", {0, 56, 153, 33}, {"Čeština", "Čeština"}, Icon::FlagCz),
                    button("Image2", {0, 88, 153, 33}, {"English", "English"}, Icon::FlagUk)};
  language.decor = {{Icon::Globe, 77.5, 162, 50}};
  pages.push_back(language);

  PageSpec players{"9"};
  players.title = {"Hráči", "Players"};
  players.areas = {
      button("oneplayer", {0, 32, 153, 25}, {"Jeden hráč", "One player"}, Icon::Person)};
  players.decor = {{Icon::Wheel, 77.5, 128, 84}};
  pages.push_back(players);

  PageSpec types{"10"};
  types.title = {"Typ hry", "Game type"};
  types.areas = {
      button("champinship", {0, 40, 155, 25}, {"Championat", "Championship"}, Icon::Trophy),
      button("kolderrun", {0, 64, 155, 30}, {"Kolder Run", "Kolder Run"}, Icon::Crate),
      button("speedrace", {0, 96, 153, 25}, {"Závody", "Race"}, Icon::Chequered),
      button("freeride", {0, 120, 153, 25}, {"Volná jízda", "Free ride"}, Icon::Road),
      button("vyuka", {0, 144, 153, 25}, {"Výuka", "Training"}, Icon::Cone)};
  types.captions = {hint({"vyber si, jak pojedeš", "choose how you drive"}, 34),
                    hint({"zamčené odemkneš výhrami", "wins unlock the locked ones"}, 188)};
  pages.push_back(types);

  PageSpec cars{"11"};
  cars.title = {"Auto", "Car"};
  cars.areas = {button("viper", {0, 48, 155, 24}, {"Viper GTS", "Viper GTS"}, Icon::Viper),
                button("porsche", {0, 72, 155, 26}, {"Porsche", "Porsche"}, Icon::Porsche),
                button("ferari", {-2, 100, 155, 26}, {"Ferari", "Ferari"}, Icon::Ferari),
                button("bonus", {0, 128, 155, 26}, {"Náklaďák", "Truck"}, Icon::Truck)};
  cars.captions = {hint({"ukaž myší na vůz:", "point at a car to"}, 34),
                   hint({"údaje se vypíší vpravo", "see its details"}, 44),
                   hint({"náklaďák jen v Kolder Run", "the truck: Kolder Run only"}, 172)};
  pages.push_back(cars);

  PageSpec colour{"12"};
  colour.title = {"Barva", "Colour"};
  colour.areas = {slot("cervena", 40, 92, 0), slot("modra", 64, 92, 1), slot("zelena", 88, 92, 2),
                  slot("zluta", 112, 92, 3), slot("bila", 112, 152, 4)};
  colour.captions = {hint({"vyber barvu vozu", "pick your paint"}, 36)};
  colour.colourHints = true;
  pages.push_back(colour);

  pages.push_back(
      trackPage("13", Track::Village, {"Vesnice", "Village"}, Track::City, {"Město", "City"}));

  PageSpec summary{"14"};
  summary.title = {"Souhrn", "Summary"};
  summary.areas = {value("ridic", 32),
                   value("auto", 51),
                   value("barva", 72),
                   value("trasa", 96),
                   value("hraci", 114),
                   value("typ", 133),
                   value("Obtiznost", 152),
                   button("starting", {0, 176, 153, 25}, {"Start", "Start"}, Icon::Start)};
  const Words rows[] = {{"Jezdec", "Driver"},       {"Auto", "Car"},      {"Barva", "Colour"},
                        {"Trasa", "Track"},         {"Hráči", "Players"}, {"Typ", "Game"},
                        {"Obtížnost", "Difficulty"}};
  for (int i = 0; i < 7; ++i)
    summary.captions.push_back({rows[i], 84, summary.areas[i].rect.y + 12.0, Align::Right, 9.5});
  pages.push_back(summary);

  pages.push_back(trackPage("15", Track::Village, {"Vesnice", "Village"},
                            Track::ChampionshipVillage,
                            {"Šampionát: 1. závod", "Championship: race 1"}));

  PageSpec difficulty{"16"};
  difficulty.title = {"Obtížnost", "Difficulty"};
  difficulty.areas = {field("Label2", {24, 88, 113, 17})};
  difficulty.captions = {{{"Nastav obtížnost:", "Set the difficulty:"}, 24, 81, Align::Left, 10},
                         hint({"klikni pro změnu", "click to change"}, 122),
                         hint({"těžší = tvůj vůz je", "harder = your car is"}, 180),
                         hint({"pomalejší a hůř zatáčí", "slower and turns less"}, 191)};
  difficulty.decor = {{Icon::Gauge, 77.5, 50, 44}};
  pages.push_back(difficulty);

  pages.push_back(trackPage("vyuka", Track::Parking, {"Parkoviště", "Parking"}, Track::Circuit,
                            {"Okruh", "Circuit"}));
  return pages;
}

}  // namespace

const std::vector<PageSpec>& pageSpecs() {
  static const std::vector<PageSpec> pages = build();
  return pages;
}

const PageSpec& pageSpec(const std::string& file) {
  for (const auto& p : pageSpecs())
    if (p.file == file) return p;
  throw std::runtime_error("no menu page " + file);
}

const Area& area(const PageSpec& page, const std::string& name) {
  for (const auto& a : page.areas)
    if (a.name == name) return a;
  throw std::runtime_error("no area " + name + " on menu page " + page.file);
}

}  // namespace art::menu
