// Decoding picture files with SDL_image into images with red in the lowest byte.
#include "services/sdl_pictures.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "services/errors.h"
#include "services/picture_decoders.h"

namespace svc {

namespace {

// The decoded picture in the game's colours. The formats the game's own files decode to (24-bit
// JPEG and BMP, 8-bit GIF) are read directly; SDL's general conversion is several times slower
// on the 2000 × 2000 track pictures.
bool readDirect(SDL_Surface* s, Image& img) {
  const Uint32 format = s->format->format;
  const bool rgb24 = format == SDL_PIXELFORMAT_RGB24, bgr24 = format == SDL_PIXELFORMAT_BGR24;
  if (!rgb24 && !bgr24 && format != SDL_PIXELFORMAT_INDEX8) return false;
  Colour palette[256] = {};
  if (format == SDL_PIXELFORMAT_INDEX8) {
    const SDL_Palette* p = s->format->palette;
    if (!p) return false;
    for (int i = 0; i < p->ncolors && i < 256; ++i)
      palette[i] = rgb(p->colors[i].r, p->colors[i].g, p->colors[i].b);
  }
  SDL_LockSurface(s);
  for (int y = 0; y < s->h; ++y) {
    const auto* src = reinterpret_cast<const std::uint8_t*>(s->pixels) + y * s->pitch;
    Colour* dst = img.pixels.data() + size_t(y) * img.width;
    if (rgb24)
      for (int x = 0; x < s->w; ++x, src += 3) dst[x] = rgb(src[0], src[1], src[2]);
    else if (bgr24)
      for (int x = 0; x < s->w; ++x, src += 3) dst[x] = rgb(src[2], src[1], src[0]);
    else
      for (int x = 0; x < s->w; ++x) dst[x] = palette[src[x]];
  }
  SDL_UnlockSurface(s);
  return true;
}

}  // namespace

SdlPictureLoader::~SdlPictureLoader() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    queue_.clear();
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void SdlPictureLoader::prefetch(const std::vector<std::string>& paths) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const std::string& p : paths)
      if (p != current_ && !ready_.count(p) &&
          std::find(queue_.begin(), queue_.end(), p) == queue_.end())
        queue_.push_back(p);
  }
  if (!worker_.joinable()) worker_ = std::thread([this] { work(); });
  changed_.notify_all();
}

void SdlPictureLoader::work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_) return;
    current_ = queue_.front();
    queue_.pop_front();
    const std::string path = current_;
    lock.unlock();
    std::shared_ptr<Image> img = decodeDirect(path);
    lock.lock();
    // A file the straight decoders leave is kept as "nothing ready": its load decodes it.
    ready_[path] = std::move(img);
    current_.clear();
    changed_.notify_all();
  }
}

ImagePtr SdlPictureLoader::load(const std::string& path) {
  bool declined = false;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    const auto queued = std::find(queue_.begin(), queue_.end(), path);
    if (queued != queue_.end()) queue_.erase(queued);
    changed_.wait(lock, [&] { return current_ != path; });
    if (auto it = ready_.find(path); it != ready_.end()) {
      std::shared_ptr<Image> img = std::move(it->second);
      ready_.erase(it);
      if (img) return img;
      declined = true;
    }
  }
  if (!declined)
    if (std::shared_ptr<Image> img = decodeDirect(path)) return img;
  return decodeWithSdlImage(path);
}

ImagePtr decodeWithSdlImage(const std::string& path) {
  SDL_Surface* loaded = IMG_Load(path.c_str());
  if (!loaded) throw DataFileError(path, IMG_GetError());
  auto img = std::make_shared<Image>(loaded->w, loaded->h);
  if (readDirect(loaded, *img)) {
    SDL_FreeSurface(loaded);
    return img;
  }
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(loaded);
  if (!rgba) throw DataFileError(path, SDL_GetError());
  SDL_LockSurface(rgba);
  for (int y = 0; y < rgba->h; ++y) {
    const auto* src = reinterpret_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
    Colour* dst = img->pixels.data() + size_t(y) * img->width;
    for (int x = 0; x < rgba->w; ++x) dst[x] = rgb(src[4 * x], src[4 * x + 1], src[4 * x + 2]);
  }
  SDL_UnlockSurface(rgba);
  SDL_FreeSurface(rgba);
  return img;
}

}  // namespace svc
