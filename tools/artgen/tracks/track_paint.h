// Painting the track pictures: shapes drawn with cairo in world coordinates become coverage
// maps, and coverage is painted into a floating-point picture with colours or textures, so
// fields, asphalt and roofs get per-pixel grain and soft shadows.
#pragma once
#include <cairo.h>

#include <functional>
#include <vector>

#include "art.h"
#include "toolkit/colour.h"

namespace art::tracks {

// Where world coordinates land on a picture: pixel = (world + shift) × scale.
struct Space {
  double scale = 1, shiftX = 0, shiftY = 0;
};

// Draws in world coordinates on the given context (the source is set; the callback fills or
// strokes its own paths).
using Draw = std::function<void(cairo_t*)>;

// How much of each picture pixel a drawing covers (0..1), kept for its bounding box only.
struct Coverage {
  int x0 = 0, y0 = 0, w = 0, h = 0;
  std::vector<float> a;
  float at(int x, int y) const {
    x -= x0;
    y -= y0;
    return (x < 0 || y < 0 || x >= w || y >= h) ? 0.f : a[std::size_t(y) * w + x];
  }
  bool empty() const { return w <= 0 || h <= 0; }
};

// The coverage of a drawing on a picture of the given size (anti-aliased unless told not to).
Coverage cover(int width, int height, const Space& space, const Draw& draw, bool antialias = true);
// Softens coverage with box blurs of the given radius; the box grows to hold the blur.
void blur(Coverage& c, int radius, int passes = 2);
// The same coverage moved by whole pixels.
Coverage moved(Coverage c, int dx, int dy);

class Picture {
 public:
  Picture(int width, int height, Rgb fill);
  int width() const { return w_; }
  int height() const { return h_; }
  Rgb& at(int x, int y) { return px_[std::size_t(y) * w_ + x]; }
  const Rgb& at(int x, int y) const { return px_[std::size_t(y) * w_ + x]; }

  // Paints a colour, or a colour per pixel, through the coverage.
  void paint(const Coverage& c, Rgb colour, double opacity = 1);
  void paint(const Coverage& c, const std::function<Rgb(int x, int y)>& colour, double opacity = 1);
  // Multiplies the pixels by 1 - strength × coverage (shadows).
  void darken(const Coverage& c, double strength);
  // Composites a full-colour cairo drawing (its own colours and alpha) over the picture.
  void draw(const Space& space, const Draw& draw);

  Image toImage() const;
  // A part of the picture (x, y, w, h in picture pixels).
  Image crop(int x, int y, int w, int h) const;

 private:
  int w_, h_;
  std::vector<Rgb> px_;
};

}  // namespace art::tracks
