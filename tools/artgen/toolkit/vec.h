// Points and directions in the plane, for every picture and layout.
#pragma once
#include <cmath>

namespace art {

struct Vec {
  double x = 0, y = 0;
};
inline Vec operator+(Vec a, Vec b) {
  return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, double k) {
  return {a.x * k, a.y * k};
}
inline double dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y;
}
inline double cross(Vec a, Vec b) {
  return a.x * b.y - a.y * b.x;
}
inline double norm(Vec a) {
  return std::hypot(a.x, a.y);
}
inline Vec unit(Vec a) {
  const double n = norm(a);
  return n > 0 ? a * (1 / n) : Vec{1, 0};
}
// The left-hand normal on the screen (y grows downwards): (x, y) -> (y, -x).
inline Vec perp(Vec a) {
  return {a.y, -a.x};
}

}  // namespace art
