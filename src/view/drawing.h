// The drawing steps shared by the view procedures: needles, sprites, mask pairs, overlay repair.
#pragma once
#include "race/race.h"
#include "services/surface.h"

namespace game {

void SpeedNeedle(Race& race);
void RevNeedle(Race& race);
// Copies the view window out of the track picture, whose pixel (x, y) is world (x - shift, ...).
void BackgroundCopy(Race& race, double shift);
// A mask pair: the "w" picture ANDed, then the "b" picture ORed, at (x, y) of dst.
void MaskPair(svc::Surface& dst, int x, int y, int w, int h, const svc::PictureBox& mask,
              const svc::PictureBox& image);
// Redraws the overlay over a 40 × 40 box centred on a world point, in the view and in the
// track picture (it puts trees and roofs back over a car and over fresh skid marks).
void OverlayRepair(Race& race, double worldX, double worldY);
void PlayerSprite(Race& race);
void Dial(Race& race);
// The minimap panel slid in or out by two pixels, with both minimap cars.
void Minimap(Race& race);

}  // namespace game
