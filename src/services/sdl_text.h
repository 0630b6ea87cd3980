// Text drawing with SDL_ttf and the DejaVu fonts of the program folder.
#pragma once
#include <map>
#include <string>
#include <utility>

#include "services/text_renderer.h"

// SDL_ttf's font, declared as SDL_ttf.h declares it, so this header needs no SDL.
typedef struct _TTF_Font TTF_Font;

namespace svc {

class SdlTextRenderer : public TextRenderer {
 public:
  // Fonts are read from fontFolder ("DejaVuSans.ttf", "DejaVuSans-Bold.ttf"); a missing font
  // throws DataFileError.
  explicit SdlTextRenderer(std::string fontFolder);
  ~SdlTextRenderer() override;
  SdlTextRenderer(const SdlTextRenderer&) = delete;
  SdlTextRenderer& operator=(const SdlTextRenderer&) = delete;
  Coverage renderLine(const std::string& utf8, const TextStyle& style) override;
  int lineWidth(const std::string& utf8, const TextStyle& style) override;
  int lineHeight(const TextStyle& style) override;

 private:
  TTF_Font* font(const TextStyle& style);
  std::string folder_;
  // Opened on first use, by size and boldness.
  std::map<std::pair<int, bool>, TTF_Font*> fonts_;
};

}  // namespace svc
