// Picture4, the tunnel's roof over the west street (146 x 377, opaque).
#pragma once
#include "render.h"

namespace art::city {

Image drawTunnel();

}  // namespace art::city
