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
      {"Žluťoučký", 9, "Žluťou"},     // a cut inside "č" steps back before it
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
