// The tools' picture writers on SDL and SDL_image.
#include "services/tool_writers/image_writers.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>

namespace svc {

namespace {

// An SDL copy of a picture in 24-bit RGB, for the writers.
SDL_Surface* toSdl(const Image& image) {
  if (image.width <= 0 || image.height <= 0) return nullptr;
  SDL_Surface* s =
      SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 24, SDL_PIXELFORMAT_RGB24);
  if (!s) return nullptr;
  for (int y = 0; y < image.height; ++y) {
    auto* dst = reinterpret_cast<std::uint8_t*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < image.width; ++x) {
      const Colour c = image.at(x, y);
      dst[3 * x] = std::uint8_t(red(c));
      dst[3 * x + 1] = std::uint8_t(green(c));
      dst[3 * x + 2] = std::uint8_t(blue(c));
    }
  }
  return s;
}

}  // namespace

bool savePng(const Image& image, const std::string& path) {
  SDL_Surface* s = toSdl(image);
  const bool ok = s && IMG_SavePNG(s, path.c_str()) == 0;
  SDL_FreeSurface(s);
  return ok;
}

bool saveBmp(const Image& image, const std::string& path) {
  SDL_Surface* s = toSdl(image);
  const bool ok = s && SDL_SaveBMP(s, path.c_str()) == 0;
  SDL_FreeSurface(s);
  return ok;
}

bool saveJpg(const Image& image, const std::string& path, int quality) {
  // Tools write JPEGs without starting the whole of SDL; the JPEG codec is loaded on demand.
  if (!(IMG_Init(IMG_INIT_JPG) & IMG_INIT_JPG)) return false;
  SDL_Surface* s = toSdl(image);
  const bool ok = s && IMG_SaveJPG(s, path.c_str(), quality) == 0;
  SDL_FreeSurface(s);
  return ok;
}

}  // namespace svc
