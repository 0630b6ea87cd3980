#include "grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace art::city {

namespace {

// One dimension of the squared distance transform (Felzenszwalb and Huttenlocher).
void transform1d(const std::vector<double>& f, std::vector<double>& d, std::vector<int>& v,
                 std::vector<double>& z) {
  const int n = int(f.size());
  const double inf = std::numeric_limits<double>::infinity();
  auto meet = [&](int q, int p) {
    return ((f[std::size_t(q)] + double(q) * q) - (f[std::size_t(p)] + double(p) * p)) /
           (2.0 * (q - p));
  };
  std::size_t k = 0;
  v[0] = 0;
  z[0] = -inf;
  z[1] = inf;
  for (int q = 1; q < n; ++q) {
    double s = meet(q, v[k]);
    while (s <= z[k]) s = meet(q, v[--k]);  // z[0] is -inf, so k stays >= 0
    ++k;
    v[k] = q;
    z[k] = s;
    z[k + 1] = inf;
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[k + 1] < q) ++k;
    const int p = v[k];
    d[std::size_t(q)] = double(q - p) * (q - p) + f[std::size_t(p)];
  }
}

}  // namespace

Grid<float> distanceTo(const Grid<std::uint8_t>& source) {
  const int w = source.width, h = source.height;
  const double big = 1e12;
  std::vector<double> sq(std::size_t(w) * h);
  for (std::size_t i = 0; i < sq.size(); ++i) sq[i] = source.cells[i] ? 0 : big;
  const int n = std::max(w, h);
  const auto size = static_cast<std::size_t>(n);
  std::vector<double> f(size), d(size), z(size + 1);
  std::vector<int> v(size);
  auto pass = [&](int count, auto get, auto set) {
    f.resize(std::size_t(count));
    d.resize(std::size_t(count));
    for (int i = 0; i < count; ++i) f[std::size_t(i)] = get(i);
    transform1d(f, d, v, z);
    for (int i = 0; i < count; ++i) set(i, d[std::size_t(i)]);
  };
  for (int x = 0; x < w; ++x)
    pass(
        h, [&](int y) { return sq[std::size_t(y) * w + x]; },
        [&](int y, double val) { sq[std::size_t(y) * w + x] = val; });
  for (int y = 0; y < h; ++y)
    pass(
        w, [&](int x) { return sq[std::size_t(y) * w + x]; },
        [&](int x, double val) { sq[std::size_t(y) * w + x] = val; });
  Grid<float> out(w, h);
  for (std::size_t i = 0; i < sq.size(); ++i) out.cells[i] = float(std::sqrt(sq[i]));
  return out;
}

Grid<std::uint8_t> floodFill(int width, int height, int x, int y,
                             const std::function<bool(int, int)>& pass) {
  Grid<std::uint8_t> seen(width, height, 0);
  if (!seen.inside(x, y) || !pass(x, y)) return seen;
  std::vector<std::pair<int, int>> stack{{x, y}};
  seen.at(x, y) = 1;
  while (!stack.empty()) {
    const auto [cx, cy] = stack.back();
    stack.pop_back();
    const int nx[4] = {cx + 1, cx - 1, cx, cx}, ny[4] = {cy, cy, cy + 1, cy - 1};
    for (int i = 0; i < 4; ++i) {
      if (!seen.inside(nx[i], ny[i]) || seen.at(nx[i], ny[i]) || !pass(nx[i], ny[i])) continue;
      seen.at(nx[i], ny[i]) = 1;
      stack.push_back({nx[i], ny[i]});
    }
  }
  return seen;
}

}  // namespace art::city
