// The rules every picture of the story module passes before it is written; a broken rule
// throws std::runtime_error naming the picture, so the build fails.
#pragma once
#include <string>

#include "art.h"

namespace art::story {

void checkSize(const Image& image, int width, int height, const std::string& name);

// The menu blends pictures with magenta as the transparent colour: a magenta pixel would stay
// unblended and show as a hole.
void checkNoKey(const Image& image, const std::string& name);

// Nudges any pixel that happens to be exactly the key to a neighbouring colour.
void avoidKey(Image& image);

// Rows first..last (inclusive) are exactly black.
void checkBlackRows(const Image& image, int first, int last, const std::string& name);

// The first and last rows that hold anything but black, or {-1, -1} for a black picture.
struct RowSpan {
  int first, last;
};
RowSpan inkRows(const Image& image);

// Writes the picture after checking its size and the key rule.
void writeChecked(const Context& ctx, const std::string& relative, const Image& image, int width,
                  int height);

}  // namespace art::story
