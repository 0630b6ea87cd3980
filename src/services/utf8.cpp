#include "services/utf8.h"

namespace svc {
namespace {
bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t n = maxBytes;
  // Step back over continuation bytes to the start of the character that was cut.
  while (n > 0 && isContinuation(static_cast<unsigned char>(text[n]))) --n;
  return text.substr(0, n);
}

std::string_view utf8PrefixChars(std::string_view text, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isContinuation(static_cast<unsigned char>(text[i]))) continue;
    if (chars == maxChars) return text.substr(0, i);
    ++chars;
  }
  return text;
}

std::size_t utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += !isContinuation(c);
  return n;
}

std::string utf8CharAt(std::string_view text, std::size_t pos) {
  if (pos == 0) return {};
  std::size_t index = 0;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t len = 1;
    while (i + len < text.size() && isContinuation(static_cast<unsigned char>(text[i + len]))) ++len;
    if (++index == pos) return std::string(text.substr(i, len));
    i += len;
  }
  return {};
}

void utf8PopBack(std::string& text) {
  while (!text.empty()) {
    const bool lead = !isContinuation(static_cast<unsigned char>(text.back()));
    text.pop_back();
    if (lead) break;
  }
}

}  // namespace svc
