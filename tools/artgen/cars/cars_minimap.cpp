// The minimap markers: 11 x 5 cars facing east on the magenta key, one per paint colour. The
// game draws both markers with the key it reads from the player's marker at (0, 0).
#include <stdexcept>
#include <string>

#include "keyed.h"
#include "paints.h"

namespace art::cars {

namespace {

// o outline, b body, l lit roof, g windscreen, . key. The pointed nose shows the heading.
// clang-format off
constexpr const char* kMarker[5] = {
    ".oooooooo..",
    "obblllgbbo.",
    "obblllgbbbo",
    "obblllgbbo.",
    ".oooooooo..",
};
// clang-format on

Image marker(const Paint& p) {
  Image img(11, 5, svc::kMagenta);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 11; ++x) {
      switch (kMarker[y][x]) {
        case 'o':
          img.at(x, y) = toColour(shade(p.shadow, 0.5));
          break;
        case 'b':
          img.at(x, y) = toColour(p.body);
          break;
        case 'l':
          img.at(x, y) = toColour(shade(p.body, 1.3));
          break;
        case 'g':
          img.at(x, y) = svc::rgb(36, 46, 66);
          break;
        default:
          break;
      }
    }
  return img;
}

void writeMarkers(const Context& ctx) {
  for (const Colourway& cw : colourways()) {
    const std::string name = std::string("/gfx/cars/mini") + cw.mini + ".bmp";
    const Image img = marker(cw.paint);
    checkSize(img, 11, 5, name);
    checkKeyed(img, name);
    if (img.at(0, 0) != svc::kMagenta) throw std::runtime_error(name + ": (0, 0) is not the key");
    ctx.writeBmp(name, img);
  }
}

}  // namespace

}  // namespace art::cars

ARTGEN_MODULE("cars_minimap", art::cars::writeMarkers);
