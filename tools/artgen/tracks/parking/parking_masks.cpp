#include "tracks/parking/parking_masks.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace art::tracks::parking {

namespace {

void box(cairo_t* cr, const Box& b) {
  cairo_rectangle(cr, b.x0, b.y0, b.x1 - b.x0, b.y1 - b.y0);
}

// A rectangle turned by an angle about its centre.
void turned(cairo_t* cr, Vec c, double angle, double length, double width) {
  const double cs = std::cos(angle), sn = std::sin(angle);
  cairo_new_sub_path(cr);
  for (const Vec& q : {Vec{-length / 2, -width / 2}, Vec{length / 2, -width / 2},
                       Vec{length / 2, width / 2}, Vec{-length / 2, width / 2}})
    cairo_line_to(cr, c.x + q.x * cs - q.y * sn, c.y + q.x * sn + q.y * cs);
  cairo_close_path(cr);
}

[[noreturn]] void fail(const std::string& why) {
  throw std::runtime_error("parking: " + why);
}

}  // namespace

ParkingMasks drawMasks(const Layout& L, const Keys& keys) {
  ParkingMasks out;
  for (int s = 0; s < 2; ++s) {
    // Everything outside the wall is wall; a car can never leave the ground.
    MaskPainter m(kMaskSize, kMaskSize, kMaskSpace, keys.wall);
    auto fill = [&](auto path, Colour c) {
      m.paint(
          [&](cairo_t* cr) {
            path(cr);
            cairo_fill(cr);
          },
          c);
    };
    fill([&](cairo_t* cr) { box(cr, L.inside); }, keys.road);
    fill(
        [&](cairo_t* cr) {
          for (const Box& b : L.islands) box(cr, b);
          box(cr, L.pavement);
        },
        keys.offTrack);
    fill(
        [&](cairo_t* cr) {
          box(cr, L.building);
          box(cr, L.booth);
          for (const Bay& b : L.bays)
            if (b.parked) turned(cr, b.centre, b.angle, 62, 32);
          // Posts and cones: a whole mask pixel each, so a car's centre meets them.
          for (const Vec& p : L.lamps) cairo_rectangle(cr, p.x - 5, p.y - 5, 10, 10);
          for (const Vec& p : L.cones) cairo_rectangle(cr, p.x - 5, p.y - 5, 10, 10);
        },
        keys.wall);
    Image img = m.image();
    writeLegend(img, keys, s == 0 ? keys.switch0 : keys.switch1);
    out.kon[s] = std::move(img);
  }
  return out;
}

ParkingFigures checkMasks(const ParkingMasks& m, const Keys& keys) {
  ParkingFigures f;
  checkLegend(m.kon[0], keys, keys.switch0, "mini1.bmp");
  checkLegend(m.kon[1], keys, keys.switch1, "mini2.bmp");
  const std::vector<Colour> known = keys.all();
  for (const Image* k : {&m.kon[0], &m.kon[1]}) {
    if (k->width < kMaskSize || k->height < kMaskSize) fail("a mask is too small for the ground");
    for (Colour c : k->pixels)
      if (std::find(known.begin(), known.end(), c) == known.end()) fail("a mask colour is no key");
    // No lines to cross here: a section switch, a checkpoint or a finish line would be a fault.
    for (int y = 0; y < k->height; ++y)
      for (int x = 0; x < k->width; ++x) {
        if (x < 6 && y < 6) continue;
        const Colour c = k->at(x, y);
        if (c == keys.switch0 || c == keys.switch1 || c == keys.finish || c == keys.checkpointA ||
            c == keys.checkpointB || c == keys.guideMinus || c == keys.guidePlus || c == keys.arrow)
          fail("a line or zone key on the ground");
      }
  }
  // The start: plain road under the car and room around it to drive off.
  const Image& k = m.kon[0];
  for (double dy = -60; dy <= 60; dy += 5)
    for (double dx = -30; dx <= 30; dx += 5)
      if (maskAt(k, 10, {kStart.x + dx, kStart.y + dy}) != keys.road)
        fail("the start has no open road around it");
  // Walls keep every car inside the ground: fill from the start through every pixel that is
  // not a wall, corner to corner too, and never reach the mask's edge or the world outside.
  const int sx = int((kStart.x + 1000) / 10), sy = int((kStart.y + 1000) / 10);
  std::vector<char> seen(std::size_t(k.width) * k.height, 0);
  std::vector<std::pair<int, int>> todo{{sx, sy}};
  seen[std::size_t(sy) * k.width + sx] = 1;
  int road = 0;
  while (!todo.empty()) {
    const auto [x, y] = todo.back();
    todo.pop_back();
    ++f.reachable;
    if (k.at(x, y) == keys.road) ++road;
    if (x < 100 || y < 100 || x >= 200 || y >= 200) fail("a car can drive off the ground");
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = x + dx, ny = y + dy;
        if (nx < 0 || ny < 0 || nx >= k.width || ny >= k.height) fail("a car can leave the mask");
        char& s = seen[std::size_t(ny) * k.width + nx];
        if (s || k.at(nx, ny) == keys.wall) continue;
        s = 1;
        todo.push_back({nx, ny});
      }
  }
  f.drivable = 100.0 * road / (100.0 * 100.0);
  if (f.drivable < 50) fail("too little of the ground is open road");
  return f;
}

}  // namespace art::tracks::parking
