// Records and the ghost through whole autopilot races in one program folder: the first win sets
// the records and writes the ghost after its first counted lap; a slower win keeps them and races
// the ghost, which follows the recorded lap frame by frame; a record made slow by hand falls to
// the next race, and the end panel says so; damaged files cost nothing but themselves.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "script_run.h"

namespace {

namespace fs = std::filesystem;
using testjson::Value;
using testscript::runScriptText;
using testscript::ScriptRun;

const char* kLapKey = "lap/Vesnice/Porsche/Lehká";
const char* kRaceKey = "race/Vesnice/Porsche/Lehká";

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// A private program folder the runs share, as one player's installation.
struct Folder {
  fs::path path;
  Folder() {
    path = fs::temp_directory_path() / ("drovanta-records-" + std::to_string(::getpid()) + "-" +
                                        std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::remove_all(path);
    fs::copy(fs::path(DROVANTA_DRIVER).parent_path() / "Drovanta", path,
             fs::copy_options::recursive);
  }
  ~Folder() { fs::remove_all(path); }
  fs::path data(const std::string& name) const { return path / "Data" / name; }
};

std::string raceScript(const Folder& f, const std::string& autopilot, const std::string& dumps) {
  return "root " + f.path.string() +
         "\nsetting zkuky 0\nsetting unlockauta 1\nsetting jazyk cz\nstart\nselect typ Závody\n"
         "select auto Porsche\nselect barva Modrá\nselect trasa Vesnice\nselect Obtiznost Lehká\n"
         "race\n" +
         autopilot + "\n" + dumps;
}

// Dumps every few seconds until well after a three-lap race has ended, then one at the end.
std::string wholeRace() {
  std::string s;
  for (int i = 0; i < 48; ++i) s += "wait 5000\ndump\n";
  return s + "dump @end\n";
}

std::string endText(const Value& dump) {
  return dump["forms"]["Form1"]["controls"]["rekordy"]["text"].s;
}

struct GhostFileFrame {
  float x, y;
};
// The frames of a ghost file, read the way the format lays them out.
std::vector<GhostFileFrame> ghostFrames(const std::string& bytes) {
  std::vector<GhostFileFrame> frames;
  if (bytes.size() < 24 || bytes.compare(0, 8, "DRVGHOST") != 0) return frames;
  std::uint32_t count;
  std::memcpy(&count, bytes.data() + 16, 4);
  for (std::uint32_t i = 0; i < count && 20 + (i + 1) * 13 <= bytes.size(); ++i) {
    GhostFileFrame f;
    std::memcpy(&f.x, bytes.data() + 20 + i * 13, 4);
    std::memcpy(&f.y, bytes.data() + 24 + i * 13, 4);
    frames.push_back(f);
  }
  return frames;
}

TEST(Records, KeptBeatenAndRacedAsAGhostOverThreeRaces) {
  Folder folder;
  const fs::path ghostFile = folder.data("ghost-vesnice-porsche.bin");

  // The first win: every record is new.
  const ScriptRun first = runScriptText(raceScript(folder, "autopilot on", wholeRace()), 600);
  ASSERT_EQ(first.status, 0);
  const Value& won = first.dump("end");
  ASSERT_EQ(won["race"]["LapCount"].n, 3);
  const double lap = won["records"][kLapKey].n, race = won["records"][kRaceKey].n;
  EXPECT_GT(lap, 20);
  EXPECT_GT(race, 3 * lap - 0.01);
  const std::string records = readAll(folder.data("records.ini"));
  EXPECT_NE(records.find(kLapKey), std::string::npos) << records;
  EXPECT_NE(records.find(kRaceKey), std::string::npos) << records;
  EXPECT_NE(endText(won).find("Nový rekord!"), std::string::npos) << endText(won);
  const std::string settings = readAll(folder.data("snow.ini"));
  EXPECT_EQ(std::count(settings.begin(), settings.end(), '='), 10) << settings;
  // The ghost was written once the first lap counted.
  bool ghostAfterFirstLap = false;
  for (const Value& d : first.dumps)
    if (d.has("race") && d["race"]["LapCount"].n == 1 && d["ghost"]["loaded"].b)
      ghostAfterFirstLap = true;
  EXPECT_TRUE(ghostAfterFirstLap);
  const std::vector<GhostFileFrame> recorded = ghostFrames(readAll(ghostFile));
  ASSERT_GT(recorded.size(), 600u);

  // A slower win: the records stay, and the ghost of the best lap drives from the first crossing,
  // one recorded frame a frame.
  std::string closely;
  for (int i = 0; i < 4; ++i) closely += "wait 2000\ndump\n";
  for (int i = 0; i < 90; ++i) closely += "frames 1\ndump\n";
  // Paused, the ghost waits.
  closely += "key 27\nframes 5\ndump @paused\nframes 30\ndump @stillPaused\nkey 27\n";
  const ScriptRun second =
      runScriptText(raceScript(folder, "autopilot on 0.8", closely + wholeRace()), 600);
  ASSERT_EQ(second.status, 0);
  const Value& slower = second.dump("end");
  ASSERT_EQ(slower["race"]["LapCount"].n, 3);
  EXPECT_EQ(slower["records"][kLapKey].n, lap);
  EXPECT_EQ(slower["records"][kRaceKey].n, race);
  EXPECT_EQ(endText(slower).find("Nový rekord!"), std::string::npos) << endText(slower);
  EXPECT_NE(endText(slower).find("Nejlepší kolo"), std::string::npos) << endText(slower);
  int followed = 0;
  double lastFrame = -1;
  for (const Value& d : second.dumps) {
    const Value& g = d["ghost"];
    if (!g["shown"].b) continue;
    EXPECT_EQ(g["lapMs"].n, std::round(lap * 1000));
    const std::size_t k = std::size_t(g["frame"].n);
    ASSERT_LT(k, recorded.size());
    EXPECT_NEAR(g["x"].n, recorded[k].x, 0.01) << "frame " << k;
    EXPECT_NEAR(g["y"].n, recorded[k].y, 0.01) << "frame " << k;
    if (lastFrame >= 0 && g["frame"].n == lastFrame + 1) ++followed;
    lastFrame = g["frame"].n;
  }
  EXPECT_GT(followed, 60) << "the ghost moves on a recorded frame each frame";
  ASSERT_TRUE(second.dump("paused")["race"]["Paused"].b);
  EXPECT_TRUE(second.dump("paused")["ghost"]["shown"].b);
  EXPECT_EQ(second.dump("stillPaused")["ghost"]["frame"].n,
            second.dump("paused")["ghost"]["frame"].n);

  // Records made slow by hand fall to the next race, and the end panel says so.
  std::ofstream(folder.data("records.ini")) << "[records]\n"
                                            << kLapKey << "=999.000\n"
                                            << kRaceKey << "=2999.000\n";
  const ScriptRun third = runScriptText(raceScript(folder, "autopilot on", wholeRace()), 600);
  ASSERT_EQ(third.status, 0);
  const Value& faster = third.dump("end");
  EXPECT_LT(faster["records"][kLapKey].n, 999);
  EXPECT_LT(faster["records"][kRaceKey].n, 2999);
  EXPECT_NE(endText(faster).find("Nový rekord!"), std::string::npos) << endText(faster);
  EXPECT_NE(readAll(folder.data("records.ini")).find(kLapKey), std::string::npos);
}

TEST(Records, DamagedRecordsAndGhostFilesCostOnlyThemselves) {
  Folder folder;
  std::ofstream(folder.data("records.ini")) << "[records]\nlap/Vesnice/Porsche/Lehká=abc\nrace/"
                                               "Vesnice=12\nlap/Město/Viper GTS/Těžká=61.5\n"
                                               "kolder/Město/Truck=-3\n\xff\xfe=\x01\n";
  std::ofstream(folder.data("ghost-vesnice-porsche.bin"), std::ios::binary)
      << "DRVGHOST\x01garbage";
  const ScriptRun run =
      runScriptText(raceScript(folder, "autopilot on", "wait 15000\ndump @driving\n"), 300);
  ASSERT_EQ(run.status, 0);
  const Value& d = run.dump("driving");
  EXPECT_GT(d["race"]["Speed"].n, 0.1) << "the race goes on";
  ASSERT_EQ(d["records"].o.size(), 1u);
  EXPECT_EQ(d["records"]["lap/Město/Viper GTS/Těžká"].n, 61.5);
  EXPECT_FALSE(d["ghost"]["loaded"].b);
  EXPECT_EQ(testscript::setting(d, "unlockauta"), "1") << "the settings are the player's";
}

}  // namespace
