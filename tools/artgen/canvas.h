// A cairo drawing surface that turns into the game's Image, plus small shared drawing helpers.
#pragma once
#include <cairo.h>

#include <string>

#include "art.h"

namespace art {

class Canvas {
 public:
  // An opaque canvas has no alpha: for pictures also painted pixel by pixel.
  Canvas(int width, int height, bool opaque = false);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // The drawing as the game's colours. Pixels are taken as opaque: draw a background first.
  Image toImage() const;
  // Draws an Image onto the canvas at (x, y) (1:1, no filtering).
  void drawImage(const Image& image, double x, double y);

 protected:
  cairo_surface_t* surface() const { return surface_; }

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Sets the cairo source colour from 0..255 components.
void setColour(cairo_t* cr, unsigned r, unsigned g, unsigned b, double alpha = 1.0);
// Sets a DejaVu Sans font (bold or not) at a pixel size.
void setFont(cairo_t* cr, double size, bool bold = false);
// Draws UTF-8 text with its left end of the baseline at (x, y).
void drawText(cairo_t* cr, const std::string& text, double x, double y);
// Draws UTF-8 text centred in the box (x, y, w, h).
void drawTextCentred(cairo_t* cr, const std::string& text, double x, double y, double w, double h);
// Width of UTF-8 text in the current font.
double textWidth(cairo_t* cr, const std::string& text);

}  // namespace art
