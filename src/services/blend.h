// Alpha blending used by the menu's story fades.
#pragma once
#include <cstdint>

#include "services/surface.h"

namespace svc {

// Over the w × h rectangle at (dx, dy) of dst, each pixel moves alpha/255 of the way towards the
// source pixel at the same offset from (sx, sy). Source pixels of the transparent key leave the
// destination unchanged. Works on dst's current pixels, so repeated calls accumulate.
void foxAlphaBlend(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
                   std::uint8_t alpha, Colour transparent, int flag);

}  // namespace svc
