// The opponent's contact mask `crashcar` and the contact picture `Picture3` that carries its
// four keys. The rules rotate crashcar into Picture3 with the opponent's heading, read the pixel
// under the player and compare it with the keys, so every colour here is exact, and the build
// proves the pair works at every heading before writing it.
#include <cmath>
#include <stdexcept>
#include <string>

#include "cars/cars_paint.h"
#include "keyed.h"
#include "services/rotate.h"

namespace art::cars {

namespace {

constexpr int kMaskW = 61, kMaskH = 31, kPicture = 100;
constexpr int kRearColumns = 14;   // key 0: the left end, where the opponent's tail is
constexpr int kFrontColumns = 11;  // key 3: the right end, its nose
constexpr int kUpperRows = 17;     // key 1: rows 0-16 between the ends (its left side); key 2 below

// Rear, left side, right side, front. Strong, distinct, none of them magenta or the background.
constexpr Colour kKeys[4] = {svc::rgb(0, 160, 0), svc::rgb(200, 0, 0), svc::rgb(0, 0, 200),
                             svc::rgb(230, 230, 0)};
constexpr Colour kBackground = svc::rgb(64, 64, 64);

Image contactMask() {
  Image img(kMaskW, kMaskH);
  for (int y = 0; y < kMaskH; ++y)
    for (int x = 0; x < kMaskW; ++x) {
      int key = y < kUpperRows ? 1 : 2;
      if (x < kRearColumns) key = 0;
      if (x >= kMaskW - kFrontColumns) key = 3;
      img.at(x, y) = kKeys[key];
    }
  return img;
}

Image contactPicture() {
  Image img(kPicture, kPicture, kBackground);
  for (int i = 0; i < 4; ++i) img.at(i, 0) = kKeys[i];
  return img;
}

void checkLayout(const Image& mask, const Image& picture) {
  checkSize(mask, kMaskW, kMaskH, "crashcar");
  checkSize(picture, kPicture, kPicture, "Picture3");
  for (const Colour c : mask.pixels)
    if (c != kKeys[0] && c != kKeys[1] && c != kKeys[2] && c != kKeys[3])
      throw std::runtime_error("crashcar: a pixel that is no key");
  for (int i = 0; i < 4; ++i) {
    if (kKeys[i] == svc::kMagenta || kKeys[i] == kBackground)
      throw std::runtime_error("Picture3: a key equals the key colour or the background");
    for (int j = 0; j < i; ++j)
      if (kKeys[i] == kKeys[j]) throw std::runtime_error("Picture3: two keys are equal");
  }
}

// Draws the mask into the picture at every heading the way the race does (nearest neighbour,
// magenta key) and checks what the rules would read: the four keys still in the top row, no
// colour but keys and background, and each side of the car answering with its own key.
void checkRotations(const Image& mask, const Image& picture) {
  svc::Surface src(kMaskW, kMaskH);
  for (int y = 0; y < kMaskH; ++y)
    for (int x = 0; x < kMaskW; ++x) src.setPixel(x, y, mask.at(x, y));
  for (int step = -720; step <= 720; ++step) {
    const double heading = step * 0.5;
    svc::Surface dst(kPicture, kPicture);
    for (int y = 0; y < kPicture; ++y)
      for (int x = 0; x < kPicture; ++x) dst.setPixel(x, y, picture.at(x, y));
    svc::foxRotate(dst, 50, 50, src, svc::kMagenta, -heading, 0);
    const std::string at = " at heading " + std::to_string(heading);
    for (int i = 0; i < 4; ++i)
      if (dst.pixel(i, 0) != kKeys[i]) throw std::runtime_error("Picture3: key overdrawn" + at);
    for (int y = 0; y < kPicture; ++y)
      for (int x = 0; x < kPicture; ++x) {
        const Colour c = dst.pixel(x, y);
        if (c != kBackground && c != kKeys[0] && c != kKeys[1] && c != kKeys[2] && c != kKeys[3])
          throw std::runtime_error("Picture3: a colour that is no key" + at);
      }
    // The player's test point relative to the opponent's centre, which sits on pixel (50, 50).
    const double rad = heading * kPi / 180, fx = std::cos(rad), fy = -std::sin(rad);
    auto read = [&](double ahead, double left) {
      const double x = 50.5 + ahead * fx + left * fy, y = 50.5 + ahead * fy - left * fx;
      return dst.pixel(int(std::floor(x)), int(std::floor(y)));
    };
    if (read(25, 0) != kKeys[3] || read(-23, 0) != kKeys[0] || read(0, 8) != kKeys[1] ||
        read(0, -8) != kKeys[2] || read(40, 0) != kBackground || read(0, 22) != kBackground)
      throw std::runtime_error("crashcar: a side answers with the wrong key" + at);
  }
}

void writeContact(const Context& ctx) {
  const Image mask = contactMask(), picture = contactPicture();
  checkLayout(mask, picture);
  checkRotations(mask, picture);
  ctx.writeBmp("/gfx/builtin/Form1/crashcar.bmp", mask);
  ctx.writeBmp("/gfx/builtin/Form1/Picture3.bmp", picture);
}

}  // namespace

}  // namespace art::cars

ARTGEN_MODULE("race_contact", art::cars::writeContact);
