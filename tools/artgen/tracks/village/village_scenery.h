// What stands and grows around the Village's road: fields, the village's yards and gardens,
// houses, barns, the church, trees, hedges, the pond and the farm with its covered passage.
// Placed once; the map, the overlay and the masks all draw from the same lists.
#pragma once
#include <vector>

#include "tracks/track_field.h"
#include "tracks/village/village_layout.h"

namespace art::tracks::village {

enum class Crop { Wheat, Barley, Rapeseed, Ploughed, Beet, Hay, Pasture, Maize };

struct FieldSeed {
  Vec at;
  Crop crop;
  double rows;  // direction of the rows, radians
};

enum class Ground { Yard, Garden, Lawn, Churchyard };
struct Patch {
  std::vector<Vec> outline;
  Ground ground;
};

enum class Roofing { Tiles, DarkTiles, Slate, Barn, Tower };
struct Building {
  Vec centre;
  double length, width;  // along the ridge and across it
  double angle;          // of the ridge, radians
  Roofing roof;
  bool hip = false;  // a hipped roof (sloping at the ends too)
};

struct Tower {
  Vec at;
  double side;
};

struct Tree {
  Vec at;
  double radius;
  int kind;  // 0 broadleaf, 1 dark (lime, oak), 2 fruit tree, 3 conifer, 4 willow
};

struct Hedge {
  std::vector<Vec> line;
  double width;
  bool wall;  // a dense hedge between two roads bounces cars
};

struct Scenery {
  std::vector<FieldSeed> fields;
  std::vector<Patch> patches;       // village ground, drawn over the fields
  std::vector<Building> buildings;  // all of them walls in the masks
  std::vector<Tower> towers;
  std::vector<Tree> trees;  // trees whose canopy may reach over the road go to the overlay
  std::vector<Hedge> hedges;
  std::vector<Vec> pond;  // the village pond's shore
  std::vector<std::vector<Vec>> stoneWalls;
  std::vector<Vec> graves;      // little stones in the churchyard
  std::vector<Vec> bales;       // round bales of hay
  Building passage;             // the barn the road passes through
  std::vector<Building> walls;  // its two halves beside the road
};

const Scenery& scenery(const Layout& layout, const RoadField& field);

// Trees whose crown reaches the road pass over the cars: they go into the overlay.
bool overRoad(const Tree& t, const RoadField& field);
// The paths of everything that bounces a car: buildings, the tower, the passage's sides,
// stone walls and the hedges between close roads (filled or stroked by the callback itself).
void wallPaths(cairo_t* cr, const Scenery& sc);

}  // namespace art::tracks::village
