// How far every place of a map lies from the road's edge (negative on the asphalt), sampled on
// a coarse grid: scenery is kept off the road with it and the verges are painted along it.
#pragma once
#include <vector>

#include "tracks/track_centreline.h"

namespace art::tracks {

class RoadField {
 public:
  // Covers world x0..x0 + size, y0..y0 + size, one sample every `cell` pixels.
  RoadField(const Centreline& road, double x0, double y0, double size, double cell);
  // Distance from the nearest road edge (centre distance minus the half width).
  double edge(Vec p) const;
  // The station nearest a point (within the field's reach of the road, else any station).
  std::size_t station(Vec p) const;

 private:
  double x0_, y0_, cell_;
  int n_;
  std::vector<float> d_;
  std::vector<int> s_;
};

}  // namespace art::tracks
