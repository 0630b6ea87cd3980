// The error box through SDL's simple message box; nothing where no display can show it.
#include "services/sdl_error_box.h"

#include <SDL.h>

namespace svc {

void showErrorBox(const std::string& title, const std::string& message) {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver && std::string(driver) != "dummy")
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr);
}

}  // namespace svc
