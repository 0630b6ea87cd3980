// The race set-up (the race window's load) and the start procedures of the three track families.
#pragma once

namespace game {

class Race;

// Configures the race from the selection record and the settings, then calls the start
// procedure of the track family, which enters the frame loop.
void RaceSetup(Race& race);

void StartVillage(Race& race);
void StartCity(Race& race);
void StartCircuit(Race& race);

}  // namespace game
