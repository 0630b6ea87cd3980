// The per-frame view procedures: the world tests on the track masks, then the whole race
// picture composed into the view `pic`.
#pragma once

namespace game {

class Race;

void VillageView(Race& race);
void CityView(Race& race);
void CircuitView(Race& race);

}  // namespace game
