// The Kolder Run's part of the City view: the time-out panel, the pick-up item and its test.
#pragma once
#include <optional>

namespace game {

class Race;

// The item's place in the view, in single precision as the control holds it.
struct KolderItemPlace {
  float left, top;
};

// The world-test half: the time-out panel, the item's control and read-outs, and the pick-up.
// Returns the place the item had this frame (a pick-up moves it for the next), nothing outside
// a Kolder Run.
std::optional<KolderItemPlace> KolderRunTest(Race& race);
// The drawing half: the item into the view at the place the test returned.
void KolderItemDraw(Race& race, KolderItemPlace place);
// Both halves, as one step.
void KolderRunStep(Race& race);

// The item's next place on the City, by a draw r from 0 to 10.
struct KolderPlace {
  int x, y;
};
KolderPlace KolderPlaceFor(int r);

}  // namespace game
