// The words of the selection record with what goes with each: game types, cars, colours,
// tracks, players and difficulties, with their buttons, picture folders and English words. The
// menu pages write these words and the race set-up reads them, so both take them from here.
#pragma once
#include <array>
#include <cstddef>
#include <string>

namespace game {

// Game types (`typ`).
inline constexpr const char* kTypeRace = "Závody";
inline constexpr const char* kTypeChampionship = "Championat";
inline constexpr const char* kTypeFreeRide = "Volná jízda";
inline constexpr const char* kTypeTraining = "Vyuka";
inline constexpr const char* kTypeKolderRun = "Kolder Run";

struct GameTypeWord {
  const char* button;
  const char* typ;
  const char* english;    // the summary page's English word; nullptr where the word stays
  const char* trackPage;  // the track page's picture for this game type
  const char* storyFolder;
};
inline constexpr GameTypeWord kGameTypes[] = {
    {"freeride", kTypeFreeRide, "Free ride", "13", "vol"},
    {"speedrace", kTypeRace, "Race", "13", "zav"},
    {"champinship", kTypeChampionship, nullptr, "15", "champ"},
    {"kolderrun", kTypeKolderRun, nullptr, "13", "kold"},
    {"vyuka", kTypeTraining, "Training", "vyuka", "okr"},
};

// Cars (`auto`). The Kolder Run's own choice names the truck by another word, which no car row
// knows (the race then keeps no car pictures of its own; the truck's are loaded for the run).
inline constexpr const char* kCarViper = "Viper GTS";
inline constexpr const char* kCarPorsche = "Porsche";
inline constexpr const char* kCarFerari = "Ferari";
inline constexpr const char* kCarTruck = "Truck";
inline constexpr const char* kKolderRunCar = "Naklaďak";
// The truck's picture folder, whatever car was chosen, in the Kolder Run.
inline constexpr const char* kTruckFolder = "b";

// Colours (`barva`), in the order of the car's colour pictures 0 to 4 on the colour page.
enum class Paint { Red, Blue, Green, Yellow, White };

struct ColourWord {
  const char* button;
  const char* barva;
  const char* english;  // nullptr where the summary page keeps the Czech word
  const char* folder;   // the folder of the car pictures in this colour
  const char* mini;     // the minimap car
};
inline constexpr ColourWord kColours[] = {
    {"cervena", "Červená", "Red", "red", "/gfx/cars/minired.bmp"},
    {"modra", "Modrá", "Blue", "blue", "/gfx/cars/miniblue.bmp"},
    {"zelena", "Zelená", "Green", "green", "/gfx/cars/minigreen.bmp"},
    {"zluta", "Žlutá", "Yellow", "yellow", "/gfx/cars/miniyellow.bmp"},
    {"bila", "Bílá", nullptr, "White", "/gfx/cars/miniwhite.bmp"},
};
constexpr const ColourWord& colourWord(Paint p) {
  return kColours[std::size_t(p)];
}

struct CarWord {
  const char* button;
  const char* name;
  const char* folder;
  const char* lockOverlay;  // the locked car's overlay on the car page
  // The computer opponent's four paints on this car, in the order of its random draw.
  std::array<Paint, 4> opponentPaints;
};
inline constexpr CarWord kCars[] = {
    {"viper", kCarViper, "viper", "vip", {Paint::Blue, Paint::Yellow, Paint::Green, Paint::Red}},
    {"porsche",
     kCarPorsche,
     "porsche",
     "por",
     {Paint::Blue, Paint::Yellow, Paint::Red, Paint::Green}},
    {"ferari", kCarFerari, "ferari", "fer", {Paint::Blue, Paint::Red, Paint::Yellow, Paint::Green}},
    {"bonus", kCarTruck, kTruckFolder, "tru", {}},
};
// The first three cars have their own pictures and handling, and the opponent drives them; the
// truck comes with the Kolder Run alone.
inline constexpr int kRaceCars = 3;

// A word of the record with the English word the summary page shows for it.
struct WordPair {
  const char* czech;
  const char* english;
};

// Tracks (`trasa`).
inline constexpr WordPair kTrackVillage{"Vesnice", "Village"};
inline constexpr WordPair kTrackCity{"Město", "City"};
inline constexpr WordPair kTrackCircuit{"Okruh", "Round"};
inline constexpr WordPair kTrackParking{"Parkoviště", "Parking"};
inline constexpr WordPair kTrackWords[] = {kTrackCity, kTrackVillage, kTrackParking, kTrackCircuit};

// Players (`hraci`): one player is all there is.
inline constexpr WordPair kOnePlayer = {"Jeden", "One"};

// Difficulties (`Obtiznost` of the settings is the index, the selection holds the word).
inline constexpr WordPair kDifficulties[] = {
    {"Lehká", "Easy"}, {"Střední", "Medium"}, {"Těžká", "Hard"}};

}  // namespace game
