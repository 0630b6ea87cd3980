// Colours as the game compares them: 32 bits, red in the lowest byte, then green, then blue.
#pragma once
#include <cstdint>

namespace svc {

using Colour = std::uint32_t;

constexpr Colour rgb(unsigned r, unsigned g, unsigned b) {
  return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned red(Colour c) {
  return c & 0xFFu;
}
constexpr unsigned green(Colour c) {
  return (c >> 8) & 0xFFu;
}
constexpr unsigned blue(Colour c) {
  return (c >> 16) & 0xFFu;
}

// The transparent key of every rotated sprite.
constexpr Colour kMagenta = rgb(255, 0, 255);

// What reading a pixel outside a surface gives. Pictures never hold a pixel with the top byte
// set, so this value equals no colour key sampled from a mask.
constexpr Colour kOutside = 0xFF000000u;

}  // namespace svc
