// The scrolling text picture of a story screen: heading, story and rules, light on black.
#pragma once
#include "art.h"
#include "story_texts.h"

namespace art::story {

// The menu copies the picture into the 200 × 297 story box at y 290 first and moves it up to
// y -590, where the story ends by itself. The picture covers the box at every position; the
// text keeps below kScrollTextTop and above kScrollTextBottom, so every line crosses the whole
// box and the last one has left it (under the box's top fade) when the story ends.
constexpr int kScrollWidth = 200;
constexpr int kScrollHeight = 890;
constexpr int kScrollTextTop = 40;
constexpr int kScrollTextBottom = 580;

// Lays the text out and draws it; throws when it does not fit between the two limits.
Image scrollPicture(GameType type, Lang lang);

}  // namespace art::story
