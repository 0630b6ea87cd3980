// The tracks: one row of facts for each (map folder, start pose, view limits, mask scale,
// checkpoints, finish line, result pictures, pictures drawn over the world, signs, guide headings
// and the opponent's waypoint loop), so the set-up, the views and the rules read one place.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "race/waypoints.h"
#include "services/colour.h"

namespace game {

// The world's top-left corner lies at (-1000, -1000): track pictures and masks start there.
inline constexpr double kMapOffset = 1000;

enum class TrackId { Village, City, Circuit, Parking };

// The scroll limits of the view window's top-left corner.
struct ViewLimits {
  double minLeft, maxLeft, minTop, maxTop;
};
inline constexpr ViewLimits kTownLimits{-990, 350, -990, 520};
inline constexpr ViewLimits kCircuitLimits{0, 350, 0, 520};

// Where the race starts: the player's section (also the checkpoint key expected first), the
// car's place below the view's centre, the view's corner, the heading and the opponent's place
// below (or above, when negative) the player.
struct StartPose {
  std::int16_t section;
  int carBelowCentre;
  double viewTop, viewLeft;
  double heading;
  double opponentBeside;
};

// A world point where a picture is drawn over the track.
struct WorldPlace {
  double x, y;
};

// A checkpoint count and what it sets: the sign shown (an index of `znacka`) or the heading
// the guide zones steer to.
struct CountSign {
  int count;
  int sign;
};
struct CountHeading {
  const char* count;
  double heading;
};

// What the opponent does on reaching a waypoint besides its cruising speed: another speed, or
// (speed 0) another turning rate.
struct WaypointSetting {
  int index;
  double speed;
  double turnRate;
};

struct TrackInfo {
  TrackId id;
  const char* trasa;       // the selection word
  std::int16_t trackKind;  // 1 Village, 2 City, 0 the Circuit family
  const char* mapFolder;
  StartPose start;
  ViewLimits limits = kCircuitLimits;
  double maskDivisor = 10;  // masks are one fifth or one tenth of the world
  // Laps (Village and City only): the count of checkpoints a lap needs, the finish colour that
  // disarms the line until the sections have gone round, and the result pictures.
  const char* requiredCheckpoints = nullptr;
  svc::Colour disarmedFinish = 0;
  const char* winPicture = nullptr;
  const char* championshipWinPicture = nullptr;
  bool lastOfChampionship = false;  // a championship ends here; a win raises the unlocks
  bool kolderRun = false;           // the Kolder Run is driven here
  // The Kolder Run's pick-up places (the run starts at the first), by a draw from 0 to 10.
  std::span<const WorldPlace> kolderPlaces;
  std::optional<WorldPlace> bridge;    // drawn over the cars on section 0
  std::optional<WorldPlace> picture4;  // `Picture4`, drawn over the player
  std::span<const CountSign> signs;
  std::span<const CountHeading> guideHeadings;
  const WaypointTable* waypoints = nullptr;  // nullptr: no opponent
  std::span<const WaypointSetting> waypointSettings;
};

const TrackInfo& trackInfo(TrackId id);
// The row of a `trasa` word: Village, City, Circuit, and the Parking ground for any other word.
const TrackInfo& trackForSelection(const std::string& trasa);

}  // namespace game
