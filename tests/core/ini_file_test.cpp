// The settings-file format: reads as the settings store expects them, writes that keep
// everything else, and saves that never leave a broken file.
#include "services/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

TEST(IniRead, FindsValuesAsTheSettingsStoreExpects) {
  struct Case {
    const char* name;
    const char* text;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"plain", "[dv]\njazyk=cz\n", "jazyk", "cz"},
      {"names ignore case", "[DV]\nJAZYK=cz\n", "jazyk", "cz"},
      {"values trimmed", "[dv]\n  jazyk  =   ang  \n", "jazyk", "ang"},
      {"double quotes removed", "[dv]\nhrac=\" Jan \"\n", "hrac", " Jan "},
      {"single quotes removed", "[dv]\nhrac='Jan'\n", "hrac", "Jan"},
      {"unmatched quotes kept", "[dv]\nhrac=\"Jan'\n", "hrac", "\"Jan'"},
      {"first duplicate wins", "[dv]\nhrac=A\nhrac=B\n", "hrac", "A"},
      {"CRLF", "[dv]\r\nhrac=A\r\nzkuky=1\r\n", "zkuky", "1"},
      {"CR", "[dv]\rhrac=A\rzkuky=1\r", "zkuky", "1"},
      {"no line end at the end", "[dv]\nzkuky=1", "zkuky", "1"},
      {"other sections ignored", "[x]\nhrac=X\n[dv]\nhrac=A\n", "hrac", "A"},
      {"empty value", "[dv]\nhrac=\n", "hrac", ""},
      {"first '=' splits", "[dv]\nhrac=a=b\n", "hrac", "a=b"},
      {"comments skipped", "[dv]\n;hrac=X\n# hrac=Y\nhrac=A\n", "hrac", "A"},
      {"only the first section of a name", "[dv]\na=1\n[dv]\nhrac=B\n", "hrac", "D"},
      {"nine characters", "[dv]\nhrac=Alexandrovic\n", "hrac", "Alexandro"},
      {"nine Czech characters", "[dv]\nhrac=Řeřichovský\n", "hrac", "Řeřichovs"},
      {"missing key", "[dv]\nhrac=A\n", "jazyk", "D"},
      {"missing section", "[x]\njazyk=cz\n", "jazyk", "D"},
      {"empty text", "", "jazyk", "D"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(svc::profileLookup(c.text, "dv", c.key, "D", 10), c.expected) << c.name;
}

TEST(IniRead, DefaultsLoseTrailingBlanksAndAreCutToo) {
  EXPECT_EQ(svc::profileLookup("", "dv", "k", "pro  \t ", 10), "pro");
  EXPECT_EQ(svc::profileLookup("", "dv", "k", "speciálně", 10), "speciálně");
  EXPECT_EQ(svc::profileLookup("", "dv", "k", "0123456789", 10), "012345678");
  EXPECT_EQ(svc::profileLookup("", "dv", "k", "abc", 0), "");
}

TEST(IniUpdate, KeepsEverythingElseAndTheKeysPlace) {
  struct Case {
    const char* name;
    const char* before;
    const char* key;
    const char* value;
    const char* after;
  };
  const Case cases[] = {
      {"replaced in place", "; top\n[dv]\na=1\nhrac=A\nb=2\n", "hrac", "B",
       "; top\n[dv]\na=1\nhrac=B\nb=2\n"},
      {"new key after the last entry", "[dv]\na=1\n\n[x]\nq=1\n", "hrac", "B",
       "[dv]\na=1\nhrac=B\n\n[x]\nq=1\n"},
      {"new key in an empty section", "[dv]\n[x]\nq=1\n", "hrac", "B", "[dv]\nhrac=B\n[x]\nq=1\n"},
      {"new section at the end", "[x]\nq=1\n", "hrac", "B", "[x]\nq=1\n[dv]\nhrac=B\n"},
      {"new section, no line end", "[x]\nq=1", "hrac", "B", "[x]\nq=1\n[dv]\nhrac=B\n"},
      {"new file", "", "hrac", "B", "[dv]\nhrac=B\n"},
      {"empty value", "[dv]\nhrac=A\n", "hrac", "", "[dv]\nhrac=\n"},
      {"CRLF kept", "[dv]\r\nhrac=A\r\n", "jazyk", "cz", "[dv]\r\nhrac=A\r\njazyk=cz\r\n"},
      {"case of the key as written", "[DV]\nHRAC=A\n", "hrac", "B", "[DV]\nhrac=B\n"},
      {"comments in the section stay", "[dv]\n;c\nhrac=A\n;d\n", "jazyk", "cz",
       "[dv]\n;c\nhrac=A\njazyk=cz\n;d\n"},
      {"a line break cannot add a line", "[dv]\n", "hrac", "A\n[x]", "[dv]\nhrac=A [x]\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(svc::profileUpdate(c.before, "dv", c.key, c.value), c.after) << c.name;
}

// Damaged text counts a byte that starts no character as one: nine of them at most.
TEST(IniRead, DamagedUtf8IsCutAtNineCharactersToo) {
  const auto repeat = [](const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
  };
  struct Case {
    const char* name;
    std::string value;
    std::string expected;
  };
  const Case cases[] = {
      {"100,000 stray bytes", std::string(100000, '\x80'), std::string(9, '\x80')},
      {"stray bytes after a name", "Jan" + std::string(20, '\xBF'), "Jan" + std::string(6, '\xBF')},
      {"lead bytes without their ends", std::string(12, '\xC5'), std::string(9, '\xC5')},
      {"four-byte characters", repeat("\xF0\x9F\x8F\x8E", 10), repeat("\xF0\x9F\x8F\x8E", 9)},
  };
  for (const Case& c : cases) {
    const std::string read =
        svc::profileLookup("[dv]\nhrac=" + c.value + "\n", "dv", "hrac", "", 10);
    EXPECT_TRUE(read == c.expected) << c.name << ": " << read.size() << " bytes";
    EXPECT_LE(read.size(), 36u) << c.name;
  }
}

class IniFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/drovanta-ini-XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }
  std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::string dir_;
};

TEST_F(IniFile, WritesAllValuesInOneGoAndReadsThemBack) {
  const std::string path = dir_ + "/snow.ini";
  std::ofstream(path) << "; settings\n[dv]\nhrac=Old\n";
  ASSERT_TRUE(svc::writeProfileStrings(path, "dv", {{"Rozliseni", "0"}, {"hrac", "Jan"}}));
  EXPECT_EQ(read(path), "; settings\n[dv]\nhrac=Jan\nRozliseni=0\n");
  EXPECT_EQ(svc::getProfileString(path, "dv", "hrac", "x", 10), "Jan");
  EXPECT_EQ(svc::getProfileString(dir_ + "/missing.ini", "dv", "hrac", "Tento", 10), "Tento");
  // No temporary files are left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(IniFile, AFailedSaveLeavesTheOldFileAsItWas) {
  EXPECT_FALSE(svc::writeProfileString(dir_ + "/no-such-folder/snow.ini", "dv", "hrac", "A"));
  // A name so long that no temporary file can be made beside it: the save fails before
  // touching the file.
  const std::string longPath = dir_ + "/" + std::string(250, 's');
  std::ofstream(longPath) << "[dv]\nhrac=Old\n";
  EXPECT_FALSE(svc::writeProfileString(longPath, "dv", "hrac", "New"));
  EXPECT_EQ(read(longPath), "[dv]\nhrac=Old\n");
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::string path = dir_ + "/snow.ini";
  std::ofstream(path) << "[dv]\nhrac=Old\n";
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(svc::writeProfileString(path, "dv", "hrac", "New"));
  EXPECT_EQ(read(path), "[dv]\nhrac=Old\n");
}

TEST_F(IniFile, ASaveReplacesTheFileAtomically) {
  // The new contents arrive under a new inode by a rename: a reader holding the old file
  // still sees all of the old text, never a half-written one.
  const std::string path = dir_ + "/snow.ini";
  std::ofstream(path) << "[dv]\nhrac=Old\n";
  std::ifstream held(path);
  struct stat before {};
  ::stat(path.c_str(), &before);
  ASSERT_TRUE(svc::writeProfileString(path, "dv", "hrac", "New"));
  struct stat after {};
  ::stat(path.c_str(), &after);
  EXPECT_NE(before.st_ino, after.st_ino);
  std::stringstream old;
  old << held.rdbuf();
  EXPECT_EQ(old.str(), "[dv]\nhrac=Old\n");
  EXPECT_EQ(read(path), "[dv]\nhrac=New\n");
}

}  // namespace
