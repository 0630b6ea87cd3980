// Pictures built into the menu window: the story text mask, the fade picture, the two logos and
// the info picture's placeholder.
#pragma once
#include "menu/menu_layout.h"

namespace art::menu {

// Picture1, 200 × 300: grey levels, white where the story text shows, fading to black over the
// top and bottom 30 rows of the 297-row story box, black below it.
Image drawStoryMask();
// Picture6, 200 × 280: the story panel's black that picture and text fade into.
Image drawFadePicture();
// Picture5 (Czech) and Picture4 (English), 155 × 200: the logo on black.
Image drawLogo(Lang lang);
// Picture8, 155 × 800: a calm dark panel with the word "Info".
Image drawInfoPlaceholder();

constexpr int kStoryBoxHeight = 297;
constexpr int kMaskFade = 30;

}  // namespace art::menu
