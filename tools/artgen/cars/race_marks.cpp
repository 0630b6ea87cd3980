// Small sprites of the race view on the magenta key: the arrows that stand in for a car hidden
// under a structure (sipka1 the player's, sipka2 the opponent's), and the skid marks stamped into
// the track (smykobr0 on the road, smykobr1 on grass, aismyk the opponent's).
#include <algorithm>
#include <cstdint>
#include <string>

#include "canvas.h"
#include "cars/cars_paint.h"
#include "keyed.h"

namespace art::cars {

namespace {

// Arrow facing east: a swallow-tailed shaft and a broad head, lit from the top.
Image arrow(Rgb colour) {
  Canvas c(30, 16);
  cairo_t* cr = c.cr();
  auto path = [&] {
    cairo_new_path(cr);
    polygon(cr, {{0.8, 4.5},
                 {15.5, 4.5},
                 {15.5, 0.8},
                 {29.3, 8},
                 {15.5, 15.2},
                 {15.5, 11.5},
                 {0.8, 11.5},
                 {4.2, 8}});
  };
  path();
  setLinear(cr, 0, 1, 0, 15,
            {{0.0, shade(colour, 1.45)}, {0.45, colour}, {1.0, shade(colour, 0.55)}});
  cairo_fill_preserve(cr);
  source(cr, shade(colour, 0.25));
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_stroke(cr);
  // A glint along the upper edges.
  cairo_move_to(cr, 3, 6);
  cairo_line_to(cr, 16.8, 6);
  cairo_move_to(cr, 17, 3.2);
  cairo_line_to(cr, 25.5, 7.6);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  return keyOut(c);
}

struct Ground {
  Rgb core, edge, fleck;  // the tread's middle, its frayed edges, odd specks torn loose
  double fleckChance;
  double edgeDensity;  // share of the edge pixels drawn
  int width;           // rows per track: 3 on the road, 4 where the turf is torn up
};

// 6 x 11, facing east: two tyre tracks along the outer rows with streaks along the travel
// direction. Edges are sparse, so stamps laid over each other build the mark up gradually.
Image skid(const Ground& g, std::uint32_t seed) {
  Rng rng(seed);
  Image img(6, 11, svc::kMagenta);
  for (int track : {0, 11 - g.width})
    for (int row = 0; row < g.width; ++row) {
      const bool core = row > 0 && row < g.width - 1;
      const double streak = rng.uniform() * 0.5 + 0.75;  // one shade per row reads as a streak
      for (int x = 0; x < 6; ++x) {
        if (rng.uniform() > (core ? 0.95 : g.edgeDensity)) continue;
        Rgb t = core ? g.core : g.edge;
        if (rng.uniform() < g.fleckChance) t = g.fleck;
        const double jitter = 0.9 + rng.uniform() * 0.2;
        img.at(x, track + row) = toColour(shade(t, std::min(1.0, streak * jitter)));
      }
    }
  return img;
}

void writeMarks(const Context& ctx) {
  const std::string dir = "/gfx/builtin/Form1/";
  struct Arrow {
    const char* name;
    Rgb colour;
  };
  // The player's arrow cool cyan, the opponent's hot orange: never mistaken for each other.
  for (const Arrow& a : {Arrow{"sipka1", {40, 190, 255}}, Arrow{"sipka2", {255, 96, 30}}}) {
    const Image img = arrow(a.colour);
    checkSize(img, 30, 16, a.name);
    checkKeyed(img, a.name);
    ctx.writeBmp(dir + a.name + ".bmp", img);
  }
  const Ground road{{52, 51, 53}, {70, 69, 70}, {40, 40, 42}, 0.15, 0.55, 3};
  const Ground grass{{84, 60, 34}, {124, 100, 60}, {56, 70, 30}, 0.25, 0.8, 4};
  struct Mark {
    const char* name;
    Ground ground;
    std::uint32_t seed;
  };
  for (const Mark& m : {Mark{"smykobr0", road, 0x5EED01u}, Mark{"smykobr1", grass, 0x5EED02u},
                        Mark{"aismyk", road, 0x5EED03u}}) {
    const Image img = skid(m.ground, m.seed);
    checkSize(img, 6, 11, m.name);
    checkKeyed(img, m.name);
    ctx.writeBmp(dir + m.name + ".bmp", img);
  }
}

}  // namespace

}  // namespace art::cars

ARTGEN_MODULE("race_marks", art::cars::writeMarks);
