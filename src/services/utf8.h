// Small UTF-8 helpers: the game stores and shows its Czech texts as UTF-8. A byte that does not
// start a well-formed sequence (as in a damaged settings file) counts as one character, so a
// character is never longer than four bytes.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace svc {

// The length in bytes of the well-formed character that starts at text[i], or 0 when the byte
// there starts none (a stray continuation byte, an overlong form, a surrogate, a sequence cut
// short or past U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text, std::size_t i);

// The longest prefix of text that has at most maxBytes bytes and does not end inside a
// multi-byte character.
std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes);

// The longest prefix of text with at most maxChars characters (code points).
std::string_view utf8PrefixChars(std::string_view text, std::size_t maxChars);

// Number of characters (code points) in text.
std::size_t utf8Length(std::string_view text);

// The character at 1-based position pos, or "" past the end.
std::string utf8CharAt(std::string_view text, std::size_t pos);

// Drops the last character (for Backspace in a text field).
void utf8PopBack(std::string& text);

}  // namespace svc
