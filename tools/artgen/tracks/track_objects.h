// Things seen from above on the track maps, lit from the north-west: tree canopies, hedges,
// pitched and hipped roofs, towers and low walls, each with its soft shadow. Shapes are
// painted into a Picture in world coordinates through a Space.
#pragma once
#include <vector>

#include "tracks/track_centreline.h"
#include "tracks/track_paint.h"

namespace art::tracks {

// Shadows fall to the south-east; height is how far (pixels) a thing's shadow reaches.
constexpr double kShadowX = 0.6, kShadowY = 0.75;

// Collects shadows of many things so overlapping ones darken once.
class ShadowLayer {
 public:
  ShadowLayer(int width, int height)
      : w_(width), h_(height), a_(std::size_t(width) * height, 0.f) {}
  void add(const Coverage& c, double strength);
  void apply(Picture& pic) const;

 private:
  int w_, h_;
  std::vector<float> a_;
};

enum class Foliage { Broadleaf, Dark, Fruit, Conifer, Willow, Hedge };

struct Canopy {
  Vec at;
  double radius;
  Foliage kind;
  unsigned seed;
};
// The outline of a canopy (irregular, so no two trees are the same circle).
void canopyPath(cairo_t* cr, const Canopy& t, double grow = 0);
void canopyShadow(ShadowLayer& shadows, int w, int h, const Space& sp, const Canopy& t);
void paintCanopy(Picture& pic, const Space& sp, const Canopy& t);

// A hedge along a polyline: a chain of bushes.
void paintHedge(Picture& pic, ShadowLayer* shadows, const Space& sp, const std::vector<Vec>& line,
                double width, unsigned seed);

enum class RoofKind { Tiles, DarkTiles, Slate, Corrugated };
struct Roof {
  Vec centre;
  double length, width, angle;  // ridge along `length`, at `angle` radians
  RoofKind kind;
  bool hip;
  double height;  // for the shadow
  unsigned seed;
};
void roofPath(cairo_t* cr, const Roof& r, double grow = 0);
void roofShadow(ShadowLayer& shadows, int w, int h, const Space& sp, const Roof& r);
void paintRoof(Picture& pic, const Space& sp, const Roof& r);
// A square tower with a pyramid roof (its shadow is a roofShadow of its footprint).
void paintTower(Picture& pic, const Space& sp, Vec centre, double side, double angle,
                unsigned seed);

// A low wall of field stones along a polyline.
void paintStoneWall(Picture& pic, ShadowLayer& shadows, const Space& sp,
                    const std::vector<Vec>& line, double width, unsigned seed);

}  // namespace art::tracks
