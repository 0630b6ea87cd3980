// The records and ghost files: what is kept, what a damaged file costs, and a line on standard
// error for each file that is not what it should be.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "extras/ghost_file.h"
#include "startup/records_store.h"

namespace {

namespace fs = std::filesystem;
using game::RecordKind;

struct TempDir {
  fs::path path = fs::temp_directory_path() / ("drovanta-rec-" + std::to_string(::getpid()));
  TempDir() { fs::create_directories(path); }
  ~TempDir() { fs::remove_all(path); }
  std::string file(const char* name) const { return (path / name).string(); }
};

int lines(const std::string& s) {
  return int(std::count(s.begin(), s.end(), '\n'));
}

TEST(RecordsFile, ARecordFallsOnlyToABetterResultAndIsWrittenAtOnce) {
  TempDir dir;
  const std::string path = dir.file("records.ini");
  const game::RecordOf village{"Vesnice", "Porsche", "Lehká"};
  game::RecordsStore store(path);
  store.load();
  struct Step {
    RecordKind kind;
    double value;
    bool record;
  };
  // clang-format off
  const Step steps[] = {
      {RecordKind::Lap, 55.5,     true},   // the first is a record
      {RecordKind::Lap, 56.0,     false},  // slower
      {RecordKind::Lap, 55.5004,  false},  // the same to the thousandth
      {RecordKind::Lap, 54.25,    true},
      {RecordKind::Lap, 0,        false},  // no time at all
      {RecordKind::Lap, NAN,      false},
      {RecordKind::Kolder, 7,     true},
      {RecordKind::Kolder, 7,     false},  // a count must beat the record
      {RecordKind::Kolder, 0,     false},
      {RecordKind::Kolder, 9,     true},
  };
  // clang-format on
  for (const Step& s : steps) EXPECT_EQ(store.offer(s.kind, village, s.value), s.record) << s.value;
  game::RecordsStore again(path);
  again.load();
  EXPECT_EQ(again.best(RecordKind::Lap, village), 54.25);
  EXPECT_EQ(again.best(RecordKind::Kolder, village), 9);
  EXPECT_FALSE(again.best(RecordKind::Race, village).has_value());
  EXPECT_FALSE(again.best(RecordKind::Lap, {"Město", "Porsche", "Lehká"}).has_value());
}

TEST(RecordsFile, EntriesThatAreNoRecordsAreIgnoredWithOneLine) {
  TempDir dir;
  const std::string path = dir.file("records.ini");
  std::ofstream(path) << "[records]\nlap/Vesnice/Porsche/Lehká=55.125\nlap/Vesnice/Porsche=50\n"
                         "race/Vesnice/Porsche/Lehká=-1\nkolder/Město/Truck=2.5\nwhat=ever\n"
                         "lap/Město/Ferari/Těžká=1e9\nkolder/Město/Truck=4\n[other]\nx=1\n";
  game::RecordsStore store(path);
  testing::internal::CaptureStderr();
  store.load();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(lines(err), 1) << err;
  EXPECT_NE(err.find("5 entries are not records"), std::string::npos) << err;
  EXPECT_EQ(store.all().size(), 1u);
  EXPECT_EQ(store.best(RecordKind::Lap, {"Vesnice", "Porsche", "Lehká"}), 55.125);
  // A record that falls is written; the rest of the file stays for the player to mend.
  EXPECT_TRUE(store.offer(RecordKind::Race, {"Vesnice", "Porsche", "Lehká"}, 170));
  std::ifstream in(path);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("race/Vesnice/Porsche/Lehká=170.000"), std::string::npos) << text;
  EXPECT_NE(text.find("what=ever"), std::string::npos) << text;
}

TEST(RecordsFile, TimesAsTheyAreShown) {
  const std::pair<double, const char*> cases[] = {
      {55.66, "0:55.66"}, {167.716, "2:47.716"}, {60, "1:00"}, {0.5, "0:00.5"}, {119.9996, "2:00"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(game::recordTimeText(seconds), text);
}

game::GhostLap sampleLap() {
  game::GhostLap lap;
  lap.lapMs = 55660;
  for (int i = 0; i < 50; ++i)
    lap.frames.push_back({float(i) * 2.5f, -float(i), float(i % 360), std::uint8_t(i % 7)});
  return lap;
}

TEST(GhostFile, ReadBackAsWrittenAndEveryDamageRefused) {
  const std::string good = game::ghostBytes(sampleLap());
  std::string why;
  const auto back = game::ghostFromBytes(good, &why);
  ASSERT_TRUE(back) << why;
  EXPECT_EQ(back->lapMs, 55660u);
  ASSERT_EQ(back->frames.size(), 50u);
  EXPECT_EQ(back->frames[7].x, 17.5f);
  EXPECT_EQ(back->frames[7].sprite, 0);

  auto withChecksum = [](std::string bytes) {
    // Seals damaged frames with a checksum that matches, to reach the frame checks.
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i + 4 < bytes.size(); ++i) h = (h ^ std::uint8_t(bytes[i])) * 16777619u;
    for (int i = 0; i < 4; ++i)
      bytes[bytes.size() - 4 + std::size_t(i)] = char((h >> (8 * i)) & 0xff);
    return bytes;
  };
  std::string otherVersion = good, flipped = good, badSprite = good, nanX = good;
  otherVersion[8] = 2;
  flipped[40] ^= 0x10;
  badSprite[20 + 12] = 9;
  nanX[20] = nanX[21] = char(0xff);
  nanX[22] = char(0xff);
  nanX[23] = char(0x7f);
  struct Case {
    const char* name;
    std::string bytes;
    const char* reason;
  };
  const Case cases[] = {
      {"empty", "", "not a ghost file"},
      {"another file", "PNG\x89 not a ghost at all, not at all", "not a ghost file"},
      {"another version", withChecksum(otherVersion), "another version"},
      {"cut short", good.substr(0, good.size() - 20), "cut short"},
      {"too long", good + "xx", "cut short"},
      {"a flipped bit", flipped, "checksum"},
      {"a picture that is not one", withChecksum(badSprite), "out of range"},
      {"not a number", withChecksum(nanX), "out of range"},
  };
  for (const Case& c : cases) {
    why.clear();
    EXPECT_FALSE(game::ghostFromBytes(c.bytes, &why)) << c.name;
    EXPECT_NE(why.find(c.reason), std::string::npos) << c.name << ": " << why;
  }
}

TEST(GhostFile, AMissingFileIsNoGhostSilentlyABadOneWithALine) {
  TempDir dir;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(game::readGhost(dir.file("none.bin")));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  std::ofstream(dir.file("bad.bin")) << "DRVGHOST";
  testing::internal::CaptureStderr();
  EXPECT_FALSE(game::readGhost(dir.file("bad.bin")));
  EXPECT_EQ(lines(testing::internal::GetCapturedStderr()), 1);
  ASSERT_TRUE(game::writeGhost(dir.file("good.bin"), sampleLap()));
  EXPECT_TRUE(game::readGhost(dir.file("good.bin")));
  EXPECT_FALSE(fs::exists(dir.file("good.bin.saving")));
  EXPECT_EQ(game::ghostFileName("Město", "Viper GTS"), "/Data/ghost-mc49bsto-viper20gts.bin");
}

}  // namespace
