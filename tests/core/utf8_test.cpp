#include "services/utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, PrefixNeverCutsACharacter) {
  struct Case {
    const char* text;
    std::size_t max;
    const char* expected;
  };
  const Case cases[] = {
      {"abcdefghijkl", 9, "abcdefghi"},
      {"Přemyslovci", 9, "Přemyslo"},  // "ř" takes two of the nine bytes
      {"Žluťoučký", 9, "Žluťou"},      // a cut inside "č" steps back before it
      {"krátké", 9, "krátké"},
      {"", 9, ""},
      {"ž", 1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(svc::utf8Prefix(c.text, c.max), c.expected) << c.text;
}

TEST(Utf8, CharactersCountAndIndexByCodePoint) {
  EXPECT_EQ(svc::utf8Length("Nová Hra"), 8u);
  EXPECT_EQ(svc::utf8CharAt("Nová", 4), "á");
  EXPECT_EQ(svc::utf8CharAt("Nová", 5), "");
  EXPECT_EQ(svc::utf8CharAt("Nová", 0), "");
  std::string s = "Bílá";
  svc::utf8PopBack(s);
  EXPECT_EQ(s, "Bíl");
}

}  // namespace

namespace {

TEST(Utf8, PrefixByCharacters) {
  EXPECT_EQ(svc::utf8PrefixChars("Řeřichovský", 9), "Řeřichovs");
  EXPECT_EQ(svc::utf8PrefixChars("abc", 9), "abc");
  EXPECT_EQ(svc::utf8PrefixChars("žžž", 0), "");
}

}  // namespace

namespace {

// Damaged text: every byte that starts no well-formed sequence is a character of its own, so
// nine characters never take more than 36 bytes.
TEST(Utf8, BytesOutsideAWellFormedSequenceCountOneEach) {
  const std::string stray(100000, '\x80');
  struct Case {
    const char* name;
    std::string text;
    std::size_t length;
    std::string nine;  // the first nine characters
  };
  const Case cases[] = {
      {"stray continuation bytes", stray, 100000, std::string(9, '\x80')},
      {"a lead byte without its continuation", "\xC5x\xC5\xBEy", 4, "\xC5x\xC5\xBEy"},
      {"overlong form of '/'", "\xC0\xAF\xE0\x80\xAFz", 6, "\xC0\xAF\xE0\x80\xAFz"},
      {"surrogate", "\xED\xA0\x80", 3, "\xED\xA0\x80"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", 4, "\xF4\x90\x80\x80"},
      {"truncated at the end", "ab\xF0\x9F\x98", 5, "ab\xF0\x9F\x98"},
      {"four-byte characters", std::string(10, 'x').replace(0, 1, "\xF0\x9F\x98\x80"), 10,
       "\xF0\x9F\x98\x80xxxxxxxx"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(svc::utf8Length(c.text), c.length) << c.name;
    EXPECT_EQ(svc::utf8PrefixChars(c.text, 9), c.nine) << c.name;
  }
  EXPECT_EQ(svc::utf8Prefix(stray, 9), std::string(9, '\x80'));
  EXPECT_EQ(svc::utf8CharAt("a\x80\xC5\xBE", 2), "\x80");
  EXPECT_EQ(svc::utf8CharAt("a\x80\xC5\xBE", 3), "\xC5\xBE");
  std::string typed = "\xC5\xBE\x80\x80";
  svc::utf8PopBack(typed);
  EXPECT_EQ(typed, "\xC5\xBE\x80");
  typed = "x\xC5\xBE";
  svc::utf8PopBack(typed);
  EXPECT_EQ(typed, "x");
}

}  // namespace
