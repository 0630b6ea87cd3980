// Rotated sprite drawing by inverse mapping: each destination pixel of the rotated box looks up
// the source point it shows, in fixed point, so quarter turns and angle 0 are exact.
//
// Placement: the rotated picture's box (w × h, or h × w for a quarter turn) gets its top-left
// corner at (floor(x - boxW/2 + 0.5), floor(y - boxH/2 + 0.5)), halves rounded up, so moving the
// centre by one pixel always moves the sprite by one pixel. The rotation turns about that box's
// centre.
//
// Flag 1 smooths (bilinear over the opaque neighbours) for sprites on screen; any other value
// takes the nearest source pixel, which keeps key colours exact for pictures that are read back.
#include "services/rotate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace svc {
namespace {

using i64 = std::int64_t;

// Sine and cosine carry kTrig fractional bits. Destination offsets are counted in half pixels,
// so source coordinates come out with kFrac = kTrig + 1 fractional bits, with no rounding.
constexpr int kTrig = 16;
constexpr int kFrac = kTrig + 1;
constexpr i64 kOne = i64{1} << kTrig;

i64 floorDiv(i64 a, i64 b) {  // b > 0
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}
i64 ceilDiv(i64 a, i64 b) {
  return -floorDiv(-a, b);
}

// Narrows [lo, hi] to the steps k with 0 <= start + k * step < limit.
void narrow(i64 start, i64 step, i64 limit, i64& lo, i64& hi) {
  if (step == 0) {
    if (start < 0 || start >= limit) hi = lo - 1;
  } else if (step > 0) {
    lo = std::max(lo, ceilDiv(-start, step));
    hi = std::min(hi, floorDiv(limit - 1 - start, step));
  } else {
    lo = std::max(lo, ceilDiv(start - limit + 1, -step));
    hi = std::min(hi, floorDiv(start, -step));
  }
}

// The source for smoothed sampling: each pixel spread to 21 bits a channel (red, green, blue at
// bits 0, 21 and 42), so the bilinear weights work on all three channels in one multiplication,
// with a one-pixel frame around it so that the four neighbours of any sampling point exist. Key
// and frame pixels are gaps, marked by the top bit.
class SpreadSource {
 public:
  SpreadSource(const Image& src, Colour key)
      : stride_(size_t(src.width) + 2), cells_(stride_ * (size_t(src.height) + 2), kGap) {
    for (int j = 0; j < src.height; ++j) {
      const Colour* in = src.pixels.data() + size_t(j) * src.width;
      std::uint64_t* out = cells_.data() + (size_t(j) + 1) * stride_ + 1;
      for (int i = 0; i < src.width; ++i) out[i] = in[i] == key ? kGap : spread(in[i]);
    }
  }

  // The colour at a sampling point in source pixels (kFrac fractional bits), bilinear over the
  // neighbours that are not gaps. Nothing (false) where those carry less than half the weight,
  // so the outline stays where nearest neighbour puts it and the key never tints an edge.
  bool sample(i64 sx, i64 sy, Colour* out) const {
    // Relative to pixel centres; weights in 64ths of a pixel. The point lies inside the source,
    // so the top-left neighbour is at least (-1, -1): inside the frame.
    const i64 px = sx - (i64{1} << (kFrac - 1)), py = sy - (i64{1} << (kFrac - 1));
    const std::uint64_t fx = std::uint64_t(px >> (kFrac - kWeightBits)) & (kWeight - 1);
    const std::uint64_t fy = std::uint64_t(py >> (kFrac - kWeightBits)) & (kWeight - 1);
    const std::uint64_t* n =
        cells_.data() + size_t((py >> kFrac) + 1) * stride_ + size_t((px >> kFrac) + 1);
    const std::uint64_t a = n[0], b = n[1], c = n[stride_], d = n[stride_ + 1];
    if (((a | b | c | d) & kGap) != 0) {
      if ((a & b & c & d & kGap) != 0) return false;  // inside the key
      return sampleNearGap(a, b, c, d, fx, fy, out);
    }
    // All four opaque. A channel reaches at most 255 × 64 × 64 + 2048 < 2^20: the lanes never
    // spill into each other, and nothing is rounded until the end.
    const std::uint64_t top = a * (kWeight - fx) + b * fx, bottom = c * (kWeight - fx) + d * fx;
    const std::uint64_t v = top * (kWeight - fy) + bottom * fy + kHalf;
    *out = Colour(((v >> 12) & 0xFF) | ((v >> 25) & 0xFF00) | ((v >> 38) & 0xFF0000));
    return true;
  }

 private:
  static constexpr int kWeightBits = 6;
  static constexpr std::uint64_t kWeight = 1 << kWeightBits;
  static constexpr std::uint64_t kGap = std::uint64_t{1} << 63;
  static constexpr std::uint64_t kHalf = 2048 | (2048ull << 21) | (2048ull << 42);

  static std::uint64_t spread(Colour c) {
    return (c & 0xFF) | (std::uint64_t(c & 0xFF00) << 13) | (std::uint64_t(c & 0xFF0000) << 26);
  }

  // Next to a gap: normalise over the opaque neighbours only.
  static bool sampleNearGap(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t d,
                            std::uint64_t fx, std::uint64_t fy, Colour* out) {
    const std::uint64_t q[4] = {a, b, c, d};
    const std::uint64_t wx[2] = {kWeight - fx, fx}, wy[2] = {kWeight - fy, fy};
    std::uint64_t total = 0, r = 0, g = 0, bl = 0;
    for (int k = 0; k < 4; ++k) {
      if (q[k] & kGap) continue;
      const std::uint64_t wk = wx[k & 1] * wy[k >> 1];
      total += wk;
      r += wk * (q[k] & 0xFF);
      g += wk * ((q[k] >> 21) & 0xFF);
      bl += wk * ((q[k] >> 42) & 0xFF);
    }
    if (2 * total < kWeight * kWeight) return false;
    const std::uint64_t half = total / 2;
    *out = rgb(unsigned((r + half) / total), unsigned((g + half) / total),
               unsigned((bl + half) / total));
    return true;
  }

  size_t stride_;
  std::vector<std::uint64_t> cells_;
};

}  // namespace

void foxRotate(Surface& dst, double x, double y, const Surface& src, Colour transparent,
               double angleDegrees, int flag) {
  if (&dst == &src) {  // reading while writing would smear the picture into itself
    const Surface copy = src;
    foxRotate(dst, x, y, copy, transparent, angleDegrees, flag);
    return;
  }
  const i64 w = src.width(), h = src.height();
  if (w == 0 || h == 0 || dst.width() == 0 || dst.height() == 0) return;
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(angleDegrees)) return;

  double a = std::fmod(angleDegrees, 360.0);
  if (a < 0) a += 360.0;
  const double rad = a * (3.14159265358979323846 / 180.0);
  // Rounded to fixed point, so angles a hair off a quarter turn become that exact quarter turn.
  const i64 c = std::llround(std::cos(rad) * double(kOne));
  const i64 s = std::llround(std::sin(rad) * double(kOne));

  const i64 boxW = c == 0 ? h : w, boxH = c == 0 ? w : h;
  const double left = std::floor(x - double(boxW) / 2 + 0.5);
  const double top = std::floor(y - double(boxH) / 2 + 0.5);
  // Half extents of the rotated picture; anything farther from the centre is never drawn.
  const double ac = double(std::abs(c)) / double(kOne), as = double(std::abs(s)) / double(kOne);
  const double ex = (ac * double(w) + as * double(h)) / 2,
               ey = (as * double(w) + ac * double(h)) / 2;
  const double cx = left + double(boxW) / 2, cy = top + double(boxH) / 2;
  // The box (with a pixel to spare) clipped to the destination; the exact outline is found per
  // row below. Clamping first keeps far-away centres from overflowing the conversions.
  const auto clampTo = [](double v, i64 lo, i64 hi) {
    return v <= double(lo) ? lo : v >= double(hi) ? hi : i64(v);
  };
  const i64 u0 = clampTo(std::floor(cx - ex - 1), 0, dst.width());
  const i64 u1 = clampTo(std::ceil(cx + ex), -1, dst.width() - 1);
  const i64 v0 = clampTo(std::floor(cy - ey - 1), 0, dst.height());
  const i64 v1 = clampTo(std::ceil(cy + ey), -1, dst.height() - 1);
  if (u0 > u1 || v0 > v1) return;

  // Source point of destination pixel (u, v) in units of 2^-kFrac pixels, where
  // (dx2, dy2) = 2 × (pixel centre - box centre):
  //   sx = w/2 + cos·dx + sin·dy,  sy = h/2 - sin·dx + cos·dy.
  const i64 L = i64(left), T = i64(top);
  const i64 limX = w << kFrac, limY = h << kFrac;
  const i64 stepX = 2 * c, stepY = -2 * s;
  const Image& img = src.image();
  std::optional<SpreadSource> smooth;
  if (flag == 1) smooth.emplace(img, transparent);
  const i64 dx2 = 2 * u0 + 1 - 2 * L - boxW;
  for (i64 v = v0; v <= v1; ++v) {
    const i64 dy2 = 2 * v + 1 - 2 * T - boxH;
    i64 sx = (w << kTrig) + c * dx2 + s * dy2;
    i64 sy = (h << kTrig) - s * dx2 + c * dy2;
    i64 lo = 0, hi = u1 - u0;
    narrow(sx, stepX, limX, lo, hi);
    narrow(sy, stepY, limY, lo, hi);
    if (lo > hi) continue;
    sx += lo * stepX;
    sy += lo * stepY;
    Colour* out = dst.row(int(v)) + u0;
    if (smooth) {
      for (i64 k = lo; k <= hi; ++k, sx += stepX, sy += stepY) {
        Colour q;
        if (smooth->sample(sx, sy, &q)) out[k] = q;
      }
    } else {
      for (i64 k = lo; k <= hi; ++k, sx += stepX, sy += stepY) {
        const Colour p = img.pixels[size_t(sy >> kFrac) * size_t(w) + size_t(sx >> kFrac)];
        if (p != transparent) out[k] = p;
      }
    }
  }
  dst.touch();
}

}  // namespace svc
