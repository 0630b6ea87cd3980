#include "training.h"

#include <algorithm>
#include <cmath>

namespace art::city {

namespace {

struct Corner {
  Vec at;
  double radius;
};

// Fills the lap through the corners' points, each corner rounded by its radius.
void filletLoop(TrainingCircuit& t, const std::vector<Corner>& corners, double step) {
  const std::size_t n = corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Vec p = corners[(i + n - 1) % n].at, c = corners[i].at, q = corners[(i + 1) % n].at;
    const Vec u1 = unit(c - p), u2 = unit(q - c);
    const double turn = std::acos(std::clamp(dot(u1, u2), -1.0, 1.0));
    const double r = corners[i].radius;
    const double tangent = r * std::tan(turn / 2);
    const Vec a = c - u1 * tangent;
    const double side = cross(u1, u2) > 0 ? 1 : -1;  // which way the corner turns
    const Vec centre = a + Vec{-u1.y, u1.x} * (r * side);
    const double a0 = std::atan2(a.y - centre.y, a.x - centre.x);
    const int steps = std::max(2, int(turn * r / step));
    t.cornerCentres.push_back(centre);
    t.cornerRadii.push_back(r);
    if (!t.centre.empty()) t.cornerOf.push_back(-1);  // the straight before this corner
    for (int k = 0; k <= steps; ++k) {
      const double ang = a0 + side * turn * k / steps;
      t.centre.push_back(centre + Vec{std::cos(ang), std::sin(ang)} * r);
      if (k) t.cornerOf.push_back(int(i));
    }
  }
  t.centre.push_back(t.centre.front());
  t.cornerOf.push_back(-1);
}

bool insidePolygon(const Polyline& poly, Vec p) {
  bool in = false;
  for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const Vec a = poly[i], b = poly[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

}  // namespace

const TrainingCircuit& trainingCircuit() {
  static const TrainingCircuit c = [] {
    TrainingCircuit t;
    t.halfWidth = 40;
    // A lap around the infield with a chicane on the back straight, started on the lower
    // straight just before the first corner.
    filletLoop(t,
               {{{262, 545}, 70},
                {{518, 545}, 46},
                {{518, 172}, 66},
                {{262, 192}, 66},
                {{262, 300}, 40},
                {{330, 350}, 40},
                {{330, 400}, 40},
                {{262, 450}, 40}},
               4);
    t.pitHalfWidth = 24;
    t.pitLane = {{322, 566}, {350, 612}, {380, 632}, {470, 632}, {500, 612}, {516, 582}};
    t.paddock = {{236, 620}, {600, 620}, {614, 690}, {240, 690}};
    t.pitBuilding = {{250, 696}, {604, 696}, {608, 726}, {256, 726}};
    t.tower = {{400, 250}, {446, 250}, {446, 300}, {400, 300}};
    t.cones = {{280, 656}, {322, 656}, {364, 656}, {406, 656}, {448, 656}, {490, 656},
               {532, 656}, {574, 656}, {392, 470}, {440, 440}, {300, 396}, {372, 256}};
    t.start = {470, 540};
    t.finishLine = {500, 545};
    return t;
  }();
  return c;
}

TrainingPart trainingPartAt(const TrainingCircuit& c, Vec p, bool insidePark, double toParkEdge) {
  if (!insidePark) return TrainingPart::Outside;
  if (toParkEdge < kParkBarrier) return TrainingPart::Barrier;
  if (insidePolygon(c.pitBuilding, p) || insidePolygon(c.tower, p)) return TrainingPart::Barrier;
  std::size_t seg = 0;
  double d = 1e300;
  for (std::size_t i = 0; i + 1 < c.centre.size(); ++i) {
    const double di = segmentDistance(p, c.centre[i], c.centre[i + 1]);
    if (di < d) d = di, seg = i;
  }
  const int corner = c.cornerOf[seg];
  const bool outside = corner >= 0 && norm(p - c.cornerCentres[std::size_t(corner)]) >
                                          c.cornerRadii[std::size_t(corner)];
  if (d <= c.halfWidth)
    return corner >= 0 && d > c.halfWidth - 9 ? TrainingPart::Kerb : TrainingPart::Track;
  if (polylineDistance(p, c.pitLane) <= c.pitHalfWidth || insidePolygon(c.paddock, p))
    return TrainingPart::Pit;
  if (outside && d <= c.halfWidth + 64) return TrainingPart::Gravel;
  return TrainingPart::Grass;
}

}  // namespace art::city
