// Lines of text drawn by SDL_ttf as coverage masks, with the fonts opened once per size.
#include "services/sdl_text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdint>

#include "services/errors.h"

namespace svc {

SdlTextRenderer::SdlTextRenderer(std::string fontFolder) : folder_(std::move(fontFolder)) {}

SdlTextRenderer::~SdlTextRenderer() {
  for (auto& [key, f] : fonts_) TTF_CloseFont(f);
}

TTF_Font* SdlTextRenderer::font(const TextStyle& style) {
  const auto key = std::make_pair(style.size, style.bold);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  const std::string file = folder_ + (style.bold ? "/DejaVuSans-Bold.ttf" : "/DejaVuSans.ttf");
  TTF_Font* f = TTF_OpenFont(file.c_str(), style.size);
  if (!f) throw DataFileError(file, TTF_GetError());
  fonts_[key] = f;
  return f;
}

Coverage SdlTextRenderer::renderLine(const std::string& utf8, const TextStyle& style) {
  Coverage c;
  if (utf8.empty()) return c;
  TTF_Font* f = font(style);
  SDL_Surface* s = TTF_RenderUTF8_Blended(f, utf8.c_str(), SDL_Color{255, 255, 255, 255});
  if (!s) return c;
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(s);
  if (!rgba) return c;
  c.width = rgba->w;
  c.height = rgba->h;
  c.alpha.resize(size_t(c.width) * c.height);
  SDL_LockSurface(rgba);
  for (int y = 0; y < c.height; ++y) {
    const auto* src = reinterpret_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
    for (int x = 0; x < c.width; ++x) c.alpha[size_t(y) * c.width + x] = src[4 * x + 3];
  }
  SDL_UnlockSurface(rgba);
  SDL_FreeSurface(rgba);
  return c;
}

int SdlTextRenderer::lineWidth(const std::string& utf8, const TextStyle& style) {
  int w = 0, h = 0;
  if (utf8.empty()) return 0;
  TTF_SizeUTF8(font(style), utf8.c_str(), &w, &h);
  return w;
}

int SdlTextRenderer::lineHeight(const TextStyle& style) {
  return TTF_FontLineSkip(font(style));
}

}  // namespace svc
