// The game's windows on SDL: each window slot is an OS window that shows the composed image of
// the form in it, and the main window switches the display mode.
#pragma once
#include <cstdint>
#include <map>
#include <memory>

#include "services/platform.h"

struct SDL_Surface;
struct SDL_Window;

namespace svc {

class SdlPresenter : public Presenter {
 public:
  SdlPresenter();
  ~SdlPresenter() override;
  void present(WindowSlot slot, Form& form) override;
  bool wantsPicture(WindowSlot slot) const override;
  void hide(WindowSlot slot) override;
  int desktopWidth() override;
  int desktopHeight() override;
  bool setFullscreen(bool on, int width, int height) override;
  bool fullscreen() const override { return fullscreen_; }
  void setWindowScale(int scale, bool smooth) override;
  bool mainWindowRect(WindowRect* out) const override;
  void openMainWindowAt(const WindowRect& rect) override;
  // The slot of an SDL window id (for input); Main when unknown.
  WindowSlot slotOf(std::uint32_t windowId) const;
  // Shows the last presented picture of a window again (after the window system lost it).
  void refresh(std::uint32_t windowId);
  // A window changed its size: its picture is fitted to it again.
  void resized(std::uint32_t windowId);
  // The picture pixel under a pixel of a window (false for a window the presenter does not know).
  bool toPicture(std::uint32_t windowId, int x, int y, int* px, int* py) const;
  // Sets the size of a window that is open, as a player dragging its edge would.
  void setWindowSize(WindowSlot slot, int width, int height);
  // Moves a window that is open, as a player dragging it would.
  void setWindowPosition(WindowSlot slot, int x, int y);
  // What a window shows now, in the game's colours (red in the lowest byte), row by row; false
  // when it is not open.
  bool windowPixels(WindowSlot slot, Image* out);
  // The SDL id of a slot's window; 0 before it opens.
  std::uint32_t windowId(WindowSlot slot) const;

 private:
  struct Window;
  bool desktopMode(int* width, int* height);
  static bool onADisplay(const WindowRect& r);
  // How many times its picture's size a window opens at.
  int windowScale(int width, int height);
  bool enterFullscreen(SDL_Window* window, int width, int height);
  void redraw(Window& w);
  // The window surface when the picture can go straight into it; nullptr otherwise.
  static SDL_Surface* directSurface(Window& w);
  static bool drawDirect(Window& w, Form& form);
  // The picture into the window's texture, made at its first use.
  void upload(Window& w, const Surface& img);
  bool makeTexture(Window& w);
  void fit(Window& w);
  Window& window(WindowSlot slot, Form& form);
  std::map<WindowSlot, std::unique_ptr<Window>> windows_;
  bool fullscreen_ = false;
  int fullWidth_ = 640, fullHeight_ = 480;
  int scale_ = 1;
  bool spread_ = false;  // full screen as a borderless window over the display
  bool smooth_ = false;
  // The kept place the main window opens at, and the place it had as a window before full screen.
  bool opening_ = false;
  WindowRect openingRect_;
  bool windowedKnown_ = false;
  WindowRect windowed_;
  // The main form's place last given to its window: the window follows the form when the game
  // moves it, and otherwise stays wherever the player put it.
  int formLeft_ = 0, formTop_ = 0;
};

}  // namespace svc
