// What the car and race-window pictures draw with: the art toolkit's colours and shapes.
#pragma once
#include <numbers>

#include "toolkit/colour.h"
#include "toolkit/random.h"
#include "toolkit/shapes.h"

namespace art::cars {

inline constexpr double kPi = std::numbers::pi;

}  // namespace art::cars
