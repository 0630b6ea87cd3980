#include "car_models.h"

#include <cmath>
#include <vector>

#include "car_draw.h"

namespace art::cars {

namespace {

using Outline = std::vector<Station>;

Rgb edgeTone(const Paint& p) {
  return shade(p.shadow, 0.55);
}

Glow tailGlow(const Lamps& l) {
  return l.brake ? Glow::Bright : l.tail ? Glow::Dim : Glow::Off;
}

void fillPaint(cairo_t* cr, Rgb t) {
  source(cr, t);
  cairo_fill(cr);
}

// A painted panel (roof, spoiler) slightly lighter in the middle than at its edges.
void panel(cairo_t* cr, const Paint& p, double halfWidth, double lift) {
  setLinear(cr, 0, -halfWidth, 0, halfWidth,
            {{0.0, p.dark(0.45)},
             {0.3, shade(p.body, 1.0 + lift)},
             {0.7, shade(p.body, 1.0 + lift * 0.4)},
             {1.0, p.dark(0.55)}});
  cairo_fill_preserve(cr);
  source(cr, edgeTone(p));
  cairo_set_line_width(cr, 0.5);
  cairo_stroke(cr);
}

// Straight details: seams, louvres, vents. The cars' pixel centres lie on whole numbers of
// their frame (the truck's on halves), so a line of width 1 there is one crisp pixel wide.
void line(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb t, double alpha,
          double w = 1.0) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  source(cr, t, alpha);
  cairo_set_line_width(cr, w);
  cairo_stroke(cr);
}
void box(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb t, double alpha = 1.0) {
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  source(cr, t, alpha);
  cairo_fill(cr);
}

// The y range from a to b (distances from the axis) on one side: s -1 left, +1 right.
struct Span {
  double y0, y1;
};
Span side(double s, double a, double b) {
  return s < 0 ? Span{-b, -a} : Span{a, b};
}

// Two racing stripes along the car, two pixels wide with a three-pixel gap, clipped by the caller.
void stripes(cairo_t* cr, const Paint& p, double x0, double x1) {
  source(cr, p.stripe);
  cairo_rectangle(cr, x0, -3.5, x1 - x0, 2);
  cairo_rectangle(cr, x0, 1.5, x1 - x0, 2);
  cairo_fill(cr);
}

void greenhouse(cairo_t* cr, const Outline& g, double x0, double x1, double hw) {
  outlinePath(cr, g);
  glass(cr, x0, x1, hw);
  outlinePath(cr, g);
  source(cr, {16, 18, 22});
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
}

void clipTo(cairo_t* cr, const Outline& body) {
  outlinePath(cr, body);
  cairo_clip(cr);
}

void mirrors(cairo_t* cr, const Paint& p, double x0, double x1, double inner, double outer) {
  for (double s : {-1.0, 1.0}) {
    const Span sp = side(s, inner, outer);
    roundRect(cr, x0, sp.y0, x1, sp.y1, 0.9);
    source(cr, p.body);
    cairo_fill_preserve(cr);
    source(cr, edgeTone(p));
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
  }
}

void drawViper(cairo_t* cr, const Paint& p, const Lamps& l) {
  const Outline body = {{-30.4, 9.5}, {-29.8, 12.3}, {-28, 13.5}, {-20, 13.5}, {-12, 13.3},
                        {-5, 12.5},   {3, 12.5},     {11, 13.3},  {18, 13.2},  {24, 12.4},
                        {28, 10.5},   {29.9, 7.8},   {30.4, 3.5}};
  for (double x : {-18.0, 19.0})
    for (double s : {-1.0, 1.0}) wheel(cr, x, s * 13, 10, 4);
  outlinePath(cr, body);
  fillPaint(cr, p.body);
  cairo_save(cr);
  clipTo(cr, body);
  stripes(cr, p, -31, 31);
  // The long bonnet: its vents and the seams of the clam-shell; the boot lid.
  for (double s : {-1.0, 1.0}) {
    line(cr, 12.5, s * 7, 17.5, s * 7, kBlack, 0.65);
    line(cr, 12.5, s * 6, 17.5, s * 6, kWhite, 0.18);
    line(cr, 8, s * 10, 26, s * 9, kBlack, 0.22);
  }
  line(cr, -18, -8.5, -18, 8.5, kBlack, 0.25);
  cairo_restore(cr);
  shadeBody(cr, body, p.shadow, 30, 13.5);

  const Outline gh = {{-17.6, 6.3}, {-16, 8.6}, {-9, 9.6}, {-1, 10.2},
                      {4.5, 10.3},  {6.6, 8.5}, {7.2, 4.5}};
  greenhouse(cr, gh, -17.6, 7.2, 10.3);
  roundRect(cr, -11.5, -8.5, -0.5, 8.5, 2.5);
  panel(cr, p, 8.5, 0.12);
  cairo_save(cr);
  roundRect(cr, -11.5, -8.5, -0.5, 8.5, 2.5);
  cairo_clip(cr);
  stripes(cr, p, -12, 0);
  cairo_restore(cr);
  edgeBody(cr, body, edgeTone(p));
  mirrors(cr, p, 2.5, 5.5, 12.6, 15.5);

  cairo_save(cr);
  clipTo(cr, body);
  for (double s : {-1.0, 1.0}) {
    Span sp = side(s, 6.5, 10.5);
    headLamp(cr, 25.5, sp.y0, 28.8, sp.y1, 1.5, l.head);
    sp = side(s, 6.5, 10.5);
    tailLamp(cr, -30.6, sp.y0, -28, sp.y1, 0.8, tailGlow(l));
    sp = side(s, 4, 6.5);
    reverseLamp(cr, -30.6, sp.y0, -29, sp.y1, 0.4, l.reverse);
  }
  cairo_restore(cr);
}

void drawPorsche(cairo_t* cr, const Paint& p, const Lamps& l) {
  const Outline body = {{-30.4, 10}, {-29.8, 12.8}, {-27.5, 13.7}, {-21, 13.8}, {-14, 13.0},
                        {-6, 11.9},  {4, 11.6},     {12, 12.0},    {18, 12.2},  {23, 11.6},
                        {27, 9.8},   {29.6, 6.5},   {30.4, 2.5}};
  for (double x : {-19.0, 19.5})
    for (double s : {-1.0, 1.0}) wheel(cr, x, s * 13, 9.5, 4);
  outlinePath(cr, body);
  fillPaint(cr, p.body);
  cairo_save(cr);
  clipTo(cr, body);
  // The front lid sunk between the raised wings, the door shut lines.
  for (double s : {-1.0, 1.0}) {
    line(cr, 12, s * 6, 26, s * 5, kBlack, 0.3);
    line(cr, 12, s * 7, 26, s * 6, kWhite, 0.15);
    line(cr, -6, s * 10.5, -6, s * 12.5, kBlack, 0.3);
  }
  line(cr, 27, -5, 27, 5, kBlack, 0.25);
  cairo_restore(cr);
  shadeBody(cr, body, p.shadow, 30, 13.6);

  const Outline gh = {{-17.5, 5.5}, {-15, 8.2},  {-8, 9.5},  {2, 10.2},
                      {9, 10.3},    {11.3, 8.8}, {12.2, 4.8}};
  greenhouse(cr, gh, -17.5, 12.2, 10.3);
  roundRect(cr, -7.5, -8.5, 5.5, 8.5, 3.5);
  panel(cr, p, 8.5, 0.14);
  edgeBody(cr, body, edgeTone(p));
  mirrors(cr, p, 8.5, 11.5, 11.8, 15.5);

  cairo_save(cr);
  clipTo(cr, body);
  // Rear engine: the lid's seam, then the whale-tail spoiler with its rubber lip and grille.
  line(cr, -18.5, -8, -18.5, 8, kBlack, 0.3);
  const Outline tail = {{-28.5, 9.5}, {-28, 12}, {-25.5, 12.6}, {-22, 12.4}, {-21, 10}};
  outlinePath(cr, tail);
  panel(cr, p, 12.6, 0.25);
  line(cr, -28, -11, -28, 11, {14, 14, 16}, 0.95);
  box(cr, -26.5, -5.5, -23.5, 5.5, {22, 22, 24});
  for (double x : {-26.0, -25.0, -24.0}) line(cr, x, -5, x, 5, {70, 70, 74}, 0.8, 0.5);
  // Round lamps on the wings; the light bar across the tail.
  for (double s : {-1.0, 1.0}) {
    Span sp = side(s, 6.5, 11.5);
    headLamp(cr, 21.5, sp.y0, 26.5, sp.y1, 2.5, l.head);
    cairo_arc(cr, 24, s * 9, 2.6, 0, 2 * kPi);
    source(cr, {200, 204, 210}, 0.7);
    cairo_set_line_width(cr, 0.5);
    cairo_stroke(cr);
    sp = side(s, 4.5, 12);
    tailLamp(cr, -30.7, sp.y0, -29, sp.y1, 0.6, tailGlow(l));
    sp = side(s, 2, 4.5);
    reverseLamp(cr, -30.7, sp.y0, -29, sp.y1, 0.4, l.reverse);
  }
  box(cr, -30.7, -2, -29, 2, l.tail || l.brake ? Rgb{160, 20, 22} : Rgb{96, 12, 16});
  cairo_restore(cr);
}

void drawFerari(cairo_t* cr, const Paint& p, const Lamps& l) {
  const Outline body = {{-30.4, 11.6}, {-30, 13.8}, {-28, 14.6}, {-16, 14.8},
                        {-6, 14.4},    {2, 13.4},   {10, 12.6},  {18, 11.8},
                        {24, 10.8},    {28, 9.4},   {30, 7.2},   {30.5, 3.5}};
  for (double s : {-1.0, 1.0}) {
    wheel(cr, -18, s * 13.5, 10, 4);
    wheel(cr, 19.5, s * 12, 10, 4);
  }
  outlinePath(cr, body);
  fillPaint(cr, p.body);
  cairo_save(cr);
  clipTo(cr, body);
  for (double s : {-1.0, 1.0}) line(cr, 15, s * 10.5, 27, s * 8.5, kBlack, 0.3);
  cairo_restore(cr);
  shadeBody(cr, body, p.shadow, 30, 14.8);
  // The side intakes, recessed into the flanks, with their strakes.
  cairo_save(cr);
  clipTo(cr, body);
  for (double s : {-1.0, 1.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, 1.5, s * 13.6);
    cairo_curve_to(cr, -3, s * 10.2, -11, s * 9.8, -16.5, s * 11.2);
    cairo_line_to(cr, -16.5, s * 15.5);
    cairo_line_to(cr, 1.5, s * 15.5);
    cairo_close_path(cr);
    source(cr, {20, 18, 18});
    cairo_fill(cr);
    line(cr, -2.5, s * 12, -16, s * 12, p.body, 1.0, 0.9);
  }
  cairo_restore(cr);

  const Outline gh = {{-9, 6.8},   {-7.5, 8.8}, {-1, 9.8},  {6, 10.0},
                      {10.6, 9.6}, {12.8, 7.8}, {13.4, 4.2}};
  greenhouse(cr, gh, -9, 13.4, 10.0);
  roundRect(cr, -4.5, -8.5, 6.5, 8.5, 2.6);
  panel(cr, p, 8.5, 0.12);
  edgeBody(cr, body, edgeTone(p));
  mirrors(cr, p, 6.5, 9.5, 12.4, 15.5);

  cairo_save(cr);
  clipTo(cr, body);
  // Louvred engine cover behind the cabin, a lip spoiler and the black tail panel.
  roundRect(cr, -25.5, -9.5, -9.5, 9.5, 1.5);
  source(cr, p.dark(0.25));
  cairo_fill(cr);
  for (double x = -11; x >= -23; x -= 2) {
    line(cr, x, -8.5, x, 8.5, kBlack, 0.6);
    line(cr, x - 1, -8.5, x - 1, 8.5, kWhite, 0.12);
  }
  box(cr, -28.5, -13.5, -27.5, 13.5, shade(p.body, 1.15));
  box(cr, -30.7, -12.5, -29.1, 12.5, {18, 18, 20});
  for (double s : {-1.0, 1.0}) {
    Span sp = side(s, 5.5, 9.5);
    headLamp(cr, 24.5, sp.y0, 27.8, sp.y1, 0.8, l.head);
    sp = side(s, 7.5, 11.5);
    tailLamp(cr, -30.7, sp.y0, -29.1, sp.y1, 0.6, tailGlow(l));
    sp = side(s, 3.5, 5.5);
    reverseLamp(cr, -30.7, sp.y0, -29.1, sp.y1, 0.4, l.reverse);
  }
  cairo_restore(cr);
}

void drawTruck(cairo_t* cr, const Paint& p, const Lamps& l) {
  const Outline cab = {{18, 13}, {18.6, 14}, {30, 14}, {37, 14}, {39.4, 13}, {40, 9}, {40, 3}};
  for (double x : {-30.5, -22.0, 31.0})
    for (double s : {-1.0, 1.0}) wheel(cr, x, s * 15, 8, 4);
  // Cab: short bonnet with its grille, windscreen, roof with marker lights, mirrors on arms.
  outlinePath(cr, cab);
  fillPaint(cr, p.body);
  cairo_save(cr);
  clipTo(cr, cab);
  box(cr, 37, -11, 40.5, 11, {30, 30, 34});
  for (double y = -9.5; y <= 9.5; y += 2) line(cr, 37, y, 40, y, {80, 80, 86}, 0.7, 0.6);
  for (double s : {-1.0, 1.0}) line(cr, 19, s * 12.5, 36, s * 12.5, kBlack, 0.3);
  cairo_restore(cr);
  shadeBody(cr, cab, p.shadow, 12, 14);
  const Outline gh = {{26, 11}, {28, 12.5}, {32, 12.6}, {34, 11.2}, {34.5, 4}};
  greenhouse(cr, gh, 26, 34.5, 12.6);
  roundRect(cr, 19, -12, 28, 12, 2);
  panel(cr, p, 12, 0.15);
  for (double y : {-6.5, -2.5, 2.5, 6.5})
    box(cr, 26, y - 0.5, 27, y + 0.5, l.head ? Rgb{255, 200, 70} : Rgb{214, 140, 30});
  edgeBody(cr, cab, edgeTone(p));
  cairo_save(cr);
  clipTo(cr, cab);
  for (double s : {-1.0, 1.0}) {
    const Span sp = side(s, 9, 13);
    headLamp(cr, 37, sp.y0, 40.4, sp.y1, 0.8, l.head);
  }
  cairo_restore(cr);

  // Cargo box: ribbed roof in the body colour with a band of the livery along each side.
  roundRect(cr, -40, -16, 18, 16, 1.2);
  source(cr, shade(p.body, 1.06));
  cairo_fill(cr);
  cairo_save(cr);
  roundRect(cr, -40, -16, 18, 16, 1.2);
  cairo_clip(cr);
  for (double s : {-1.0, 1.0}) {
    const Span sp = side(s, 12, 14);
    box(cr, -41, sp.y0, 19, sp.y1, p.stripe);
  }
  for (double x = 15.5; x > -38; x -= 4) {
    line(cr, x, -16, x, 16, kBlack, 0.28);
    line(cr, x + 1, -16, x + 1, 16, kWhite, 0.14);
  }
  setLinear(cr, 0, -16, 0, 16,
            {{0.0, p.shadow, 0.5},
             {0.1, p.shadow, 0.0},
             {0.3, kWhite, 0.12},
             {0.5, kWhite, 0.0},
             {0.9, p.shadow, 0.0},
             {1.0, p.shadow, 0.6}});
  cairo_paint(cr);
  for (double s : {-1.0, 1.0}) {
    Span sp = side(s, 12, 15.5);
    tailLamp(cr, -40.5, sp.y0, -38, sp.y1, 0.6, tailGlow(l));
    sp = side(s, 9, 11);
    reverseLamp(cr, -40.5, sp.y0, -38.5, sp.y1, 0.4, l.reverse);
  }
  cairo_restore(cr);
  roundRect(cr, -40, -16, 18, 16, 1.2);
  source(cr, edgeTone(p));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  for (double s : {-1.0, 1.0}) {
    line(cr, 32.5, s * 13.5, 32.5, s * 15.5, {30, 30, 34}, 1.0);
    const Span sp = side(s, 15, 17);
    roundRect(cr, 30.5, sp.y0, 34, sp.y1, 0.6);
    source(cr, {34, 34, 38});
    cairo_fill(cr);
  }
}

}  // namespace

Layout layout(Model model) {
  switch (model) {
    case Model::Viper:
      return {61, 31, 30.5, -30.5, 8.5, 9.5};
    case Model::Porsche:
      return {61, 31, 30.5, -30.5, 9, 8};
    case Model::Ferari:
      return {61, 31, 30.5, -30.5, 7.5, 9.5};
    case Model::Truck:
      break;
  }
  return {80, 34, 40, -40, 11, 13.5};
}

void drawCar(cairo_t* cr, Model model, const Paint& paint, const Lamps& lamps) {
  cairo_save(cr);
  switch (model) {
    case Model::Viper:
      drawViper(cr, paint, lamps);
      break;
    case Model::Porsche:
      drawPorsche(cr, paint, lamps);
      break;
    case Model::Ferari:
      drawFerari(cr, paint, lamps);
      break;
    case Model::Truck:
      drawTruck(cr, paint, lamps);
      break;
  }
  cairo_restore(cr);
}

}  // namespace art::cars
