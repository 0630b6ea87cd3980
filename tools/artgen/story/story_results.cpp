// The race's result pictures, shown on the end panel in both languages, and the Kolder Run's
// pick-up picture `cil`.
#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas.h"
#include "story_checks.h"
#include "story_icons.h"
#include "story_paint.h"
#include "story_parcel.h"
#include "story_text.h"
#include "story_texts.h"

namespace art::story {

namespace {

// The race window shows the picture at (170, 120) of its 640 × 480 end panel and the Kolder Run's
// count in `Label18` at (270, 250), 100 × 24: that is this box of the picture.
constexpr int kCardW = 300, kCardH = 200;
constexpr double kCountX = 100, kCountY = 130, kCountW = 100, kCountH = 24;

enum class Emblem { Cup, SilverMedal, Flag, Parcel };

// One button named in the legend at the bottom: its icons and what it does.
struct Legend {
  std::vector<Icon> icons;
  const char* word;  // the word printed on the button, if any
  std::string meaning;
};

struct Result {
  const char* file;
  Emblem emblem;
  Rgb mood;  // the colour of the light behind the headline
  std::string headline, line1, line2;
  std::vector<Legend> legend;
};

void frame(cairo_t* cr, Rgb mood) {
  setRadial(cr, kCardW / 2.0, 70, 10, kCardW / 2.0, 90, 220,
            {{0, mix({30, 34, 52}, mood, 0.35)}, {0.55, {20, 23, 36}}, {1, {10, 11, 18}}});
  cairo_paint(cr);
  // Fine diagonal hatching, like brushed metal behind glass.
  cairo_set_line_width(cr, 1);
  for (int i = -kCardH; i < kCardW; i += 4) {
    cairo_move_to(cr, i, 0);
    cairo_line_to(cr, i + kCardH, kCardH);
  }
  cairo_set_source_rgba(cr, 1, 1, 1, 0.025);
  cairo_stroke(cr);
  grain(cr, 61, 0.04);
  // Bevelled frame in the mood's colour.
  cairo_rectangle(cr, 0.5, 0.5, kCardW - 1, kCardH - 1);
  source(cr, {4, 4, 8});
  cairo_stroke(cr);
  cairo_rectangle(cr, 2, 2, kCardW - 4, kCardH - 4);
  cairo_set_line_width(cr, 2);
  source(cr, shade(mood, 0.8));
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, 3, 3.5);
  cairo_line_to(cr, kCardW - 3, 3.5);
  source(cr, shade(mood, 1.5), 0.8);
  cairo_stroke(cr);
  cairo_rectangle(cr, 4.5, 4.5, kCardW - 9, kCardH - 9);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
  cairo_stroke(cr);
}

void emblem(cairo_t* cr, Emblem e, double cx, double cy) {
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_arc(lc, cx, cy, 16, 0, 2 * M_PI);
        cairo_fill(lc);
      },
      14, e == Emblem::SilverMedal ? Rgb{140, 170, 220} : Rgb{255, 190, 80}, 0.45, 0, 0,
      CAIRO_OPERATOR_ADD);
  cairo_save(cr);
  if (e != Emblem::Parcel) {
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.35, 1.35);
    cairo_translate(cr, -cx, -cy);
  }
  switch (e) {
    case Emblem::Cup: {
      setLinear(
          cr, cx - 14, 0, cx + 14, 0,
          {{0, {150, 96, 20}}, {0.3, {255, 236, 150}}, {0.6, {220, 160, 50}}, {1, {120, 76, 16}}});
      drawIcon(cr, Icon::Trophy, cx - 16, cy - 18, 32);
      sparkle(cr, cx - 8, cy - 12, 6, {255, 240, 200}, 0.9);
      break;
    }
    case Emblem::SilverMedal: {
      // Ribbon, then the disc with a "2".
      polygon(cr, {{cx - 9, cy - 19},
                   {cx - 2, cy - 4},
                   {cx + 2, cy - 4},
                   {cx + 9, cy - 19},
                   {cx + 4, cy - 19},
                   {cx, cy - 10},
                   {cx - 4, cy - 19}});
      source(cr, {50, 90, 170});
      cairo_fill(cr);
      cairo_arc(cr, cx, cy + 3, 12, 0, 2 * M_PI);
      setLinear(cr, cx - 12, cy - 9, cx + 12, cy + 15,
                {{0, {250, 252, 255}}, {0.45, {170, 178, 192}}, {1, {90, 96, 110}}});
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, 1.2);
      source(cr, {70, 76, 90});
      cairo_stroke(cr);
      font(cr, 14, true);
      write(cr, "2", cx, cy + 8, {60, 66, 80}, true);
      break;
    }
    case Emblem::Flag: {
      for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 4; ++j) {
          const double x = cx - 13 + i * 6, y = cy - 14 + j * 6 + std::sin(i * 0.9) * 2;
          cairo_rectangle(cr, x, y, 6, 6);
          if ((i + j) % 2)
            cairo_set_source_rgb(cr, 0.08, 0.08, 0.1);
          else
            cairo_set_source_rgb(cr, 0.95, 0.95, 0.92);
          cairo_fill(cr);
        }
      cairo_rectangle(cr, cx - 15, cy - 16, 2, 34);
      source(cr, {200, 190, 170});
      cairo_fill(cr);
      break;
    }
    case Emblem::Parcel:
      glowingParcel(cr, cx, cy, 30, -0.2);
      break;
  }
  cairo_restore(cr);
}

// The headline, as big as fits the card.
void headline(cairo_t* cr, const std::string& text, double y, Rgb mood) {
  double size = 34;
  font(cr, size, true);
  while (advance(cr, text) > kCardW - 30 && size > 18) font(cr, --size, true);
  writeGlowing(cr, text, kCardW / 2.0, y, {255, 255, 255}, mood, 0.8, 8, true);
  // A bright edge on top of the letters.
  cairo_save(cr);
  const double x = kCardW / 2.0 - advance(cr, text) / 2;
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text.c_str());
  cairo_clip(cr);
  setLinear(cr, 0, y - size * 0.75, 0, y,
            {{0, {255, 255, 255}},
             {0.5, mix({255, 255, 255}, mood, 0.25)},
             {1, mix({255, 255, 255}, mood, 0.6)}});
  cairo_paint(cr);
  cairo_restore(cr);
}

constexpr double kChipIcon = 10, kChipPad = 4;

double chipWidth(cairo_t* cr, const Legend& l) {
  font(cr, 9, true);
  double w = kChipPad * 2 + kChipIcon * l.icons.size() + 2 * (l.icons.size() - 1);
  if (*l.word) w += 3 + advance(cr, l.word);
  return w;
}

// A small copy of a panel button: the reader finds it under the picture.
double chip(cairo_t* cr, const Legend& l, double x, double y) {
  const double w = chipWidth(cr, l), icon = kChipIcon, pad = kChipPad;
  roundedRect(cr, x + 0.5, y + 0.5, w, 15, 2);
  setLinear(cr, 0, y, 0, y + 15, {{0, {90, 100, 130}}, {1, {30, 34, 50}}});
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1);
  source(cr, {8, 10, 16});
  cairo_stroke(cr);
  double cx = x + pad;
  for (Icon i : l.icons) {
    source(cr, i == Icon::Trophy ? Rgb{255, 214, 90} : Rgb{255, 255, 255});
    drawIcon(cr, i, std::floor(cx) + 0.5, y + 3, icon);
    cx += icon + 2;
  }
  if (*l.word) write(cr, l.word, cx + 1, y + 11.5, {255, 255, 255});
  return w;
}

void legend(cairo_t* cr, const std::vector<Legend>& items) {
  const double y = kCardH - 30;
  // Measure first so the row is centred.
  font(cr, 11, false);
  std::vector<double> widths;
  double total = 0;
  for (const Legend& l : items) {
    const double w = chipWidth(cr, l);
    font(cr, 11, false);
    widths.push_back(w + 5 + advance(cr, l.meaning));
    total += widths.back();
  }
  total += 16 * (items.size() - 1);
  double x = std::floor((kCardW - total) / 2);
  for (size_t i = 0; i < items.size(); ++i) {
    const double w = chip(cr, items[i], x, y);
    font(cr, 11, false);
    write(cr, items[i].meaning, x + w + 5, y + 11.5, {196, 204, 226});
    x += widths[i] + 16;
  }
  // A thin rule above the legend.
  setLinear(cr, 20, 0, kCardW - 20, 0,
            {{0, {255, 255, 255}, 0}, {0.5, {255, 255, 255}, 0.25}, {1, {255, 255, 255}, 0}});
  cairo_rectangle(cr, 20, y - 10, kCardW - 40, 1);
  cairo_fill(cr);
}

// The well in which the game writes the Kolder Run's count.
void countWell(cairo_t* cr) {
  roundedRect(cr, kCountX + 0.5, kCountY + 0.5, kCountW - 1, kCountH - 1, 4);
  setLinear(cr, 0, kCountY, 0, kCountY + kCountH, {{0, {4, 6, 12}}, {1, {26, 30, 46}}});
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1);
  source(cr, {255, 176, 48}, 0.9);
  cairo_stroke(cr);
}

// A centred line in the largest size up to `size` that fits the card with a margin.
void fitted(cairo_t* cr, const std::string& text, double y, double size, bool bold, Rgb colour) {
  font(cr, size, bold);
  while (advance(cr, text) > kCardW - 24) {
    size -= 0.5;
    if (size < 10) throw std::runtime_error("result picture: \"" + text + "\" does not fit");
    font(cr, size, bold);
  }
  write(cr, text, kCardW / 2.0, y, colour, true);
}

Image card(const Result& r) {
  Canvas c(kCardW, kCardH);
  cairo_t* cr = c.cr();
  frame(cr, r.mood);
  const bool count = r.emblem == Emblem::Parcel;
  emblem(cr, r.emblem, kCardW / 2.0, count ? 34 : 37);
  headline(cr, r.headline, count ? 90 : 95, r.mood);
  if (count) {
    fitted(cr, r.line1, 118, 13, false, {226, 230, 240});
    countWell(cr);
  } else {
    fitted(cr, r.line1, 120, 13, false, {226, 230, 240});
    fitted(cr, r.line2, 142, 12.5, true, mix(r.mood, {255, 255, 255}, 0.45));
  }
  legend(cr, r.legend);
  Image img = c.toImage();
  avoidKey(img);
  return img;
}

// The texts of each result read best one picture a row.
// clang-format off
std::vector<Result> results(Lang lang) {
  const bool cz = lang == Lang::Cz;
  const Rgb gold{255, 180, 60}, blue{90, 130, 230}, green{80, 200, 120}, amber{255, 160, 40};
  const Legend again{{Icon::Replay}, "", cz ? "jet znovu" : "race again"};
  const Legend menu{{Icon::Menu}, "Menu", cz ? "zpět do nabídky" : "back to the menu"};
  const Legend onward{{Icon::Trophy, Icon::FastForward}, "", cz ? "na start 2. závodu"
                                                                : "on to race 2"};
  const Legend kolder{{Icon::Replay}, "Kolder", cz ? "znovu" : "again"};
  const Legend menuShort{{Icon::Menu}, "Menu", cz ? "konec" : "leave"};
  if (cz)
    return {
        {"end", Emblem::SilverMedal, blue, "PROHRA", "Max Hrom byl tentokrát rychlejší.",
         "Nevzdávej to – zkus to znovu!", {again, menu}},
        {"win", Emblem::Cup, gold, "VÍTĚZSTVÍ!", "Vesnice je tvoje – Max zůstal za tebou.",
         "Odemčeno: Porsche a trasa Město", {menu}},
        {"win2", Emblem::Cup, gold, "VÍTĚZSTVÍ!", "Max Hrom ve Městě nestačil!",
         "Odemčeno: Ferari a Championat", {menu}},
        {"win3", Emblem::Flag, green, "1. ZÁVOD VYHRÁN", "Šampionát pokračuje ve Městě.",
         "Druhý závod rozhodne o poháru.", {onward}},
        {"win4", Emblem::Cup, gold, "ŠAMPION!", "Pohár Drovanty je konečně tvůj.",
         "Odemčeno: Kolder Run a náklaďák", {menu}},
        {"kolder", Emblem::Parcel, amber, "ČAS VYPRŠEL!", "Naložené balíky:", "",
         {kolder, menuShort}},
    };
  return {
      {"end", Emblem::SilverMedal, blue, "DEFEAT", "Max Hrom was quicker this time.",
       "Don't give up – try again!", {again, menu}},
      {"win", Emblem::Cup, gold, "VICTORY!", "The Village is yours – Max is left behind.",
       "Unlocked: the Porsche and the City track", {menu}},
      {"win2", Emblem::Cup, gold, "VICTORY!", "Max Hrom could not keep up in the City!",
       "Unlocked: the Ferari and the Championship", {menu}},
      {"win3", Emblem::Flag, green, "RACE 1 WON", "The championship goes on in the City.",
       "The second race decides the cup.", {onward}},
      {"win4", Emblem::Cup, gold, "CHAMPION!", "The Drovanta Cup is yours at last.",
       "Unlocked: the Kolder Run and the truck", {menu}},
      {"kolder", Emblem::Parcel, amber, "TIME'S UP!", "Parcels loaded:", "",
       {kolder, menuShort}},
  };
}
// clang-format on

// The pick-up as the race draws it: copied opaquely onto the City's street, so the square is
// drawn as a marked loading bay (dark asphalt, painted corner brackets) with the glowing parcel.
Image pickUp() {
  Canvas c(50, 50);
  cairo_t* cr = c.cr();
  setRadial(cr, 25, 25, 4, 25, 25, 36, {{0, {66, 68, 76}}, {1, {50, 52, 58}}});
  cairo_paint(cr);
  grain(cr, 71, 0.08);
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  for (const auto& [x, y, dx, dy] :
       {std::array<double, 4>{3, 3, 1, 1}, {47, 3, -1, 1}, {3, 47, 1, -1}, {47, 47, -1, -1}}) {
    cairo_move_to(cr, x, y + dy * 9);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + dx * 9, y);
  }
  source(cr, {250, 200, 40}, 0.9);
  cairo_stroke(cr);
  glowingParcel(cr, 25, 25, 23, 0.25, 1.0);
  Image img = c.toImage();
  avoidKey(img);
  return img;
}

void writeResults(const Context& ctx) {
  for (const Lang lang : {Lang::Cz, Lang::Ang}) {
    for (const Result& r : results(lang)) {
      const std::string path =
          std::string("/gfx/story/") + langFolder(lang) + "/" + r.file + ".bmp";
      const Image img = card(r);
      // The count label is drawn by the game in white: its box must stay dark.
      if (r.emblem == Emblem::Parcel)
        for (int y = int(kCountY) + 2; y < int(kCountY + kCountH) - 2; ++y)
          for (int x = int(kCountX) + 2; x < int(kCountX + kCountW) - 2; ++x) {
            const Colour px = img.at(x, y);
            if (svc::red(px) + svc::green(px) + svc::blue(px) > 3 * 80)
              throw std::runtime_error(path + ": the count box is not dark at " +
                                       std::to_string(x) + ", " + std::to_string(y));
          }
      writeChecked(ctx, path, img, kCardW, kCardH);
    }
  }
  writeChecked(ctx, "/gfx/builtin/Form1/cil.bmp", pickUp(), 50, 50);
}

}  // namespace

}  // namespace art::story

ARTGEN_MODULE("story_results", art::story::writeResults);
