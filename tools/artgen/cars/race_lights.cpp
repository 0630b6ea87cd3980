// The start lights of the race window: the dark lights `sem` shows at first and the four
// countdown frames semafor0..3 (one, two, three red lamps, then green).
#include <cmath>
#include <string>

#include "canvas.h"
#include "cars/cars_paint.h"
#include "keyed.h"

namespace art::cars {

namespace {

constexpr int kWidth = 134, kHeight = 68;
constexpr double kColumnX[3] = {27, 67, 107};
constexpr double kRedY = 24, kGreenY = 50;
constexpr double kLampR = 10;

struct LampColours {
  Rgb hot, lit, rim, dark;
};
constexpr LampColours kRed{{255, 236, 214}, {255, 44, 30}, {150, 8, 8}, {58, 12, 12}};
constexpr LampColours kGreen{{232, 255, 226}, {46, 232, 84}, {8, 120, 40}, {10, 46, 22}};

void housing(cairo_t* cr) {
  setLinear(cr, 0, 0, 0, kHeight, {{0.0, {62, 65, 72}}, {0.5, {38, 40, 46}}, {1.0, {22, 23, 27}}});
  cairo_paint(cr);
  // Hazard band along the top.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kWidth, 8);
  cairo_clip(cr);
  source(cr, {232, 184, 20});
  cairo_paint(cr);
  source(cr, {24, 24, 26});
  for (double x = -10; x < kWidth + 10; x += 12) {
    polygon(cr, {{x, 8}, {x + 6, 8}, {x + 14, 0}, {x + 8, 0}});
  }
  cairo_fill(cr);
  cairo_restore(cr);
  source(cr, {12, 12, 14});
  cairo_rectangle(cr, 0, 8, kWidth, 1.5);
  cairo_fill(cr);
  // Bevelled frame and the seams between the three lamp columns.
  cairo_set_line_width(cr, 1);
  source(cr, {110, 114, 124});
  cairo_move_to(cr, 0.5, kHeight);
  cairo_line_to(cr, 0.5, 9.5);
  cairo_stroke(cr);
  source(cr, {8, 8, 10});
  cairo_rectangle(cr, 0.5, 0.5, kWidth - 1, kHeight - 1);
  cairo_stroke(cr);
  for (double x : {47.0, 87.0}) {
    source(cr, {14, 14, 16});
    cairo_move_to(cr, x - 0.5, 10);
    cairo_line_to(cr, x - 0.5, kHeight - 1);
    cairo_stroke(cr);
    source(cr, {84, 88, 96});
    cairo_move_to(cr, x + 0.5, 10);
    cairo_line_to(cr, x + 0.5, kHeight - 1);
    cairo_stroke(cr);
  }
  // Screws in the corners.
  for (double x : {5.0, kWidth - 5.0})
    for (double y : {14.0, kHeight - 5.0}) {
      cairo_arc(cr, x, y, 1.8, 0, 2 * kPi);
      source(cr, {120, 124, 132});
      cairo_fill(cr);
      cairo_move_to(cr, x - 1.2, y + 1.2);
      cairo_line_to(cr, x + 1.2, y - 1.2);
      source(cr, {30, 30, 34});
      cairo_set_line_width(cr, 0.6);
      cairo_stroke(cr);
    }
}

void lamp(cairo_t* cr, double cx, double cy, const LampColours& c, bool lit) {
  // Glow spilling over the housing first, then the deep bezel, then the glass.
  if (lit) {
    glow(cr, cx, cy, kLampR, kLampR + 9, c.lit, 0.55);
  }
  setLinear(cr, cx, cy - kLampR - 3, cx, cy + kLampR + 3,
            {{0.0, {12, 12, 14}}, {1.0, {120, 124, 132}}});
  cairo_arc(cr, cx, cy, kLampR + 2.5, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, kLampR + 0.8, 0, 2 * kPi);
  source(cr, {6, 6, 8});
  cairo_fill(cr);

  // The lens, lit from the top left.
  if (lit)
    setRadial(cr, cx - 2, cy - 2.5, 0.5, cx, cy, kLampR,
              {{0.0, c.hot}, {0.35, c.lit}, {1.0, c.rim}});
  else
    setRadial(cr, cx - 2, cy - 2.5, 0.5, cx, cy, kLampR,
              {{0.0, shade(c.dark, 1.6)}, {1.0, shade(c.dark, 0.45)}});
  cairo_arc(cr, cx, cy, kLampR, 0, 2 * kPi);
  cairo_fill(cr);
  // Fresnel rings in the glass and a highlight at the top left.
  cairo_set_line_width(cr, 0.6);
  for (double r : {3.5, 6.5}) {
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0, 0, 0, lit ? 0.10 : 0.25);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, kLampR - 2, kPi * 1.05, kPi * 1.55);
  cairo_set_source_rgba(cr, 1, 1, 1, lit ? 0.75 : 0.35);
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// reds: how many red lamps burn; green: whether the green row burns.
Image frame(int reds, bool green) {
  Canvas c(kWidth, kHeight);
  cairo_t* cr = c.cr();
  housing(cr);
  for (int i = 0; i < 3; ++i) {
    lamp(cr, kColumnX[i], kRedY, kRed, i < reds);
    lamp(cr, kColumnX[i], kGreenY, kGreen, green);
  }
  return c.toImage();
}

void writeLights(const Context& ctx) {
  struct Frame {
    const char* name;
    int reds;
    bool green;
  };
  // The countdown shows semafor0, 1 and 2 a second apart, and semafor3 when the race is released.
  const Frame frames[] = {{"sem", 0, false},
                          {"semafor0", 1, false},
                          {"semafor1", 2, false},
                          {"semafor2", 3, false},
                          {"semafor3", 0, true}};
  for (const Frame& f : frames) {
    const std::string name = std::string("/gfx/builtin/Form1/") + f.name + ".bmp";
    const Image img = frame(f.reds, f.green);
    checkSize(img, kWidth, kHeight, name);
    ctx.writeBmp(name, img);
  }
}

}  // namespace

}  // namespace art::cars

ARTGEN_MODULE("race_lights", art::cars::writeLights);
