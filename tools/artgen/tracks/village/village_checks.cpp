#include "tracks/village/village_checks.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tracks/track_sim.h"

namespace art::tracks::village {

namespace {

[[noreturn]] void fail(const std::string& why) {
  throw std::runtime_error("village: " + why);
}

double headingGap(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360 - d);
}

void checkColours(const Image& mask, const Keys& keys, const std::string& name) {
  const std::vector<Colour> known = keys.all();
  for (Colour c : mask.pixels)
    if (std::find(known.begin(), known.end(), c) == known.end())
      fail(name + " holds a colour that is no key and not the road colour");
}

void checkStart(const Masks& m, const Keys& keys) {
  struct Car {
    Vec p;
    const char* who;
  };
  for (const Car& car : {Car{kPlayerStart, "the player"}, Car{kOpponentStart, "the computer car"}})
    for (int s = 0; s < 2; ++s) {
      if (maskAt(*m.kon[s], 5, car.p) != keys.road)
        fail(std::string(car.who) + " does not start on plain road");
      // Behind the line: nothing of the line under the car, the line a little way ahead.
      bool line = false;
      for (double x = car.p.x - 31; x <= car.p.x + 31; x += 1)
        if (maskAt(*m.kon[0], 5, {x, car.p.y}) == keys.finish)
          fail(std::string(car.who) + " starts on the finish line");
      for (double x = car.p.x + 31; x <= car.p.x + 200 && !line; x += 1)
        line = maskAt(*m.kon[0], 5, {x, car.p.y}) == keys.finish;
      if (!line) fail(std::string(car.who) + " has no finish line ahead");
    }
}

// Every guide pixel lies where the road runs in the heading the guide holds there, on the
// edge it steers away from.
std::size_t checkRailPixels(const Layout& L, const Image& mask, const Keys& keys,
                            const std::string& name) {
  std::size_t pixels = 0;
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) {
      const Colour c = mask.at(x, y);
      if ((c != keys.guideMinus && c != keys.guidePlus) || (x < 6 && y < 6)) continue;
      ++pixels;
      const Vec p{x * 5.0 + 2.5 - kShift, y * 5.0 + 2.5 - kShift};
      const std::size_t i = L.road.nearest(p);
      const int count = L.countAt[i];
      if (count < 4) fail(name + ": a guide rail where the count does not set the guide");
      const double gap = headingGap(L.road[std::ptrdiff_t(i)].heading(), guideFor(count, 0));
      if (gap > 2.5) fail(name + ": a guide rail where the road leaves the guide heading");
      const bool left = L.road.lateral(i, p) > 0;
      if (left != (c == keys.guideMinus)) fail(name + ": a guide rail on the wrong edge");
    }
  return pixels;
}

// A player driving a line at a fixed fraction of the road's half width, two laps from the grid.
void driveAcross(const Layout& L, const Masks& m, double fraction) {
  const Centreline& road = L.road;
  const std::string name = "the line at " + std::to_string(fraction) + " of the road";
  PlayerRun run(m, 1, 1, true);
  std::vector<std::size_t> station;  // the station and the place of every frame
  std::vector<Vec> place;
  const std::size_t start = road.nearest(kPlayerStart);
  for (std::size_t k = 0; k < 2 * road.size() + 100; ++k) {
    const std::size_t i = road.wrap(std::ptrdiff_t(start + k));
    const Station& a = road[std::ptrdiff_t(i)];
    const Station& b = road[std::ptrdiff_t(i) + 1];
    const int steps = int(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / 3));
    for (int j = 0; j < steps; ++j) {
      const double t = double(j) / steps;
      const double off = fraction * (a.hw + (b.hw - a.hw) * t - 8);
      const double lx = a.lx() + (b.lx() - a.lx()) * t, ly = a.ly() + (b.ly() - a.ly()) * t;
      place.push_back({a.x + (b.x - a.x) * t + lx * off, a.y + (b.y - a.y) * t + ly * off});
      run.step(place.back());
      station.push_back(i);
    }
  }
  checkLaps(run.events(), 12, 1, 2, name);
  for (const Event& e : run.events()) {
    const Vec p = place[e.frame];
    const std::string where =
        " at (" + std::to_string(int(p.x)) + ", " + std::to_string(int(p.y)) + ")";
    if (e.what == Happening::Wall) fail(name + " runs into a wall" + where);
    if (e.what == Happening::OffTrack) fail(name + " leaves the road" + where);
    if (e.what != Happening::GuideMinus && e.what != Happening::GuidePlus) continue;
    const Station& st = road[std::ptrdiff_t(station[e.frame])];
    if (e.count < 4) fail(name + " meets a guide rail before the count sets the guide");
    if (headingGap(st.heading(), e.value) > 2.5)
      fail(name + " meets a guide rail that does not match the road" + where);
    if ((e.what == Happening::GuideMinus) != (fraction > 0))
      fail(name + " meets a guide rail on the wrong edge" + where);
  }
}

// The narrowest strip of ground between two stretches of road that do not cross.
double narrowestGap(const Layout& L) {
  const Centreline& road = L.road;
  const std::size_t n = road.size();
  std::vector<bool> crossing(n, false);
  for (const Crossing& c : L.crossings)
    for (Stretch s : {c.a, c.b}) {
      const Stretch wide = road.around(s.first, 60, double(s.count) * road.spacing() + 60);
      for (std::size_t k = 0; k < wide.count; ++k)
        crossing[road.wrap(std::ptrdiff_t(wide.first + k))] = true;
    }
  double gap = 1e9;
  for (std::size_t i = 0; i < n; ++i) {
    if (crossing[i]) continue;
    const Station& a = road[std::ptrdiff_t(i)];
    for (std::size_t j = i + 1; j < n; ++j) {
      if (crossing[j] || std::min(road.ahead(i, j), road.ahead(j, i)) < 400) continue;
      const Station& b = road[std::ptrdiff_t(j)];
      gap = std::min(gap, std::hypot(a.x - b.x, a.y - b.y) - a.hw - b.hw);
    }
  }
  return gap;
}

}  // namespace

void checkBridgeCovers(const Layout& L, const Image& bridgeMask) {
  const Centreline& road = L.road;
  const BridgeBox& b = L.bridge;
  const std::size_t upper = b.span.first + b.span.count / 2;
  std::size_t covered = 0;
  for (std::size_t k = 0; k < L.lowerRoad.count; ++k) {
    const std::size_t i = road.wrap(std::ptrdiff_t(L.lowerRoad.first + k));
    const Station& s = road[std::ptrdiff_t(i)];
    for (double lat = -s.hw; lat <= s.hw; lat += 2) {
      const Vec p{s.x + s.lx() * lat, s.y + s.ly() * lat};
      const std::size_t j = road.nearest(p, upper, 200);
      if (std::fabs(road.lateral(j, p)) > road[std::ptrdiff_t(j)].hw + b.parapet - 1) continue;
      // Under the deck: the bridge picture must hide a car here.
      const int x = int(std::floor(p.x - b.x0)), y = int(std::floor(p.y - b.y0));
      if (x < 0 || y < 0 || x >= bridgeMask.width || y >= bridgeMask.height ||
          bridgeMask.at(x, y) != 0)
        fail("the bridge picture does not cover the road beneath the deck");
      ++covered;
    }
  }
  if (covered == 0) fail("the lower road never passes beneath the deck");
}

Figures checkMasks(const Layout& L, const VillageMasks& vm, const Keys& keys) {
  Figures f;
  const Masks m{{&vm.kon[0], &vm.kon[1]}, 5};
  f.narrowestGap = narrowestGap(L);
  if (f.narrowestGap < 20) fail("two roads run too close for a hedge between them");
  checkLegend(vm.kon[0], keys, keys.switch0, "mini1.bmp");
  checkLegend(vm.kon[1], keys, keys.switch1, "mini2.bmp");
  if (keys.switch0 == keys.switch1) fail("both masks switch on the same colour");
  checkColours(vm.kon[0], keys, "mini1.bmp");
  checkColours(vm.kon[1], keys, "mini2.bmp");
  checkStart(m, keys);

  // The computer car over five laps from the race start.
  std::vector<Vec> path;
  for (const art::PathPoint& p : L.trace) path.push_back({p.x, p.y});
  const OpponentFigures opp = opponentOnRoad(m, path);
  f.opponentOnRoad = opp.percent();
  f.frames = opp.frames;
  f.laps = L.trace.empty() ? 0 : L.trace.back().lap;
  for (const art::PathPoint& p : L.trace)
    if (p.lap < 5) ++f.lapFrames[p.lap];
  if (f.laps < 5) fail("the computer car does not complete five laps");
  if (f.opponentOnRoad < 97) {
    std::string where;
    for (const Vec& p : opp.misses)
      where += " (" + std::to_string(int(p.x)) + ", " + std::to_string(int(p.y)) + ")";
    fail("the computer car is on the road in only " + std::to_string(f.opponentOnRoad) +
         " % of the frames; off it at" + where);
  }

  // The same path driven as the player's laps.
  PlayerRun player(m, 1, 1, true);
  for (const Vec& p : path) player.step(p);
  checkLaps(player.events(), 12, 1, 5, "the computer car's path driven as the player");

  for (double fraction : kAcross) {
    driveAcross(L, m, fraction);
    ++f.linesDriven;
  }
  f.railPixels = checkRailPixels(L, vm.kon[0], keys, "mini1.bmp") +
                 checkRailPixels(L, vm.kon[1], keys, "mini2.bmp");
  if (L.rails.empty()) fail("no guide rails at all");
  return f;
}

}  // namespace art::tracks::village
