#include "plan.h"

#include <cmath>

#include "view/world_tests.h"

namespace art::city {

namespace {

constexpr int kTraceLaps = 5;
constexpr double kRouteHalfWidth = 63;
constexpr double kSideHalfWidth = 55;

// The second lap: the first one starts from the grid and launches, the later ones repeat it.
Polyline steadyLap(const std::vector<PathPoint>& trace) {
  Polyline lap;
  for (const PathPoint& p : trace)
    if (p.lap == 1) lap.push_back({p.x, p.y});
  return lap;
}

// Near the map's border the lap runs close to the wall round the town; the street is moved
// in (smoothly) so that it stays wide between the wall and its other kerb.
double awayFromBorder(double v) {
  constexpr double kLimit = 1000 - 10 - 55, kSoft = 30;
  const double a = std::abs(v), excess = a - (kLimit - kSoft);
  if (excess <= 0) return v;
  return std::copysign(kLimit - kSoft + kSoft * std::tanh(excess / kSoft), v);
}

// The street of the race loop follows the lap: smoothed, its long stretches made straight
// (the car weaves a little as it steers in steps), thinned and rounded again at the corners.
Street routeStreet(const Polyline& lap) {
  const double step = 4;
  Polyline c = straighten(smoothLoop(resample(lap, step), 30, step), 400, 20, 90);
  for (Vec& v : c) v = {awayFromBorder(v.x), awayFromBorder(v.y)};
  c.push_back(c.front());
  c = simplify(c, 8);
  c.pop_back();
  c = roundLoop(c, 4);
  c.push_back(c.front());
  return {c, kRouteHalfWidth, true};
}

// Where the masks cross the road, by arc length along the steady lap (which starts just past
// the finish line). Section 0 runs from the finish to the switch on the east street; section
// 1 from there round the west side to the switch on the way down to the start, so the two
// passes over the shared stretches (the north-south street above the start, the avenue
// between the diagonal street and the hairpin road) fall into different masks. The places of
// the checkpoints come from a small search over the lap's legs for an order in which every
// sign the game shows after a count points the way the road goes next.
std::vector<KeyLine> keyLines() {
  const std::vector<std::pair<double, int>> checkpoints = {
      {70, 0},   {480, 0},   {670, 0},   {765, 0},   {860, 0},   {1557, 0}, {2008, 0}, {2962, 0},
      {3880, 1}, {4060, 1},  {4623, 1},  {4868, 1},  {5547, 1},  {6680, 1}, {6876, 1}, {7060, 1},
      {8250, 1}, {10157, 1}, {10560, 1}, {10848, 1}, {10920, 1}, {10993, 1}};
  std::vector<KeyLine> lines;
  for (std::size_t i = 0; i < checkpoints.size(); ++i)
    lines.push_back(
        {LineKind::Checkpoint, checkpoints[i].second, checkpoints[i].first, int(i) + 1});
  lines.push_back({LineKind::Switch, 0, 3360, 0});   // on the east street, going north
  lines.push_back({LineKind::Switch, 1, 11055, 0});  // coming down towards the start
  lines.push_back({LineKind::Finish, 0, -29, 0});    // on the start straight, past the crossing
  return lines;
}

// What the twelve sign pictures show, found with the checkpoints above: the game shows
// pictures 4, 7, 6, 9, 5, 1, 0, 8 and 3; 2, 10 and 11 are never shown but drawn all the same.
std::array<SignMeaning, 12> signMeanings() {
  using D = Dir;
  return {{{D::East, D::South},     // 0
           {D::South, D::West},     // 1
           {D::North, D::North},    // 2
           {D::North, D::East},     // 3
           {D::East, D::North},     // 4
           {D::South, D::East},     // 5
           {D::West, D::West},      // 6
           {D::North, D::West},     // 7
           {D::West, D::North},     // 8
           {D::West, D::South},     // 9
           {D::East, D::East},      // 10
           {D::South, D::South}}};  // 11
}

}  // namespace

int signAfterCount(int count) {
  return game::SignForCount(count);
}

const Plan& cityPlan() {
  static const Plan plan = [] {
    Plan p;
    p.trace = traceOpponent(game::OpponentTrack::City, kTraceLaps);
    p.lap = steadyLap(p.trace);
    p.streets.push_back(routeStreet(p.lap));
    // Side streets: they make the blocks and the crossroads and reach the pick-up squares.
    const double w = kSideHalfWidth;
    p.streets.push_back({{{-922, -524}, {-470, -524}}, kRouteHalfWidth, false});  // the grid
    p.streets.push_back({{{-922, -40}, {-440, -40}}, w, false});
    p.streets.push_back({{{-470, -40}, {-470, 820}}, w, false});
    p.streets.push_back({{{-922, 300}, {312, 300}}, w, false});
    p.streets.push_back({{{-112, -700}, {565, -700}}, w, false});
    p.streets.push_back({{{210, -60}, {210, -700}}, w, false});
    p.streets.push_back({{{540, -470}, {945, -470}}, w, false});
    p.lines = keyLines();
    p.signs = signMeanings();
    p.playerStart = {-620, -500};
    p.opponentStart = {-620, -540};
    p.pickups = {{-300, -500}, {-700, -500}, {-300, -950}, {-700, -950}, {300, -150},
                 {850, -650},  {600, -30},   {100, -150},  {550, -500},  {400, -30}};
    return p;
  }();
  return plan;
}

}  // namespace art::city
