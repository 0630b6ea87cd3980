// A plain 2D array of pixels for the City's working rasters, with the two raster tools the
// layout needs: exact distance to a set of pixels and flood filling.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace art::city {

template <typename T>
struct Grid {
  int width = 0, height = 0;
  std::vector<T> cells;
  Grid() = default;
  Grid(int w, int h, T fill = T{}) : width(w), height(h), cells(std::size_t(w) * h, fill) {}
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  T& at(int x, int y) { return cells[std::size_t(y) * width + x]; }
  const T& at(int x, int y) const { return cells[std::size_t(y) * width + x]; }
};

// Euclidean distance from every cell to the nearest cell where `source` is set (0 there).
Grid<float> distanceTo(const Grid<std::uint8_t>& source);

// Marks the 4-connected cells reachable from (x, y) through cells that `pass` allows.
Grid<std::uint8_t> floodFill(int width, int height, int x, int y,
                             const std::function<bool(int, int)>& pass);

}  // namespace art::city
