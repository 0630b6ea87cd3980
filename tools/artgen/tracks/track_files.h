// Writing the track files and reading them back through the game's own picture loader: masks,
// mask pairs and the overlay mask must come back pixel for pixel, or the build stops.
#pragma once
#include <string>

#include "art.h"

namespace art::tracks {

// Writes a BMP (or, for a ".gif" name, a GIF) and checks that it loads back unchanged.
void writeExact(const Context& ctx, const std::string& relative, const Image& image);

// How far a written overlay image strays from black where its mask lets the map show through
// (the JPEG's ringing, OR-ed into the map): the largest channel value found there.
unsigned overlaySpill(const Context& ctx, const std::string& jpg, const Image& mask);

}  // namespace art::tracks
