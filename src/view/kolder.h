// The Kolder Run's part of the City view: the time-out panel, the pick-up item and its test.
#pragma once

namespace game {

class Race;

void KolderRunStep(Race& race);

// The item's next place, by a draw r from 0 to 10.
struct KolderPlace {
  int x, y;
};
KolderPlace KolderPlaceFor(int r);

}  // namespace game
