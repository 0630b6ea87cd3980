// The rules the menu pictures must keep; each check throws std::runtime_error naming the
// picture, so a broken picture fails the build instead of reaching the game.
#pragma once
#include <string>

#include "menu/menu_pages.h"

namespace art::menu {

void checkSize(const Image& image, int width, int height, const std::string& name);
// No pixel is the sprite key: the story blends treat magenta as transparent.
void checkNoMagenta(const Image& image, const std::string& name);
// Every area lies on its page (up to kMaxOverhang), captions stay on the page and off every
// area, and the colour slots hold exactly the panel colour.
void checkPage(const PageSpec& page, const RenderedPage& rendered, const std::string& name);
// Two pictures agree inside rect (a picture meant to match another where they meet).
void checkSame(const Image& a, const Image& b, Rect rect, const std::string& what);
// The text mask: grey levels only, black at the top and bottom edges, white in the middle.
void checkStoryMask(const Image& mask);
// The area the game writes white hover text onto is dark and calm.
void checkCalmCorner(const Image& background);

}  // namespace art::menu
