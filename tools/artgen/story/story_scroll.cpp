#include "story_scroll.h"

#include <cmath>
#include <stdexcept>

#include "canvas.h"
#include "story_checks.h"
#include "story_text.h"

namespace art::story {

namespace {

constexpr double kLeft = 12, kRight = 188;  // text column; the box's mask may soften the sides
constexpr Rgb kAmber{255, 196, 84};
constexpr Rgb kBody{232, 230, 220};
constexpr Rgb kSoft{164, 180, 214};

// A thin line fading out at both ends with a small diamond in the middle.
void divider(cairo_t* cr, double y) {
  const double mid = (kLeft + kRight) / 2;
  setLinear(cr, kLeft + 10, 0, kRight - 10, 0,
            {{0, kAmber, 0}, {0.5, kAmber, 0.75}, {1, kAmber, 0}});
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, kLeft + 10, y + 0.5);
  cairo_line_to(cr, kRight - 10, y + 0.5);
  cairo_stroke(cr);
  polygon(cr, {{mid, y - 3.5}, {mid + 4, y + 0.5}, {mid, y + 4.5}, {mid - 4, y + 0.5}});
  source(cr, {0, 0, 0});
  cairo_fill_preserve(cr);
  source(cr, kAmber);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

// A small chevron in front of a rule.
void bullet(cairo_t* cr, double x, double baseline) {
  const double y = baseline - 4.5;
  cairo_move_to(cr, x, y - 3.5);
  cairo_line_to(cr, x + 4.5, y);
  cairo_line_to(cr, x, y + 3.5);
  source(cr, kAmber);
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_stroke(cr);
}

// Sets the story; with draw false it only measures. Returns the last row used.
double setStory(cairo_t* cr, const StoryText& t, bool draw) {
  double y = kScrollTextTop;

  // The town's name, spaced out, over the heading.
  font(cr, 9, true);
  const std::string kicker = "D R O V A N T A";
  y += 9;
  if (draw) write(cr, kicker, 100, y, kSoft, true);
  y += 8;

  double size = 24;
  font(cr, size, true);
  while (advance(cr, t.heading) > kRight - kLeft && size > 14) font(cr, --size, true);
  y += size;
  if (draw) writeGlowing(cr, t.heading, 100, y, kAmber, {255, 120, 20}, 0.55, 6, true);
  y += 6;

  font(cr, 11.5, false);
  for (const std::string& line : wrap(cr, t.tagline, kRight - kLeft)) {
    y += 14;
    if (draw) write(cr, line, 100, y, kSoft, true);
  }
  y += 12;
  if (draw) divider(cr, y);
  y += 8;

  font(cr, 13, false);
  for (const std::string& para : t.story) {
    for (const std::string& line : wrap(cr, para, kRight - kLeft)) {
      y += 16.5;
      if (draw) write(cr, line, kLeft, y, kBody);
    }
    y += 6;
  }

  y += 8;
  font(cr, 14, true);
  y += 14;
  if (draw) write(cr, t.rulesHeading, kLeft, y, kAmber);
  if (draw) {
    const double x0 = kLeft + advance(cr, t.rulesHeading) + 8;
    setLinear(cr, x0, 0, kRight, 0, {{0, kAmber, 0.7}, {1, kAmber, 0}});
    cairo_rectangle(cr, x0, y - 5, kRight - x0, 1);
    cairo_fill(cr);
  }
  y += 4;

  font(cr, 12.5, false);
  const double indent = 12;
  for (const std::string& rule : t.rules) {
    bool first = true;
    for (const std::string& line : wrap(cr, rule, kRight - kLeft - indent)) {
      y += 15.5;
      if (draw && first) bullet(cr, kLeft + 1, y);
      if (draw) write(cr, line, kLeft + indent, y, kBody);
      first = false;
    }
    y += 3;
  }

  y += 12;
  if (draw) divider(cr, y);
  y += 6;
  font(cr, 15, true);
  for (const std::string& line : wrap(cr, t.farewell, kRight - kLeft)) {
    y += 18;
    if (draw) write(cr, line, 100, y, {255, 232, 176}, true);
  }
  return y + 4;  // descenders
}

}  // namespace

Image scrollPicture(GameType type, Lang lang) {
  const StoryText& t = storyText(type, lang);
  const std::string name = std::string(langFolder(lang)) + "/" + storyFolder(type) + "/story";
  Canvas c(kScrollWidth, kScrollHeight);
  cairo_t* cr = c.cr();
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  const double end = setStory(cr, t, false);
  if (end > kScrollTextBottom)
    throw std::runtime_error(name + ": the text runs to row " + std::to_string(int(end)) +
                             ", past " + std::to_string(kScrollTextBottom));
  setStory(cr, t, true);
  Image img = c.toImage();
  avoidKey(img);
  // The limits are what the scroll timing relies on; check the pixels, not the layout sums.
  checkBlackRows(img, 0, kScrollTextTop - 1, name);
  checkBlackRows(img, kScrollTextBottom + 1, kScrollHeight - 1, name);
  return img;
}

}  // namespace art::story
