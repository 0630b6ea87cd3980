// The real services on SDL2: clock, input, windows and display mode, pictures, text and music.
// Nothing outside this folder includes SDL.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "services/clock.h"
#include "services/platform.h"
#include "services/text_renderer.h"

struct SDL_Window;

namespace svc {

// Why the game cannot be seen, or "" when it can: SDL falls back on a video driver that draws
// nowhere (offscreen, dummy) when it finds no display, and a game nobody can see would run for
// ever. A driver asked for by name (SDL_VIDEODRIVER) is taken as meant. `display` and `wayland`
// are the values of DISPLAY and WAYLAND_DISPLAY, null when not set.
std::string noDisplayMessage(const char* chosenDriver, bool driverRequested, const char* display,
                             const char* wayland);

// SDL and its libraries, initialised for the life of the object.
class SdlSystem {
 public:
  // With headless set, SDL's dummy video and audio drivers are used. Without it, a start where
  // SDL finds no display throws std::runtime_error with noDisplayMessage's text.
  explicit SdlSystem(bool headless);
  ~SdlSystem();
  SdlSystem(const SdlSystem&) = delete;
  SdlSystem& operator=(const SdlSystem&) = delete;
  bool audioAvailable() const { return audio_; }

 private:
  bool audio_ = false;
};

class SdlClock : public Clock {
 public:
  std::uint32_t ticks() override;
  double secondsSinceMidnight() override;
  void waitUntil(std::uint32_t tick) override;
};

class SdlPresenter : public Presenter {
 public:
  SdlPresenter();
  ~SdlPresenter() override;
  void present(WindowSlot slot, Form& form) override;
  void hide(WindowSlot slot) override;
  int desktopWidth() override;
  int desktopHeight() override;
  bool setFullscreen(bool on, int width, int height) override;
  bool fullscreen() const override { return fullscreen_; }
  // The slot of an SDL window id (for input); Main when unknown.
  WindowSlot slotOf(std::uint32_t windowId) const;
  // Shows the last presented picture of a window again (after the window system lost it).
  void refresh(std::uint32_t windowId);

 private:
  struct Window;
  bool desktopMode(int* width, int* height);
  bool enterFullscreen(SDL_Window* window, int width, int height);
  void redraw(Window& w);
  Window& window(WindowSlot slot, Form& form);
  std::map<WindowSlot, std::unique_ptr<Window>> windows_;
  bool fullscreen_ = false;
  int fullWidth_ = 640, fullHeight_ = 480;
};

class SdlInput : public InputSource {
 public:
  explicit SdlInput(SdlPresenter& presenter) : presenter_(presenter) {}
  void poll(std::deque<InputEvent>& out) override;
  void waitForInput(std::uint32_t untilTick, bool hasDeadline) override;

 private:
  SdlPresenter& presenter_;
};

class SdlPictureLoader : public PictureLoader {
 public:
  ImagePtr load(const std::string& path) override;
};

class SdlTextRenderer : public TextRenderer {
 public:
  // Fonts are read from fontFolder ("DejaVuSans.ttf", "DejaVuSans-Bold.ttf"); a missing font
  // throws DataFileError.
  explicit SdlTextRenderer(std::string fontFolder);
  ~SdlTextRenderer() override;
  Coverage renderLine(const std::string& utf8, const TextStyle& style) override;
  int lineWidth(const std::string& utf8, const TextStyle& style) override;
  int lineHeight(const TextStyle& style) override;

 private:
  void* font(const TextStyle& style);
  std::string folder_;
  std::map<std::pair<int, bool>, void*> fonts_;
};

class SdlAudio : public AudioDevice {
 public:
  explicit SdlAudio(bool available);
  ~SdlAudio() override;
  std::unique_ptr<MusicPlayer> newPlayer() override;

  // The player whose music the device is playing (internal).
  void* current = nullptr;
  bool available;
};

// Writes a picture as a PNG (screenshots), a 24-bit BMP or a JPEG file; false on failure.
bool savePng(const Image& image, const std::string& path);
inline bool savePng(const Surface& surface, const std::string& path) {
  return savePng(surface.image(), path);
}
bool saveBmp(const Image& image, const std::string& path);
bool saveJpg(const Image& image, const std::string& path, int quality);

// Shows an error message box where a display exists (besides the caller's stderr line).
void showErrorBox(const std::string& title, const std::string& message);

// The folder of the running executable, without a trailing slash.
std::string executableFolder();

}  // namespace svc
