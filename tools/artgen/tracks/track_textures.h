// Per-pixel ground textures shared by the tracks: grass, asphalt, gravel, soil and water, each
// a colour for a world point, with noise at several sizes so no surface is a flat fill.
#pragma once
#include "tracks/track_paint.h"

namespace art::tracks {

// Grass of a meadow or a verge; `lush` 0..1 from dry to fresh.
Rgb grass(double x, double y, double lush = 0.5);
// Asphalt; `wear` darkens the wheel tracks (0..1), `tone` shifts the whole surface.
Rgb asphalt(double x, double y, double wear = 0, double tone = 0);
// Loose gravel of a shoulder or a yard.
Rgb gravel(double x, double y);
// Bare earth (dry 0 .. wet 1).
Rgb soil(double x, double y, double wet = 0.3);
// Still water seen from above, darker with depth (0 at the shore .. 1).
Rgb water(double x, double y, double depth);

}  // namespace art::tracks
