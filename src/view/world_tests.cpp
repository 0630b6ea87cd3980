#include "view/world_tests.h"

#include <cstdlib>
#include <string>

#include "race/angles.h"
#include "services/rotate.h"

namespace game {

namespace {

svc::Colour maskAt(Race& race, int i, double x, double y) {
  // Single-precision positions, as the mask reads take them.
  return race.controls().KON[std::size_t(i)]->surface().point(float(x), float(y));
}

int countOf(Race& race) { return std::atoi(race.controls().Labelcheckpoint.caption().c_str()); }

}  // namespace

svc::Colour PlayerMaskColour(Race& race, int i, MaskScale scale) {
  const RaceState& s = race.state;
  return maskAt(race, i, (s.ViewLeft + 1000 + s.CarScreenX) / scale.divisor,
                (s.ViewTop + 1000 + s.CarScreenY) / scale.divisor);
}

svc::Colour OpponentMaskColour(Race& race, int i) {
  const RaceState& s = race.state;
  return maskAt(race, i, (s.OpponentX + 1000) / 5, (s.OpponentY + 1000) / 5);
}

void PlayerSectionSwitch(Race& race, MaskScale scale) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const svc::Surface& mask = c.KON[std::size_t(s.PlayerSection)]->surface();
  if (PlayerMaskColour(race, s.PlayerSection, scale) == mask.point(2, 2)) ++s.PlayerSection;
  if (s.PlayerSection == 2) {
    // A full lap of sections: the finish line counts again.
    s.PlayerSection = 0;
    s.FinishLineColour = c.KON[0]->surface().point(0, 2);
  }
}

void OpponentSectionSwitch(Race& race) {
  RaceState& s = race.state;
  const svc::Surface& mask = race.controls().KON[std::size_t(s.OpponentSection)]->surface();
  if (OpponentMaskColour(race, s.OpponentSection) == mask.point(2, 2)) ++s.OpponentSection;
  if (s.OpponentSection == 2) s.OpponentSection = 0;
}

void OffTrackFlag(Race& race, MaskScale scale) {
  RaceState& s = race.state;
  race.controls().Labelmino.setVisible(PlayerMaskColour(race, s.PlayerSection, scale) ==
                                       s.OffTrackColour);
}

void WallBounce(Race& race, MaskScale scale) {
  RaceState& s = race.state;
  if (s.Speed > 0 && PlayerMaskColour(race, s.PlayerSection, scale) == s.WallColour) s.Speed = -0.2;
  if (s.Throttle == "down" && s.Speed <= 0 && !race.controls().Timersmyku.enabled() &&
      PlayerMaskColour(race, s.PlayerSection, scale) == s.WallColour)
    s.Speed = 0.2;
}

void ContactPicture(Race& race) {
  RaceControls& c = race.controls();
  c.Picture3.cls();
  // Exact colours (flag 0): the rules read the keys back from this picture.
  svc::foxRotate(c.Picture3.surface(), 50, 50, c.crashcar.surface(), svc::kMagenta,
                 -race.state.OpponentHeading, 0);
}

int SignForCount(int count) {
  switch (count) {
    case 1: return 4;
    case 2: return 7;
    case 3: return 6;
    case 5: return 9;
    case 6: return 5;
    case 8: return 4;
    case 9: return 7;
    case 10: return 6;
    case 11: return 1;
    case 12: return 6;
    case 13: return 5;
    case 14: return 0;
    case 15: return 1;
    case 16: return 6;
    case 17: return 8;
    case 18: return 3;
    case 19: return 0;
    case 21: return 5;
    default: return -1;
  }
}

void CheckpointTest(Race& race, MaskScale scale, bool signs) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  if (PlayerMaskColour(race, s.PlayerSection, scale) !=
      s.CheckpointColour[std::size_t(s.NextCheckpoint)])
    return;
  const int count = countOf(race) + 1;
  c.Labelcheckpoint.setCaption(std::to_string(count));
  s.NextCheckpoint = s.NextCheckpoint == 1 ? 0 : 1;
  if (!signs || s.KolderRunMode || s.FreeRideMode) return;
  const int k = SignForCount(count);
  if (k < 0) return;
  const svc::PictureBox& sign = *c.znacka[std::size_t(k)];
  c.znak.setPicture(sign.surface().picture(), sign.pictureFile());
  c.znak.setVisible(true);
  // The sign stays a full second after the latest checkpoint.
  if (count != 1) c.Timer8.setEnabled(false);
  c.Timer8.setEnabled(true);
}

void GuideHeadingFromCount(Race& race) {
  const std::string& count = race.controls().Labelcheckpoint.caption();
  RaceState& s = race.state;
  if (count == "4") s.GuideHeading = 0;
  if (count == "5") s.GuideHeading = 270;
  if (count == "9") s.GuideHeading = 95;
  if (count == "16") s.GuideHeading = 180;
}

void PlayerZones(Race& race) {
  RaceState& s = race.state;
  const svc::Colour p = PlayerMaskColour(race, s.PlayerSection, {5});
  if (p == s.ArrowZoneColour) race.controls().Labelsipka.setVisible(true);
  else if (p == s.GuideMinusColour) s.Heading = s.GuideHeading - 4;
  else if (p == s.GuidePlusColour) s.Heading = s.GuideHeading + 4;
  else race.controls().Labelsipka.setVisible(false);
}

void OpponentArrowZone(Race& race) {
  RaceState& s = race.state;
  race.controls().LabelAIsipka.setVisible(OpponentMaskColour(race, s.OpponentSection) ==
                                          s.ArrowZoneColour);
}

void SkidTimer(Race& race) {
  RaceState& s = race.state;
  if (s.Speed > 0.5 && (s.Steer == "left" || s.Steer == "right")) {
    race.controls().Timersmyku.setEnabled(true);
  } else {
    s.PlayerSkidActive = false;
    race.controls().Timersmyku.setEnabled(false);
  }
}

void SkidStamp(Race& race, double trackX, double trackY) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const bool braking = s.Throttle == "down" && s.Speed > 0;
  if (!(s.PlayerSkidActive || braking) || !s.SkidMarksOn || c.Labelsipka.visible()) return;
  const svc::PictureBox& sprite = *c.smykobr[c.Labelmino.visible() ? 1 : 0];
  svc::foxRotate(c.cesta.surface(), RoundEven(trackX), RoundEven(trackY), sprite.surface(),
                 svc::kMagenta, -s.Heading, 1);
}

}  // namespace game
