// A road laid along a closed loop: evenly spaced stations with their direction, a sideways
// offset and a half width, built from the path a car drives. Shapes of the road (its band,
// lines along it, bands across it) are added to cairo paths in world coordinates.
#pragma once
#include <cairo.h>

#include <cstddef>
#include <vector>

#include "toolkit/vec.h"

namespace art::tracks {

struct Station {
  double x, y;    // centre of the road
  double s;       // distance along the loop from station 0
  double tx, ty;  // unit direction of travel
  double hw;      // half width of the asphalt
  // The driver's left: heading + 90° (y grows downwards).
  double lx() const { return ty; }
  double ly() const { return -tx; }
  // Degrees, 0 east, counter-clockwise, 0..360.
  double heading() const;
};

// A smooth change along the loop around the station nearest an anchor point: full over
// `flat` either side, fading out (a raised cosine) over `reach` beyond.
struct Bump {
  Vec anchor;
  double flat;   // full amount this far either side of the anchor's station
  double reach;  // then fading out over this distance
  double amount;
  double heading = -1;  // where roads cross: only stations running within 45° of this
};

// A stretch of stations, first .. first + count - 1, wrapping round the loop.
struct Stretch {
  std::size_t first = 0, count = 0;
};

class Centreline {
 public:
  Centreline() = default;
  // Resamples a closed path every `spacing` pixels and smooths it along its length.
  Centreline(const std::vector<Vec>& loop, double spacing, double smoothing, double halfWidth);

  std::size_t size() const { return st_.size(); }
  const Station& operator[](std::ptrdiff_t i) const { return st_[wrap(i)]; }
  std::size_t wrap(std::ptrdiff_t i) const;
  double length() const { return length_; }
  double spacing() const { return length_ / double(st_.size()); }

  // Moves the road sideways (amount > 0: to the driver's left) or widens it.
  void shift(const std::vector<Bump>& bumps);
  void widen(const std::vector<Bump>& bumps);

  // The station nearest a point, over the whole loop or within `window` of a hint station.
  std::size_t nearest(Vec p) const;
  std::size_t nearest(Vec p, double heading) const;
  std::size_t nearest(Vec p, std::size_t hint, double window) const;
  // Signed sideways distance of a point from a station's centre (> 0 on the driver's left).
  double lateral(std::size_t i, Vec p) const;
  // Distance along the loop from station a forwards to station b.
  double ahead(std::size_t a, std::size_t b) const;
  // The stretch reaching `before` pixels back and `after` pixels on from a station.
  Stretch around(std::size_t i, double before, double after) const;
  Stretch all() const { return {0, st_.size()}; }

  // Paths (added to the current path, world coordinates):
  // the band between sideways offsets from the left edge (hw + extra on each side)...
  void band(cairo_t* cr, Stretch r, double extra) const;
  // ...between offsets a and b measured from the centre (left positive), each plus
  // edgeFactor × hw, so edgeFactor 1 measures from the left edge and -1 from the right;
  void strip(cairo_t* cr, Stretch r, double a, double b, double edgeFactor) const;
  // a polyline at a sideways offset (plus edgeFactor × hw).
  void line(cairo_t* cr, Stretch r, double offset, double edgeFactor) const;

 private:
  Vec at(std::size_t i, double offset) const;
  void recompute();
  std::vector<Station> st_;
  double length_ = 0;
};

}  // namespace art::tracks
