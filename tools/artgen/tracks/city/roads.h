// The streets as pixels of the world map: where the asphalt is, how far every pixel is from
// it, and which pieces of road are crossings or the lap's second pass over a stretch.
#pragma once
#include <cstdint>

#include "grid.h"
#include "plan.h"

namespace art::city {

struct RoadRaster {
  Grid<std::uint8_t> road;  // 1 where the asphalt is (map pixels)
  Grid<float> distance;     // from every pixel to the nearest road pixel
};

// Rasterizes the plan's streets at map resolution.
RoadRaster rasterizeRoads(const Plan& plan);

// A place on a street centre line and what the markings do there.
struct CentreSample {
  Vec at, tangent;
  double halfWidth;
  int street;
  bool junction;  // inside a crossing or where another street joins
  bool repeated;  // a stretch the lap drives a second time (marked once)
};
std::vector<CentreSample> centreSamples(const Plan& plan, double step);

}  // namespace art::city
