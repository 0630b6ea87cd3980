// Picture files written by the tools (the art generator, the driver's screenshots, tests): PNG,
// 24-bit BMP and JPEG. The game itself only reads pictures and never links these.
#pragma once
#include <string>

#include "services/surface.h"

namespace svc {

// Each writes the picture to path; false on failure.
bool savePng(const Image& image, const std::string& path);
inline bool savePng(const Surface& surface, const std::string& path) {
  return savePng(surface.image(), path);
}
bool saveBmp(const Image& image, const std::string& path);
bool saveJpg(const Image& image, const std::string& path, int quality);

}  // namespace svc
