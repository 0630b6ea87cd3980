// The look every menu picture shares: palette, page panels, bevelled buttons, inset fields,
// padlocks and text, so that pages, lock overlays and built-in pictures match pixel for pixel.
#pragma once
#include <cairo.h>

#include <string>

#include "art.h"
#include "canvas.h"
#include "toolkit/colour.h"
#include "toolkit/noise.h"
#include "toolkit/shapes.h"

namespace art::menu {

struct Rect {
  int x, y, w, h;
  int right() const { return x + w; }
  int bottom() const { return y + h; }
  bool overlaps(const Rect& o) const {
    return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
  }
};

// The window's dark frame: the outer ring of the background and of every page, and so the
// colour of page 0's pixel (0, 0), which the game takes as the window's background colour.
constexpr svc::Colour kFrame = svc::rgb(9, 11, 19);
constexpr Rgb kFrameRgb{9, 11, 19};
// The page panel; the colour page's slots hold exactly this colour behind the car swatches.
constexpr svc::Colour kPanel = svc::rgb(22, 26, 40);
constexpr Rgb kPanelRgb{22, 26, 40};
constexpr Rgb kYellow{255, 204, 70};
constexpr Rgb kCyan{96, 190, 255};
constexpr Rgb kInk{232, 238, 250};  // caption text

// Adds grain of the given amplitude (colour units) to the canvas inside rect.
void addGrain(Canvas& canvas, Rect rect, double amplitude, unsigned seed);

// The background of a page: the dark blue-grey panel with its gradient, fine texture and the
// title band; the outer ring is drawn by finishPage.
void drawPagePanel(Canvas& canvas);
// The page's title in the band at its top.
void drawPageTitle(cairo_t* cr, int width, const std::string& title);
// The dark outer ring and inner highlight of a page; pixel (0, 0) becomes exactly kFrame.
void finishPage(Canvas& canvas);

// A soft glow around a button, drawn before the buttons so neighbours cover it.
void drawButtonHalo(cairo_t* cr, Rect r);
// The bevelled body of a button covering exactly r (outline, gradient, gloss, inner glow).
void drawButtonBody(cairo_t* cr, Rect r);
// Text fonts with the hinting the menu uses everywhere.
void textFont(cairo_t* cr, double size, bool bold);
// A label centred in the box; throws when it does not fit its width.
void drawButtonLabel(cairo_t* cr, Rect box, const std::string& text, double size, Rgb colour,
                     const std::string& where);
// Text with a dark drop shadow, left end of the baseline at (x, y).
void drawShadowedText(cairo_t* cr, const std::string& text, double x, double y, Rgb colour,
                      double alpha = 1.0);

// A calm sunken field for something the game draws (white for the name field).
void drawInsetField(cairo_t* cr, Rect r, bool white);

// A padlock centred at (cx, cy); height is the whole lock with its shackle.
void drawPadlock(cairo_t* cr, double cx, double cy, double height);

// Darkens and desaturates the pixels of a picture, with faint diagonal hatching: the look of a
// locked choice.
void darkenLocked(Image& image);

// Copies rect out of a picture; parts outside the picture become fill.
Image crop(const Image& image, Rect rect, svc::Colour fill);

}  // namespace art::menu
