// Whole races played through the driver: the autopilot drives the player's car with the arrow
// keys only, against the computer car, on the real tracks; the Kolder Run; a long soak run.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "script_run.h"

namespace {

using testjson::Value;
using testscript::runScriptText;
using testscript::ScriptRun;
using testscript::setting;

struct Script {
  std::string text;
  Script& operator<<(const std::string& line) {
    text += line + "\n";
    return *this;
  }
  // `times` waits of ms each, every one followed by a dump.
  Script& dumpEvery(int ms, int times) {
    for (int i = 0; i < times; ++i) *this << "wait " + std::to_string(ms) << "dump";
    return *this;
  }
};

Script raceFromFreshSettings(const std::string& typ, const std::string& trasa,
                             const std::string& unlockauta) {
  Script s;
  s << "setting jazyk cz"
    << "setting zkuky 0"
    << "setting unlockmody 0"
    << "setting unlockauta " + unlockauta << "start"
    << "select typ " + typ << "select auto Viper GTS"
    << "select barva Červená"
    << "select trasa " + trasa << "select Obtiznost Lehká"
    << "race";
  return s;
}

const Value& control(const Value& dump, const char* name) {
  return dump["forms"]["Form1"]["controls"][name];
}

// The last dump in which the race had ended (its end panel shown).
const Value* finished(const ScriptRun& run) {
  const Value* last = nullptr;
  for (const Value& d : run.dumps)
    if (d.has("race") && control(d, "konec")["visible"].b) last = &d;
  return last;
}

const std::regex kLapTime("[01]:[0-9]+(\\.[0-9]{1,3})?");

// Every counted lap was shown in the lap message, and the three slots hold their times.
void expectThreeAcceptedLaps(const ScriptRun& run, const Value& end, const std::string& name) {
  EXPECT_EQ(end["race"]["LapCount"].n, 3) << name;
  for (const char* slot : {"labelcas(0)", "labelcas(1)", "labelcas(2)"})
    EXPECT_TRUE(std::regex_match(control(end, slot)["text"].s, kLapTime))
        << name << " " << slot << ": " << control(end, slot)["text"].s;
  bool shown[4] = {};
  for (const Value& d : run.dumps) {
    if (!d.has("race")) continue;
    EXPECT_FALSE(control(d, "wrongway")["visible"].b) << name << ": a lap was refused";
    std::smatch m;
    const std::string lap = control(d, "Label10")["text"].s;
    if (std::regex_match(lap, m, std::regex("Round : ([123]) cas: ([01]:[0-9]+(\\.[0-9]{1,3})?)")))
      shown[std::stoi(m[1])] = true;
  }
  for (int lap = 1; lap <= 3; ++lap) EXPECT_TRUE(shown[lap]) << name << ": lap " << lap;
}

TEST(AutopilotRace, WinsEveryLapAcceptedAndUnlocks) {
  struct Case {
    const char* trasa;
    const char* unlockautaBefore;
    const char* picture;
    const char* unlockauta;
    const char* unlockmody;
  };
  const Case cases[] = {{"Vesnice", "0", "/gfx/story/cz/win.bmp", "1", "0"},
                        {"Město", "1", "/gfx/story/cz/win2.bmp", "2", "1"}};
  for (const Case& c : cases) {
    Script s = raceFromFreshSettings("Závody", c.trasa, c.unlockautaBefore);
    s << "autopilot on";
    s.dumpEvery(2000, 110);
    s << "click Form1.ok"
      << "wait 100"
      << "dump @relaunched";
    const ScriptRun run = runScriptText(s.text);
    ASSERT_EQ(run.status, 0) << c.trasa;
    const Value* end = finished(run);
    ASSERT_NE(end, nullptr) << c.trasa << ": the race did not end";
    expectThreeAcceptedLaps(run, *end, c.trasa);
    EXPECT_EQ(control(*end, "textik")["picture"].s, c.picture) << c.trasa;
    // Leaving saved the unlocks before the program started again.
    const Value& after = run.dump("relaunched");
    EXPECT_EQ(after["relaunches"].n, 1) << c.trasa;
    const std::string file = after["settingsFile"].s;
    EXPECT_NE(file.find(std::string("unlockauta=") + c.unlockauta), std::string::npos) << file;
    EXPECT_NE(file.find(std::string("unlockmody=") + c.unlockmody), std::string::npos) << file;
    EXPECT_NE(file.find("rez1=false"), std::string::npos) << file;
  }
}

TEST(AutopilotRace, BelowHalfSpeedTheOpponentWinsAndNothingUnlocks) {
  Script s = raceFromFreshSettings("Závody", "Vesnice", "0");
  s << "autopilot on 0.45";
  s.dumpEvery(20000, 30);
  const ScriptRun run = runScriptText(s.text);
  ASSERT_EQ(run.status, 0);
  const Value* end = finished(run);
  ASSERT_NE(end, nullptr) << "the race did not end";
  EXPECT_EQ((*end)["race"]["LapCount"].n, 3);
  EXPECT_GE((*end)["race"]["OpponentLaps"].n, 3);
  EXPECT_EQ(control(*end, "textik")["picture"].s, "/gfx/story/cz/end.bmp");
  EXPECT_TRUE(control(*end, "Image3")["visible"].b);
  EXPECT_FALSE(control(*end, "ok")["visible"].b);
  EXPECT_EQ(setting(*end, "unlockauta"), "0");
  EXPECT_EQ(setting(*end, "unlockmody"), "0");
}

TEST(AutopilotRace, TheChampionshipGoesFromTheVillageToTheCity) {
  Script s = raceFromFreshSettings("Championat", "Vesnice", "0");
  s << "autopilot on";
  s.dumpEvery(20000, 10);
  s << "click Form1.Image1";
  s.dumpEvery(2000, 100);
  const ScriptRun run = runScriptText(s.text);
  ASSERT_EQ(run.status, 0) << "the Village race was not won in time";
  const Value* end = finished(run);
  ASSERT_NE(end, nullptr);
  EXPECT_EQ((*end)["race"]["TrackKind"].n, 2);
  EXPECT_EQ(control(*end, "textik")["picture"].s, "/gfx/story/cz/win4.bmp");
  EXPECT_TRUE(control(*end, "Command4")["visible"].b);
  EXPECT_FALSE(control(*end, "Image1")["visible"].b);
  EXPECT_EQ(setting(*end, "unlockmody"), "2");
  EXPECT_EQ(setting(*end, "unlockauta"), "2");
}

TEST(KolderRun, ItemsAreCollectedUntilTheClockRunsOutThenANewRun) {
  // The ten places an item can stand on; the car is put in the middle of each in turn.
  const int places[][2] = {{-300, -500}, {-700, -500}, {-300, -950}, {-700, -950}, {300, -150},
                           {850, -650},  {600, -30},   {100, -150},  {550, -500},  {400, -30}};
  Script s = raceFromFreshSettings("Kolder Run", "Město", "2");
  s << "wait 5000";
  for (int round = 0; round < 8; ++round)
    for (const auto& p : places)
      s << "set ViewLeft " + std::to_string(p[0] + 50 - 320)
        << "set ViewTop " + std::to_string(p[1] + 50 - 240) << "set Speed 0"
        << "frames 3";
  s << "dump @collecting"
    << "wait 125000"
    << "dump @over"
    << "click Form1.kolde"
    << "frames 2"
    << "dump @again";
  const ScriptRun run = runScriptText(s.text);
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 3u);
  const Value& collecting = run.dump("collecting");
  const int count = int(collecting["race"]["KolderCount"].n);
  EXPECT_GE(count, 3);
  EXPECT_EQ(control(collecting, "Label17")["text"].s, "Kolder : " + std::to_string(count));
  const Value& over = run.dump("over");
  EXPECT_LT(over["race"]["TimeLeft"].n, 0);
  EXPECT_TRUE(control(over, "konec")["visible"].b);
  EXPECT_EQ(control(over, "textik")["picture"].s, "/gfx/story/cz/kolder.bmp");
  EXPECT_TRUE(control(over, "Label18")["visible"].b);
  EXPECT_EQ(control(over, "Label18")["text"].s, std::to_string(count));
  EXPECT_TRUE(control(over, "kolde")["visible"].b);
  const Value& again = run.dump("again");
  EXPECT_TRUE(again["race"]["KolderRunMode"].b);
  EXPECT_EQ(again["race"]["TimeLeft"].n, 120);
  EXPECT_EQ(again["race"]["KolderCount"].n, 0);
  EXPECT_EQ(control(again, "Label16")["text"].s, "time : 120");
  EXPECT_FALSE(control(again, "konec")["visible"].b);
}

TEST(Soak, HalfAnHourOfACityRaceKeepsItsMemory) {
  Script s = raceFromFreshSettings("Závody", "Město", "1");
  s << "autopilot on";
  s.dumpEvery(300000, 6);
  const ScriptRun run = runScriptText(s.text);
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 6u);
  const double first = run.dumps[0]["residentKb"].n, last = run.dumps.back()["residentKb"].n;
  EXPECT_LT(last - first, 8 * 1024) << first << " KiB after 5 minutes, " << last << " after 30";
  EXPECT_GE(run.dumps.back()["race"]["OpponentLaps"].n, 30);
}

}  // namespace
