// The menu's marked states: the language page with each language chosen and the sound page with
// each volume level lit, as bands of page rows the game lays over the page picture.
#pragma once
#include "menu/menu_layout.h"

namespace art::menu {

// The rows of page 8 that hold both flag buttons, and of page 7 that hold the volume bars with
// the pointer beneath them. The game lays a band at the same rows.
constexpr Rect kLanguageBand{0, 50, 155, 80};
constexpr Rect kVolumeBand{0, 130, 155, 30};

// "jazyk.bmp": Czech chosen, then English chosen, one band each.
Image drawLanguageStates(Lang lang);
// "hlasitost.bmp": no bar lit, then one to all eight bars lit with the pointer under the highest.
Image drawVolumeStates(Lang lang);

}  // namespace art::menu
