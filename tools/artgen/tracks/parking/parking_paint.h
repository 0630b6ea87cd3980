// The Parking ground's picture: asphalt with painted bays, kerbed grass islands with trees and
// lamps, the shop with its sign on the roof, parked cars, the practice cones and the gate.
#pragma once
#include "tracks/parking/parking_layout.h"

namespace art::tracks::parking {

Image paintGround(const Layout& L);

}  // namespace art::tracks::parking
