// The info page's tall picture, in both languages: controls with drawn key caps, the game
// types, the cars and what unlocks what. The menu shows it through a 153 × 129 viewport.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "canvas.h"
#include "story_car.h"
#include "story_checks.h"
#include "story_icons.h"
#include "story_paint.h"
#include "story_text.h"
#include "story_texts.h"

namespace art::story {

namespace {

constexpr int kInfoWidth = 155;
constexpr double kVisible = 153;  // the viewport cuts the picture's last two columns
constexpr double kMargin = 7;
constexpr Rgb kPanel{22, 26, 40};
constexpr Rgb kText{218, 224, 238};
constexpr Rgb kDim{150, 160, 186};
constexpr Rgb kAmber{255, 196, 84};
constexpr Rgb kSpeedColour{230, 90, 60};
constexpr Rgb kTurnColour{80, 170, 240};

struct KeyRow {
  std::vector<std::string> keys;
  std::string cz, ang;
};

struct TypeEntry {
  std::string cz, ang, czText, angText;
};

struct CarEntry {
  const char* name;
  const char* czName;
  int kmh;      // 0: only a note
  int turning;  // 1 low .. 3 high
  Rgb paint;
  bool truck;
};

// Lays the page out from the top; everything is drawn as it is laid out.
class Page {
 public:
  Page(cairo_t* cr, Lang lang) : cr_(cr), cz_(lang == Lang::Cz) {}
  double y() const { return y_; }
  const std::string& pick(const std::string& cz, const std::string& ang) const {
    return cz_ ? cz : ang;
  }

  void title() {
    font(cr_, 8.5, true);
    y_ += 16;
    write(cr_, "D R O V A N T A", kVisible / 2, y_, kDim, true);
    font(cr_, 15, true);
    y_ += 19;
    writeGlowing(cr_, cz_ ? "Jak se hraje" : "How to play", kVisible / 2, y_, kAmber,
                 {255, 120, 20}, 0.45, 5, true);
    y_ += 6;
  }

  void section(const std::string& name) {
    y_ += 13;
    const double top = y_;
    // A band across the page with an accent at its left end.
    cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, kVisible, 0);
    addStop(band, 0, {60, 70, 104});
    addStop(band, 1, {32, 38, 58}, 0.2);
    cairo_set_source(cr_, band);
    cairo_rectangle(cr_, 0, top, kVisible, 19);
    cairo_fill(cr_);
    cairo_pattern_destroy(band);
    cairo_rectangle(cr_, 0, top, 4, 19);
    source(cr_, kAmber);
    cairo_fill(cr_);
    cairo_rectangle(cr_, 0, top, kVisible, 1);
    cairo_set_source_rgba(cr_, 1, 1, 1, 0.15);
    cairo_fill(cr_);
    font(cr_, 12, true);
    write(cr_, name, kMargin + 4, top + 14, {255, 255, 255});
    y_ = top + 19 + 6;
  }

  // A key cap with a glyph; returns its width.
  double keyCap(const std::string& glyph, double x, double top) {
    font(cr_, glyph.size() > 3 ? 8 : 9.5, true);
    const double w = std::max(17.0, std::ceil(advance(cr_, glyph)) + 9), h = 16;
    roundedRect(cr_, x + 0.5, top + 1.5, w - 1, h - 1, 3);
    source(cr_, {6, 8, 14});
    cairo_fill(cr_);
    roundedRect(cr_, x + 0.5, top + 0.5, w - 1, h - 2, 3);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, top + h);
    addStop(g, 0, {236, 238, 244});
    addStop(g, 1, {150, 156, 172});
    cairo_set_source(cr_, g);
    cairo_fill(cr_);
    cairo_pattern_destroy(g);
    roundedRect(cr_, x + 2.5, top + 1.5, w - 5, h - 6, 2);
    cairo_pattern_t* t = cairo_pattern_create_linear(0, top + 1, 0, top + h - 4);
    addStop(t, 0, {255, 255, 255});
    addStop(t, 1, {206, 210, 222});
    cairo_set_source(cr_, t);
    cairo_fill(cr_);
    cairo_pattern_destroy(t);
    const double dir = glyph == "→" ? 0 : glyph == "↓" ? 0.5 : glyph == "←" ? 1 : 1.5;
    if (glyph == "↑" || glyph == "↓" || glyph == "←" || glyph == "→") {
      // The font's arrows are hairlines at this size: draw a bold one.
      cairo_save(cr_);
      cairo_translate(cr_, x + w / 2, top + 7);
      cairo_rotate(cr_, dir * M_PI);
      polygon(cr_, {{4.5, 0}, {0.5, -4}, {0.5, -1.3}, {-4, -1.3}, {-4, 1.3}, {0.5, 1.3}, {0.5, 4}});
      source(cr_, {28, 32, 48});
      cairo_fill(cr_);
      cairo_restore(cr_);
    } else {
      write(cr_, glyph, x + w / 2, top + 10.5, {28, 32, 48}, true);
    }
    return w;
  }

  void keyRow(const KeyRow& k) {
    double x = kMargin;
    const double top = y_;
    for (const std::string& key : k.keys) x += keyCap(key, x, top) + 2;
    const double textX = std::max(x + 4, kMargin + 40.0);
    font(cr_, 10.5, false);
    const auto lines = wrap(cr_, pick(k.cz, k.ang), kVisible - textX - 3);
    double ty = top + 11.5;
    for (const std::string& l : lines) {
      write(cr_, l, textX, ty, kText);
      ty += 12.5;
    }
    y_ = std::max(top + 19, ty - 12.5 + 7);
  }

  void paragraph(const std::string& text, double size, Rgb colour, double indent = 0) {
    font(cr_, size, false);
    for (const std::string& l : wrap(cr_, text, kVisible - kMargin * 2 - indent)) {
      y_ += size + 2.5;
      write(cr_, l, kMargin + indent, y_, colour);
    }
  }

  void typeEntry(const TypeEntry& t) {
    font(cr_, 11, true);
    y_ += 13;
    cairo_move_to(cr_, kMargin, y_ - 8);
    cairo_line_to(cr_, kMargin + 4, y_ - 4.5);
    cairo_line_to(cr_, kMargin, y_ - 1);
    cairo_set_line_width(cr_, 1.5);
    source(cr_, kAmber);
    cairo_stroke(cr_);
    write(cr_, pick(t.cz, t.ang), kMargin + 8, y_, kAmber);
    paragraph(pick(t.czText, t.angText), 10, kText, 8);
    y_ += 2;
  }

  void meter(double x, double top, double fill, Rgb colour) {
    roundedRect(cr_, x, top, 42, 5, 2);
    source(cr_, {8, 10, 18});
    cairo_fill(cr_);
    roundedRect(cr_, x + 0.5, top + 0.5, 41 * fill, 4, 1.5);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, top + 5);
    addStop(g, 0, shade(colour, 1.4));
    addStop(g, 1, shade(colour, 0.7));
    cairo_set_source(cr_, g);
    cairo_fill(cr_);
    cairo_pattern_destroy(g);
  }

  void carEntry(const CarEntry& c) {
    const double top = y_ + 3;
    // A small card: the car from above beside its figures.
    roundedRect(cr_, kMargin - 2.5, top + 0.5, kVisible - 2 * kMargin + 5, 44, 4);
    cairo_set_source_rgba(cr_, 1, 1, 1, 0.04);
    cairo_fill_preserve(cr_);
    cairo_set_source_rgba(cr_, 1, 1, 1, 0.1);
    cairo_set_line_width(cr_, 1);
    cairo_stroke(cr_);
    const Placement at{kMargin + 19, top + 22, 34, 0};
    if (c.truck) {
      truckShadow(cr_, at, 0.6);
      paintTruck(cr_, at, c.paint, false);
    } else {
      carShadow(cr_, at, 0.6);
      paintCar(cr_, at, {c.paint, !c.truck && c.turning == 3});
    }
    const double x = kMargin + 42, bars = x + 54;
    font(cr_, 11, true);
    write(cr_, cz_ ? c.czName : c.name, x, top + 13, {255, 255, 255});
    font(cr_, 8.5, false);
    const char* turnWords[2][3] = {{"low", "medium", "high"}, {"nízké", "střední", "vysoké"}};
    const std::string kmh = (c.truck ? "~" : "") + std::to_string(c.kmh) + " km/h";
    const std::string turn = turnWords[cz_][c.turning - 1];
    write(cr_, kmh, x, top + 26, kDim);
    meter(bars, top + 20, c.kmh / 180.0, kSpeedColour);
    write(cr_, turn, x, top + 39, kDim);
    meter(bars, top + 33, c.turning / 3.0, kTurnColour);
    // The figures may not run under the meters.
    if (advance(cr_, kmh) > bars - x - 3 || advance(cr_, turn) > bars - x - 3)
      throw std::runtime_error("info: " + kmh + " / " + turn + " overlap the meters");
    y_ = top + 45;
  }

  // One rung of the unlock ladder: what to win, then what it opens.
  void unlockStep(Icon icon, const std::string& win, const std::string& opens, bool last) {
    const double top = y_ + 4;
    cairo_arc(cr_, kMargin + 9, top + 9, 9, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, top + 18);
    addStop(g, 0, {90, 104, 150});
    addStop(g, 1, {40, 46, 72});
    cairo_set_source(cr_, g);
    cairo_fill(cr_);
    cairo_pattern_destroy(g);
    source(cr_, icon == Icon::Trophy ? Rgb{255, 214, 90} : Rgb{255, 255, 255});
    drawIcon(cr_, icon, kMargin + 4, top + 4, 10);
    const double x = kMargin + 23;
    font(cr_, 10, true);
    double ty = top + 8;
    for (const std::string& l : wrap(cr_, win, kVisible - x - 4)) {
      write(cr_, l, x, ty, {255, 255, 255});
      ty += 12;
    }
    font(cr_, 10, false);
    bool first = true;
    for (const std::string& l : wrap(cr_, opens, kVisible - x - 14)) {
      if (first) write(cr_, "→", x, ty, kAmber);
      write(cr_, l, x + 12, ty, kAmber);
      ty += 12;
      first = false;
    }
    const double bottom = std::max(top + 22, ty - 4);
    if (!last) {
      // The ladder's rail down to the next rung.
      cairo_rectangle(cr_, kMargin + 8, top + 19, 2, bottom - top - 15);
      source(cr_, {70, 80, 116});
      cairo_fill(cr_);
    }
    y_ = bottom;
  }

  void tip(const std::string& text) {
    font(cr_, 10, false);
    const auto lines = wrap(cr_, text, kVisible - kMargin * 2 - 10);
    y_ += 3;
    for (size_t i = 0; i < lines.size(); ++i) {
      y_ += 12.5;
      if (i == 0) {
        cairo_arc(cr_, kMargin + 3, y_ - 3.5, 2, 0, 2 * M_PI);
        source(cr_, kAmber);
        cairo_fill(cr_);
      }
      write(cr_, lines[i], kMargin + 10, y_, kText);
    }
  }

  // What the two meters of the car cards mean.
  void meterLegend(const std::string& speed, const std::string& turning) {
    font(cr_, 9.5, false);
    y_ += 11;
    double x = kMargin;
    for (const auto& [word, colour] : {std::pair{speed, kSpeedColour}, {turning, kTurnColour}}) {
      roundedRect(cr_, x, y_ - 6, 13, 5, 2);
      source(cr_, colour);
      cairo_fill(cr_);
      write(cr_, word, x + 17, y_, kDim);
      x += 17 + advance(cr_, word) + 12;
    }
    y_ += 1;
  }

  void space(double dy) { y_ += dy; }

 private:
  cairo_t* cr_;
  bool cz_;
  double y_ = 0;
};

void content(Page& p, Lang lang) {
  const bool cz = lang == Lang::Cz;
  p.title();

  p.section(cz ? "Ovládání" : "Controls");
  const KeyRow keys[] = {
      {{"↑"}, "plyn", "accelerate"},
      {{"↓"}, "brzda, couvání", "brake, reverse"},
      {{"←", "→"}, "zatáčení", "steer"},
      {{"Esc"}, "pauza, odchod ze hry", "pause, leave the race"},
      {{"L"}, "světla", "lights"},
      {{"M"}, "minimapa", "minimap"},
      {{"S"}, "statistiky", "statistics"},
      {{"+"}, "num. klávesnice: pomalejší hra", "numpad: slower game"},
      {{"−"}, "num. klávesnice: rychlejší hra", "numpad: faster game"},
  };
  for (const KeyRow& k : keys) p.keyRow(k);

  p.section(cz ? "Typy her" : "Game types");
  const TypeEntry types[] = {
      {"Volná jízda", "Free Ride", "Vesnice nebo Město, sám a bez času.",
       "Village or City, alone, no clock."},
      {"Závody", "Race", "Tři kola proti soupeři Maxovi.", "Three laps against Max, the rival."},
      {"Championat", "Championship", "Vesnice, potom Město: vyhraj oba závody.",
       "The Village, then the City: win both races."},
      {"Kolder Run", "Kolder Run", "Dvě minuty ve Městě: zastav na svítícím balíku a naložíš ho.",
       "Two minutes in the City: stop on a glowing parcel to load it."},
      {"Výuka", "Training", "Parkoviště a Okruh, bez soupeře a bez času.",
       "Parking and Circuit, no rival, no clock."},
  };
  for (const TypeEntry& t : types) p.typeEntry(t);

  p.section(cz ? "Auta" : "Cars");
  const CarEntry cars[] = {
      {"Viper GTS", "Viper GTS", 160, 3, {30, 84, 196}, false},
      {"Porsche", "Porsche", 167, 2, {200, 200, 196}, false},
      {"Ferari", "Ferari", 174, 1, {206, 28, 26}, false},
      {"Truck", "Náklaďák", 110, 2, {30, 120, 210}, true},
  };
  p.meterLegend(cz ? "rychlost" : "top speed", cz ? "otáčení" : "turning");
  for (const CarEntry& c : cars) p.carEntry(c);
  p.space(2);
  p.paragraph(cz ? "Náklaďák jezdí jen v Kolder Runu. Těžší obtížnost zpomalí tvé auto a zhorší "
                   "otáčení; soupeř zůstává stejný."
                 : "The truck drives only in the Kolder Run. A harder difficulty makes your car "
                   "slower and less agile; the rival stays the same.",
              9.5, kDim);

  p.section(cz ? "Odemykání" : "Unlocking");
  p.unlockStep(Icon::Village, cz ? "Vyhraj závod ve Vesnici" : "Win the Village race",
               cz ? "Porsche a trasa Město" : "the Porsche and the City track", false);
  p.unlockStep(Icon::City, cz ? "Vyhraj závod ve Městě" : "Win the City race",
               cz ? "Ferari a Championat" : "the Ferari and the Championship", false);
  p.unlockStep(Icon::Trophy, cz ? "Vyhraj Championat" : "Win the Championship",
               cz ? "Kolder Run a náklaďák" : "the Kolder Run and the truck", true);
  p.space(4);
  p.paragraph(cz ? "Co jednou odemkneš, zůstane odemčené." : "Whatever you unlock stays open.", 9.5,
              kDim);

  p.section(cz ? "Tipy" : "Tips");
  p.tip(cz ? "„Kolo neuznáno“: kolo bez všech kontrolních bodů se nepočítá."
           : "“Kolo neuznáno”: a checkpoint was missed, so the lap does not count.");
  p.tip(cz ? "Remíza v cíli patří soupeři." : "A tie at the line goes to the rival.");
  p.tip(cz ? "Mimo silnici jede auto jen poloviční rychlostí."
           : "Off the road your car reaches only half speed.");
  p.tip(cz ? "Balík naložíš jen téměř stojícím autem."
           : "You load a parcel only when almost "
             "stopped.");
  p.space(16);
}

void background(cairo_t* cr, int height) {
  source(cr, kPanel);
  cairo_paint(cr);
  setLinear(cr, 0, 0, kInfoWidth, 0,
            {{0, {255, 255, 255}, 0.03}, {0.5, {255, 255, 255}, 0}, {1, {0, 0, 0}, 0.12}});
  cairo_paint(cr);
  // Faint horizontal scan lines give the panel a surface.
  for (int y = 0; y < height; y += 3) cairo_rectangle(cr, 0, y, kInfoWidth, 1);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.012);
  cairo_fill(cr);
  grain(cr, 81, 0.025);
}

Image infoPicture(Lang lang) {
  // Draw on a tall transparent sheet, then lay it on a background of the measured height.
  Canvas sheet(kInfoWidth, 2400);
  Page page(sheet.cr(), lang);
  content(page, lang);
  const int height = int(std::ceil(page.y()));
  if (height < 800 || height > 1400)
    throw std::runtime_error("info picture: " + std::to_string(height) + " rows, want 800..1400");
  Canvas c(kInfoWidth, height);
  background(c.cr(), height);
  cairo_set_source_surface(c.cr(), cairo_get_target(sheet.cr()), 0, 0);
  cairo_paint(c.cr());
  Image img = c.toImage();
  avoidKey(img);
  return img;
}

void writeInfo(const Context& ctx) {
  for (const Lang lang : {Lang::Cz, Lang::Ang}) {
    const Image img = infoPicture(lang);
    writeChecked(ctx, std::string("/gfx/menu/") + langFolder(lang) + "/info.bmp", img, kInfoWidth,
                 img.height);
  }
}

}  // namespace

}  // namespace art::story

ARTGEN_MODULE("story_info", art::story::writeInfo);
