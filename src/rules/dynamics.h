// The player car's motion: opponent contact, steering, the pedals with gears and revs, the
// heading wrap, and moving the car and the view over the track.
#pragma once
#include <array>

#include "race/race_state.h"
#include "race/track_info.h"
#include "services/colour.h"

namespace game {

// A touch of the opponent's contact mask: the colour under the player and the four keys.
// Returns true when one of the keys matched (and speed or heading changed).
bool ApplyContact(RaceState& s, svc::Colour under, const std::array<svc::Colour, 4>& keys);

void Steering(RaceState& s);
void Pedal(RaceState& s, bool offTrack);
void HeadingWrap(RaceState& s);
void Movement(RaceState& s, const ViewLimits& limits);

}  // namespace game
