// The executable's folder from SDL, which finds it the way each operating system allows.
#include "services/sdl_executable_folder.h"

#include <SDL.h>

namespace svc {

std::string executableFolder() {
  char* base = SDL_GetBasePath();
  if (!base) return ".";
  std::string folder = base;
  SDL_free(base);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace svc
