// Starting SDL, SDL_image and SDL_ttf, with SDL's allocations routed through our own functions.
#include "services/sdl_system.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "services/surface.h"

namespace svc {

namespace {

// SDL's own allocations, with the large ones (the decoded track pictures) offered large pages.
void* sdlMalloc(size_t size) {
  void* p = std::malloc(size);
  if (p) adviseLargePages(p, size);
  return p;
}
void* sdlCalloc(size_t count, size_t size) {
  void* p = std::calloc(count, size);
  if (p && count) adviseLargePages(p, count * size);
  return p;
}
void* sdlRealloc(void* p, size_t size) {
  return std::realloc(p, size);
}
void sdlFree(void* p) {
  std::free(p);
}

}  // namespace

std::string noDisplayMessage(const char* chosenDriver, bool driverRequested, const char* display,
                             const char* wayland) {
  const std::string driver = chosenDriver ? chosenDriver : "";
  if (driverRequested || (driver != "offscreen" && driver != "dummy")) return "";
  auto value = [](const char* name, const char* v) {
    return std::string(name) + (v && *v ? "=" + std::string(v) : " is not set");
  };
  return "no display found (" + value("DISPLAY", display) + ", " +
         value("WAYLAND_DISPLAY", wayland) +
         "): start the game on a desktop, or choose a video driver with SDL_VIDEODRIVER";
}

SdlSystem::SdlSystem(bool headless) {
  // Before SDL allocates anything.
  SDL_SetMemoryFunctions(sdlMalloc, sdlCalloc, sdlRealloc, sdlFree);
  if (headless) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  // The windows show a picture the game has composed already: copying it needs no GL context,
  // whose start (a software GL where the machine has no graphics driver) kept the menu from the
  // screen for half a second.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // The start-up window takes the focus first; the click that brings the menu forward is the
  // player's first click on it and must not be lost.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  const char* requested = SDL_getenv("SDL_VIDEODRIVER");
  const bool driverRequested = requested && *requested;
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    throw std::runtime_error(std::string("cannot start SDL: ") + SDL_GetError());
  const std::string unseen = noDisplayMessage(SDL_GetCurrentVideoDriver(), driverRequested,
                                              SDL_getenv("DISPLAY"), SDL_getenv("WAYLAND_DISPLAY"));
  if (!unseen.empty()) {
    SDL_Quit();
    throw std::runtime_error(unseen);
  }
  // A game without sound is still a game: audio failing to start is not fatal.
  audio_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!audio_) std::fprintf(stderr, "Drovanta: no audio (%s)\n", SDL_GetError());
  IMG_Init(IMG_INIT_JPG);
  if (TTF_Init() != 0)
    throw std::runtime_error(std::string("cannot start SDL_ttf: ") + TTF_GetError());
}

SdlSystem::~SdlSystem() {
  TTF_Quit();
  IMG_Quit();
  SDL_Quit();
}

}  // namespace svc
