// Draws a menu page from its layout: panel, title, buttons, fields, tracks and captions.
#pragma once
#include <vector>

#include "menu/menu_layout.h"

namespace art::menu {

struct RenderedPage {
  Image image;
  std::vector<Rect> captionBoxes;  // where captions and hints put ink, for the layout checks
};

// A state the game shows on a page: the button drawn as the current choice, and how many bars
// of the volume staircase are lit, the highest lit one with the pointer beneath it. The page
// pictures themselves show no choice and every bar lit.
struct PageState {
  std::string chosen;
  int litBars = 8;
  bool pointer = false;
};

// With labels false the words on buttons and tracks are left out (the lock pictures are cut
// from such a page, so that they stay free of any language).
RenderedPage renderPage(const PageSpec& page, Lang lang, bool labels = true,
                        const PageState& state = {});

// Where a button's label is centred (right of its icon), in page pixels.
Rect labelBox(const Area& area);
// The size of a button's label text.
double labelSize(const Area& area);

// The visible part of an area's bar on the volume staircase, inside the area.
Rect volumeBar(const PageSpec& page, const Area& area);

// The colour a colour slot hints at (red, blue, green, yellow, white).
Rgb slotColour(int index);

}  // namespace art::menu
