// Small vector pictures for the menu's buttons and the faint decorations of its pages.
#pragma once
#include <cairo.h>

#include "menu/menu_layout.h"

namespace art::menu {

// Draws the icon centred at (cx, cy), fitting a square of the given size.
void drawIcon(cairo_t* cr, Icon icon, double cx, double cy, double size);
// The icon large and faint, as a watermark of a page.
void drawDecor(cairo_t* cr, const Decor& decor);
// A car seen from above, nose towards +x, in a box of length × width centred at (cx, cy).
void drawTopCar(cairo_t* cr, double cx, double cy, double length, double width, Rgb paint,
                bool stripes);

}  // namespace art::menu
