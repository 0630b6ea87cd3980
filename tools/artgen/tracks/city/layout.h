// What is on every pixel of the City's map: streets, pavements, the blocks with their
// buildings, the square, the parks and the training circuit, plus the objects drawn on them
// (trees, parked cars, awnings, footbridges). The masks, the map picture, the overlay, the
// minimap and the Circuit picture are all made from this one layout, so they agree.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "grid.h"
#include "plan.h"
#include "roads.h"
#include "training.h"

namespace art::city {

enum class Ground : std::uint8_t {
  Road,      // street asphalt
  Pavement,  // pavements and kerbs
  Plaza,     // the paved square
  Lawn,      // parks
  Yard,      // courtyards behind the buildings
  Building,
  Water,    // the fountain's basin and the pond
  Rim,      // the stone edge around water
  Edge,     // the border of the map
  Island,   // a kerbed traffic island
  Circuit,  // the training circuit's park: see TrainingPart
};

enum class Surface : std::uint8_t { Road, OffTrack, Wall };

enum class Roof : std::uint8_t { Flat, FlatDark, Hip, Gable, Glass };

struct Building {
  std::array<Vec, 4> corners;  // map pixels, in order around the footprint
  Vec along;                   // unit vector along the frontage
  Vec facing;                  // unit vector towards its street (zero in a courtyard)
  Vec centre;
  double length, depth;  // along and across
  Roof roof;
  int tone;       // palette index of the roof
  double height;  // for the shadow, pixels
  std::uint32_t seed;
};

struct Tree {
  Vec at;  // map pixels
  double radius;
  int kind;  // palette of the crown
};

struct ParkedCar {
  Vec at;
  double heading;  // radians, along the kerb
  int paint;
};

struct Footbridge {
  Vec a, b;      // ends (map pixels), across a street
  double width;  // deck width
};

struct Awning {
  std::array<Vec, 4> corners;
  int colour;
};

struct Layout {
  RoadRaster roads;
  Grid<Ground> ground;              // map pixels
  Grid<std::uint8_t> trainingPart;  // TrainingPart for Ground::Circuit pixels
  Grid<float> parkEdge;             // in the training park: distance to its edge, map pixels
  Grid<std::int16_t> buildingAt;    // index into buildings, -1 elsewhere
  Grid<std::uint8_t> wallZone;      // pavement so close to a building that the masks make it a wall
  Grid<std::uint8_t> arrowZone;     // cars hidden under a structure: drawn as arrows
  std::vector<CentreSample> centre;
  std::vector<Building> buildings;
  std::vector<Tree> trees;
  std::vector<ParkedCar> cars;
  std::vector<Footbridge> footbridges;
  std::vector<Awning> awnings;
  Vec fountain;  // map pixels
  double fountainRadius;
};

const Layout& cityLayout();

// The class the masks give a map pixel.
Surface surfaceAt(const Layout& layout, int x, int y);

// Map pixel <-> Circuit picture: circuit = 2 * (map - 500).
inline Vec mapToCircuit(Vec m) {
  return {2 * (m.x - 500), 2 * (m.y - 500)};
}
inline Vec circuitToMap(Vec c) {
  return {c.x / 2 + 500, c.y / 2 + 500};
}

// Where Picture4 covers the map (map pixels): the tunnel over the west street.
constexpr int kTunnelLeft = 0, kTunnelTop = 1490, kTunnelWidth = 146, kTunnelHeight = 377;

}  // namespace art::city
