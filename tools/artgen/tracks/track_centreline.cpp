#include "tracks/track_centreline.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

#include "toolkit/shapes.h"

namespace art::tracks {

double Station::heading() const {
  double h = std::atan2(-ty, tx) * 180 / std::numbers::pi;
  return h < 0 ? h + 360 : h;
}

Centreline::Centreline(const std::vector<Vec>& loop, double spacing, double smoothing,
                       double halfWidth) {
  if (loop.size() < 8) throw std::runtime_error("centreline: path too short");
  // Resample the closed polyline by length.
  std::vector<double> cum(loop.size() + 1, 0);
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const Vec& a = loop[i];
    const Vec& b = loop[(i + 1) % loop.size()];
    cum[i + 1] = cum[i] + std::hypot(b.x - a.x, b.y - a.y);
  }
  const double total = cum.back();
  const auto n = std::size_t(std::lround(total / spacing));
  std::vector<Vec> even(n);
  std::size_t seg = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const double s = total * double(k) / double(n);
    while (cum[seg + 1] < s) ++seg;
    const Vec& a = loop[seg];
    const Vec& b = loop[(seg + 1) % loop.size()];
    const double t = (s - cum[seg]) / std::max(1e-9, cum[seg + 1] - cum[seg]);
    even[k] = {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
  }
  // Gaussian smoothing along the loop takes out the opponent's steering steps.
  const double step = total / double(n);
  const int reach = int(std::ceil(3 * smoothing / step));
  std::vector<double> weights(std::size_t(2 * reach + 1));
  for (int j = -reach; j <= reach; ++j) {
    const double d = j * step / smoothing;
    weights[std::size_t(j + reach)] = std::exp(-0.5 * d * d);
  }
  st_.resize(n);
  for (std::size_t k = 0; k < n; ++k) {
    double sx = 0, sy = 0, sw = 0;
    for (int j = -reach; j <= reach; ++j) {
      const Vec& p = even[wrap(std::ptrdiff_t(k) + j)];
      const double w = weights[std::size_t(j + reach)];
      sx += p.x * w;
      sy += p.y * w;
      sw += w;
    }
    st_[k] = {sx / sw, sy / sw, 0, 1, 0, halfWidth};
  }
  recompute();
}

std::size_t Centreline::wrap(std::ptrdiff_t i) const {
  const auto n = std::ptrdiff_t(st_.size());
  return std::size_t(((i % n) + n) % n);
}

void Centreline::recompute() {
  const std::size_t n = st_.size();
  double s = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const Station& prev = st_[wrap(std::ptrdiff_t(k) - 1)];
    const Station& next = st_[wrap(std::ptrdiff_t(k) + 1)];
    const double dx = next.x - prev.x, dy = next.y - prev.y, d = std::hypot(dx, dy);
    st_[k].tx = dx / d;
    st_[k].ty = dy / d;
    if (k > 0) s += std::hypot(st_[k].x - st_[k - 1].x, st_[k].y - st_[k - 1].y);
    st_[k].s = s;
  }
  length_ = s + std::hypot(st_[0].x - st_[n - 1].x, st_[0].y - st_[n - 1].y);
}

namespace {

// Raised-cosine weights of bumps at every station.
template <class Fn>
void forBumps(const Centreline& line, const std::vector<Bump>& bumps, Fn apply) {
  for (const Bump& b : bumps) {
    const std::size_t c =
        b.heading < 0 ? line.nearest(b.anchor) : line.nearest(b.anchor, b.heading);
    const Stretch r = line.around(c, b.flat + b.reach, b.flat + b.reach);
    for (std::size_t k = 0; k < r.count; ++k) {
      const std::size_t i = line.wrap(std::ptrdiff_t(r.first + k));
      const double along = std::min(line.ahead(i, c), line.ahead(c, i));
      const double d = std::max(0.0, along - b.flat) / std::max(1e-9, b.reach);
      if (d < 1) apply(i, b.amount * 0.5 * (1 + std::cos(std::numbers::pi * d)));
    }
  }
}

}  // namespace

void Centreline::shift(const std::vector<Bump>& bumps) {
  std::vector<double> off(st_.size(), 0);
  forBumps(*this, bumps, [&](std::size_t i, double v) { off[i] += v; });
  for (std::size_t i = 0; i < st_.size(); ++i) {
    st_[i].x += st_[i].lx() * off[i];
    st_[i].y += st_[i].ly() * off[i];
  }
  recompute();
}

void Centreline::widen(const std::vector<Bump>& bumps) {
  std::vector<double> add(st_.size(), 0);
  forBumps(*this, bumps, [&](std::size_t i, double v) { add[i] += v; });
  for (std::size_t i = 0; i < st_.size(); ++i) st_[i].hw += add[i];
}

std::size_t Centreline::nearest(Vec p) const {
  std::size_t best = 0;
  double bd = std::numeric_limits<double>::max();
  for (std::size_t i = 0; i < st_.size(); ++i) {
    const double d = std::hypot(st_[i].x - p.x, st_[i].y - p.y);
    if (d < bd) bd = d, best = i;
  }
  return best;
}

std::size_t Centreline::nearest(Vec p, double heading) const {
  std::size_t best = 0;
  double bd = std::numeric_limits<double>::max();
  for (std::size_t i = 0; i < st_.size(); ++i) {
    const double gap = std::fabs(std::remainder(st_[i].heading() - heading, 360.0));
    const double d = std::hypot(st_[i].x - p.x, st_[i].y - p.y);
    if (gap < 45 && d < bd) bd = d, best = i;
  }
  return best;
}

std::size_t Centreline::nearest(Vec p, std::size_t hint, double window) const {
  const Stretch r = around(hint, window, window);
  std::size_t best = hint;
  double bd = std::numeric_limits<double>::max();
  for (std::size_t k = 0; k < r.count; ++k) {
    const std::size_t i = wrap(std::ptrdiff_t(r.first + k));
    const double d = std::hypot(st_[i].x - p.x, st_[i].y - p.y);
    if (d < bd) bd = d, best = i;
  }
  return best;
}

double Centreline::lateral(std::size_t i, Vec p) const {
  const Station& s = st_[i];
  return (p.x - s.x) * s.lx() + (p.y - s.y) * s.ly();
}

double Centreline::ahead(std::size_t a, std::size_t b) const {
  const double d = st_[b].s - st_[a].s;
  return d < 0 ? d + length_ : d;
}

Stretch Centreline::around(std::size_t i, double before, double after) const {
  const double step = spacing();
  const auto back = std::ptrdiff_t(std::ceil(before / step));
  const auto on = std::ptrdiff_t(std::ceil(after / step));
  const auto count = std::min<std::ptrdiff_t>(back + on + 1, std::ptrdiff_t(st_.size()));
  return {wrap(std::ptrdiff_t(i) - back), std::size_t(count)};
}

Vec Centreline::at(std::size_t i, double offset) const {
  const Station& s = st_[i];
  return {s.x + s.lx() * offset, s.y + s.ly() * offset};
}

void Centreline::band(cairo_t* cr, Stretch r, double extra) const {
  // One quad per step, all wound the same way, so a single fill joins them without seams.
  const bool closed = r.count >= st_.size();
  const std::size_t steps = closed ? st_.size() : r.count - 1;
  for (std::size_t k = 0; k < steps; ++k) {
    const std::size_t i = wrap(std::ptrdiff_t(r.first + k)), j = wrap(std::ptrdiff_t(i) + 1);
    const Vec a = at(i, st_[i].hw + extra), b = at(j, st_[j].hw + extra);
    const Vec c = at(j, -st_[j].hw - extra), d = at(i, -st_[i].hw - extra);
    polygon(cr, {{a.x, a.y}, {b.x, b.y}, {c.x, c.y}, {d.x, d.y}});
  }
}

void Centreline::strip(cairo_t* cr, Stretch r, double a, double b, double edgeFactor) const {
  if (a < b) std::swap(a, b);  // a is the offset further left
  const bool closed = r.count >= st_.size();
  const std::size_t steps = closed ? st_.size() : r.count - 1;
  for (std::size_t k = 0; k < steps; ++k) {
    const std::size_t i = wrap(std::ptrdiff_t(r.first + k)), j = wrap(std::ptrdiff_t(i) + 1);
    const double ei = edgeFactor * st_[i].hw, ej = edgeFactor * st_[j].hw;
    const Vec p = at(i, a + ei), q = at(j, a + ej), u = at(j, b + ej), v = at(i, b + ei);
    polygon(cr, {{p.x, p.y}, {q.x, q.y}, {u.x, u.y}, {v.x, v.y}});
  }
}

void Centreline::line(cairo_t* cr, Stretch r, double offset, double edgeFactor) const {
  const bool closed = r.count >= st_.size();
  for (std::size_t k = 0; k < r.count; ++k) {
    const std::size_t i = wrap(std::ptrdiff_t(r.first + k));
    const Vec p = at(i, offset + edgeFactor * st_[i].hw);
    if (k == 0)
      cairo_move_to(cr, p.x, p.y);
    else
      cairo_line_to(cr, p.x, p.y);
  }
  if (closed) cairo_close_path(cr);
}

}  // namespace art::tracks
