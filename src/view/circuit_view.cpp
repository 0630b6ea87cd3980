// `CircuitView`: the Circuit and the Parking ground, a reduced village view. World and track
// picture coincide here; the masks keep the shift and use their own scale.
#include "view/drawing.h"
#include "view/views.h"
#include "view/world_tests.h"

namespace game {

void CircuitView(Race& race) {
  const TrackInfo& t = race.track();
  const MaskScale scale{t.maskDivisor};
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  // The world tests.
  SpeedNeedle(race);
  RevNeedle(race);
  CheckpointTest(race, scale, t.signs);
  PlayerSectionSwitch(race, scale);
  OffTrackFlag(race, scale);
  WallBounce(race, scale);
  c.Label7.setCaption(std::to_string(s.WaypointIndex));
  SkidTimer(race);
  // The drawing.
  BackgroundCopy(race, 0);
  SkidStamp(race, s.ViewLeft + s.CarScreenX, s.ViewTop + s.CarScreenY);
  PlayerSprite(race);
  Dial(race);
}

}  // namespace game
