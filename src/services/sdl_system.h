// SDL and its libraries started for the life of the program, and the check that the game can be
// seen at all. Nothing outside this folder includes SDL.
#pragma once
#include <string>

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

}  // namespace svc
