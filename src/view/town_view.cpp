// `VillageView` and `CityView`: one pass of world tests, then the picture of the frame.
#include <optional>

#include "race/angles.h"
#include "services/rotate.h"
#include "view/drawing.h"
#include "view/kolder.h"
#include "view/views.h"
#include "view/world_tests.h"

namespace game {

namespace {

// The tests that change the race state, so the rules of this frame see their results. Returns
// the Kolder Run item's place as it was shown this frame (a pick-up moves it for the next).
std::optional<KolderItemPlace> worldTests(Race& race, const TrackInfo& t) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const MaskScale scale{t.maskDivisor};
  // The needles show the speed before this frame's wall bounce changes it.
  SpeedNeedle(race);
  RevNeedle(race);
  CheckpointTest(race, scale, t.signs);
  PlayerSectionSwitch(race, scale);
  GuideHeadingFromCount(race, t.guideHeadings);
  PlayerZones(race);
  OpponentSectionSwitch(race);
  OpponentArrowZone(race);
  OffTrackFlag(race, scale);
  WallBounce(race, scale);
  c.Label7.setCaption(std::to_string(s.WaypointIndex));
  std::optional<KolderItemPlace> item;
  if (t.kolderRun) item = KolderRunTest(race);
  SkidTimer(race);
  ContactPicture(race);
  return item;
}

void drawPlace(Race& race, WorldPlace at, const svc::PictureBox& picture) {
  const RaceState& s = race.state;
  svc::bitBlt(race.controls().pic.surface(), RoundEven(at.x - s.ViewLeft),
              RoundEven(at.y - s.ViewTop), picture.width(), picture.height(), picture.surface(), 0,
              0, svc::Rop::Copy);
}

void drawing(Race& race, const TrackInfo& t, const std::optional<KolderItemPlace>& item) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  svc::Surface& pic = c.pic.surface();
  BackgroundCopy(race, kMapOffset);
  if (item) KolderItemDraw(race, *item);
  for (RaceObserver* o : race.observers) o->drawUnderCars(race, pic);
  if (!s.KolderRunMode && !s.FreeRideMode) {
    const svc::PictureBox& sprite = c.LabelAIsipka.visible() ? c.sipka2 : c.car2;
    svc::foxRotate(pic, RoundEven(s.OpponentX - s.ViewLeft), RoundEven(s.OpponentY - s.ViewTop),
                   sprite.surface(), svc::kMagenta, -s.OpponentHeading, 1);
  }
  OverlayRepair(race, s.OpponentX, s.OpponentY);
  MaskPair(pic, c.casy_box.left(), 0, c.timeb.width(), c.timew.height(), c.timew, c.timeb);
  SkidStamp(race, s.ViewLeft + s.CarScreenX + kMapOffset, s.ViewTop + s.CarScreenY + kMapOffset);
  PlayerSprite(race);
  Minimap(race);
  OverlayRepair(race, s.ViewLeft + s.CarScreenX, s.ViewTop + s.CarScreenY);
  if (t.picture4) drawPlace(race, *t.picture4, c.Picture4);
  Dial(race);
  // The bridge passes over the cars on the half of the lap that runs beneath it.
  if (t.bridge && s.PlayerSection == 0)
    MaskPair(pic, RoundEven(t.bridge->x - s.ViewLeft), RoundEven(t.bridge->y - s.ViewTop),
             c.mostw.width(), c.mostw.height(), c.mostw, c.mostb);
}

void townView(Race& race, const TrackInfo& t) {
  const std::optional<KolderItemPlace> item = worldTests(race, t);
  drawing(race, t, item);
}

}  // namespace

void VillageView(Race& race) {
  townView(race, trackInfo(TrackId::Village));
}
void CityView(Race& race) {
  townView(race, trackInfo(TrackId::City));
}

}  // namespace game
