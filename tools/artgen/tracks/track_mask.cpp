#include "tracks/track_mask.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace art::tracks {

std::vector<Colour> Keys::all() const {
  return {offTrack,    arrow,       wall,    finish,  guideMinus, guidePlus,
          checkpointA, checkpointB, switch0, switch1, road};
}

Keys trackKeys() {
  Keys k;
  k.offTrack = svc::rgb(0, 160, 0);
  k.arrow = svc::rgb(255, 128, 0);
  k.wall = svc::rgb(96, 32, 0);
  k.finish = svc::rgb(255, 255, 255);
  k.guideMinus = svc::rgb(0, 0, 255);
  k.guidePlus = svc::rgb(0, 255, 255);
  k.checkpointA = svc::rgb(255, 0, 0);
  k.checkpointB = svc::rgb(255, 255, 0);
  k.switch0 = svc::rgb(255, 0, 255);
  k.switch1 = svc::rgb(128, 0, 255);
  k.road = svc::rgb(128, 128, 128);
  return k;
}

void writeLegend(Image& mask, const Keys& keys, Colour switchColour) {
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) mask.at(x, y) = keys.wall;
  mask.at(0, 0) = keys.offTrack;
  mask.at(0, 1) = keys.arrow;
  mask.at(0, 2) = keys.finish;
  mask.at(2, 2) = switchColour;
  mask.at(3, 3) = keys.wall;
  mask.at(4, 3) = keys.guidePlus;
  mask.at(4, 4) = keys.guideMinus;
  mask.at(5, 4) = keys.checkpointB;
  mask.at(5, 5) = keys.checkpointA;
}

void checkLegend(const Image& mask, const Keys& keys, Colour switchColour,
                 const std::string& name) {
  struct Pin {
    int x, y;
    Colour c;
    const char* what;
  };
  const Pin pins[] = {{0, 0, keys.offTrack, "off-track"},
                      {0, 1, keys.arrow, "arrow zone"},
                      {0, 2, keys.finish, "finish line"},
                      {2, 2, switchColour, "section switch"},
                      {3, 3, keys.wall, "wall"},
                      {4, 3, keys.guidePlus, "guide plus"},
                      {4, 4, keys.guideMinus, "guide minus"},
                      {5, 4, keys.checkpointB, "checkpoint B"},
                      {5, 5, keys.checkpointA, "checkpoint A"}};
  if (mask.width < 6 || mask.height < 6) throw std::runtime_error(name + ": no room for a legend");
  std::vector<Colour> seen;
  for (const Pin& p : pins) {
    const Colour c = mask.at(p.x, p.y);
    if (c != p.c)
      throw std::runtime_error(name + ": legend pixel (" + std::to_string(p.x) + ", " +
                               std::to_string(p.y) + ") is not the " + p.what + " key");
    if (std::find(seen.begin(), seen.end(), c) != seen.end())
      throw std::runtime_error(name + ": the " + std::string(p.what) + " key repeats another key");
    seen.push_back(c);
  }
}

Colour maskAt(const Image& mask, double divisor, Vec world) {
  // Single precision, as the game passes the position to the pixel read.
  const float fx = float((world.x + 1000) / divisor), fy = float((world.y + 1000) / divisor);
  const int x = int(std::floor(fx)), y = int(std::floor(fy));
  if (x < 0 || y < 0 || x >= mask.width || y >= mask.height) return svc::kOutside;
  return mask.at(x, y);
}

MaskPainter::MaskPainter(int width, int height, Space space, Colour fill)
    : w_(width),
      h_(height),
      space_(space),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)) {
  paint([&](cairo_t* cr) { cairo_paint(cr); }, fill);
}

MaskPainter::~MaskPainter() {
  cairo_surface_destroy(surface_);
}

void MaskPainter::paint(const Draw& draw, Colour c) {
  cairo_t* cr = cairo_create(surface_);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_scale(cr, space_.scale, space_.scale);
  cairo_translate(cr, space_.shiftX, space_.shiftY);
  cairo_set_source_rgb(cr, svc::red(c) / 255.0, svc::green(c) / 255.0, svc::blue(c) / 255.0);
  draw(cr);
  cairo_destroy(cr);
}

Image MaskPainter::image() const {
  cairo_surface_flush(surface_);
  Image out(w_, h_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < h_; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < w_; ++x) {
      const std::uint32_t p = row[x];
      out.at(x, y) = svc::rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
  }
  return out;
}

}  // namespace art::tracks
