// Ways over a track mask round its walls: how the autopilot finds its way back to the path from
// wherever the car has got to (pushed off, driven off by hand, pressed against a wall).
#pragma once
#include <cstdint>
#include <vector>

#include "services/colour.h"
#include "services/surface.h"

namespace driver {

class MaskRoute {
 public:
  struct Goal {
    double x, y;          // world point
    std::uint32_t extra;  // added to the cost of the way there
  };

  // The cheapest way from world point (x, y) to one of the goals (a cell is 5 × 5 world pixels,
  // as the game's world tests read the Village and City masks). Off-track cells and cells beside
  // a wall cost more than the road; wall cells cost so much that a way only crosses them when
  // there is no other (a car that is already in a wall must get out of it). Points outside the
  // mask are closed. Returns the index of the goal, or -1 when none can be reached.
  int plan(const svc::Surface& mask, svc::Colour wall, svc::Colour offTrack, double x, double y,
           const std::vector<Goal>& goals);

  // The world point `cells` cells on along the way last planned from its point nearest to world
  // point (x, y), where the car now is (the goal when that is nearer).
  void towards(double x, double y, int cells, double* ax, double* ay) const;

  // The mask's costs are kept between plans; a new race may bring other masks.
  void forget() { weightsOf_ = nullptr; }

 private:
  void weigh(const svc::Surface& mask, svc::Colour wall, svc::Colour offTrack);

  int width_ = 0, height_ = 0;
  const svc::Surface* weightsOf_ = nullptr;
  std::vector<std::uint32_t> ground_;  // what a step onto each cell costs (0: closed)
  std::vector<std::uint32_t> cost_;
  std::vector<std::int32_t> from_;  // the cell each way comes from; -1 at the start
  std::vector<int> way_;            // the last way planned, from its goal back to the start
  double goalX_ = 0, goalY_ = 0;
};

}  // namespace driver
