#include "story_text.h"

#include "services/utf8.h"

namespace art::story {

void font(cairo_t* cr, double size, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

double advance(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e.x_advance;
}

namespace {

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : text) {
    if (c == ' ') {
      if (!cur.empty()) out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}

bool isDash(const std::string& w) {
  return w == "–" || w == "—" || w == "-";
}

// Groups words that must not be split by a line break.
std::vector<std::string> unbreakable(const std::vector<std::string>& ws) {
  std::vector<std::string> out;
  bool glueNext = false;
  for (const std::string& w : ws) {
    if (!out.empty() && (glueNext || isDash(w))) {
      out.back() += " " + w;
    } else {
      out.push_back(w);
    }
    glueNext = svc::utf8Length(w) == 1 && !isDash(w);
  }
  return out;
}

}  // namespace

std::vector<std::string> wrap(cairo_t* cr, const std::string& text, double width) {
  std::vector<std::string> lines;
  std::string line;
  for (const std::string& group : unbreakable(words(text))) {
    const std::string tryLine = line.empty() ? group : line + " " + group;
    if (!line.empty() && advance(cr, tryLine) > width) {
      lines.push_back(line);
      line = group;
    } else {
      line = tryLine;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void write(cairo_t* cr, const std::string& text, double x, double y, Rgb colour, bool centred) {
  if (centred) x -= advance(cr, text) / 2;
  source(cr, colour);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

void writeGlowing(cairo_t* cr, const std::string& text, double x, double y, Rgb colour, Rgb glow,
                  double glowAlpha, int radius, bool centred) {
  if (centred) x -= advance(cr, text) / 2;
  cairo_font_face_t* face = cairo_get_font_face(cr);
  cairo_matrix_t m;
  cairo_get_font_matrix(cr, &m);
  blurred(
      cr,
      [&](cairo_t* lc) {
        cairo_set_font_face(lc, face);
        cairo_set_font_matrix(lc, &m);
        cairo_move_to(lc, x, y);
        cairo_text_path(lc, text.c_str());
        cairo_set_line_width(lc, radius * 0.5);
        cairo_stroke_preserve(lc);
        cairo_fill(lc);
      },
      radius, glow, glowAlpha);
  write(cr, text, x, y, colour);
}

}  // namespace art::story
