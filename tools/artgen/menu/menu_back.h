// The menu window's background (night city, wet asphalt, light trails, the game's title) and
// the four frames of the animated back button that sits on it.
#pragma once
#include <vector>

#include "menu/menu_style.h"

namespace art::menu {

constexpr int kWindowW = 640, kWindowH = 480;
// The corner of the background that the hover-text panel `tma` shows, and where `tma` sits.
constexpr Rect kCalmCorner{0, 0, 200, 345};
constexpr Rect kTma{440, 96, 200, 345};
// Where the game writes the hover texts inside `tma`.
constexpr Rect kInformace{8, 296, 161, 41};
constexpr Rect kBackButton{16, 456, 73, 17};

Image drawBackground();
// Frames 0..3; frame 3 is the resting one. Each is cut from the background it sits on.
std::vector<Image> drawBackButtonFrames(const Image& background);

}  // namespace art::menu
