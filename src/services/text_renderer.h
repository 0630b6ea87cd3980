// Drawing of label and text-field texts: a renderer turns UTF-8 text into a coverage mask, which
// a control then tints with its colour over whatever lies beneath.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace svc {

struct TextStyle {
  int size = 12;  // pixel height of the font
  bool bold = false;
};

// 8-bit coverage: 0 nothing, 255 full ink.
struct Coverage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> alpha;
};

class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  // One line of text, unwrapped.
  virtual Coverage renderLine(const std::string& utf8, const TextStyle& style) = 0;
  // Width in pixels of one line.
  virtual int lineWidth(const std::string& utf8, const TextStyle& style) = 0;
  virtual int lineHeight(const TextStyle& style) = 0;
};

// Splits text into lines no wider than width (at blanks, as a word-wrapping label does; a word
// wider than the line is put on a line of its own). Explicit line breaks are kept.
std::vector<std::string> wrapText(TextRenderer& renderer, const std::string& text,
                                  const TextStyle& style, int width);

// A renderer without fonts: every character is a small box. For unit tests.
class BoxTextRenderer : public TextRenderer {
 public:
  Coverage renderLine(const std::string& utf8, const TextStyle& style) override;
  int lineWidth(const std::string& utf8, const TextStyle& style) override;
  int lineHeight(const TextStyle& style) override { return style.size + 2; }
};

}  // namespace svc
