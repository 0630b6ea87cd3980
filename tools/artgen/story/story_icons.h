// Small vector icons for buttons and the info picture, drawn in a box of the given size with
// the current source colour.
#pragma once
#include <cairo.h>

namespace art::story {

enum class Icon { Play, FastForward, Replay, Menu, Village, City, Trophy, Parcel };

// Draws the icon centred in the square (x, y, size, size).
void drawIcon(cairo_t* cr, Icon icon, double x, double y, double size);

}  // namespace art::story
