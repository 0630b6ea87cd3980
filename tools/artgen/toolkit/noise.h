// The one noise of the art: white hash noise for integer cells and smooth value noise with
// octaves, from fixed seeds, so a pixel and seed give the same value in whichever picture.
#pragma once

namespace art {

// White noise in 0..1 for an integer cell.
double hash01(int x, int y, unsigned seed);
// Smooth noise in -1..1 with features about one unit apart.
double valueNoise(double x, double y, unsigned seed);
// Octaves of value noise (each half the size and half the weight), about -1..1.
double fbm(double x, double y, int octaves, unsigned seed);

}  // namespace art
