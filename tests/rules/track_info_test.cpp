// The track table and the catalogue of selection words as the race reads them: which row a
// `trasa` word starts, the opponent's looks and the cars' handling derived from the catalogue,
// and tables that would silently lose an entry (duplicate waypoints, signs or counts).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "menu/selection_words.h"
#include "race/race_setup.h"
#include "race/track_info.h"

namespace {

using namespace game;

TEST(TrackTable, EachTrackWordStartsItsRowAndAnyOtherWordTheParkingGround) {
  struct Case {
    const char* trasa;
    TrackId id;
    int trackKind;
  };
  const Case cases[] = {{"Vesnice", TrackId::Village, 1}, {"Město", TrackId::City, 2},
                        {"Okruh", TrackId::Circuit, 0},   {"Parkoviště", TrackId::Parking, 0},
                        {"Village", TrackId::Parking, 0}, {"", TrackId::Parking, 0}};
  for (const Case& c : cases) {
    const TrackInfo& t = trackForSelection(c.trasa);
    EXPECT_EQ(t.id, c.id) << c.trasa;
    EXPECT_EQ(t.trackKind, c.trackKind) << c.trasa;
    EXPECT_EQ(&trackInfo(c.id), &t) << c.trasa;
  }
}

TEST(TrackTable, TownTablesHoldEachWaypointSignAndCountOnce) {
  for (TrackId id : {TrackId::Village, TrackId::City}) {
    const TrackInfo& t = trackInfo(id);
    ASSERT_NE(t.waypoints, nullptr);
    std::set<int> waypoints;
    for (const WaypointSetting& w : t.waypointSettings) {
      EXPECT_TRUE(w.index >= 0 && w.index < 32) << w.index;
      EXPECT_TRUE(waypoints.insert(w.index).second) << "waypoint " << w.index << " twice";
      EXPECT_NE(w.speed == 0, w.turnRate == 0) << "waypoint " << w.index;
    }
    std::set<int> counts;
    for (const CountSign& s : t.signs) {
      EXPECT_TRUE(s.sign >= 0 && s.sign < 12) << s.sign;
      EXPECT_TRUE(counts.insert(s.count).second) << "count " << s.count << " twice";
    }
    std::set<std::string> guides;
    for (const CountHeading& h : t.guideHeadings)
      EXPECT_TRUE(guides.insert(h.count).second) << "count " << h.count << " twice";
  }
  for (TrackId id : {TrackId::Circuit, TrackId::Parking})
    EXPECT_EQ(trackInfo(id).waypoints, nullptr);
}

TEST(OpponentLooks, EachOfTheTwelveIsItsOwnCarAndPaint) {
  const std::string expected[kOpponentLookCount][2] = {
      {"/gfx/cars/viper/blue/5.bmp", "/gfx/cars/miniblue.bmp"},
      {"/gfx/cars/viper/yellow/5.bmp", "/gfx/cars/miniyellow.bmp"},
      {"/gfx/cars/viper/green/5.bmp", "/gfx/cars/minigreen.bmp"},
      {"/gfx/cars/viper/red/5.bmp", "/gfx/cars/minired.bmp"},
      {"/gfx/cars/porsche/blue/5.bmp", "/gfx/cars/miniblue.bmp"},
      {"/gfx/cars/porsche/yellow/5.bmp", "/gfx/cars/miniyellow.bmp"},
      {"/gfx/cars/porsche/red/5.bmp", "/gfx/cars/minired.bmp"},
      {"/gfx/cars/porsche/green/5.bmp", "/gfx/cars/minigreen.bmp"},
      {"/gfx/cars/ferari/blue/5.bmp", "/gfx/cars/miniblue.bmp"},
      {"/gfx/cars/ferari/red/5.bmp", "/gfx/cars/minired.bmp"},
      {"/gfx/cars/ferari/yellow/5.bmp", "/gfx/cars/miniyellow.bmp"},
      {"/gfx/cars/ferari/green/5.bmp", "/gfx/cars/minigreen.bmp"},
  };
  for (int k = 0; k < kOpponentLookCount; ++k) {
    const OpponentLookFiles look = OpponentLook(k);
    EXPECT_EQ(look.car, expected[k][0]) << k;
    EXPECT_EQ(look.mini, expected[k][1]) << k;
  }
}

TEST(CarCatalogue, FoldersAndHandlingByTheWordsOfTheSelection) {
  struct Case {
    const char* car;
    const char* difficulty;
    bool known;
    double turn, scale;
  };
  const Case cases[] = {
      {"Viper GTS", "Lehká", true, 3, 7.4},   {"Porsche", "Easy", true, 2.8, 7.6},
      {"Ferari", "Lehká", true, 2.6, 7.8},    {"Viper GTS", "Medium", true, 3, 7.2},
      {"Porsche", "Střední", true, 2.6, 7.4}, {"Ferari", "Střední", true, 2.4, 7.6},
      {"Viper GTS", "Těžká", true, 2.6, 7},   {"Porsche", "Hard", true, 2.4, 7.1},
      {"Ferari", "Těžká", true, 2.3, 7.2},    {"Truck", "anything", true, 2.5, 5},
      {"Naklaďak", "Lehká", false, -1, -1},   {"Viper GTS", "lehká", false, -1, -1},
  };
  for (const Case& c : cases) {
    double turn = -1, scale = -1;
    EXPECT_EQ(HandlingFor(c.car, c.difficulty, &turn, &scale), c.known) << c.car << c.difficulty;
    EXPECT_EQ(turn, c.turn) << c.car << " " << c.difficulty;
    EXPECT_EQ(scale, c.scale) << c.car << " " << c.difficulty;
  }
  // The truck's pictures come with the Kolder Run alone: naming it loads no car of its own.
  const std::pair<const char*, const char*> cars[] = {{"Viper GTS", "viper"},
                                                      {"Porsche", "porsche"},
                                                      {"Ferari", "ferari"},
                                                      {"Truck", ""},
                                                      {"Naklaďak", ""}};
  for (const auto& [name, folder] : cars) EXPECT_EQ(CarFolder(name), folder) << name;
  const std::pair<const char*, const char*> colours[] = {{"Červená", "red"},  {"Modrá", "blue"},
                                                         {"Zelená", "green"}, {"Žlutá", "yellow"},
                                                         {"Bílá", "White"},   {"Red", ""}};
  for (const auto& [word, folder] : colours) EXPECT_EQ(ColourFolder(word), folder) << word;
}

}  // namespace
