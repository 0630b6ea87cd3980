// The pause text shown in the middle of the pause panel, in Czech and English: a dark plate
// with the word and a line of help, made to sit on the panel's dark background picture.
#include <cmath>
#include <string>

#include "canvas.h"
#include "cars/cars_paint.h"
#include "keyed.h"

namespace art::cars {

namespace {

constexpr int kWidth = 300, kHeight = 90;
constexpr Rgb kAmber{255, 164, 36};

void plate(cairo_t* cr) {
  setLinear(cr, 0, 0, 0, kHeight, {{0.0, {32, 38, 58}}, {1.0, {12, 14, 22}}});
  cairo_paint(cr);
  // Speed lines drifting across the right-hand side.
  cairo_save(cr);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 9; ++i) {
    const double y = 10.5 + i * 9, x0 = 150 + (i * 37) % 90;
    cairo_pattern_t* l = cairo_pattern_create_linear(x0, 0, kWidth, 0);
    cairo_pattern_add_color_stop_rgba(l, 0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(l, 1, 1, 1, 1, 0.06);
    cairo_set_source(cr, l);
    cairo_move_to(cr, x0, y);
    cairo_line_to(cr, kWidth, y);
    cairo_stroke(cr);
    cairo_pattern_destroy(l);
  }
  cairo_restore(cr);
  // Frame: dark outer edge, a lit inner line, an amber bar down the left.
  cairo_set_line_width(cr, 1);
  source(cr, {4, 5, 8});
  cairo_rectangle(cr, 0.5, 0.5, kWidth - 1, kHeight - 1);
  cairo_stroke(cr);
  source(cr, {84, 96, 128}, 0.8);
  cairo_rectangle(cr, 1.5, 1.5, kWidth - 3, kHeight - 3);
  cairo_stroke(cr);
  source(cr, kAmber);
  cairo_rectangle(cr, 2, 2, 4, kHeight - 4);
  cairo_fill(cr);
}

// The word, centred, with the pause symbol before it.
void title(cairo_t* cr, const std::string& word) {
  setFont(cr, 38, true);
  cairo_text_extents_t e;
  cairo_text_extents(cr, word.c_str(), &e);
  const double icon = 22, gap = 12;
  const double left = (kWidth - (icon + gap + e.x_advance)) / 2, base = 50;
  // Pause symbol: two amber bars.
  for (double x : {left + 2, left + 13}) {
    cairo_rectangle(cr, x + 1.5, base - 26.5, 8, 28);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
    cairo_fill(cr);
    cairo_rectangle(cr, x, base - 28, 8, 28);
    setLinear(cr, 0, base - 28, 0, base, {{0.0, shade(kAmber, 1.3)}, {1.0, shade(kAmber, 0.8)}});
    cairo_fill(cr);
  }
  const double tx = left + icon + gap;
  cairo_move_to(cr, tx + 2, base + 2);
  cairo_text_path(cr, word.c_str());
  cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
  cairo_fill(cr);
  cairo_move_to(cr, tx, base);
  cairo_text_path(cr, word.c_str());
  setLinear(cr, 0, base - 28, 0, base, {{0.0, {255, 255, 255}}, {1.0, {196, 206, 228}}});
  cairo_fill(cr);
}

// "Esc" on a key cap, then the rest of the help line.
void help(cairo_t* cr, const std::string& rest) {
  setFont(cr, 13, true);
  cairo_text_extents_t key;
  cairo_text_extents(cr, "Esc", &key);
  setFont(cr, 13);
  cairo_text_extents_t tail;
  cairo_text_extents(cr, rest.c_str(), &tail);
  const double capW = key.x_advance + 10, capH = 17, gap = 7;
  const double left = (kWidth - (capW + gap + tail.x_advance)) / 2, top = 60, base = top + 12.5;
  auto cap = [&](double dy, Rgb t) {
    const double r = 3, x0 = left, y0 = top + dy, x1 = left + capW, y1 = top + capH + dy;
    cairo_new_path(cr);
    cairo_arc(cr, x1 - r, y0 + r, r, -kPi / 2, 0);
    cairo_arc(cr, x1 - r, y1 - r, r, 0, kPi / 2);
    cairo_arc(cr, x0 + r, y1 - r, r, kPi / 2, kPi);
    cairo_arc(cr, x0 + r, y0 + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
    source(cr, t);
    cairo_fill(cr);
  };
  cap(1.5, {70, 74, 86});
  cap(0, {214, 218, 226});
  setFont(cr, 13, true);
  source(cr, {24, 28, 40});
  cairo_move_to(cr, left + 5, base);
  cairo_show_text(cr, "Esc");
  setFont(cr, 13);
  source(cr, {206, 212, 226});
  cairo_move_to(cr, left + capW + gap, base);
  cairo_show_text(cr, rest.c_str());
}

Image pausePicture(const std::string& word, const std::string& rest) {
  Canvas c(kWidth, kHeight);
  plate(c.cr());
  title(c.cr(), word);
  help(c.cr(), rest);
  return c.toImage();
}

void writePause(const Context& ctx) {
  struct Text {
    const char* lang;
    const char* word;
    const char* rest;
  };
  for (const Text& t : {Text{"cz", "PAUZA", "– pokračovat"}, Text{"ang", "PAUSED", "– continue"}}) {
    const std::string name = std::string("/gfx/story/") + t.lang + "/pause.bmp";
    const Image img = pausePicture(t.word, t.rest);
    checkSize(img, kWidth, kHeight, name);
    ctx.writeBmp(name, img);
  }
}

}  // namespace

}  // namespace art::cars

ARTGEN_MODULE("race_pause", art::cars::writePause);
