// The City's minimap (mb.bmp on black, mw.bmp its mask): the streets at one twentieth on a
// dark panel, the race loop bright, drawn 2 pixels low as the game draws the cars on it.
#pragma once
#include "art.h"
#include "layout.h"

namespace art::city {

struct Minimap {
  Image image, mask;
};
Minimap drawMinimap(const Plan& plan, const Layout& layout);

}  // namespace art::city
