#include "race/track_info.h"

#include <array>

#include "menu/selection_words.h"

namespace game {

namespace {

// The City's direction signs, shown as each checkpoint count is reached.
constexpr CountSign kCitySigns[] = {{1, 4},  {2, 7},  {3, 6},  {5, 9},  {6, 5},  {8, 4},
                                    {9, 7},  {10, 6}, {11, 1}, {12, 6}, {13, 5}, {14, 0},
                                    {15, 1}, {16, 6}, {17, 8}, {18, 3}, {19, 0}, {21, 5}};

// The City's Kolder Run pick-up places. Places 0 and 2 are the same street corner, so it comes
// up twice as often.
constexpr WorldPlace kCityKolderPlaces[] = {{-300, -500}, {-700, -500}, {-300, -500}, {-300, -950},
                                            {-700, -950}, {300, -150},  {850, -650},  {600, -30},
                                            {100, -150},  {550, -500},  {400, -30}};

// The Village's guide zones steer to these headings from these checkpoint counts on.
constexpr CountHeading kVillageGuides[] = {{"4", 0}, {"5", 270}, {"9", 95}, {"16", 180}};

// The opponent slows for the Village's corners and turns more gently through 15.
constexpr WaypointSetting kVillageWaypointSettings[] = {
    {7, 6, 0},  {11, 4.8, 0}, {12, 4.8, 0}, {15, 0, 2.6}, {16, 0, 3}, {23, 5, 0},
    {24, 6, 0}, {25, 6, 0},   {26, 5, 0},   {27, 5, 0},   {28, 5, 0}};
constexpr WaypointSetting kCityWaypointSettings[] = {{5, 5, 0},  {7, 6, 0},  {10, 6, 0}, {11, 4, 0},
                                                     {12, 4, 0}, {15, 4, 0}, {30, 4, 0}};

// Start poses: section, car below the view's centre, view top and left, heading, opponent beside.
const std::array<TrackInfo, 4>& rows() {
  // clang-format off
  static const std::array<TrackInfo, 4> t{{
      {.id = TrackId::Village, .trasa = kTrackVillage.czech, .trackKind = 1,
       .mapFolder = "/maps/m1", .start = {1, 150, 521, -700, 0, 40},
       .limits = kTownLimits, .maskDivisor = 5, .requiredCheckpoints = "12", .disarmedFinish = 123,
       .winPicture = "/win.bmp", .championshipWinPicture = "/win3.bmp",
       .bridge = WorldPlace{7, -540}, .guideHeadings = kVillageGuides,
       .waypoints = &villageWaypoints(), .waypointSettings = kVillageWaypointSettings},
      {.id = TrackId::City, .trasa = kTrackCity.czech, .trackKind = 2,
       .mapFolder = "/maps/m2", .start = {0, 0, -740, -940, 0, -40},
       .limits = kTownLimits, .maskDivisor = 5, .requiredCheckpoints = "22",
       .disarmedFinish = 123456, .winPicture = "/win2.bmp", .championshipWinPicture = "/win4.bmp",
       .lastOfChampionship = true, .kolderRun = true, .kolderPlaces = kCityKolderPlaces, .picture4 = WorldPlace{-kMapOffset, 490},
       .signs = kCitySigns, .waypoints = &cityWaypoints(), .waypointSettings = kCityWaypointSettings},
      // The Circuit's masks are the City's.
      {.id = TrackId::Circuit, .trasa = kTrackCircuit.czech, .trackKind = 0,
       .mapFolder = "/maps/m2", .start = {0, 0, 300, 150, 0, 0}},
      {.id = TrackId::Parking, .trasa = kTrackParking.czech, .trackKind = 0,
       .mapFolder = "/maps/m0", .start = {0, 0, 520, 50, 90, 0}},
  }};
  // clang-format on
  return t;
}

}  // namespace

const TrackInfo& trackInfo(TrackId id) {
  return rows()[std::size_t(id)];
}

const TrackInfo& trackForSelection(const std::string& trasa) {
  for (const TrackInfo& t : rows())
    if (trasa == t.trasa) return t;
  return trackInfo(TrackId::Parking);
}

}  // namespace game
