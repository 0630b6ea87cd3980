// The settings-file format: reads as the settings store expects them, writes that keep
// everything else, and saves that never leave a broken file.
#include "services/ini_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <ctime>
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

// A whole section as the lookups read it: first of duplicates, quotes off, comments and other
// sections skipped, names compared without case.
TEST(IniRead, AWholeSectionInTheOrderOfTheFile) {
  const std::string text =
      "[other]\nx=1\n[Records]\n; note\nb = 2\na='quoted'\nB=3\nnovalue\n= empty key\n"
      "c=\n[records]\nd=4\n";
  const svc::ProfileValues got = svc::profileSection(text, "records", 256);
  const svc::ProfileValues want = {{"b", "2"}, {"a", "quoted"}, {"c", ""}};
  EXPECT_EQ(got, want);
  EXPECT_TRUE(svc::profileSection(text, "none", 256).empty());
  EXPECT_EQ(svc::profileSection("[r]\nk=abcdef\n", "r", 4), (svc::ProfileValues{{"k", "abc"}}));
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

// A value ends at its first character of code 0, as the reader's buffer does: what follows is
// neither read nor written back.
TEST(IniRead, AValueEndsAtItsFirstNul) {
  using namespace std::string_literals;
  struct Case {
    const char* name;
    std::string text;
    std::string def;
    const char* expected;
  };
  const Case cases[] = {
      {"in the value", "[dv]\nhrac=Ja\0n\nzkuky=1\n"s, "D", "Ja"},
      {"first in the value", "[dv]\nhrac=\0Jan\n"s, "D", ""},
      {"inside quotes", "[dv]\nhrac=\"A\0B\"\n"s, "D", "A"},
      {"in the default", "[dv]\n"s, "Te\0nto"s, "Te"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(svc::profileLookup(c.text, "dv", "hrac", c.def, 10), c.expected) << c.name;
  EXPECT_EQ(svc::profileUpdate("[dv]\nhrac=A\n", "dv", "hrac", "Ja\0n\n[x]"s), "[dv]\nhrac=Ja\n");
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

namespace {

std::string utf16(std::u16string_view text, bool bigEndian) {
  std::string out;
  for (char16_t u : text) {
    const char lo = char(u & 0xFF), hi = char(u >> 8);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

// Files as Windows editors save them: each is read, and updated in place in its own encoding,
// with its mark and its line ends.
TEST_F(IniFile, MarkedFilesAreReadAndUpdatedInTheirOwnEncoding) {
  // The section header comes first, right after the mark.
  const std::u16string before16 = u"[dv]\r\nhrac=Řehoř\r\n; nastavení\r\njazyk=cz\r\n";
  const std::u16string after16 = u"[dv]\r\nhrac=Žofie\r\n; nastavení\r\njazyk=cz\r\nzkuky=1\r\n";
  const std::string before8 = "[dv]\r\nhrac=Řehoř\r\n; nastavení\r\njazyk=cz\r\n";
  const std::string after8 = "[dv]\r\nhrac=Žofie\r\n; nastavení\r\njazyk=cz\r\nzkuky=1\r\n";
  struct Case {
    const char* name;
    std::string before, after;
  };
  const Case cases[] = {
      {"UTF-8", before8, after8},
      {"UTF-8 with its mark", "\xEF\xBB\xBF" + before8, "\xEF\xBB\xBF" + after8},
      {"UTF-16LE", "\xFF\xFE" + utf16(before16, false), "\xFF\xFE" + utf16(after16, false)},
      {"UTF-16BE", "\xFE\xFF" + utf16(before16, true), "\xFE\xFF" + utf16(after16, true)},
  };
  const std::string path = dir_ + "/snow.ini";
  for (const Case& c : cases) {
    std::ofstream(path, std::ios::binary) << c.before;
    EXPECT_EQ(svc::getProfileString(path, "dv", "hrac", "Tento", 10), "Řehoř") << c.name;
    EXPECT_EQ(svc::getProfileString(path, "dv", "jazyk", "program", 10), "cz") << c.name;
    ASSERT_TRUE(svc::writeProfileStrings(path, "dv", {{"hrac", "Žofie"}, {"zkuky", "1"}}))
        << c.name;
    EXPECT_EQ(read(path), c.after) << c.name;
    EXPECT_EQ(svc::getProfileString(path, "dv", "hrac", "Tento", 10), "Žofie") << c.name;
  }
}

// Reading and saving take time in proportion to the file: a start on a file of 10 MB of blank
// lines once took seconds and half a gigabyte. Processor time, so a busy machine does not count.
TEST_F(IniFile, ReadingAndSavingAHugeFileTakeLittleTime) {
  const std::string path = dir_ + "/snow.ini";
  const std::string blank(10'000'000, '\n');
  std::ofstream(path, std::ios::binary) << "[dv]\nhrac=Jan\n" << blank;
  const std::clock_t start = std::clock();
  const char* keys[] = {"Rozliseni",  "hrac", "jazyk",  "Obtiznost", "unlockmody",
                        "unlockauta", "rez1", "runing", "zkuky",     "hlasitost"};
  std::vector<std::pair<std::string, std::string>> values;
  for (const char* key : keys)
    values.emplace_back(key, svc::getProfileString(path, "dv", key, "x", 10));
  ASSERT_TRUE(svc::writeProfileStrings(path, "dv", values));
  const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
  EXPECT_LT(seconds, 3.0);
  EXPECT_EQ(values[1].second, "Jan");
  // The keys that were missing follow the last entry, before the blank lines.
  std::string expected = "[dv]\nhrac=Jan\n";
  for (const char* key : keys)
    if (std::string(key) != "hrac") expected += std::string(key) + "=x\n";
  EXPECT_TRUE(read(path) == expected + blank);
}

}  // namespace

namespace {

std::vector<std::string> namesIn(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A save killed half-way leaves one temporary file at most, and the next save takes it over.
TEST_F(IniFile, KilledSavesLeaveOneTemporaryFileThatTheNextSaveRemoves) {
  const std::string path = dir_ + "/snow.ini";
  std::ofstream(path) << "[dv]\nhrac=Old\n";
  for (int round = 0; round < 6; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0; i < 100000; ++i)
        svc::writeProfileString(path, "dv", "hrac", std::to_string(i % 2 ? 100 : 2000000));
      ::_exit(0);
    }
    ::usleep(20000 + 7000 * useconds_t(round));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_LE(namesIn(dir_).size(), 2u) << "round " << round;
  }
  // Whatever the kills interrupted, the file was whole all along.
  const std::string last = svc::getProfileString(path, "dv", "hrac", "", 10);
  EXPECT_TRUE(last == "Old" || last == "100" || last == "2000000") << last;
  ASSERT_TRUE(svc::writeProfileString(path, "dv", "hrac", "New"));
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"snow.ini"});
  EXPECT_EQ(read(path), "[dv]\nhrac=New\n");
}

TEST_F(IniFile, ALeftoverTemporaryFileIsTakenOverByTheNextSave) {
  const std::string path = dir_ + "/snow.ini";
  std::ofstream(path) << "[dv]\nhrac=Old\n";
  fs::permissions(path, fs::perms(0640));
  std::ofstream(path + ".saving") << "[dv]\nhrac=Half-written and much longer than the new file";
  fs::permissions(path + ".saving", fs::perms(0600));
  ASSERT_TRUE(svc::writeProfileString(path, "dv", "hrac", "New"));
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"snow.ini"});
  EXPECT_EQ(read(path), "[dv]\nhrac=New\n");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
}

// While another save holds the temporary file, this one gives way instead of writing into it.
TEST_F(IniFile, ASaveUnderWayIsNotDisturbed) {
  const std::string path = dir_ + "/snow.ini";
  std::ofstream(path) << "[dv]\nhrac=Old\n";
  const int held = ::open((path + ".saving").c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  std::string error;
  EXPECT_FALSE(svc::writeProfileString(path, "dv", "hrac", "New", &error));
  EXPECT_EQ(error, "cannot save " + path + ": another save of it is under way");
  EXPECT_EQ(read(path), "[dv]\nhrac=Old\n");
  EXPECT_TRUE(fs::exists(path + ".saving"));
  ::close(held);
}

// A failed save says which file and why, in one line, and leaves the file as it was. The tests
// run as root, which writes where the mode bits forbid it: the file's own bits must decide.
TEST_F(IniFile, AFailedSaveSaysWhy) {
  const std::string path = dir_ + "/snow.ini";
  struct Case {
    const char* name;
    std::string file;
    fs::perms mode;
    std::string error;
  };
  const Case cases[] = {
      {"read-only file", path, fs::perms::owner_read | fs::perms::group_read,
       "cannot save " + path + ": the file is read-only"},
      {"read-only for its owner alone", path, fs::perms::owner_read | fs::perms::group_write,
       "cannot save " + path + ": the file is read-only"},
      {"missing folder", dir_ + "/Data/snow.ini", fs::perms::none,
       "cannot save " + dir_ + "/Data/snow.ini: cannot create " + dir_ +
           "/Data/snow.ini.saving: No such file or directory"},
  };
  for (const Case& c : cases) {
    if (c.mode != fs::perms::none) {
      std::ofstream(c.file) << "[dv]\nhrac=Old\n";
      fs::permissions(c.file, c.mode);
    }
    std::string error;
    EXPECT_FALSE(svc::writeProfileString(c.file, "dv", "hrac", "New", &error)) << c.name;
    EXPECT_EQ(error, c.error) << c.name;
    EXPECT_EQ(error.find('\n'), std::string::npos) << c.name;
    if (c.mode != fs::perms::none) {
      EXPECT_EQ(read(c.file), "[dv]\nhrac=Old\n") << c.name;
      EXPECT_EQ(fs::status(c.file).permissions(), c.mode) << c.name;
      fs::remove(c.file);
    }
    EXPECT_EQ(namesIn(dir_).size(), 0u) << c.name;
  }
}

}  // namespace

namespace {

// Something other than a file under the name: reads give the defaults at once instead of
// waiting on a pipe, and a save leaves it alone.
TEST_F(IniFile, APipeInPlaceOfTheFileIsNeitherWaitedOnNorReplaced) {
  const std::string path = dir_ + "/snow.ini";
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
  EXPECT_EQ(svc::getProfileString(path, "dv", "hrac", "Tento", 10), "Tento");
  std::string error;
  EXPECT_FALSE(svc::writeProfileString(path, "dv", "hrac", "Jan", &error));
  EXPECT_EQ(error, "cannot save " + path + ": cannot read it: Invalid argument");
  EXPECT_TRUE(fs::is_fifo(path));
}

}  // namespace
