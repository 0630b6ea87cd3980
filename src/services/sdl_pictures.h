// Picture decoding on SDL_image: .bmp, .jpg and .gif files into the game's colours.
#pragma once
#include <string>

#include "services/platform.h"

namespace svc {

class SdlPictureLoader : public PictureLoader {
 public:
  ImagePtr load(const std::string& path) override;
};

}  // namespace svc
