// The driver's keys: arrows, pause, lights, minimap, statistics and the game speed.
#pragma once

namespace game {

class Race;

// Virtual-key codes the race listens to.
enum Key : int {
  kKeyEsc = 27,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyL = 76,
  kKeyM = 77,
  kKeyS = 83,
  kKeyPlus = 107,
  kKeyMinus = 109,
};

void RaceKeyDown(Race& race, int key);
void RaceKeyUp(Race& race, int key);

}  // namespace game
