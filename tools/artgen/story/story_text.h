// Text setting for the story pictures: word wrapping that keeps Czech one-letter words with the
// word after them, and a measured line-by-line writer.
#pragma once
#include <cairo.h>

#include <string>
#include <vector>

#include "story_paint.h"

namespace art::story {

// DejaVu Sans at a pixel size (the fonts the game ships).
void font(cairo_t* cr, double size, bool bold);

double advance(cairo_t* cr, const std::string& text);

// Splits text into lines no wider than width in the current font. A one-letter word ("v", "k",
// "a", "I") stays on the line of the word after it and a dash on the line of the word before it,
// as Czech typesetting wants. A single word wider than width gets a line of its own.
std::vector<std::string> wrap(cairo_t* cr, const std::string& text, double width);

// Draws text with its baseline at y: left-aligned at x, or centred on x when centred is true.
void write(cairo_t* cr, const std::string& text, double x, double y, Rgb colour,
           bool centred = false);

// Draws text with a soft glow of the glow colour behind it (headlines on dark panels).
void writeGlowing(cairo_t* cr, const std::string& text, double x, double y, Rgb colour, Rgb glow,
                  double glowAlpha, int radius, bool centred = false);

}  // namespace art::story
