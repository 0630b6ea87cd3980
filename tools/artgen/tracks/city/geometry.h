// Plane geometry for laying out the City: polylines and the few operations the street
// plan needs (smoothing the driven path, thinning it, distances, offsets).
#pragma once
#include <cmath>
#include <vector>

#include "toolkit/vec.h"

namespace art::city {

using Polyline = std::vector<Vec>;

double length(const Polyline& line);
// Moving average over `radius` of arc length on either side; the ends stay where they are.
Polyline smooth(const Polyline& line, double radius);
// The same for a closed loop of evenly spaced points (`step` apart; the last joins the first).
Polyline smoothLoop(const Polyline& loop, double radius, double step);
// Chaikin corner cutting of a closed polygon, `rounds` times: a smooth loop through its edges.
Polyline roundLoop(const Polyline& polygon, int rounds);
// Points every `step` of arc length (the last point is kept).
Polyline resample(const Polyline& line, double step);
// Douglas-Peucker thinning to within `tolerance`.
Polyline simplify(const Polyline& line, double tolerance);
// Replaces the nearly straight stretches (at least `minLength` long, within `tolerance` of their
// chord) by straight lines, blending back into the curve over `blend` at each end.
Polyline straighten(const Polyline& line, double minLength, double tolerance, double blend);
double segmentDistance(Vec p, Vec a, Vec b);
double polylineDistance(Vec p, const Polyline& line);
// The point at arc length s and the unit tangent there.
Vec pointAt(const Polyline& line, double s);
Vec tangentAt(const Polyline& line, double s);

}  // namespace art::city
