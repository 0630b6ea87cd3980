#include "services/text_renderer.h"

#include "services/utf8.h"

namespace svc {

std::vector<std::string> wrapText(TextRenderer& renderer, const std::string& text,
                                  const TextStyle& style, int width) {
  std::vector<std::string> lines;
  auto trimRight = [](std::string t) {
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
  };
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find_first_of("\r\n", start);
    const std::string paragraph =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    // Greedy filling at blanks. Runs of blanks count towards the width: the game's hover texts
    // use them to push words onto the next line of a narrow label. Blanks at a break vanish.
    std::string line;
    std::size_t i = 0;
    while (i < paragraph.size()) {
      const bool blank = paragraph[i] == ' ';
      std::size_t j = i;
      while (j < paragraph.size() && (paragraph[j] == ' ') == blank) ++j;
      const std::string token = paragraph.substr(i, j - i);
      i = j;
      if (blank) {
        if (!line.empty()) line += token;
        continue;
      }
      const std::string candidate = line + token;
      if (!line.empty() && renderer.lineWidth(trimRight(candidate), style) > width) {
        lines.push_back(trimRight(line));
        line = token;
      } else if (!line.empty() && renderer.lineWidth(trimRight(line), style) > width) {
        lines.push_back(trimRight(line));
        line = token;
      } else {
        line = candidate;
      }
    }
    lines.push_back(trimRight(line));
    if (end == std::string::npos) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

Coverage BoxTextRenderer::renderLine(const std::string& utf8, const TextStyle& style) {
  Coverage c;
  c.width = lineWidth(utf8, style);
  c.height = lineHeight(style);
  c.alpha.assign(std::size_t(c.width) * c.height, 0);
  const int cw = style.size / 2 + 1;
  std::size_t index = 0;
  for (std::size_t pos = 1; pos <= utf8Length(utf8); ++pos, ++index) {
    if (utf8CharAt(utf8, pos) == " ") continue;
    for (int y = 2; y < c.height - 2; ++y)
      for (int x = 0; x < cw - 1; ++x) c.alpha[std::size_t(y) * c.width + index * cw + x] = 255;
  }
  return c;
}

int BoxTextRenderer::lineWidth(const std::string& utf8, const TextStyle& style) {
  return int(utf8Length(utf8)) * (style.size / 2 + 1);
}

}  // namespace svc
