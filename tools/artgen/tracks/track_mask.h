// The control masks: one exact colour per surface class, the legend in the top-left corner
// that the race start samples, and exact (nearest-neighbour, never blended) painting.
#pragma once
#include <cairo.h>

#include <string>
#include <vector>

#include "tracks/track_centreline.h"
#include "tracks/track_paint.h"

namespace art::tracks {

// The colour keys of a track's masks. Each mask also holds its own section-switch colour.
struct Keys {
  Colour offTrack, arrow, wall, finish, guideMinus, guidePlus, checkpointA, checkpointB;
  Colour switch0, switch1;  // the (2, 2) colours of KON(0) and KON(1)
  Colour road;              // what the tracks paint as plain road (no key)
  // Every key, the road colour last.
  std::vector<Colour> all() const;
};
// The keys all our tracks use: saturated, far apart, easy to tell in a picture viewer.
Keys trackKeys();

// Writes the legend pixels of a mask with the given switch colour; the rest of the 6 × 6
// corner becomes wall.
void writeLegend(Image& mask, const Keys& keys, Colour switchColour);
// Throws unless the legend pixels hold the keys (and the switch colour) and all differ.
void checkLegend(const Image& mask, const Keys& keys, Colour switchColour, const std::string& name);

// The colour the game reads at a world point: mask pixel ((x + 1000) / divisor, ...),
// truncated; svc::kOutside off the mask.
Colour maskAt(const Image& mask, double divisor, Vec world);

// Exact-colour drawing in world coordinates: a pixel takes a shape's colour when its centre is
// inside the shape.
class MaskPainter {
 public:
  MaskPainter(int width, int height, Space space, Colour fill);
  ~MaskPainter();
  MaskPainter(const MaskPainter&) = delete;
  MaskPainter& operator=(const MaskPainter&) = delete;
  // The callback adds paths and fills or strokes them itself; the source is the colour.
  void paint(const Draw& draw, Colour c);
  Image image() const;

 private:
  int w_, h_;
  Space space_;
  cairo_surface_t* surface_;
};

}  // namespace art::tracks
