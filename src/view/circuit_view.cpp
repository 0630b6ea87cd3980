// `CircuitView`: the Circuit and the Parking ground, a reduced village view. World and track
// picture coincide here; the masks keep the shift and use one tenth.
#include "view/drawing.h"
#include "view/views.h"
#include "view/world_tests.h"

namespace game {

void CircuitView(Race& race) {
  constexpr MaskScale kTenth{10};
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  SpeedNeedle(race);
  RevNeedle(race);
  CheckpointTest(race, kTenth, false);
  PlayerSectionSwitch(race, kTenth);
  OffTrackFlag(race, kTenth);
  WallBounce(race, kTenth);
  c.Label7.setCaption(std::to_string(s.WaypointIndex));
  BackgroundCopy(race, 0);
  SkidTimer(race);
  SkidStamp(race, s.ViewLeft + s.CarScreenX, s.ViewTop + s.CarScreenY);
  PlayerSprite(race);
  Dial(race);
}

}  // namespace game
