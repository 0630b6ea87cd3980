#include "masks.h"

#include <cmath>

namespace art::city {

namespace {

constexpr double kLineHalf = 10;  // the lines are 20 pixels deep: no car can jump one

Colour surfaceColour(Surface s, const tracks::Keys& c) {
  switch (s) {
    case Surface::Road:
      return c.road;
    case Surface::OffTrack:
      return c.offTrack;
    case Surface::Wall:
      return c.wall;
  }
  return c.wall;
}

Colour lineColour(const KeyLine& line, const tracks::Keys& c) {
  switch (line.kind) {
    case LineKind::Checkpoint:
      return line.number % 2 ? c.checkpointA : c.checkpointB;
    case LineKind::Finish:
      return c.finish;
    case LineKind::Switch:
      return line.section ? c.switch1 : c.switch0;
  }
  return c.road;
}

bool roadAt(const Layout& L, Vec world) {
  const int x = int(std::floor(world.x + 1000)), y = int(std::floor(world.y + 1000));
  return L.ground.inside(x, y) && surfaceAt(L, x, y) == Surface::Road;
}

// Paints a line across the road at a place of the lap: from kerb to kerb, kLineHalf deep.
void paintLine(Image& mask, const Plan& plan, const Layout& L, const KeyLine& line, Colour colour) {
  const double total = length(plan.lap);
  const double s = std::fmod(std::fmod(line.lapS, total) + total, total);
  const Vec at = pointAt(plan.lap, s), t = tangentAt(plan.lap, s), n = perp(t);
  double lo = 0, hi = 0;
  while (lo < 160 && roadAt(L, at - n * (lo + 1))) ++lo;
  while (hi < 160 && roadAt(L, at + n * (hi + 1))) ++hi;
  for (int my = 0; my < kMaskSize; ++my)
    for (int mx = 0; mx < kMaskSize; ++mx) {
      const Vec c{mx * kMaskScale + 2.5 - 1000, my * kMaskScale + 2.5 - 1000};
      const double along = dot(c - at, t), across = dot(c - at, n);
      if (std::abs(along) > kLineHalf || across < -lo - 3 || across > hi + 3) continue;
      if (surfaceAt(L, mx * kMaskScale + 2, my * kMaskScale + 2) != Surface::Road) continue;
      mask.at(mx, my) = colour;
    }
}

}  // namespace

tracks::Keys maskKeys() {
  using svc::rgb;
  tracks::Keys k;
  k.road = rgb(128, 128, 128);
  k.offTrack = rgb(0, 140, 0);
  k.wall = rgb(140, 0, 0);
  k.arrow = rgb(0, 200, 255);
  k.finish = rgb(255, 255, 255);
  k.guideMinus = rgb(128, 0, 255);
  k.guidePlus = rgb(200, 0, 200);
  k.checkpointA = rgb(0, 0, 255);
  k.checkpointB = rgb(0, 255, 0);
  k.switch0 = rgb(255, 255, 0);
  k.switch1 = rgb(255, 128, 0);
  return k;
}

Masks buildMasks(const Plan& plan, const Layout& L) {
  const tracks::Keys c = maskKeys();
  Image base(kMaskSize, kMaskSize);
  for (int my = 0; my < kMaskSize; ++my)
    for (int mx = 0; mx < kMaskSize; ++mx) {
      // The mask pixel stands for the 5 x 5 map pixels it covers: their centre decides.
      const int x = mx * kMaskScale + 2, y = my * kMaskScale + 2;
      const Surface s = surfaceAt(L, x, y);
      base.at(mx, my) = s == Surface::Road && L.arrowZone.at(x, y) ? c.arrow : surfaceColour(s, c);
    }
  Masks m{{base, base}};
  for (const KeyLine& line : plan.lines)
    paintLine(m.kon[line.section], plan, L, line, lineColour(line, c));
  for (int i = 0; i < 2; ++i) tracks::writeLegend(m.kon[i], c, i ? c.switch1 : c.switch0);
  return m;
}

}  // namespace art::city
