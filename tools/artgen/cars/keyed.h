// Pictures with exact colours: sprites on the magenta key, mask pairs, and the checks every such
// picture passes before it is written (a broken rule throws, so the build fails).
#pragma once
#include <string>

#include "art.h"
#include "canvas.h"

namespace art::cars {

// True for a colour close enough to magenta to read as a pink fringe once the key is dropped:
// bright and saturated, with a hue from violet to pink.
bool looksLikeKey(Colour c);

// A drawing made on a transparent canvas, as a sprite on the magenta key: pixels at least half
// covered keep their own colour (never blended with the key), the rest become exactly the key.
// An edge pixel whose colour looks like the key is pushed to the key; a fully drawn one throws.
Image keyOut(const Canvas& canvas);

// The mask pair of a drawing made on a transparent canvas: the shape is where coverage is at
// least half. mask: black over the shape, white elsewhere; image: the shape's colours on black.
struct MaskPair {
  Image mask, image;
};
MaskPair maskPair(const Canvas& canvas);

// Rule checks; each throws std::runtime_error naming the picture.
void checkSize(const Image& image, int width, int height, const std::string& name);
// Every pixel is the key or visibly not magenta, and something is drawn.
void checkKeyed(const Image& image, const std::string& name);
// mask only black and white; image exactly black wherever the mask is white; a shape exists.
void checkMaskPair(const Image& mask, const Image& image, const std::string& name);

}  // namespace art::cars
