// The training circuit's painted details, in circuit coordinates: the start and finish line,
// the grid boxes, the pit lane's lines, the paddock's bays, the cones, and the roofs of the
// pit building and the timing tower. Drawn on the City map at half size and on the Circuit.
#include <cmath>
#include <numbers>

#include "render.h"

namespace art::city {

namespace {

constexpr double kPi = std::numbers::pi;
const Rgb kWhite{240, 240, 234};

void cone(cairo_t* cr, Vec c) {
  source(cr, {0, 0, 0}, 0.3);
  cairo_arc(cr, c.x + 2, c.y + 2.5, 5, 0, 2 * kPi);
  cairo_fill(cr);
  source(cr, {236, 112, 20});
  cairo_arc(cr, c.x, c.y, 5, 0, 2 * kPi);
  cairo_fill(cr);
  source(cr, kWhite);
  cairo_set_line_width(cr, 1.4);
  cairo_arc(cr, c.x, c.y, 3, 0, 2 * kPi);
  cairo_stroke(cr);
  source(cr, {255, 160, 60});
  cairo_arc(cr, c.x - 0.6, c.y - 0.6, 1.3, 0, 2 * kPi);
  cairo_fill(cr);
}

void flatRoof(cairo_t* cr, const Polyline& p, Rgb colour, const char* label, double size) {
  source(cr, {0, 0, 0}, 0.35);
  cairo_save(cr);
  cairo_translate(cr, 6, 8);
  polygon(cr, p);
  cairo_fill(cr);
  cairo_restore(cr);
  polygon(cr, p);
  source(cr, colour);
  cairo_fill_preserve(cr);
  source(cr, shade(colour, 0.7));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  if (!label) return;
  Vec c;
  for (const Vec& v : p) c = c + v * (1.0 / double(p.size()));
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, label, &e);
  source(cr, {150, 172, 226});
  cairo_move_to(cr, c.x - e.width / 2 - e.x_bearing, c.y + e.height / 2);
  cairo_show_text(cr, label);
}

}  // namespace

// `cr` draws in circuit pixels.
void paintTrainingDetails(cairo_t* cr) {
  const TrainingCircuit& t = trainingCircuit();
  // Start and finish: a chequered band across the lap, radial on the first corner's entry.
  const Vec f = t.finishLine;
  std::size_t seg = 0;
  double best = 1e300;
  for (std::size_t i = 0; i + 1 < t.centre.size(); ++i) {
    const double d = segmentDistance(f, t.centre[i], t.centre[i + 1]);
    if (d < best) best = d, seg = i;
  }
  const Vec along = unit(t.centre[seg + 1] - t.centre[seg]), across = perp(along);
  const double sq = 8;
  for (int row = 0; row < 2; ++row)
    for (int k = 0; k * sq < 2 * t.halfWidth; ++k) {
      source(cr, (k + row) % 2 ? Rgb{62, 62, 66} : kWhite);
      const Vec c = f + across * (-t.halfWidth + k * sq) + along * (row * sq - sq);
      cairo_move_to(cr, c.x, c.y);
      const Vec a = c + across * sq, b = a + along * sq, d = c + along * sq;
      cairo_line_to(cr, a.x, a.y);
      cairo_line_to(cr, b.x, b.y);
      cairo_line_to(cr, d.x, d.y);
      cairo_close_path(cr);
      cairo_fill(cr);
    }
  // Grid boxes behind the line, the first one round the car's start.
  source(cr, kWhite, 0.9);
  cairo_set_line_width(cr, 3);
  for (int k = 0; k < 3; ++k) {
    const double x = t.start.x - k * 78, y = t.start.y + (k % 2 ? 14 : -14);
    polygon(cr, {{x + 24, y - 17}, {x + 32, y - 17}, {x + 32, y + 17}, {x + 24, y + 17}}, false);
    cairo_stroke(cr);
  }
  // The pit lane's edge lines and the paddock's bays.
  source(cr, kWhite, 0.8);
  cairo_set_line_width(cr, 2);
  const double dash[] = {10, 8};
  cairo_set_dash(cr, dash, 2, 0);
  polygon(cr, t.pitLane, false);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  for (double x = 262; x < 590; x += 30) {
    cairo_move_to(cr, x, 672);
    cairo_line_to(cr, x, 690);
  }
  cairo_stroke(cr);
  for (const Vec& c : t.cones) cone(cr, c);
  flatRoof(cr, t.pitBuilding, {52, 62, 96}, "BOXY", 16);
  flatRoof(cr, t.tower, {44, 56, 104}, nullptr, 0);
  // The tower's roof: a small antenna mast and its shadow.
  const Vec c{(t.tower[0].x + t.tower[2].x) / 2, (t.tower[0].y + t.tower[2].y) / 2};
  source(cr, {20, 24, 40});
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, c.x, c.y);
  cairo_line_to(cr, c.x + 10, c.y + 12);
  cairo_stroke(cr);
  source(cr, {110, 130, 200});
  cairo_arc(cr, c.x, c.y, 4, 0, 2 * kPi);
  cairo_fill(cr);
}

}  // namespace art::city
