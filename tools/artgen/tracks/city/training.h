// The training circuit in the park block of the City, in the Circuit's own coordinates (its
// picture pixels, 1000 x 1000; City world = circuit / 2 - 500). The City draws it at half size
// and its masks carry it; the Circuit picture is drawn from the same shapes at full size.
#pragma once
#include <vector>

#include "geometry.h"

namespace art::city {

enum class TrainingPart {
  Outside,  // not the circuit's (the park and the City around it)
  Track,    // asphalt of the lap
  Kerb,     // red and white kerbs on the corners (drivable)
  Pit,      // pit lane and paddock asphalt (drivable)
  Grass,    // run-off and infield (off the track)
  Gravel,   // gravel traps outside the corners (off the track)
  Barrier,  // tyre walls and the building of the paddock (walls)
};

struct TrainingCircuit {
  Polyline centre;            // closed lap
  std::vector<int> cornerOf;  // per segment of `centre`: the corner it rounds, -1 on straights
  std::vector<Vec> cornerCentres;
  std::vector<double> cornerRadii;
  double halfWidth;
  Polyline pitLane;  // from the main straight into the paddock and back
  double pitHalfWidth;
  Polyline paddock;      // asphalt area (closed polygon)
  Polyline pitBuilding;  // closed polygon, a wall
  Polyline tower;        // the timing tower in the infield, a wall
  std::vector<Vec> cones;
  Vec start;       // the car's start: heading east
  Vec finishLine;  // centre of the start and finish line across the main straight
};

const TrainingCircuit& trainingCircuit();

// What the circuit has at a point (circuit coordinates); `insidePark` tells whether the point
// lies in the park block, `toParkEdge` how far it is from the block's boundary (circuit pixels).
TrainingPart trainingPartAt(const TrainingCircuit& c, Vec p, bool insidePark, double toParkEdge);

// The width of the tyre wall along the park's edge, circuit pixels.
constexpr double kParkBarrier = 22;

}  // namespace art::city
