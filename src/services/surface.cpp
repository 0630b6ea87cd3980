#include "services/surface.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace svc {

void adviseLargePages(const void* data, std::size_t bytes) {
#ifdef __linux__
  constexpr std::uintptr_t kLarge = std::uintptr_t(2) << 20;
  if (bytes < 2 * kLarge) return;
  // Only the whole large pages inside the buffer.
  const std::uintptr_t begin =
      (reinterpret_cast<std::uintptr_t>(data) + kLarge - 1) & ~(kLarge - 1);
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kLarge - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}

namespace {
// Blocks from this size up come straight from the system: every full-window picture and the
// menu pages (124 KB), which the allocator (from 128 KB) would keep in its heap once freed.
constexpr std::size_t kSystemBlock = std::size_t(64) << 10;
}  // namespace

void* allocatePixels(std::size_t bytes) {
  if (bytes == 0) bytes = 1;
#ifdef __linux__
  if (bytes >= kSystemBlock) {
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    adviseLargePages(p, bytes);
    return p;
  }
#endif
  void* p = std::calloc(bytes, 1);
  if (!p) throw std::bad_alloc();
  return p;
}

void freePixels(void* p, std::size_t bytes) {
  if (!p) return;
  if (bytes == 0) bytes = 1;
#ifdef __linux__
  if (bytes >= kSystemBlock) {
    munmap(p, bytes);
    return;
  }
#endif
  std::free(p);
}

Surface::Surface(int width, int height, Colour background)
    : image_(std::max(0, width), std::max(0, height), background),
      blank_(background == 0),
      background_(background) {}

void Surface::resize(int width, int height) {
  shared_.reset();
  image_ = Image(std::max(0, width), std::max(0, height), background_);
  blank_ = background_ == 0;
  cls();
}

void Surface::setPicture(ImagePtr picture, bool autosize) {
  picture_ = std::move(picture);
  if (autosize && picture_) {
    // The surface takes the picture's size and shows it, sharing its pixels until drawn into.
    shared_ = picture_;
    image_ = Image();
    blank_ = false;
    touch();
    return;
  }
  cls();
}

void Surface::releasePicture() {
  picture_.reset();
  cls();
}

void Surface::forgetPicture() {
  if (shared_ && shared_ == picture_ && shared_.use_count() == 2) {
    // Nobody else holds the picture: its pixels become the drawn image without a copy. (The
    // picture was made as a changeable image and only shared as a constant one.)
    image_ = std::move(const_cast<Image&>(*shared_));
    blank_ = false;
    shared_.reset();
  } else {
    own();
  }
  picture_.reset();
}

void Surface::dropPixels() {
  picture_.reset();
  shared_.reset();
  image_ = Image();
  blank_ = false;
  touch();
}

void fillPixels(Colour* p, std::size_t n, Colour c) {
  // A colour of four equal bytes (black, white) is a memset; any other is written once for a
  // stretch and copied on in doubling runs: both go at the speed of memory, where a loop of
  // single stores runs at a third of it.
  if (n == 0) return;  // an empty picture has no pixels to point at
  const unsigned char b = static_cast<unsigned char>(c);
  if (c == b * 0x01010101u) {
    std::memset(p, b, n * sizeof(Colour));
    return;
  }
  std::size_t done = std::min<std::size_t>(n, 256);
  std::fill(p, p + done, c);
  while (done < n) {
    const std::size_t run = std::min(done, n - done);
    std::memcpy(p + done, p, run * sizeof(Colour));
    done += run;
  }
}

void Surface::fill(Colour c) {
  if (blank_ && c == 0 && !shared_) {
    touch();
    return;
  }
  Image& img = own();
  fillPixels(img.pixels.data(), img.pixels.size(), c);
  touch();
}

void Surface::fillOutside(const CopyRect& keep, Colour c) {
  for (int y = 0; y < height(); ++y) {
    Colour* r = row(y);
    if (y < keep.y || y >= keep.y + keep.h) {
      fillPixels(r, std::size_t(width()), c);
    } else {
      fillPixels(r, std::size_t(keep.x), c);
      fillPixels(r + keep.x + keep.w, std::size_t(width() - keep.x - keep.w), c);
    }
  }
  touch();
}

void Surface::cls() {
  if (picture_ && picture_->width == width() && picture_->height == height()) {
    shared_ = picture_;
    image_ = Image();
    blank_ = false;
    touch();
    return;
  }
  fill(background_);
  if (!picture_) return;
  const int w = std::min(picture_->width, width());
  const int h = std::min(picture_->height, height());
  for (int y = 0; y < h; ++y)
    std::memcpy(row(y), picture_->pixels.data() + size_t(y) * picture_->width, sizeof(Colour) * w);
}

Colour Surface::point(double x, double y) const {
  if (!(x >= 0 && y >= 0 && x < width() && y < height())) return kOutside;  // also NaN
  return current().at(int(x), int(y));  // not negative here, so truncation is the floor
}

bool clipCopy(const Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
              CopyRect* out) {
  // In 64 bits, so extreme origins and sizes cannot overflow while they are moved.
  std::int64_t dx = x, dy = y, cw = w, ch = h, ox = sx, oy = sy;
  const auto clipLow = [](std::int64_t& a, std::int64_t& b, std::int64_t& size) {
    const std::int64_t cut = std::max<std::int64_t>({0, -a, -b});
    a += cut;
    b += cut;
    size -= cut;
  };
  clipLow(dx, ox, cw);
  clipLow(dy, oy, ch);
  cw = std::min({cw, std::int64_t{dst.width()} - dx, std::int64_t{src.width()} - ox});
  ch = std::min({ch, std::int64_t{dst.height()} - dy, std::int64_t{src.height()} - oy});
  if (cw <= 0 || ch <= 0) return false;
  *out = CopyRect{int(dx), int(dy), int(ox), int(oy), int(cw), int(ch)};
  return true;
}

namespace {

// Row kernels for distinct rows. Blocks of a fixed length let the compiler use vector registers
// even where it does not vectorise loops of unknown length (-O2).
template <class Op>
void rowOp(Colour* __restrict d, const Colour* __restrict s, int w, Op op) {
  constexpr int kBlock = 16;
  int k = 0;
  for (; k + kBlock <= w; k += kBlock)
    for (int m = 0; m < kBlock; ++m) d[k + m] = op(d[k + m], s[k + m]);
  for (; k < w; ++k) d[k] = op(d[k], s[k]);
}

}  // namespace

void bitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop op) {
  CopyRect r;
  if (!clipCopy(dst, x, y, w, h, src, sx, sy, &r)) return;

  // A copy within one surface may overlap: walk rows in the safe direction, and give AND and OR
  // a copy of the source row, as memmove does for the plain copy.
  const bool same = &dst == &src;
  const bool upwards = same && r.y > r.sy;
  std::vector<Colour> scratch(same && op != Rop::Copy ? size_t(r.w) : 0);
  for (int i = 0; i < r.h; ++i) {
    const int k = upwards ? r.h - 1 - i : i;
    Colour* d = dst.row(r.y + k) + r.x;
    const Colour* s = src.row(r.sy + k) + r.sx;
    if (!scratch.empty())
      s = static_cast<const Colour*>(std::memcpy(scratch.data(), s, sizeof(Colour) * r.w));
    switch (op) {
      case Rop::Copy:
        std::memmove(d, s, sizeof(Colour) * r.w);
        break;
      case Rop::And:
        rowOp(d, s, r.w, [](Colour a, Colour b) { return a & b; });
        break;
      case Rop::Or:
        rowOp(d, s, r.w, [](Colour a, Colour b) { return a | b; });
        break;
    }
  }
  dst.touch();
}

}  // namespace svc
