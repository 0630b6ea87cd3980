// The shared look of the menu pictures; see menu_style.h.
#include "menu/menu_style.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace art::menu {

void addGrain(Canvas& canvas, Rect rect, double amplitude, unsigned seed) {
  cairo_surface_t* s = cairo_get_target(canvas.cr());
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  const int x0 = std::max(0, rect.x), x1 = std::min(canvas.width(), rect.right());
  const int y0 = std::max(0, rect.y), y1 = std::min(canvas.height(), rect.bottom());
  for (int y = y0; y < y1; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = x0; x < x1; ++x) {
      const double n = (hash01(x, y, seed) * 2 - 1) * amplitude;
      const std::uint32_t p = row[x];
      auto ch = [&](int shift) {
        const int v = int(std::lround(((p >> shift) & 0xFF) + n));
        return std::uint32_t(std::clamp(v, 0, 255)) << shift;
      };
      row[x] = (p & 0xFF000000u) | ch(16) | ch(8) | ch(0);
    }
  }
  cairo_surface_mark_dirty(s);
}

void drawPagePanel(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  setLinear(cr, 0, 0, 0, h, {{0, {30, 35, 54}}, {0.45, kPanelRgb}, {1, {16, 19, 30}}});
  cairo_paint(cr);
  // A faint diagonal weave, like brushed carbon under lacquer.
  cairo_save(cr);
  cairo_set_line_width(cr, 1);
  for (double d = -h; d < w + h; d += 3) {
    cairo_move_to(cr, d, 0);
    cairo_line_to(cr, d + h, h);
  }
  cairo_set_source_rgba(cr, 1, 1, 1, 0.018);
  cairo_stroke(cr);
  cairo_restore(cr);
  // A soft light from the top left, as if the page were a glass card.
  setGlow(cr, w * 0.2, 0, 0, w * 1.1, {140.25, 178.5, 255}, 0.07);
  cairo_paint(cr);
  addGrain(canvas, {0, 0, canvas.width(), canvas.height()}, 2.0, 11);
}

void drawPageTitle(cairo_t* cr, int width, const std::string& title) {
  // The band behind the title.
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 20);
  addStop(g, 0, {12, 14, 24}, 0.9);
  addStop(g, 1, {18, 21, 34}, 0.6);
  cairo_rectangle(cr, 0, 0, width, 20);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // The accent line under it, bright at the left and fading out.
  cairo_pattern_t* a = cairo_pattern_create_linear(0, 0, width, 0);
  addStop(a, 0, kYellow, 0.95);
  addStop(a, 0.55, {255, 140, 40}, 0.45);
  addStop(a, 1, {255, 140, 40}, 0);
  cairo_rectangle(cr, 0, 20, width, 1);
  cairo_set_source(cr, a);
  cairo_fill(cr);
  cairo_pattern_destroy(a);
  cairo_pattern_t* glow = cairo_pattern_create_linear(0, 21, 0, 25);
  addStop(glow, 0, kYellow, 0.16);
  addStop(glow, 1, kYellow, 0);
  cairo_rectangle(cr, 0, 21, width * 0.6, 4);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  // A small chevron marks the title, then the word itself.
  cairo_move_to(cr, 6, 6);
  cairo_line_to(cr, 10, 10.5);
  cairo_line_to(cr, 6, 15);
  source(cr, kYellow);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  textFont(cr, 12.5, true);
  if (textWidth(cr, title) > width - 20)
    throw std::runtime_error("page title does not fit: " + title);
  drawShadowedText(cr, title, 15, 15, kYellow);
}

void finishPage(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_rectangle(cr, 0, 0, canvas.width(), canvas.height());
  cairo_rectangle(cr, 1, 1, canvas.width() - 2, canvas.height() - 2);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  source(cr, kFrameRgb);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
}

void drawButtonHalo(cairo_t* cr, Rect r) {
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_set_line_width(cr, 1);
  for (int i = 1; i <= 4; ++i) {
    roundedRect(cr, r.x - i + 0.5, r.y - i + 0.5, r.w + 2 * i - 1, r.h + 2 * i - 1, 3.5 + i);
    source(cr, kCyan, 0.13 * (5 - i) / 4.0);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void drawButtonBody(cairo_t* cr, Rect r) {
  const double x = r.x, y = r.y, w = r.w, h = r.h;
  cairo_save(cr);
  cairo_new_path(cr);
  roundedRect(cr, x, y, w, h, 3.5);
  source(cr, {5, 7, 12});
  cairo_fill(cr);

  cairo_pattern_t* g = cairo_pattern_create_linear(0, y + 1, 0, y + h - 1);
  addStop(g, 0, {84, 104, 150});
  addStop(g, 0.47, {50, 62, 100});
  addStop(g, 0.53, {38, 47, 80});
  addStop(g, 1, {30, 37, 64});
  roundedRect(cr, x + 1, y + 1, w - 2, h - 2, 2.5);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_clip(cr);

  // Light pooling at the bottom edge: the glow of the button.
  cairo_save(cr);
  cairo_translate(cr, x + w / 2, y + h);
  cairo_scale(cr, w * 0.62, h * 0.75);
  setGlow(cr, 0, 0, 0, 1, kCyan, 0.34);
  cairo_paint(cr);
  cairo_restore(cr);

  // Gloss on the upper half.
  cairo_pattern_t* gl = cairo_pattern_create_linear(0, y + 1, 0, y + h / 2);
  addStop(gl, 0, kWhite, 0.16);
  addStop(gl, 1, kWhite, 0.03);
  cairo_rectangle(cr, x, y + 1, w, h / 2 - 1);
  cairo_set_source(cr, gl);
  cairo_fill(cr);
  cairo_pattern_destroy(gl);

  // Bevel: a bright rim at the top, a cool one at the bottom.
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, y + 1, 0, y + h - 1);
  addStop(rim, 0, kWhite, 0.45);
  addStop(rim, 0.5, kWhite, 0.06);
  addStop(rim, 1, kCyan, 0.35);
  roundedRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, 2);
  cairo_set_source(cr, rim);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_pattern_destroy(rim);
  cairo_restore(cr);
}

void textFont(cairo_t* cr, double size, bool bold) {
  setFont(cr, size, bold);
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
}

void drawShadowedText(cairo_t* cr, const std::string& text, double x, double y, Rgb colour,
                      double alpha) {
  cairo_move_to(cr, x + 1, y + 1);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.75 * alpha);
  cairo_show_text(cr, text.c_str());
  cairo_move_to(cr, x, y);
  source(cr, colour, alpha);
  cairo_show_text(cr, text.c_str());
}

void drawButtonLabel(cairo_t* cr, Rect box, const std::string& text, double size, Rgb colour,
                     const std::string& where) {
  textFont(cr, size, true);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  if (e.width > box.w - 4) throw std::runtime_error("label does not fit its button: " + where);
  cairo_font_extents_t f;
  cairo_font_extents(cr, &f);
  const double tx = std::round(box.x + (box.w - e.width) / 2 - e.x_bearing);
  // Centre the capitals, not the descenders: the labels read as centred that way.
  const double capHeight = size * 0.73;
  const double ty = std::round(box.y + (box.h + capHeight) / 2);
  // A soft glow behind the letters, then the letters with their shadow.
  cairo_save(cr);
  cairo_move_to(cr, tx, ty);
  cairo_text_path(cr, text.c_str());
  source(cr, kCyan, 0.22);
  cairo_set_line_width(cr, 3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_restore(cr);
  drawShadowedText(cr, text, tx, ty, colour);
}

void drawInsetField(cairo_t* cr, Rect r, bool white) {
  const double x = r.x, y = r.y, w = r.w, h = r.h;
  cairo_save(cr);
  cairo_new_path(cr);
  // The light lip below and right of the hollow.
  roundedRect(cr, x - 1, y - 1, w + 2, h + 2, 2.5);
  source(cr, {74, 86, 120}, 0.55);
  cairo_fill(cr);
  roundedRect(cr, x - 1, y - 1, w + 1, h + 1, 2.5);
  source(cr, {4, 5, 9});
  cairo_fill(cr);
  cairo_rectangle(cr, x, y, w, h);
  if (white) {
    setLinear(cr, 0, y, 0, y + h,
              {{0, {214, 220, 230}}, {0.25, {248, 249, 252}}, {1, {255, 255, 255}}});
    cairo_fill(cr);
  } else {
    setLinear(cr, 0, y, 0, y + h, {{0, {6, 7, 12}}, {0.35, {11, 13, 21}}, {1, {14, 17, 27}}});
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void drawPadlock(cairo_t* cr, double cx, double cy, double height) {
  cairo_new_path(cr);
  const double bodyH = height * 0.58, bodyW = height * 0.74;
  const double bodyTop = cy + height / 2 - bodyH;
  const double shackleR = bodyW * 0.3;
  cairo_save(cr);
  // Shadow.
  roundedRect(cr, cx - bodyW / 2 + 1.2, bodyTop + 1.5, bodyW, bodyH, height * 0.1);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
  cairo_fill(cr);
  // Shackle: a steel arc.
  cairo_set_line_width(cr, std::max(1.6, height * 0.13));
  cairo_new_path(cr);
  cairo_move_to(cr, cx - shackleR, bodyTop + 1);
  cairo_arc(cr, cx, bodyTop - height * 0.42 + shackleR + 1, shackleR, M_PI, 2 * M_PI);
  cairo_line_to(cr, cx + shackleR, bodyTop + 1);
  setLinear(cr, cx - shackleR, 0, cx + shackleR, 0,
            {{0, {120, 128, 140}}, {0.35, {235, 240, 248}}, {1, {110, 116, 128}}});
  cairo_stroke(cr);
  // Body: warm brass.
  roundedRect(cr, cx - bodyW / 2, bodyTop, bodyW, bodyH, height * 0.1);
  setLinear(cr, 0, bodyTop, 0, bodyTop + bodyH,
            {{0, {255, 226, 120}}, {0.5, {226, 168, 46}}, {1, {150, 96, 20}}});
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0.25, 0.14, 0.02, 0.9);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  // Keyhole.
  const double kr = bodyH * 0.16;
  cairo_arc(cr, cx, bodyTop + bodyH * 0.42, kr, 0, 2 * M_PI);
  polygon(cr, {{cx - kr * 0.55, bodyTop + bodyH * 0.45},
               {cx + kr * 0.55, bodyTop + bodyH * 0.45},
               {cx + kr * 0.3, bodyTop + bodyH * 0.78},
               {cx - kr * 0.3, bodyTop + bodyH * 0.78}});
  cairo_set_source_rgba(cr, 0.18, 0.1, 0.02, 1);
  cairo_fill(cr);
  cairo_restore(cr);
}

void darkenLocked(Image& image) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = fromColour(image.at(x, y));
      const double lum = 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
      Rgb d = mix(c, {lum, lum, lum}, 0.6);
      double f = 0.45;
      if ((x + y) % 7 < 2) f *= 0.78;  // hatching
      image.at(x, y) = toColour({d.r * f, d.g * f, d.b * f});
    }
}

Image crop(const Image& image, Rect rect, svc::Colour fill) {
  Image out(rect.w, rect.h, fill);
  for (int y = 0; y < rect.h; ++y)
    for (int x = 0; x < rect.w; ++x) {
      const int sx = rect.x + x, sy = rect.y + y;
      if (sx >= 0 && sy >= 0 && sx < image.width && sy < image.height)
        out.at(x, y) = image.at(sx, sy);
    }
  return out;
}

}  // namespace art::menu
