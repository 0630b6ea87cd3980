// Alpha blending for the menu's story fades: each destination pixel moves a share of the way to
// the source pixel, so repeated calls with growing alpha fade one picture into another.
//
// The flag (1 only for the logo blend) changes nothing: both values blend the whole rectangle the
// same way. It is kept so that calls read as the callers wrote them.
#include "services/blend.h"

namespace svc {
namespace {

// round((s - d) × alpha / 255) for every difference s - d from -255 to 255. 255 is odd, so the
// quotient is never exactly a half and flooring (t + 127) / 255 rounds to nearest in both
// directions; the offset keeps the division on non-negative numbers.
struct Steps {
  std::int16_t byDifference[511];
  explicit Steps(int alpha) {
    for (int diff = -255; diff <= 255; ++diff)
      byDifference[diff + 255] = std::int16_t((diff * alpha + 127 + 255 * 256) / 255 - 256);
  }
  unsigned apply(unsigned d, unsigned s) const {
    return unsigned(int(d) + byDifference[int(s) - int(d) + 255]);
  }
};

}  // namespace

void foxAlphaBlend(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
                   std::uint8_t alpha, Colour transparent, int flag) {
  if (&dst == &src) {  // overlapping rectangles would read pixels already blended
    const Surface copy = src;
    foxAlphaBlend(dst, dx, dy, w, h, copy, sx, sy, alpha, transparent, flag);
    return;
  }
  CopyRect r;
  if (alpha == 0 || !clipCopy(dst, dx, dy, w, h, src, sx, sy, &r)) return;
  const Steps steps(alpha);
  for (int j = 0; j < r.h; ++j) {
    Colour* d = dst.row(r.y + j) + r.x;
    const Colour* s = src.row(r.sy + j) + r.sx;
    for (int k = 0; k < r.w; ++k) {
      const Colour sc = s[k];
      if (sc == transparent) continue;
      const Colour dc = d[k];
      d[k] =
          (dc & 0xFF000000u) | rgb(steps.apply(red(dc), red(sc)), steps.apply(green(dc), green(sc)),
                                   steps.apply(blue(dc), blue(sc)));
    }
  }
  dst.touch();
}

}  // namespace svc
