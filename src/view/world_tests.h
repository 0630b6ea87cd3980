// The world tests of a frame: every surface class is one exact colour of a small mask, read at
// a car's centre. Sections, off-track, walls, checkpoints, zones and the contact picture.
#pragma once
#include <span>

#include "race/race.h"
#include "race/track_info.h"
#include "services/colour.h"

namespace game {

// Mask scale: one fifth on Village and City, one tenth on Circuit and Parking.
struct MaskScale {
  double divisor;
};

// The colour of mask KON(i) at the player's or the opponent's centre.
svc::Colour PlayerMaskColour(Race& race, int i, MaskScale scale);
svc::Colour OpponentMaskColour(Race& race, int i);

void PlayerSectionSwitch(Race& race, MaskScale scale);
void OpponentSectionSwitch(Race& race);
void OffTrackFlag(Race& race, MaskScale scale);
void WallBounce(Race& race, MaskScale scale);
void ContactPicture(Race& race);

// Checkpoints, and the direction sign of the count when the track has one for it.
using TrackSigns = std::span<const CountSign>;
void CheckpointTest(Race& race, MaskScale scale, TrackSigns signs);
// With the City's signs when citySigns is set, else none.
void CheckpointTest(Race& race, MaskScale scale, bool citySigns);
// The guide zones' heading from the checkpoint count (the Village's when none are given).
void GuideHeadingFromCount(Race& race, std::span<const CountHeading> headings);
void GuideHeadingFromCount(Race& race);

// The sign shown after a City checkpoint count, -1 for counts without one.
int SignForCount(int count);
void PlayerZones(Race& race);
void OpponentArrowZone(Race& race);
void SkidTimer(Race& race);
// Stamps a skid mark into the track picture at (x, y) of the track picture.
void SkidStamp(Race& race, double trackX, double trackY);

}  // namespace game
