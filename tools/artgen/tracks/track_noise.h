// Deterministic noise for the track pictures: white hash noise and smooth value noise with
// octaves, all from fixed seeds so every build draws the same ground.
#pragma once

namespace art::tracks {

// White noise in 0..1 for an integer cell.
double hash01(int x, int y, unsigned seed);
// Smooth noise in -1..1 with features about one unit apart.
double valueNoise(double x, double y, unsigned seed);
// Octaves of value noise (each half the size and half the weight), about -1..1.
double fbm(double x, double y, int octaves, unsigned seed);

}  // namespace art::tracks
