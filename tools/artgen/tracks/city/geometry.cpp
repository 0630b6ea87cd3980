#include "geometry.h"

#include <algorithm>

namespace art::city {

double length(const Polyline& line) {
  double s = 0;
  for (std::size_t i = 1; i < line.size(); ++i) s += norm(line[i] - line[i - 1]);
  return s;
}

Polyline smooth(const Polyline& line, double radius) {
  if (line.size() < 3) return line;
  std::vector<double> s(line.size(), 0);
  for (std::size_t i = 1; i < line.size(); ++i) s[i] = s[i - 1] + norm(line[i] - line[i - 1]);
  Polyline out(line.size());
  std::size_t lo = 0, hi = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    // Shrink the window near the ends so that they do not move.
    const double r = std::min({radius, s[i], s.back() - s[i]});
    while (s[lo] < s[i] - r) ++lo;
    while (hi + 1 < line.size() && s[hi + 1] <= s[i] + r) ++hi;
    Vec sum;
    for (std::size_t j = lo; j <= hi; ++j) sum = sum + line[j];
    out[i] = sum * (1.0 / double(hi - lo + 1));
  }
  return out;
}

Polyline smoothLoop(const Polyline& loop, double radius, double step) {
  const int n = int(loop.size()), k = int(radius / step);
  Polyline out(loop.size());
  for (int i = 0; i < n; ++i) {
    Vec sum;
    for (int j = -k; j <= k; ++j) sum = sum + loop[std::size_t(((i + j) % n + n) % n)];
    out[std::size_t(i)] = sum * (1.0 / (2 * k + 1));
  }
  return out;
}

Polyline roundLoop(const Polyline& polygon, int rounds) {
  Polyline p = polygon;
  for (int r = 0; r < rounds; ++r) {
    Polyline next;
    for (std::size_t i = 0; i < p.size(); ++i) {
      const Vec a = p[i], b = p[(i + 1) % p.size()];
      next.push_back(a * 0.75 + b * 0.25);
      next.push_back(a * 0.25 + b * 0.75);
    }
    p = std::move(next);
  }
  return p;
}

Polyline resample(const Polyline& line, double step) {
  Polyline out;
  if (line.empty()) return out;
  out.push_back(line.front());
  double carry = 0;
  for (std::size_t i = 1; i < line.size(); ++i) {
    const Vec a = line[i - 1], d = line[i] - a;
    const double len = norm(d);
    double t = step - carry;
    while (t <= len) {
      out.push_back(a + d * (t / len));
      t += step;
    }
    carry = len - (t - step);
  }
  if (norm(out.back() - line.back()) > 1e-9) out.push_back(line.back());
  return out;
}

namespace {
void dpRange(const Polyline& line, std::size_t a, std::size_t b, double tol,
             std::vector<bool>& keep) {
  if (b <= a + 1) return;
  double worst = -1;
  std::size_t at = a;
  for (std::size_t i = a + 1; i < b; ++i) {
    const double d = segmentDistance(line[i], line[a], line[b]);
    if (d > worst) worst = d, at = i;
  }
  if (worst <= tol) return;
  keep[at] = true;
  dpRange(line, a, at, tol, keep);
  dpRange(line, at, b, tol, keep);
}
}  // namespace

Polyline simplify(const Polyline& line, double tolerance) {
  if (line.size() < 3) return line;
  std::vector<bool> keep(line.size(), false);
  keep.front() = keep.back() = true;
  dpRange(line, 0, line.size() - 1, tolerance, keep);
  Polyline out;
  for (std::size_t i = 0; i < line.size(); ++i)
    if (keep[i]) out.push_back(line[i]);
  return out;
}

namespace {
double chordDeviation(const Polyline& line, std::size_t a, std::size_t b) {
  double worst = 0;
  for (std::size_t i = a + 1; i < b; ++i)
    worst = std::max(worst, segmentDistance(line[i], line[a], line[b]));
  return worst;
}
}  // namespace

Polyline straighten(const Polyline& line, double minLength, double tolerance, double blend) {
  Polyline out = line;
  std::vector<double> s(line.size(), 0);
  for (std::size_t i = 1; i < line.size(); ++i) s[i] = s[i - 1] + norm(line[i] - line[i - 1]);
  std::size_t i = 0;
  while (i + 2 < line.size()) {
    std::size_t j = i + 2;
    while (j + 1 < line.size() && chordDeviation(line, i, j + 1) <= tolerance) ++j;
    if (s[j] - s[i] < minLength) {
      ++i;
      continue;
    }
    // Least-squares line through the stretch: centroid and principal direction.
    Vec c;
    for (std::size_t k = i; k <= j; ++k) c = c + line[k];
    c = c * (1.0 / double(j - i + 1));
    double sxx = 0, sxy = 0, syy = 0;
    for (std::size_t k = i; k <= j; ++k) {
      const Vec d = line[k] - c;
      sxx += d.x * d.x, sxy += d.x * d.y, syy += d.y * d.y;
    }
    const double angle = 0.5 * std::atan2(2 * sxy, sxx - syy);
    const Vec dir{std::cos(angle), std::sin(angle)};
    for (std::size_t k = i; k <= j; ++k) {
      const Vec onLine = c + dir * dot(line[k] - c, dir);
      const double edge = std::min(s[k] - s[i], s[j] - s[k]);
      const double t = std::clamp(edge / blend, 0.0, 1.0);
      out[k] = line[k] + (onLine - line[k]) * (t * t * (3 - 2 * t));
    }
    i = j;
  }
  return out;
}

double segmentDistance(Vec p, Vec a, Vec b) {
  const Vec d = b - a;
  const double len2 = dot(d, d);
  const double t = len2 > 0 ? std::clamp(dot(p - a, d) / len2, 0.0, 1.0) : 0.0;
  return norm(p - (a + d * t));
}

double polylineDistance(Vec p, const Polyline& line) {
  if (line.size() == 1) return norm(p - line[0]);
  double best = 1e300;
  for (std::size_t i = 1; i < line.size(); ++i)
    best = std::min(best, segmentDistance(p, line[i - 1], line[i]));
  return best;
}

namespace {
// Index of the segment holding arc length s and the fraction along it.
std::size_t locate(const Polyline& line, double s, double& frac) {
  for (std::size_t i = 1; i < line.size(); ++i) {
    const double len = norm(line[i] - line[i - 1]);
    if (s <= len || i + 1 == line.size()) {
      frac = len > 0 ? std::clamp(s / len, 0.0, 1.0) : 0.0;
      return i;
    }
    s -= len;
  }
  frac = 0;
  return 0;
}
}  // namespace

Vec pointAt(const Polyline& line, double s) {
  if (line.size() < 2) return line.empty() ? Vec{} : line[0];
  double f;
  const std::size_t i = locate(line, s, f);
  return line[i - 1] + (line[i] - line[i - 1]) * f;
}

Vec tangentAt(const Polyline& line, double s) {
  if (line.size() < 2) return {1, 0};
  double f;
  const std::size_t i = locate(line, s, f);
  return unit(line[i] - line[i - 1]);
}

}  // namespace art::city
