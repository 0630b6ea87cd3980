// Drawing a menu page from its layout.
#include "menu/menu_pages.h"

#include <algorithm>
#include <cmath>

#include "menu/menu_icons.h"
#include "menu/menu_tracks.h"

namespace art::menu {

namespace {

const Words kColourNames[] = {{"červená", "red"},
                              {"modrá", "blue"},
                              {"zelená", "green"},
                              {"žlutá", "yellow"},
                              {"bílá", "white"}};

// Where each colour's name goes: the row of four slots gets names above in two staggered rows,
// the lone white slot gets its name at its left.
struct HintPlace {
  double x, y;  // baseline
  Align align;
};
constexpr HintPlace kHintPlaces[] = {{47, 72, Align::Centre},
                                     {71, 84, Align::Centre},
                                     {95, 72, Align::Centre},
                                     {119, 84, Align::Centre},
                                     {106, 171, Align::Right}};

double alignedX(cairo_t* cr, const std::string& text, double x, Align align) {
  const double w = textWidth(cr, text);
  return align == Align::Left ? x : align == Align::Centre ? x - w / 2 : x - w;
}

// Text with its ink box recorded.
Rect writeText(cairo_t* cr, const std::string& text, double x, double y, Align align, Rgb colour,
               double alpha) {
  const double tx = std::round(alignedX(cr, text, x, align));
  const double ty = std::round(y);
  drawShadowedText(cr, text, tx, ty, colour, alpha);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return {int(std::floor(tx + e.x_bearing)), int(std::floor(ty + e.y_bearing)),
          int(std::ceil(e.width)) + 2, int(std::ceil(e.height)) + 2};
}

double iconSize(const Area& a) {
  return std::min(a.rect.h - 8.0, a.rect.w > 160 ? 22.0 : 17.0);
}

// The current choice: a warm light over the body, a gold rim and a tick at the right end.
void drawChosen(cairo_t* cr, Rect r) {
  cairo_save(cr);
  cairo_new_path(cr);
  roundedRect(cr, r.x + 1, r.y + 1, r.w - 2, r.h - 2, 2.5);
  cairo_clip(cr);
  setLinear(cr, r.x, 0, r.right(), 0,
            {{0, kYellow, 0.30}, {0.55, kYellow, 0.10}, {1, kYellow, 0.22}});
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_set_line_width(cr, 1.5);
  roundedRect(cr, r.x + 1.75, r.y + 1.75, r.w - 3.5, r.h - 3.5, 2);
  source(cr, kYellow, 0.95);
  cairo_stroke(cr);
  cairo_restore(cr);
  drawIcon(cr, Icon::Check, r.right() - 15, r.y + r.h / 2.0, r.h * 0.5);
}

void drawButton(cairo_t* cr, const Area& a, Lang lang, bool labels, const std::string& where,
                bool chosen) {
  drawButtonBody(cr, a.rect);
  if (chosen) drawChosen(cr, a.rect);
  const std::string text = a.label.in(lang);
  const Rect r = a.rect;
  if (text.empty()) {
    drawIcon(cr, a.icon, r.x + r.w / 2.0, r.y + r.h / 2.0, r.h * 0.62);
    return;
  }
  if (a.icon != Icon::None)
    drawIcon(cr, a.icon, std::max(r.x, 0) + 6 + iconSize(a) / 2, r.y + r.h / 2.0, iconSize(a));
  if (labels) drawButtonLabel(cr, labelBox(a), text, labelSize(a), kWhite, where);
}

Rgb volumeColour(int level) {
  const double t = level / 7.0;
  return t < 0.5 ? mix({70, 220, 120}, {250, 214, 60}, t * 2)
                 : mix({250, 214, 60}, {255, 90, 60}, (t - 0.5) * 2);
}

// A bar above the chosen level: only its outline, dark, so the lit bars read as the level.
void drawUnlitVolume(cairo_t* cr, const Rect& bar, Rgb c) {
  cairo_rectangle(cr, bar.x, bar.y, bar.w, bar.h);
  source(cr, mix(c, kPanelRgb, 0.82));
  cairo_fill(cr);
  cairo_rectangle(cr, bar.x + 0.5, bar.y + 0.5, bar.w - 1, bar.h - 1);
  source(cr, c, 0.35);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// A small pointer beneath the bar of the chosen level, in the bar's colour.
void drawVolumePointer(cairo_t* cr, const Rect& bar, Rgb c, int bottom) {
  const double cx = bar.x + bar.w / 2.0;
  cairo_move_to(cr, cx, bottom + 1.5);
  cairo_line_to(cr, cx + 3.5, bottom + 6.5);
  cairo_line_to(cr, cx - 3.5, bottom + 6.5);
  cairo_close_path(cr);
  source(cr, mix(c, kWhite, 0.45));
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void drawVolume(cairo_t* cr, const PageSpec& page, const Area& a, const PageState& state) {
  const Rect bar = volumeBar(page, a);
  const Rgb c = volumeColour(a.level);
  if (a.level >= state.litBars) {
    cairo_rectangle(cr, bar.x, a.rect.y, bar.w, a.rect.h);
    source(cr, mix(c, kPanelRgb, 0.9));
    cairo_fill(cr);
    drawUnlitVolume(cr, bar, c);
    return;
  }
  if (state.pointer && a.level == state.litBars - 1) drawVolumePointer(cr, bar, c, a.rect.bottom());
  // The whole clickable column, faintly, so the staircase reads as a meter.
  cairo_rectangle(cr, bar.x, a.rect.y, bar.w, a.rect.h);
  source(cr, mix(c, kPanelRgb, 0.78));
  cairo_fill(cr);
  cairo_rectangle(cr, bar.x, bar.y, bar.w, bar.h);
  setLinear(cr, bar.x, 0, bar.right(), 0,
            {{0, mix(c, kWhite, 0.35)}, {0.5, c}, {1, mix(c, {0, 0, 0}, 0.3)}});
  cairo_fill(cr);
  cairo_rectangle(cr, bar.x, bar.y, bar.w, 1);
  source(cr, kWhite, 0.6);
  cairo_fill(cr);
}

void drawSlot(cairo_t* cr, const Area& a) {
  const Rect r = a.rect;
  const Rgb c = slotColour(a.level);
  cairo_new_path(cr);
  // Shadow, a dark ring, then a thin ring in the slot's colour; the inside is filled with the
  // exact panel colour at the end of the page.
  roundedRect(cr, r.x - 2, r.y - 1, r.w + 5, r.h + 4, 2.5);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
  cairo_fill(cr);
  roundedRect(cr, r.x - 3, r.y - 3, r.w + 6, r.h + 6, 3);
  source(cr, {5, 6, 10});
  cairo_fill(cr);
  roundedRect(cr, r.x - 1.5, r.y - 1.5, r.w + 3, r.h + 3, 2);
  source(cr, c, 0.9);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void drawColourHints(cairo_t* cr, const PageSpec& page, Lang lang, std::vector<Rect>& boxes) {
  textFont(cr, 9.5, true);
  for (int i = 0; i < 5; ++i) {
    const Area& a = page.areas[i];
    const Rgb c = slotColour(a.level);
    const HintPlace& p = kHintPlaces[a.level];
    const std::string name = kColourNames[a.level].in(lang);
    boxes.push_back(writeText(cr, name, p.x, p.y, p.align, mix(c, kWhite, 0.35), 1));
    // A short coloured stroke leads from the name to the slot.
    cairo_set_line_width(cr, 1);
    source(cr, c, 0.7);
    if (p.align == Align::Centre) {
      const double x = a.rect.x + a.rect.w / 2.0 + 0.5;
      cairo_move_to(cr, x, p.y + 3);
      cairo_line_to(cr, x, a.rect.y - 4);
    } else {
      cairo_move_to(cr, p.x + 2, p.y - 3.5);
      cairo_line_to(cr, a.rect.x - 4, p.y - 3.5);
    }
    cairo_stroke(cr);
  }
}

void drawTrackArea(Canvas& canvas, const Area& a, Lang lang, bool labels, int pageHeight) {
  cairo_t* cr = canvas.cr();
  const Rect r = a.rect;
  cairo_new_path(cr);
  drawTrackPicture(canvas, a.track, {r.x + 1, r.y + 1, r.w - 2, r.h - 2});
  cairo_save(cr);
  // Vignette and bevel, so the picture sits in the page like a framed photograph.
  cairo_rectangle(cr, r.x + 1, r.y + 1, r.w - 2, r.h - 2);
  cairo_clip(cr);
  setRadial(cr, r.x + r.w / 2.0, r.y + r.h / 2.0, r.h * 0.3, r.x + r.w / 2.0, r.y + r.h / 2.0,
            r.w * 0.62, {{0, {0, 0, 0}, 0}, {1, {0, 0, 10}, 0.5}});
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1);
  source(cr, {5, 7, 12});
  cairo_stroke(cr);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, r.y + 1, 0, r.bottom() - 1);
  addStop(rim, 0, kWhite, 0.4);
  addStop(rim, 0.5, kWhite, 0.08);
  addStop(rim, 1, kCyan, 0.35);
  cairo_rectangle(cr, r.x + 1.5, r.y + 1.5, r.w - 3, r.h - 3);
  cairo_set_source(cr, rim);
  cairo_stroke(cr);
  cairo_pattern_destroy(rim);
  if (!labels) return;
  // The name on a dark plate at the bottom left (the top rows stay free of words).
  textFont(cr, 10.5, true);
  const std::string name = a.label.in(lang);
  const double tw = textWidth(cr, name);
  const double bottom = std::min(r.bottom(), pageHeight) - 4;
  roundedRect(cr, r.x + 4, bottom - 15, tw + 12, 15, 2.5);
  cairo_set_source_rgba(cr, 0.02, 0.03, 0.06, 0.72);
  cairo_fill(cr);
  cairo_rectangle(cr, r.x + 4, bottom - 15, 2, 15);
  source(cr, kYellow);
  cairo_fill(cr);
  drawShadowedText(cr, name, r.x + 10, bottom - 4, kWhite);
}

}  // namespace

double labelSize(const Area& a) {
  return a.rect.h >= 33 ? 13.5 : 11.5;
}

Rect labelBox(const Area& a) {
  const Rect r = a.rect;
  const int left = std::max(r.x, 0) + (a.icon == Icon::None ? 0 : int(iconSize(a)) + 10);
  return {left, r.y, r.right() - left - 6, r.h};
}

Rgb slotColour(int index) {
  const Rgb colours[] = {
      {230, 60, 56}, {70, 120, 240}, {70, 190, 90}, {246, 214, 64}, {236, 238, 244}};
  return colours[index];
}

Rect volumeBar(const PageSpec& page, const Area& a) {
  // Each bar keeps to the part of its area that no neighbour shares, with a pixel of gap at its
  // left, so every visible bar is a click on exactly its own area.
  int left = a.rect.x, right = a.rect.right();
  for (const Area& o : page.areas) {
    if (o.kind != Kind::Volume) continue;
    if (o.level == a.level + 1) right = std::min(right, o.rect.x);
    if (o.level == a.level - 1) left = std::max(left, o.rect.right());
  }
  left += 1;
  const int height = int(std::lround(4 + a.level * 11.0 / 7));
  return {left, a.rect.bottom() - height, right - left, height};
}

RenderedPage renderPage(const PageSpec& page, Lang lang, bool labels, const PageState& state) {
  Canvas canvas(page.width, page.height);
  cairo_t* cr = canvas.cr();
  RenderedPage out;
  drawPagePanel(canvas);
  const std::string title = page.title.in(lang);
  if (!title.empty()) drawPageTitle(cr, page.width, title);
  for (const Decor& d : page.decor) drawDecor(cr, d);
  for (const Area& a : page.areas)
    if (a.kind == Kind::Button) drawButtonHalo(cr, a.rect);
  for (const Area& a : page.areas) {
    const std::string where = page.file + "/" + a.name + " (" + code(lang) + ")";
    switch (a.kind) {
      case Kind::Button:
        drawButton(cr, a, lang, labels, where, a.name == state.chosen);
        break;
      case Kind::Field:
      case Kind::Viewport:
      case Kind::Value:
        drawInsetField(cr, a.rect, false);
        break;
      case Kind::WhiteField:
        drawInsetField(cr, a.rect, true);
        break;
      case Kind::Volume:
        drawVolume(cr, page, a, state);
        break;
      case Kind::Slot:
        drawSlot(cr, a);
        break;
      case Kind::Track:
        drawTrackArea(canvas, a, lang, labels, page.height);
        break;
    }
  }
  for (const Caption& c : page.captions) {
    textFont(cr, c.size, c.bold);
    const Rgb colour = c.dim ? Rgb{150, 166, 200} : kInk;
    out.captionBoxes.push_back(writeText(cr, c.text.in(lang), c.x, c.y, c.align, colour, 1));
  }
  if (page.colourHints) drawColourHints(cr, page, lang, out.captionBoxes);
  finishPage(canvas);
  out.image = canvas.toImage();
  // The slots hold exactly the panel colour: the game's swatches sit on it.
  for (const Area& a : page.areas)
    if (a.kind == Kind::Slot)
      for (int y = a.rect.y; y < a.rect.bottom(); ++y)
        for (int x = a.rect.x; x < a.rect.right(); ++x) out.image.at(x, y) = kPanel;
  return out;
}

}  // namespace art::menu
