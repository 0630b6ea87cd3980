#include "tracks/track_files.h"

#include <algorithm>
#include <stdexcept>

#include "services/sdl_backend.h"

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

void checkPair(const Image& mask, const Image& image, const std::string& name) {
  const Colour white = svc::rgb(255, 255, 255);
  if (mask.width != image.width || mask.height != image.height)
    throw std::runtime_error(name + ": mask and image differ in size");
  bool shape = false;
  for (std::size_t i = 0; i < mask.pixels.size(); ++i) {
    const Colour m = mask.pixels[i];
    if (m != 0 && m != white) throw std::runtime_error(name + ": the mask is not black and white");
    if (m == white && image.pixels[i] != 0)
      throw std::runtime_error(name + ": the image is not black where the mask lets through");
    shape = shape || m == 0;
  }
  if (!shape) throw std::runtime_error(name + ": nothing to paste");
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
