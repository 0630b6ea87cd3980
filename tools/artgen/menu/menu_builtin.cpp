// The menu window's built-in pictures; see menu_builtin.h.
#include "menu/menu_builtin.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "menu/menu_icons.h"

namespace art::menu {

namespace {

double smooth(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// The emblem of the logo: a loop of track seen from above with a car leaning into the bend.
void emblem(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  glow(cr, cx, cy, r * 0.6, r * 1.35, {60, 140, 255}, 0.35);
  // Steel ring.
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  setLinear(cr, 0, cy - r, 0, cy + r,
            {{0, {230, 238, 250}}, {0.5, {90, 104, 130}}, {1, {200, 214, 236}}});
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r - 4, 0, 2 * M_PI);
  setRadial(cr, cx, cy - r * 0.4, 0, cx, cy, r, {{0, {40, 60, 100}}, {1, {8, 12, 26}}});
  cairo_fill(cr);
  // The track loop with kerbs.
  cairo_save(cr);
  cairo_arc(cr, cx, cy, r - 4, 0, 2 * M_PI);
  cairo_clip(cr);
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy + 2);
  cairo_scale(cr, 1, 0.72);
  cairo_arc(cr, 0, 0, r * 0.62, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_line_width(cr, r * 0.26);
  cairo_set_source_rgb(cr, 0.92, 0.92, 0.94);
  cairo_stroke_preserve(cr);
  const double kerb[] = {3, 3};
  cairo_set_dash(cr, kerb, 2, 0);
  cairo_set_source_rgb(cr, 0.85, 0.12, 0.1);
  cairo_stroke_preserve(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_set_line_width(cr, r * 0.2);
  cairo_set_source_rgb(cr, 0.22, 0.23, 0.27);
  cairo_stroke_preserve(cr);
  const double dash[] = {2.5, 3};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_width(cr, 0.8);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_restore(cr);
  // The car on the bottom of the loop, drifting, with a light trail.
  cairo_save(cr);
  cairo_translate(cr, cx + r * 0.1, cy + r * 0.46);
  cairo_rotate(cr, -0.12);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_pattern_t* t = cairo_pattern_create_linear(-r * 0.9, 0, -6, 0);
  addStop(t, 0, {255, 60, 40}, 0);
  addStop(t, 1, {255, 80, 50}, 0.8);
  cairo_rectangle(cr, -r * 0.9, -3.5, r * 0.9 - 6, 1.6);
  cairo_rectangle(cr, -r * 0.9, 1.9, r * 0.9 - 6, 1.6);
  cairo_set_source(cr, t);
  cairo_fill(cr);
  cairo_pattern_destroy(t);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  drawTopCar(cr, 0, 0, 20, 10, {255, 196, 50}, true);
  cairo_restore(cr);
}

// Chrome lettering, sheared to lean forward, centred on cx with its baseline at y.
void chromeWord(cairo_t* cr, const char* text, double cx, double y, double size) {
  textFont(cr, size, true);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  const double x = cx - e.width / 2 - e.x_bearing;
  cairo_save(cr);
  cairo_matrix_t shear;
  cairo_matrix_init(&shear, 1, 0, -0.2, 1, 0.2 * y, 0);
  cairo_transform(cr, &shear);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text);
  cairo_set_line_width(cr, 2.4);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_source_rgba(cr, 0.2, 0.5, 1, 0.45);
  cairo_stroke_preserve(cr);
  setLinear(
      cr, 0, y - size * 0.73, 0, y,
      {{0, {255, 255, 255}}, {0.46, {176, 204, 240}}, {0.54, {60, 76, 124}}, {1, {255, 196, 120}}});
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

Image drawStoryMask() {
  Image mask(200, 300, 0);
  for (int y = 0; y < mask.height; ++y) {
    double v = 0;
    if (y < kStoryBoxHeight)
      v = smooth((y + 0.5) / kMaskFade) * smooth((kStoryBoxHeight - y - 0.5) / kMaskFade);
    const unsigned level = unsigned(std::lround(v * 255));
    for (int x = 0; x < mask.width; ++x) mask.at(x, y) = svc::rgb(level, level, level);
  }
  return mask;
}

Image drawFadePicture() {
  return Image(200, 280, svc::rgb(0, 0, 0));
}

Image drawLogo(Lang lang) {
  Canvas canvas(155, 200);
  cairo_t* cr = canvas.cr();
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  emblem(cr, 77.5, 62, 44);
  chromeWord(cr, "DROVANTA", 77.5, 139, 24);
  // A light streak between the name and the subtitle.
  cairo_pattern_t* s = cairo_pattern_create_linear(12, 0, 143, 0);
  addStop(s, 0, {255, 150, 50}, 0);
  addStop(s, 0.5, {255, 240, 200}, 1);
  addStop(s, 1, {80, 170, 255}, 0);
  cairo_rectangle(cr, 12, 147, 131, 1.4);
  cairo_set_source(cr, s);
  cairo_fill(cr);
  cairo_pattern_destroy(s);
  textFont(cr, 10.5, true);
  const char* lines[2][2] = {{"závody z ptačí", "perspektivy"}, {"top-down", "racing"}};
  const auto& sub = lines[lang == Lang::Cz ? 0 : 1];
  for (int i = 0; i < 2; ++i) {
    const double w = textWidth(cr, sub[i]);
    if (w > 150) throw std::runtime_error("logo subtitle does not fit");
    drawShadowedText(cr, sub[i], std::round(77.5 - w / 2), 164 + i * 14, {200, 214, 240});
  }
  return canvas.toImage();
}

Image drawInfoPlaceholder() {
  Canvas canvas(155, 800);
  cairo_t* cr = canvas.cr();
  setLinear(cr, 0, 0, 0, 800, {{0, {28, 33, 50}}, {0.2, kPanelRgb}, {1, {14, 16, 26}}});
  cairo_paint(cr);
  // A large faint "i" in the first view, and the word.
  drawDecor(cr, {Icon::Info, 77.5, 62, 70});
  textFont(cr, 16, true);
  const double w = textWidth(cr, "Info");
  drawShadowedText(cr, "Info", std::round(77.5 - w / 2), 118, kYellow);
  // Faint rules further down, so the panel does not look empty while scrolled.
  for (int y = 160; y < 800; y += 40) {
    cairo_pattern_t* r = cairo_pattern_create_linear(10, 0, 145, 0);
    addStop(r, 0, kCyan, 0);
    addStop(r, 0.5, kCyan, 0.12);
    addStop(r, 1, kCyan, 0);
    cairo_rectangle(cr, 10, y, 135, 1);
    cairo_set_source(cr, r);
    cairo_fill(cr);
    cairo_pattern_destroy(r);
  }
  addGrain(canvas, {0, 0, 155, 800}, 2, 71);
  return canvas.toImage();
}

}  // namespace art::menu
