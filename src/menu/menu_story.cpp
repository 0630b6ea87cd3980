// The story screen that follows a game-type choice, and the info page's picture.
#include "menu/menu_window.h"

namespace game {

void MenuWindow::StartStory() {
  cerne_->cls();
  Picture2_->cls();
  state.StoryShowing = false;
  state.BlendLevel = 0;
  cerne_->move(0, 74);
  cerne_->setVisible(true);
  story_->cls();
  state.StoryY = 290;
  state.StoryX = 0;
  state.MenuFrameInterval = 20;
  form_.show();
  StoryLoop();
}

void MenuWindow::openInfo() {
  // Only Czech has its own; every other language code reads the English picture. The scroll
  // position stays as the last visit left it.
  runtime_.loadInto(*Picture8_, menuFolder() + "info.bmp");
}

}  // namespace game
