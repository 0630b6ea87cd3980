// The Village's build-time checks: the masks and the layout must give the laps the race rules
// expect, for the opponent's real path and for a player anywhere across the road. A failure
// throws, so the build stops.
#pragma once
#include <string>

#include "tracks/village/village_masks.h"

namespace art::tracks::village {

struct Figures {
  double opponentOnRoad = 0;  // per cent of frames
  std::size_t frames = 0;
  int laps = 0;
  std::size_t lapFrames[5] = {};
  int linesDriven = 0;
  std::size_t railPixels = 0;
  double narrowestGap = 0;  // pixels of ground between roads that do not cross
};

Figures checkMasks(const Layout& layout, const VillageMasks& masks, const Keys& keys);
// The bridge picture hides every part of the lower road that runs beneath the deck.
void checkBridgeCovers(const Layout& layout, const Image& bridgeMask);

// Lines driven across the whole road: sideways fractions of the half width.
constexpr double kAcross[] = {-0.85, -0.55, -0.25, 0, 0.25, 0.55, 0.85};

}  // namespace art::tracks::village
