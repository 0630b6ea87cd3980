// Drawing the City's layout into a picture: the ground with its textures, shadows, road
// markings, roofs and the objects in the streets. A view picks the part of the map and the
// scale, so the same code draws the world map (1:1), Picture4 (1:1) and the Circuit (2:1).
#pragma once
#include "layout.h"
#include "paint.h"

namespace art::city {

struct View {
  Vec origin;    // map pixel shown at the picture's top-left corner
  double scale;  // picture pixels per map pixel
  bool circuit;  // the Circuit's picture: its training park brighter and cleaner
  // The map point at the centre of a picture pixel.
  Vec mapAt(int px, int py) const {
    return {origin.x + (px + 0.5) / scale, origin.y + (py + 0.5) / scale};
  }
  // Sets cairo to draw in map pixels.
  void apply(cairo_t* cr) const;
};

// The working fields the painters share (built once from the layout).
struct Fields {
  Grid<float> kerb;   // inside the road: distance to its edge
  Grid<float> plaza;  // on the square: distance to its edge
};
const Fields& fields();

void paintGround(Raster& r, const Layout& L, const View& v);
void paintShadows(Raster& r, const Layout& L, const View& v);
void paintMarkings(Raster& r, const Plan& plan, const Layout& L, const View& v);
void paintRoofs(Raster& r, const Layout& L, const View& v);
void paintStreetObjects(Raster& r, const Layout& L, const View& v);
// The objects that pass over the cars (tree crowns, awnings, the footbridge). With `mask`
// set they are drawn in black on white (and nothing else), as the overlay's mask.
void paintOverlay(Raster& r, const Layout& L, const View& v, bool mask);

// The training park's colours, shared by the City map and the Circuit picture; `c` is in
// circuit pixels and `pixel` is the picture pixel's size in circuit pixels.
Rgb trainingColour(TrainingPart part, Vec c, double pixel, bool bright);

// The training circuit's painted details; cairo must draw in circuit pixels.
void paintTrainingDetails(cairo_t* cr);

// Helpers for the painters.
double sampleField(const Grid<float>& g, double x, double y);  // bilinear, map pixels
Ground groundAt(const Layout& L, double x, double y);          // nearest, map pixels

}  // namespace art::city
