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

// The sign a track shows at a checkpoint count, -1 for none.
int signOf(TrackSigns signs, int count) {
  for (const CountSign& sign : signs)
    if (sign.count == count) return sign.sign;
  return -1;
}

int countOf(Race& race) {
  return std::atoi(race.controls().Labelcheckpoint.caption().c_str());
}

}  // namespace

svc::Colour PlayerMaskColour(Race& race, int i, MaskScale scale) {
  const RaceState& s = race.state;
  return maskAt(race, i, (s.ViewLeft + kMapOffset + s.CarScreenX) / scale.divisor,
                (s.ViewTop + kMapOffset + s.CarScreenY) / scale.divisor);
}

svc::Colour OpponentMaskColour(Race& race, int i) {
  const RaceState& s = race.state;
  return maskAt(race, i, (s.OpponentX + kMapOffset) / 5, (s.OpponentY + kMapOffset) / 5);
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
  return signOf(trackInfo(TrackId::City).signs, count);
}

void CheckpointTest(Race& race, MaskScale scale, bool citySigns) {
  CheckpointTest(race, scale, citySigns ? trackInfo(TrackId::City).signs : TrackSigns{});
}

void CheckpointTest(Race& race, MaskScale scale, TrackSigns signs) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  if (PlayerMaskColour(race, s.PlayerSection, scale) !=
      s.CheckpointColour[std::size_t(s.NextCheckpoint)])
    return;
  const int count = countOf(race) + 1;
  c.Labelcheckpoint.setCaption(std::to_string(count));
  s.NextCheckpoint = s.NextCheckpoint == 1 ? 0 : 1;
  if (s.KolderRunMode || s.FreeRideMode) return;
  const int k = signOf(signs, count);
  if (k < 0) return;
  const svc::PictureBox& sign = *c.znacka[std::size_t(k)];
  c.znak.setPicture(sign.surface().picture(), sign.pictureFile());
  c.znak.setVisible(true);
  // The sign stays a full second after the latest checkpoint.
  if (count != 1) c.Timer8.setEnabled(false);
  c.Timer8.setEnabled(true);
}

void GuideHeadingFromCount(Race& race) {
  GuideHeadingFromCount(race, trackInfo(TrackId::Village).guideHeadings);
}

void GuideHeadingFromCount(Race& race, std::span<const CountHeading> headings) {
  const std::string& count = race.controls().Labelcheckpoint.caption();
  for (const CountHeading& h : headings)
    if (count == h.count) race.state.GuideHeading = h.heading;
}

void PlayerZones(Race& race) {
  RaceState& s = race.state;
  const svc::Colour p = PlayerMaskColour(race, s.PlayerSection, {5});
  if (p == s.ArrowZoneColour)
    race.controls().Labelsipka.setVisible(true);
  else if (p == s.GuideMinusColour)
    s.Heading = s.GuideHeading - 4;
  else if (p == s.GuidePlusColour)
    s.Heading = s.GuideHeading + 4;
  else
    race.controls().Labelsipka.setVisible(false);
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
