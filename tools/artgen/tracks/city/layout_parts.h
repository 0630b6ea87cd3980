// The steps that build the City's layout, one file each (used only by layout.cpp).
#pragma once
#include "layout.h"

namespace art::city {

// Rows of buildings along the streets inside the blocks (Yard pixels), then courtyard houses.
void placeBuildings(Layout& layout, const Plan& plan);
// The square's fountain and the park's pond.
void placeWater(Layout& layout);
// Street trees, park trees, the square's trees.
void placeTrees(Layout& layout, const Plan& plan);
// Cars parked along the side streets, awnings over shop fronts, the footbridge.
void placeStreetObjects(Layout& layout, const Plan& plan);

// Polygon helpers on map pixels.
bool insideQuad(const std::array<Vec, 4>& q, Vec p);
// Calls fn(x, y) for every map pixel whose centre lies inside the quad.
template <typename Fn>
void forQuadPixels(const std::array<Vec, 4>& q, Fn fn) {
  double x0 = q[0].x, x1 = q[0].x, y0 = q[0].y, y1 = q[0].y;
  for (const Vec& v : q)
    x0 = std::min(x0, v.x), x1 = std::max(x1, v.x), y0 = std::min(y0, v.y), y1 = std::max(y1, v.y);
  for (int y = std::max(0, int(y0)); y <= std::min(kMapSize - 1, int(y1)); ++y)
    for (int x = std::max(0, int(x0)); x <= std::min(kMapSize - 1, int(x1)); ++x)
      if (insideQuad(q, {x + 0.5, y + 0.5})) fn(x, y);
}
// A rectangle from its centre, unit direction of its length, length and width.
std::array<Vec, 4> orientedRect(Vec centre, Vec along, double length, double width);

}  // namespace art::city
