// The least a real-time race could cost: a bare program on the game's libraries that does only
// what every race frame must, 43 times a second as the game does: the 640 × 480 view copied out of
// a 2000 × 2000 track picture at a place that moves, turned into the window's layout as it is
// written into the window surface, and shown (the software renderer's window, no GL), with the
// race music decoded by libmpg123 into an SDL audio device.
// It prints its processor use over SECONDS after four seconds of frames, for comparison with
// bench/race_cpu.sh.
// Usage (on an X display): drovanta_race_floor PROGRAM_FOLDER [SECONDS]
#include <SDL.h>
#include <emmintrin.h>
#include <sys/mman.h>
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "floor_music.h"

namespace {

constexpr int kMap = 2000, kWidth = 640, kHeight = 480;
constexpr double kFrameMs = 1000.0 / 43;

double processorMs() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return (double(u.ru_utime.tv_sec) + double(u.ru_stime.tv_sec)) * 1000 +
         (double(u.ru_utime.tv_usec) + double(u.ru_stime.tv_usec)) / 1000;
}

// Red and blue change places, four pixels at a time, as the game writes its window.
void swapRedBlue(const std::uint32_t* from, std::uint32_t* to, int n) {
  const __m128i keep = _mm_set1_epi32(static_cast<int>(0xFF00FF00u));
  const __m128i low = _mm_set1_epi32(0xFF);
  for (int i = 0; i + 4 <= n; i += 4) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i),
                     _mm_or_si128(_mm_and_si128(v, keep),
                                  _mm_or_si128(_mm_slli_epi32(_mm_and_si128(v, low), 16),
                                               _mm_and_si128(_mm_srli_epi32(v, 16), low))));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: drovanta_race_floor PROGRAM_FOLDER [SECONDS]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int seconds = argc == 3 ? std::atoi(argv[2]) : 20;
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "cannot start SDL: %s\n", SDL_GetError());
    return 1;
  }
  FloorMusic music(folder + "/music/0.mp3");
  if (!music.playing()) {
    std::fprintf(stderr, "no race music in %s\n", folder.c_str());
    return 1;
  }

  SDL_Window* window = SDL_CreateWindow("floor", 0, 0, kWidth, kHeight, 0);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  // In large pages, as the game keeps its track pictures.
  const std::size_t trackBytes = std::size_t(kMap) * kMap * sizeof(std::uint32_t);
  void* block =
      mmap(nullptr, trackBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (block == MAP_FAILED) return 1;
  madvise(block, trackBytes, MADV_HUGEPAGE);
  auto* track = static_cast<std::uint32_t*>(block);
  for (std::size_t i = 0; i < std::size_t(kMap) * kMap; ++i)
    track[i] = std::uint32_t(i * 2654435761u);
  std::vector<std::uint32_t> view(std::size_t(kWidth) * kHeight);

  const Uint64 start = SDL_GetTicks64();
  double from = 0;
  for (long frame = 0;; ++frame) {
    const double now = double(SDL_GetTicks64() - start);
    if (now >= 4000 && from == 0) from = processorMs();
    if (now >= 4000.0 + seconds * 1000.0) break;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    // The view drifts across the track as a car would drive it.
    const int left = int(frame % 1200), top = int((frame / 2) % 1400);
    for (int y = 0; y < kHeight; ++y)
      std::memcpy(view.data() + std::size_t(y) * kWidth,
                  track + std::size_t(top + y) * kMap + std::size_t(left),
                  kWidth * sizeof(std::uint32_t));
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface && surface->w == kWidth && surface->h == kHeight) {
      for (int y = 0; y < kHeight; ++y)
        swapRedBlue(view.data() + std::size_t(y) * kWidth,
                    reinterpret_cast<std::uint32_t*>(static_cast<char*>(surface->pixels) +
                                                     y * surface->pitch),
                    kWidth);
    }
    SDL_UpdateWindowSurface(window);
    const double next = double(frame + 1) * kFrameMs;
    const double wait = next - double(SDL_GetTicks64() - start);
    if (wait > 0) SDL_Delay(Uint32(wait));
  }
  std::printf("processor %.2f %% of a core over %d s\n",
              100.0 * (processorMs() - from) / (seconds * 1000.0), seconds);
  SDL_DestroyRenderer(renderer);
  munmap(block, trackBytes);
  SDL_Quit();
  return 0;
}
