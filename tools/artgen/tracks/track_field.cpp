#include "tracks/track_field.h"

#include <algorithm>
#include <cmath>

namespace art::tracks {

namespace {
constexpr double kReach = 220;  // beyond this the exact distance does not matter
}

RoadField::RoadField(const Centreline& road, double x0, double y0, double size, double cell)
    : x0_(x0), y0_(y0), cell_(cell), n_(int(std::ceil(size / cell)) + 1) {
  d_.assign(std::size_t(n_) * n_, float(kReach));
  s_.assign(std::size_t(n_) * n_, 0);
  // Each station stamps its neighbourhood with the distance to its edge.
  for (std::size_t i = 0; i < road.size(); ++i) {
    const Station& st = road[std::ptrdiff_t(i)];
    const double r = st.hw + kReach;
    const int gx0 = std::max(0, int((st.x - r - x0_) / cell_)),
              gx1 = std::min(n_ - 1, int((st.x + r - x0_) / cell_) + 1);
    const int gy0 = std::max(0, int((st.y - r - y0_) / cell_)),
              gy1 = std::min(n_ - 1, int((st.y + r - y0_) / cell_) + 1);
    for (int gy = gy0; gy <= gy1; ++gy)
      for (int gx = gx0; gx <= gx1; ++gx) {
        const double px = x0_ + gx * cell_, py = y0_ + gy * cell_;
        const double d = std::hypot(px - st.x, py - st.y) - st.hw;
        float& cur = d_[std::size_t(gy) * n_ + gx];
        if (d < cur) {
          cur = float(d);
          s_[std::size_t(gy) * n_ + gx] = int(i);
        }
      }
  }
}

double RoadField::edge(Vec p) const {
  const double fx = std::clamp((p.x - x0_) / cell_, 0.0, n_ - 1.001);
  const double fy = std::clamp((p.y - y0_) / cell_, 0.0, n_ - 1.001);
  const int ix = int(fx), iy = int(fy);
  const double tx = fx - ix, ty = fy - iy;
  auto at = [&](int x, int y) { return double(d_[std::size_t(y) * n_ + x]); };
  const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
  const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

std::size_t RoadField::station(Vec p) const {
  const int ix = std::clamp(int(std::lround((p.x - x0_) / cell_)), 0, n_ - 1);
  const int iy = std::clamp(int(std::lround((p.y - y0_) / cell_)), 0, n_ - 1);
  return std::size_t(s_[std::size_t(iy) * n_ + ix]);
}

}  // namespace art::tracks
