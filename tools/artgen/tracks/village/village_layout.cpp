#include "tracks/village/village_layout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace art::tracks::village {

namespace {

constexpr double kHalfWidth = 57;  // a 114-pixel road: three and a half car widths

// The laid road follows the third lap (the first is bent by the launch from standstill).
std::vector<Vec> steadyLap(const std::vector<art::PathPoint>& trace) {
  std::vector<Vec> lap;
  for (const art::PathPoint& p : trace)
    if (p.lap == 2) lap.push_back({p.x, p.y});
  return lap;
}

double headingGap(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360 - d);
}

// Stretches of the loop that lie on another, far-away stretch: the crossroads and the bridge.
std::vector<Crossing> findCrossings(const Centreline& road, std::size_t finish) {
  const std::size_t n = road.size();
  std::vector<int> partner(n, -1);
  for (std::size_t i = 0; i < n; ++i) {
    const Station& a = road[std::ptrdiff_t(i)];
    double best = 1e9;
    for (std::size_t j = 0; j < n; ++j) {
      if (std::min(road.ahead(i, j), road.ahead(j, i)) < 400) continue;
      const Station& b = road[std::ptrdiff_t(j)];
      const double d = std::hypot(a.x - b.x, a.y - b.y);
      if (d < b.hw + 5 && d < best) best = d, partner[i] = int(j);
    }
  }
  // Runs of stations with a partner, in lap order from the finish line.
  struct Run {
    Stretch s;
    std::size_t partnerMid;
  };
  std::vector<Run> runs;
  std::size_t k = 0;
  while (k < n) {
    const std::size_t i = road.wrap(std::ptrdiff_t(finish + k));
    if (partner[i] < 0) {
      ++k;
      continue;
    }
    // A run ends where the stations stop having a partner or the partner jumps to another road.
    std::size_t len = 1;
    while (k + len < n) {
      const int p = partner[road.wrap(std::ptrdiff_t(i + len))];
      const int q = partner[road.wrap(std::ptrdiff_t(i + len - 1))];
      if (p < 0 || std::min(road.ahead(std::size_t(p), std::size_t(q)),
                            road.ahead(std::size_t(q), std::size_t(p))) > 100)
        break;
      ++len;
    }
    runs.push_back({{i, len}, std::size_t(partner[road.wrap(std::ptrdiff_t(i + len / 2))])});
    k += len;
  }
  auto inRun = [&](const Run& r, std::size_t j) {
    return road.ahead(r.s.first, j) < double(r.s.count) * road.spacing();
  };
  std::vector<Crossing> out;
  std::vector<bool> used(runs.size(), false);
  for (std::size_t a = 0; a < runs.size(); ++a) {
    if (used[a]) continue;
    for (std::size_t b = a + 1; b < runs.size(); ++b) {
      if (used[b] || !inRun(runs[b], runs[a].partnerMid)) continue;
      used[a] = used[b] = true;
      const Station& m = road[std::ptrdiff_t(runs[a].s.first + runs[a].s.count / 2)];
      // The stretches reach on until the other road's band is behind them.
      auto widen = [&](Stretch s) {
        const double reach = road[std::ptrdiff_t(s.first)].hw + 20;
        return road.around(s.first, reach, double(s.count) * road.spacing() + reach);
      };
      out.push_back({widen(runs[a].s), widen(runs[b].s), {m.x, m.y}, false});
      break;
    }
    if (!used[a]) {
      const Station& m = road[std::ptrdiff_t(runs[a].s.first + runs[a].s.count / 2)];
      throw std::runtime_error("village: a crossing without its other road near (" +
                               std::to_string(int(m.x)) + ", " + std::to_string(int(m.y)) + ")");
    }
  }
  return out;
}

}  // namespace

int guideFor(int count, int previous) {
  if (count >= 16) return 180;
  if (count >= 9) return 95;
  if (count >= 5) return 270;
  if (count == 4) return 0;
  return previous;
}

namespace {

Layout build() {
  Layout L;
  L.trace = art::traceOpponent(game::OpponentTrack::Village, 5);
  L.road = Centreline(steadyLap(L.trace), 4, 14, kHalfWidth);
  Centreline& road = L.road;
  // Sideways moves (positive: to the driver's left) where the path runs close to the map's
  // edge, to another road or across the bridge.
  road.shift({
      {{-330, 950}, 120, 330, 19},        // the start straight holds both cars of the grid
      {{250, -942}, 380, 300, 16},        // the northern road keeps off the map's edge
      {{941, -700}, 60, 200, 14},         // so does the eastern one
      {{-786, -655}, 40, 170, -24},       // the inner and the outer road of the north-west corner
      {{-878, -650}, 60, 200, -24},       //   part for a hedge between them
      {{60, -499}, 100, 250, 21.5, 180},  // the deck between the parapets of the bridge
      {{-690, -900}, 60, 160, -14},       // the north-west bend keeps off the loop inside it
      {{-600, -789}, 110, 110, -10},      //   as that loop keeps off the bend
      {{0, -349}, 200, 150, -6},          // the road beside the bridge road keeps its distance
  });
  road.widen({
      {{140, -494}, 160, 100, -8, 180},  // the bridge is a little narrower
      {{-380, 931}, 100, 200, 3},        // the start grid a little wider
  });

  auto at = [&](double x, double y) { return road.nearest({x, y}); };
  L.finish = at(-288, 931);
  const Vec cps[12] = {{868, 781},  {12, 776},   {720, -560},  {-760, -733},
                       {431, -273}, {277, 65},   {414, 373},   {697, 132},
                       {885, -145}, {290, -935}, {-900, -425}, {-530, -129}};
  for (int i = 0; i < 12; ++i) L.checkpoints[std::size_t(i)] = at(cps[i].x, cps[i].y);
  L.switchTo0 = at(95, 65);
  L.switchTo1 = at(355, -673);
  L.passage = road.around(at(510, 553), 42, 42);

  L.crossings = findCrossings(road, L.finish);
  for (Crossing& c : L.crossings)
    if (std::hypot(c.centre.x - 143, c.centre.y + 490) < 60) {
      c.bridge = true;
      L.lowerRoad = c.a;
      L.upperRoad = c.b;
    }
  if (L.lowerRoad.count == 0) throw std::runtime_error("village: the bridge crossing is missing");
  // The span: the upper road's stations over the bridge, and the picture's height.
  BridgeBox& b = L.bridge;
  const std::size_t mid = road.nearest({140, -480}, 180.0);
  std::size_t first = mid, last = mid;
  while (road[std::ptrdiff_t(first) - 1].x < b.x1 + 10)
    first = road.wrap(std::ptrdiff_t(first) - 1);
  while (road[std::ptrdiff_t(last) + 1].x > b.x0 - 10) last = road.wrap(std::ptrdiff_t(last) + 1);
  b.span = {first, std::size_t(road.ahead(first, last) / road.spacing()) + 1};
  double top = 1e9, bottom = -1e9;
  for (std::size_t k = 0; k < b.span.count; ++k) {
    const Station& s = road[std::ptrdiff_t(b.span.first + k)];
    const double reach = s.hw + b.parapet;
    top = std::min(top, s.y - reach * std::fabs(s.ly()) - 1);
    bottom = std::max(bottom, s.y + (reach + b.fascia) * std::fabs(s.ly()) + 1);
  }
  if (top < b.y0)
    throw std::runtime_error("village: the bridge's parapet leaves its picture at y " +
                             std::to_string(int(top)));
  b.y1 = std::ceil(bottom);

  // The checkpoint count along the lap, station by station.
  const std::size_t n = road.size();
  L.countAt.assign(n, 0);
  int count = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t i = road.wrap(std::ptrdiff_t(L.finish + k));
    if (std::find(L.checkpoints.begin(), L.checkpoints.end(), i) != L.checkpoints.end()) ++count;
    L.countAt[i] = count;
  }

  // Guide rails: where the road runs within two degrees of the guide heading of its count
  // stretch, away from crossroads, lines across the road and the farm passage.
  std::vector<bool> keepOff(n, false);
  auto block = [&](Stretch s) {
    for (std::size_t k = 0; k < s.count; ++k)
      keepOff[road.wrap(std::ptrdiff_t(s.first + k))] = true;
  };
  for (const Crossing& c : L.crossings) {
    block(road.around(c.a.first, 40, double(c.a.count) * road.spacing() + 40));
    block(road.around(c.b.first, 40, double(c.b.count) * road.spacing() + 40));
  }
  for (std::size_t cp : L.checkpoints) block(road.around(cp, 30, 30));
  for (std::size_t s : {L.finish, L.switchTo0, L.switchTo1}) block(road.around(s, 30, 30));
  block(road.around(L.passage.first, 40, double(L.passage.count) * road.spacing() + 40));
  std::size_t k = 0;
  while (k < n) {
    auto fits = [&](std::size_t i) {
      const int c = L.countAt[i];
      return c >= 4 && !keepOff[i] &&
             headingGap(road[std::ptrdiff_t(i)].heading(), guideFor(c, 0)) <= 2.0;
    };
    const std::size_t i = road.wrap(std::ptrdiff_t(L.finish + k));
    if (!fits(i)) {
      ++k;
      continue;
    }
    std::size_t len = 0;
    while (k + len < n && fits(road.wrap(std::ptrdiff_t(i + len))) &&
           guideFor(L.countAt[road.wrap(std::ptrdiff_t(i + len))], 0) == guideFor(L.countAt[i], 0))
      ++len;
    const auto trim = std::size_t(10 / road.spacing());
    if (double(len) * road.spacing() >= 80) {
      const Stretch s{road.wrap(std::ptrdiff_t(i + trim)), len - 2 * trim};
      L.rails.push_back({s, true, guideFor(L.countAt[i], 0)});
      L.rails.push_back({s, false, guideFor(L.countAt[i], 0)});
    }
    k += len;
  }
  return L;
}

}  // namespace

const Layout& layout() {
  static const Layout built = build();
  return built;
}

}  // namespace art::tracks::village
