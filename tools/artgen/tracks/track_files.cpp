#include "tracks/track_files.h"

#include <algorithm>
#include <stdexcept>

#include "services/sdl_pictures.h"

namespace art::tracks {

void writeExact(const Context& ctx, const std::string& relative, const Image& image) {
  if (relative.size() > 4 && relative.substr(relative.size() - 4) == ".gif")
    ctx.writeGif(relative, image);
  else
    ctx.writeBmp(relative, image);
  svc::SdlPictureLoader loader;
  const svc::ImagePtr back = loader.load(ctx.path(relative));
  if (back->width != image.width || back->height != image.height || back->pixels != image.pixels)
    throw std::runtime_error(relative + " does not load back exactly as written");
}

unsigned overlaySpill(const Context& ctx, const std::string& jpg, const Image& mask) {
  svc::SdlPictureLoader loader;
  const svc::ImagePtr img = loader.load(ctx.path(jpg));
  if (img->width != mask.width || img->height != mask.height)
    throw std::runtime_error(jpg + " is not the size of its mask");
  unsigned worst = 0;
  for (std::size_t i = 0; i < mask.pixels.size(); ++i)
    if (mask.pixels[i] != 0) {
      const Colour c = img->pixels[i];
      worst = std::max({worst, svc::red(c), svc::green(c), svc::blue(c)});
    }
  return worst;
}

}  // namespace art::tracks
