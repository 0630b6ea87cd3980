#include "layout.h"

#include <algorithm>

#include "layout_parts.h"

namespace art::city {

namespace {

constexpr double kPavement = 30;      // from the kerb to the building line
constexpr double kParkPavement = 18;  // narrower around the training park
constexpr int kEdge = 10;             // the wall along the map's border
constexpr double kFacadeZone = 12;    // how far in front of a facade the masks make a wall
// A seed point of the training park (the Circuit's start, in City world coordinates).
constexpr Vec kParkSeed{-265 + 1000, -230 + 1000};
constexpr Vec kSquareSeed{-300 + 1000, -720 + 1000};

bool onMapEdge(int x, int y) {
  return x < kEdge || y < kEdge || x >= kMapSize - kEdge || y >= kMapSize - kEdge;
}

void layGround(Layout& L) {
  const Grid<float>& d = L.roads.distance;
  auto park = floodFill(kMapSize, kMapSize, int(kParkSeed.x), int(kParkSeed.y), [&](int x, int y) {
    return d.at(x, y) > kParkPavement && !onMapEdge(x, y);
  });
  Grid<std::uint8_t> outsidePark(kMapSize, kMapSize);
  for (std::size_t i = 0; i < park.cells.size(); ++i) outsidePark.cells[i] = !park.cells[i];
  L.parkEdge = distanceTo(outsidePark);
  L.ground = Grid<Ground>(kMapSize, kMapSize, Ground::Yard);
  L.trainingPart = Grid<std::uint8_t>(kMapSize, kMapSize, std::uint8_t(TrainingPart::Outside));
  const TrainingCircuit& tc = trainingCircuit();
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) {
      Ground& g = L.ground.at(x, y);
      if (onMapEdge(x, y))
        g = Ground::Edge;
      else if (L.roads.road.at(x, y))
        g = Ground::Road;
      else if (park.at(x, y)) {
        g = Ground::Circuit;
        // Circuit picture pixels are half the size: the map pixel's centre in its coordinates.
        const Vec c = mapToCircuit({x + 0.5, y + 0.5});
        L.trainingPart.at(x, y) =
            std::uint8_t(trainingPartAt(tc, c, true, 2 * L.parkEdge.at(x, y)));
      } else if (d.at(x, y) <= kPavement)
        g = Ground::Pavement;
    }
  // The square: the block inside the loop north of the start.
  auto square = floodFill(kMapSize, kMapSize, int(kSquareSeed.x), int(kSquareSeed.y),
                          [&](int x, int y) { return L.ground.at(x, y) == Ground::Yard; });
  for (std::size_t i = 0; i < square.cells.size(); ++i)
    if (square.cells[i]) L.ground.cells[i] = Ground::Plaza;
  // The park in the south-east, east of the hairpin.
  for (int y = 980; y < kMapSize; ++y)
    for (int x = 1640; x < kMapSize; ++x)
      if (L.ground.at(x, y) == Ground::Yard) L.ground.at(x, y) = Ground::Lawn;
  // Small pieces of block left between roads are kerbed islands.
  Grid<std::uint8_t> seen(kMapSize, kMapSize, 0);
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) {
      if (seen.at(x, y) || L.ground.at(x, y) != Ground::Yard) continue;
      auto part = floodFill(kMapSize, kMapSize, x, y,
                            [&](int px, int py) { return L.ground.at(px, py) == Ground::Yard; });
      std::size_t area = 0;
      for (std::size_t i = 0; i < part.cells.size(); ++i)
        if (part.cells[i]) ++area, seen.cells[i] = 1;
      if (area < 2500)
        for (std::size_t i = 0; i < part.cells.size(); ++i)
          if (part.cells[i]) L.ground.cells[i] = Ground::Island;
    }
}

void markWallZone(Layout& L) {
  Grid<std::uint8_t> built(kMapSize, kMapSize, 0);
  for (std::size_t i = 0; i < built.cells.size(); ++i)
    built.cells[i] = L.ground.cells[i] == Ground::Building;
  const Grid<float> near = distanceTo(built);
  for (std::size_t i = 0; i < near.cells.size(); ++i) {
    const Ground g = L.ground.cells[i];
    if ((g == Ground::Pavement || g == Ground::Yard) && near.cells[i] <= kFacadeZone)
      L.wallZone.cells[i] = 1;
  }
}

void markArrowZones(Layout& L) {
  // Under Picture4: the stretch of the west street inside the tunnel, where the whole car is
  // beneath the roof (a car's half length in from both portals).
  for (int y = kTunnelTop + 30; y < kTunnelTop + kTunnelHeight - 30; ++y)
    for (int x = kTunnelLeft; x < kTunnelLeft + kTunnelWidth; ++x)
      if (L.ground.at(x, y) == Ground::Road) L.arrowZone.at(x, y) = 1;
  for (const Footbridge& f : L.footbridges) {
    const Vec mid = (f.a + f.b) * 0.5, along = unit(f.b - f.a);
    const auto zone = orientedRect(mid, along, norm(f.b - f.a), f.width + 56);
    forQuadPixels(zone, [&](int x, int y) {
      if (L.ground.at(x, y) == Ground::Road) L.arrowZone.at(x, y) = 1;
    });
  }
}

Layout build() {
  const Plan& plan = cityPlan();
  Layout L;
  L.roads = rasterizeRoads(plan);
  L.centre = centreSamples(plan, 8);
  layGround(L);
  L.buildingAt = Grid<std::int16_t>(kMapSize, kMapSize, -1);
  L.wallZone = Grid<std::uint8_t>(kMapSize, kMapSize, 0);
  L.arrowZone = Grid<std::uint8_t>(kMapSize, kMapSize, 0);
  placeWater(L);
  placeBuildings(L, plan);
  markWallZone(L);
  placeStreetObjects(L, plan);
  placeTrees(L, plan);
  markArrowZones(L);
  return L;
}

}  // namespace

const Layout& cityLayout() {
  static const Layout layout = build();
  return layout;
}

Surface surfaceAt(const Layout& L, int x, int y) {
  if (L.wallZone.at(x, y)) return Surface::Wall;
  switch (L.ground.at(x, y)) {
    case Ground::Road:
      return Surface::Road;
    case Ground::Pavement:
    case Ground::Plaza:
    case Ground::Lawn:
    case Ground::Yard:
    case Ground::Island:
      return Surface::OffTrack;
    case Ground::Building:
    case Ground::Water:
    case Ground::Rim:
    case Ground::Edge:
      return Surface::Wall;
    case Ground::Circuit:
      break;
  }
  switch (TrainingPart(L.trainingPart.at(x, y))) {
    case TrainingPart::Track:
    case TrainingPart::Kerb:
    case TrainingPart::Pit:
      return Surface::Road;
    case TrainingPart::Barrier:
      return Surface::Wall;
    default:
      return Surface::OffTrack;
  }
}

}  // namespace art::city
