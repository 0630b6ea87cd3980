// `VillageView` and `CityView`: one pass of world tests, then the picture of the frame.
#include "race/angles.h"
#include "services/rotate.h"
#include "view/drawing.h"
#include "view/kolder.h"
#include "view/views.h"
#include "view/world_tests.h"

namespace game {

namespace {

constexpr MaskScale kFifth{5};

void townView(Race& race, bool city) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  svc::Surface& pic = c.pic.surface();

  // The world tests come first, so the rules of this frame see their results.
  SpeedNeedle(race);
  RevNeedle(race);
  CheckpointTest(race, kFifth, city);
  PlayerSectionSwitch(race, kFifth);
  if (!city) GuideHeadingFromCount(race);
  PlayerZones(race);
  OpponentSectionSwitch(race);
  OpponentArrowZone(race);
  OffTrackFlag(race, kFifth);
  WallBounce(race, kFifth);
  c.Label7.setCaption(std::to_string(s.WaypointIndex));

  BackgroundCopy(race, 1000);
  if (city) KolderRunStep(race);
  SkidTimer(race);
  if (!s.KolderRunMode && !s.FreeRideMode) {
    const svc::PictureBox& sprite = c.LabelAIsipka.visible() ? c.sipka2 : c.car2;
    svc::foxRotate(pic, RoundEven(s.OpponentX - s.ViewLeft), RoundEven(s.OpponentY - s.ViewTop),
                   sprite.surface(), svc::kMagenta, -s.OpponentHeading, 1);
  }
  OverlayRepair(race, s.OpponentX, s.OpponentY);
  MaskPair(pic, c.casy_box.left(), 0, c.timeb.width(), c.timew.height(), c.timew, c.timeb);
  ContactPicture(race);
  SkidStamp(race, s.ViewLeft + s.CarScreenX + 1000, s.ViewTop + s.CarScreenY + 1000);
  PlayerSprite(race);
  Minimap(race);
  OverlayRepair(race, s.ViewLeft + s.CarScreenX, s.ViewTop + s.CarScreenY);
  if (city)
    svc::bitBlt(pic, RoundEven(-1000 - s.ViewLeft), RoundEven(490 - s.ViewTop), c.Picture4.width(),
                c.Picture4.height(), c.Picture4.surface(), 0, 0, svc::Rop::Copy);
  Dial(race);
  // The bridge passes over the cars on the half of the lap that runs beneath it.
  if (!city && s.PlayerSection == 0)
    MaskPair(pic, RoundEven(7 - s.ViewLeft), RoundEven(-540 - s.ViewTop), c.mostw.width(),
             c.mostw.height(), c.mostw, c.mostb);
}

}  // namespace

void VillageView(Race& race) { townView(race, false); }
void CityView(Race& race) { townView(race, true); }

}  // namespace game
