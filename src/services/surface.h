// A picture surface: a persistent 32-bit image with a background colour and an optional loaded
// picture, plus the raster copy and pixel read the game draws with.
#pragma once
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "services/colour.h"

namespace svc {

// Asks the system to back a large buffer with large pages where it can: the race's 2000 × 2000
// pictures are first touched at a race start, and small pages make that slow.
void adviseLargePages(const void* data, std::size_t bytes);

// Zeroed memory for pixels. Large blocks come straight from the system and go back to it when
// freed: their fresh pages read as zero without being touched, so a black picture costs no
// memory until something is drawn into it (the menu's hidden panels), and the largest are
// offered large pages.
void* allocatePixels(std::size_t bytes);
void freePixels(void* p, std::size_t bytes);

template <class T>
struct PixelAllocator {
  using value_type = T;
  PixelAllocator() = default;
  template <class U>
  PixelAllocator(const PixelAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) { return static_cast<T*>(allocatePixels(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) noexcept { freePixels(p, n * sizeof(T)); }
  // A new element is left as the allocation made it (zero), so untouched pages stay untouched.
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
  template <class U>
  bool operator==(const PixelAllocator<U>&) const noexcept {
    return true;
  }
};

using PixelVector = std::vector<Colour, PixelAllocator<Colour>>;

// Sets n pixels from p on to one colour, at the speed of memory.
void fillPixels(Colour* p, std::size_t n, Colour c);

// A decoded picture: width, height and pixels in the game's colour format (top byte zero).
struct Image {
  int width = 0;
  int height = 0;
  PixelVector pixels;

  Image() = default;
  // Pixels are only written for a colour other than black.
  Image(int w, int h, Colour fill = 0)
      : width(w), height(h), pixels(std::size_t(w) * std::size_t(h)) {
    if (fill != 0) fillPixels(pixels.data(), pixels.size(), fill);
  }
  Image(const Image&) = default;
  Image& operator=(const Image& other) {
    if (this != &other) *this = Image(other);
    return *this;
  }
  Image(Image&&) noexcept = default;
  Image& operator=(Image&&) noexcept = default;
  Colour at(int x, int y) const { return pixels[size_t(y) * width + x]; }
  Colour& at(int x, int y) { return pixels[size_t(y) * width + x]; }
};

using ImagePtr = std::shared_ptr<const Image>;

struct CopyRect;

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Colour background = 0);

  int width() const { return current().width; }
  int height() const { return current().height; }

  // Changes the size; the drawn image is cleared (picture, then background).
  void resize(int width, int height);

  Colour background() const { return background_; }
  // Takes effect at the next clear, as a picture box's background colour does.
  void setBackground(Colour c) { background_ = c; }

  // The loaded picture; with autosize the surface takes the picture's size. The drawn image
  // becomes the picture (over the background where the surface is larger).
  void setPicture(ImagePtr picture, bool autosize);
  void releasePicture();
  // Lets go of the loaded picture but keeps what is drawn (a clear then shows the background).
  void forgetPicture();
  // Lets go of every pixel: the surface is empty until drawn or loaded again.
  void dropPixels();
  const ImagePtr& picture() const { return picture_; }
  bool hasPicture() const { return picture_ != nullptr; }

  // Resets the drawn image to the loaded picture, or to the background colour where there is none.
  void cls();
  // Fills the drawn image with one colour (the picture stays loaded).
  void fill(Colour c);
  // Fills every pixel outside the rectangle (which lies inside the image) with one colour.
  void fillOutside(const CopyRect& keep, Colour c);

  // The colour at a pixel (coordinates truncated towards minus infinity); kOutside off the image.
  Colour point(double x, double y) const;
  Colour pixel(int x, int y) const {
    return (x < 0 || y < 0 || x >= width() || y >= height()) ? kOutside : current().at(x, y);
  }
  void setPixel(int x, int y, Colour c) {
    if (x >= 0 && y >= 0 && x < width() && y < height()) own().at(x, y) = c;
  }

  // Writable rows take a copy of a shared picture first.
  Colour* row(int y) { return own().pixels.data() + size_t(y) * image_.width; }
  const Colour* row(int y) const { return current().pixels.data() + size_t(y) * current().width; }
  const Image& image() const { return current(); }

  // Counts changes to the drawn image, so a window knows when to compose again.
  std::uint64_t version() const { return version_; }
  void touch() { ++version_; }

 private:
  // Until something draws into it, a surface showing exactly its loaded picture shares the
  // picture's pixels instead of copying them: the race's largest pictures are only read.
  const Image& current() const { return shared_ ? *shared_ : image_; }
  Image& own() {
    blank_ = false;
    if (shared_) {
      image_ = *shared_;
      shared_.reset();
    }
    return image_;
  }

  Image image_;
  // image_ is black as allocated and nothing has written to it yet: clearing it to black
  // writes nothing, so its pages stay untouched.
  bool blank_ = false;
  ImagePtr shared_;
  Colour background_ = 0;
  ImagePtr picture_;
  std::uint64_t version_ = 1;
};

enum class Rop { Copy, And, Or };

// A rectangle copy after clipping: destination (x, y), source (sx, sy), size w × h, all inside
// their surfaces.
struct CopyRect {
  int x, y, sx, sy, w, h;
};

// Clips a w × h copy from src at (sx, sy) to dst at (x, y) against both surfaces, moving both
// origins together. False when nothing is left. Safe for any int arguments (no overflow).
bool clipCopy(const Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
              CopyRect* out);

// Copies a w × h rectangle of src at (sx, sy) to dst at (x, y) with the raster operation.
// Both rectangles are clipped to their surfaces; the parts that fall outside are left alone.
void bitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop op);

}  // namespace svc
