// The advertisement strip `reklama` that scrolls under the open lap-times box: a long, thin
// banner of sponsor names, 17 pixels high, read through the 65-pixel window of its strip.
#include <string>

#include "canvas.h"
#include "cars/cars_paint.h"

namespace art::cars {

namespace {

constexpr int kBannerH = 17;

struct Sponsor {
  const char* name;
  Rgb colour;
};
constexpr Sponsor kSponsors[] = {
    {"DROVANTA", {255, 196, 64}},          {"Pneu Kolder", {120, 220, 255}},
    {"Vesnická pekárna", {255, 150, 120}}, {"Městská doprava", {150, 240, 150}},
    {"Benzina 24h", {255, 230, 120}},
};

double drawStrip(cairo_t* cr, bool measure) {
  double x = 10;
  for (const Sponsor& s : kSponsors) {
    setFont(cr, 11, true);
    const double w = textWidth(cr, s.name);
    if (!measure) {
      // A lit panel behind each name, like the boards along a track.
      cairo_rectangle(cr, x - 5, 2, w + 10, kBannerH - 4);
      source(cr, shade(s.colour, 0.22));
      cairo_fill(cr);
      source(cr, s.colour);
      drawText(cr, s.name, x, 12.5);
      // A star between the boards.
      source(cr, {200, 205, 220}, 0.8);
      drawText(cr, "\u2605", x + w + 10, 12.5);
    }
    x += w + 30;
  }
  return x;
}

void writeBanner(const Context& ctx) {
  Canvas probe(8, 8);
  const int width = int(drawStrip(probe.cr(), true));
  Canvas c(width, kBannerH);
  cairo_t* cr = c.cr();
  setLinear(cr, 0, 0, 0, kBannerH, {{0.0, {30, 34, 48}}, {1.0, {10, 12, 18}}});
  cairo_paint(cr);
  drawStrip(cr, false);
  cairo_move_to(cr, 0, 0.5);
  cairo_line_to(cr, width, 0.5);
  source(cr, {90, 100, 124}, 0.7);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  ctx.writeBmp("/gfx/builtin/Form1/reklama.bmp", c.toImage());
}

}  // namespace

}  // namespace art::cars

ARTGEN_MODULE("race_banner", art::cars::writeBanner);
