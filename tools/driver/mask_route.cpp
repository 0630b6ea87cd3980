#include "mask_route.h"

#include <cmath>
#include <functional>
#include <queue>
#include <unordered_map>
#include <utility>

namespace driver {

namespace {

constexpr double kCell = 5;  // world pixels per mask cell
// Step costs: straight and diagonal steps on the road; other ground multiplies them.
constexpr std::uint32_t kStraight = 10, kDiagonal = 14;
constexpr std::uint32_t kOffTrack = 3, kBesideWall = 3, kWall = 400;

}  // namespace

void MaskRoute::weigh(const svc::Surface& mask, svc::Colour wall, svc::Colour offTrack) {
  if (weightsOf_ == &mask && width_ == mask.width() && height_ == mask.height()) return;
  weightsOf_ = &mask;
  width_ = mask.width();
  height_ = mask.height();
  std::vector<std::uint32_t> weight(std::size_t(width_) * std::size_t(height_), 1);
  for (int cy = 0; cy < height_; ++cy)
    for (int cx = 0; cx < width_; ++cx) {
      const svc::Colour c = mask.point(cx, cy);
      std::uint32_t& w = weight[std::size_t(cy * width_ + cx)];
      if (c == svc::kOutside)
        w = 0;
      else if (c == wall)
        w = kWall;
      else if (c == offTrack)
        w = kOffTrack;
    }
  // A car that runs along a wall keeps bouncing off it: keep a cell's distance where there is room.
  ground_ = weight;
  auto isWall = [&](int cx, int cy) {
    return cx >= 0 && cy >= 0 && cx < width_ && cy < height_ &&
           weight[std::size_t(cy * width_ + cx)] == kWall;
  };
  for (int cy = 0; cy < height_; ++cy)
    for (int cx = 0; cx < width_; ++cx) {
      std::uint32_t& w = ground_[std::size_t(cy * width_ + cx)];
      if (w == 0 || w == kWall) continue;
      bool besideWall = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) besideWall = besideWall || isWall(cx + dx, cy + dy);
      if (besideWall) w *= kBesideWall;
    }
}

int MaskRoute::plan(const svc::Surface& mask, svc::Colour wall, svc::Colour offTrack, double x,
                    double y, const std::vector<Goal>& goals) {
  weigh(mask, wall, offTrack);
  way_.clear();
  auto cellOf = [&](double wx, double wy) {
    const int cx = int(std::floor((wx + 1000) / kCell)), cy = int(std::floor((wy + 1000) / kCell));
    return cx < 0 || cy < 0 || cx >= width_ || cy >= height_ ? -1 : cy * width_ + cx;
  };
  const int start = cellOf(x, y);
  if (start < 0) return -1;
  // The goals by cell, each cell with its cheapest goal.
  std::unordered_map<int, std::size_t> goalAt;
  for (std::size_t i = 0; i < goals.size(); ++i) {
    const int cell = cellOf(goals[i].x, goals[i].y);
    if (cell < 0) continue;
    auto [it, added] = goalAt.try_emplace(cell, i);
    if (!added && goals[i].extra < goals[it->second].extra) it->second = i;
  }
  cost_.assign(ground_.size(), UINT32_MAX);
  from_.assign(ground_.size(), -1);
  using Entry = std::pair<std::uint32_t, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
  cost_[std::size_t(start)] = 0;
  open.push({0, start});
  int best = -1, bestCell = -1;
  std::uint64_t bestTotal = UINT64_MAX;
  while (!open.empty()) {
    const auto [c, cell] = open.top();
    open.pop();
    if (c != cost_[std::size_t(cell)]) continue;
    // Every goal still to be found costs at least c: the best one is known.
    if (c >= bestTotal) break;
    if (auto g = goalAt.find(cell); g != goalAt.end() && c + goals[g->second].extra < bestTotal) {
      bestTotal = std::uint64_t(c) + goals[g->second].extra;
      best = int(g->second);
      bestCell = cell;
    }
    const int cx = cell % width_, cy = cell / width_;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        if (!dx && !dy) continue;
        const int nx = cx + dx, ny = cy + dy;
        if (nx < 0 || ny < 0 || nx >= width_ || ny >= height_) continue;
        const int next = ny * width_ + nx;
        const std::uint32_t w = ground_[std::size_t(next)];
        if (!w) continue;
        // No corner cutting: a diagonal step needs both straight neighbours open and no wall.
        if (dx && dy) {
          const std::uint32_t a = ground_[std::size_t(cy * width_ + nx)],
                              b = ground_[std::size_t(ny * width_ + cx)];
          if (!a || !b || ((a >= kWall || b >= kWall) && w < kWall)) continue;
        }
        const std::uint32_t step = (dx && dy ? kDiagonal : kStraight) * w;
        if (c + step < cost_[std::size_t(next)]) {
          cost_[std::size_t(next)] = c + step;
          from_[std::size_t(next)] = cell;
          open.push({c + step, next});
        }
      }
  }
  if (best < 0) return -1;
  for (int cell = bestCell; cell >= 0; cell = from_[std::size_t(cell)]) way_.push_back(cell);
  goalX_ = goals[std::size_t(best)].x;
  goalY_ = goals[std::size_t(best)].y;
  return best;
}

void MaskRoute::towards(double x, double y, int cells, double* ax, double* ay) const {
  auto centre = [&](int cell, double* cx, double* cy) {
    *cx = (cell % width_ + 0.5) * kCell - 1000;
    *cy = (cell / width_ + 0.5) * kCell - 1000;
  };
  // The way runs from the goal (index 0) back to where it was planned from.
  std::size_t nearest = way_.size();
  double nearestDist = 0;
  for (std::size_t i = 0; i < way_.size(); ++i) {
    double cx = 0, cy = 0;
    centre(way_[i], &cx, &cy);
    const double d = std::hypot(cx - x, cy - y);
    if (nearest == way_.size() || d < nearestDist) {
      nearest = i;
      nearestDist = d;
    }
  }
  if (nearest == way_.size() || nearest <= std::size_t(cells)) {
    *ax = goalX_;
    *ay = goalY_;
    return;
  }
  centre(way_[nearest - std::size_t(cells)], ax, ay);
}

}  // namespace driver
