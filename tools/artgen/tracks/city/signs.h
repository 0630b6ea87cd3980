// The City's direction signs znacka0 .. znacka11 (50 x 50): blue plates with a white arrow,
// straight on or turning, in screen directions.
#pragma once
#include "art.h"
#include "plan.h"

namespace art::city {

Image drawSign(const SignMeaning& meaning);

}  // namespace art::city
