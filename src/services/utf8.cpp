#include "services/utf8.h"

namespace svc {
namespace {

bool isContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// The length of the character that starts at text[i]; 1 for a byte that starts no well-formed
// sequence (a stray continuation byte, an overlong form, a surrogate, a truncated sequence), so
// such a byte counts as one character of its own and a character never spans more than four bytes.
std::size_t charLength(std::string_view text, std::size_t i) {
  const std::size_t len = utf8SequenceLength(text, i);
  return len ? len : 1;
}

}  // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(text[i]);
  std::size_t len = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    if (c == 0xE0) lo = 0xA0;  // overlong
    if (c == 0xED) hi = 0x9F;  // surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    if (c == 0xF0) lo = 0x90;  // overlong
    if (c == 0xF4) hi = 0x8F;  // past U+10FFFF
  } else {
    return 0;
  }
  if (i + len > text.size()) return 0;
  const unsigned char second = static_cast<unsigned char>(text[i + 1]);
  if (second < lo || second > hi) return 0;
  for (std::size_t k = 2; k < len; ++k)
    if (!isContinuation(static_cast<unsigned char>(text[i + k]))) return 0;
  return len;
}

std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t n = 0;
  while (n < text.size()) {
    const std::size_t len = charLength(text, n);
    if (n + len > maxBytes) break;
    n += len;
  }
  return text.substr(0, n);
}

std::string_view utf8PrefixChars(std::string_view text, std::size_t maxChars) {
  std::size_t i = 0;
  for (std::size_t chars = 0; i < text.size() && chars < maxChars; ++chars)
    i += charLength(text, i);
  return text.substr(0, i);
}

std::size_t utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) ++n;
  return n;
}

std::string utf8CharAt(std::string_view text, std::size_t pos) {
  if (pos == 0) return {};
  std::size_t index = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = charLength(text, i);
    if (++index == pos) return std::string(text.substr(i, len));
    i += len;
  }
  return {};
}

void utf8PopBack(std::string& text) {
  if (text.empty()) return;
  // The last character is a well-formed sequence ending the text, or else its last byte alone.
  const std::size_t size = text.size();
  for (std::size_t len = 2; len <= 4 && len <= size; ++len) {
    if (charLength(text, size - len) == len) {
      text.resize(size - len);
      return;
    }
  }
  text.pop_back();
}

}  // namespace svc
