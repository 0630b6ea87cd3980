// The least the menu could hold: a bare program on the game's libraries that shows one 640 × 480
// picture the way the game does (a software renderer on the window, the picture written straight
// into the window surface, no GL), with SDL_image and SDL_ttf started, one font open and the menu
// music decoded by libmpg123 into an SDL audio device.
// It prints its resident memory after two seconds of frames, for comparison with the menu probe.
// Usage (on an X display): drovanta_menu_floor PROGRAM_FOLDER
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "floor_music.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: drovanta_menu_floor PROGRAM_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "cannot start SDL: %s\n", SDL_GetError());
    return 1;
  }
  IMG_Init(IMG_INIT_JPG);
  TTF_Init();
  TTF_Font* font = TTF_OpenFont((folder + "/fonts/DejaVuSans.ttf").c_str(), 13);
  FloorMusic music(folder + "/music/menu.mp3");
  if (!font || !music.playing()) {
    std::fprintf(stderr, "no font or music in %s\n", folder.c_str());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("floor", 0, 0, 640, 480, 0);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  SDL_FreeSurface(TTF_RenderUTF8_Blended(font, "Drovanta", SDL_Color{255, 255, 255, 255}));
  std::vector<Uint32> picture(640 * 480);
  for (std::size_t i = 0; i < picture.size(); ++i) picture[i] = Uint32(i * 2654435761u);
  for (int frame = 0; frame < 100; ++frame) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface && surface->w == 640 && surface->h == 480)
      for (int y = 0; y < 480; ++y)
        std::memcpy(static_cast<char*>(surface->pixels) + y * surface->pitch,
                    picture.data() + y * 640, 640 * 4);
    SDL_UpdateWindowSurface(window);
    SDL_Delay(20);
  }
  std::FILE* status = std::fopen("/proc/self/status", "r");
  char line[256];
  while (status && std::fgets(line, sizeof line, status))
    for (const char* key : {"VmHWM", "RssAnon", "RssFile", "RssShmem"})
      if (std::strncmp(line, key, std::strlen(key)) == 0) std::fputs(line, stdout);
  if (status) std::fclose(status);
  TTF_CloseFont(font);
  SDL_DestroyRenderer(renderer);
  SDL_Quit();
  return 0;
}
