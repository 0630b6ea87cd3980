// Driving through the driver: the arrow keys on the real race window, frame by frame, on the
// Village's start straight and the Parking ground.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "script_run.h"

namespace {

using testjson::Value;
using testscript::runScriptText;
using testscript::ScriptRun;

struct Script {
  std::string text;
  Script& operator<<(const std::string& line) {
    text += line + "\n";
    return *this;
  }
};

// A race that has just been released by the lights, the car at rest on its start.
Script released(const std::string& trasa, const std::string& difficulty = "Lehká",
                const std::string& typ = "Volná jízda") {
  Script s;
  s << "setting zkuky 0"
    << "setting jazyk cz"
    << "start"
    << "select typ " + typ << "select auto Viper GTS"
    << "select barva Žlutá"
    << "select trasa " + trasa << "select Obtiznost " + difficulty << "race"
    << "wait 4600";
  return s;
}

const Value& race(const Value& dump) {
  return dump["race"];
}
double field(const Value& dump, const char* name) {
  return dump["race"][name].n;
}

// The dump labelled "start" is taken just before the keys go down, in the same moment as the
// state is set; a key is handled between two frames, so the later dumps are found by how many
// frames have run since that one.
const Value* afterFrames(const ScriptRun& run, int frames) {
  const double base = field(run.dump("start"), "TotalFrames");
  for (const Value& d : run.dumps)
    if (field(d, "TotalFrames") - base == frames) return &d;
  return nullptr;
}

// Dumps after every one of the frames first..last since the first dump (and one more, as the
// key may be handled before or after the frame it is pressed in).
void dumpFrames(Script& s, int first, int last) {
  if (first > 1) s << "frames " + std::to_string(first - 1);
  for (int i = first; i <= last + 1; ++i)
    s << "dump"
      << "frames 1";
}

TEST(Driving, TheNumbersOfThePedals) {
  struct Case {
    const char* name;
    double startSpeed;
    const char* key;  // held from the first frame
    int frames;       // after this many frames ...
    double before;    // ... one frame earlier the speed was this
    double after;     // ... and now it is this
  };
  const Case cases[] = {
      {"full speed after 100 frames of Up", 0, "38", 100, 0.99, 1},
      {"200 frames of rolling to a stop", 1, "", 200, 0.005, 0},
      {"34 frames of braking to a stop", 1, "40", 34, 0.01, -0.02},
      {"reversing ends at -0.2", 0, "40", 40, -0.2, -0.2},
  };
  for (const Case& c : cases) {
    Script s = released("Vesnice");
    s << "set Speed " + std::to_string(c.startSpeed) << "dump @start";
    if (*c.key) s << std::string("keydown ") + c.key;
    dumpFrames(s, c.frames - 1, c.frames);
    const ScriptRun run = runScriptText(s.text);
    ASSERT_EQ(run.status, 0) << c.name;
    const Value *before = afterFrames(run, c.frames - 1), *after = afterFrames(run, c.frames);
    ASSERT_TRUE(before && after) << c.name;
    EXPECT_NEAR(field(*before, "Speed"), c.before, 1e-9) << c.name;
    EXPECT_NEAR(field(*after, "Speed"), c.after, 1e-9) << c.name;
    for (const Value& d : run.dumps)
      EXPECT_FALSE(d["forms"]["Form1"]["controls"]["Labelmino"]["visible"].b)
          << c.name << ": left the road";
  }
}

TEST(Driving, GearsClimbWithTheRevsWhileAccelerating) {
  Script s = released("Vesnice");
  s << "keydown 38";
  for (int i = 0; i < 25; ++i)
    s << "frames 4"
      << "dump";
  const ScriptRun run = runScriptText(s.text);
  ASSERT_EQ(run.status, 0);
  double lastGear = 0;
  for (const Value& d : run.dumps) {
    const double gear = field(d, "Gear"), rpm = field(d, "Rpm");
    EXPECT_GE(gear, lastGear);
    EXPECT_LE(gear, 5);
    EXPECT_LE(rpm, 10.35);
    if (field(d, "Speed") > 0.06) {
      EXPECT_GE(gear, 1);
    }
    lastGear = gear;
  }
  EXPECT_GE(lastGear, 3);
}

TEST(Driving, TheVillageStartBelowItsLowerLimitLetsTheCarCrossTheView) {
  Script s = released("Vesnice");
  s << "dump @start"
    << "keydown 38";
  dumpFrames(s, 100, 100);
  const ScriptRun run = runScriptText(s.text);
  ASSERT_EQ(run.status, 0);
  ASSERT_NE(afterFrames(run, 100), nullptr);
  const Value &start = run.dump("start"), &later = *afterFrames(run, 100);
  EXPECT_EQ(field(start, "ViewTop"), 521);
  EXPECT_EQ(field(start, "CarScreenY"), 390);
  EXPECT_EQ(field(start, "ViewLeft"), -700);
  // Driving east along the straight: the view scrolls sideways, the car keeps its place on it.
  EXPECT_EQ(field(later, "ViewTop"), 521);
  EXPECT_EQ(field(later, "CarScreenY"), 390);
  EXPECT_EQ(field(later, "CarScreenX"), 320);
  EXPECT_NEAR(field(later, "ViewLeft"), -700 + 7.4 * 0.01 * 5050, 1e-6);
}

TEST(Driving, SteeringTurnsOnlyOutsideTheDeadZoneAndTheOtherWayBackwards) {
  struct Case {
    double speed;
    const char* key;
    double heading;  // after one frame from 90
  };
  // A Viper on "Easy" turns 3 degrees a frame; the Left arrow turns it counter-clockwise.
  const Case cases[] = {{0.5, "37", 93},    {0.5, "39", 87},   {0.1, "37", 90},  {-0.1, "37", 90},
                        {0.1001, "37", 93}, {-0.15, "37", 87}, {-0.15, "39", 93}};
  for (const Case& c : cases) {
    Script s = released("Parkoviště", "Lehká", "Vyuka");
    s << "set Heading 90"
      << "set Speed " + std::to_string(c.speed) << "dump @start" << std::string("keydown ") + c.key;
    dumpFrames(s, 1, 1);
    const ScriptRun run = runScriptText(s.text);
    ASSERT_EQ(run.status, 0);
    ASSERT_NE(afterFrames(run, 1), nullptr);
    EXPECT_NEAR(field(*afterFrames(run, 1), "Heading"), c.heading, 1e-9) << c.speed << " " << c.key;
  }
}

TEST(Driving, AFullCircleAndTheHeadingWrap) {
  // A Viper on "Hard" turns 2.6 degrees a frame: a full circle takes 139 frames.
  Script s = released("Parkoviště", "Těžká", "Vyuka");
  s << "set Heading 0"
    << "set Speed 0.3"
    << "dump @start"
    << "keydown 37";
  // Kept slow, so the car turns on the spot without meeting anything.
  for (int i = 0; i < 142; ++i)
    s << "set Speed 0.3"
      << "frames 1" << (i >= 135 ? "dump" : "");
  const ScriptRun run = runScriptText(s.text);
  ASSERT_EQ(run.status, 0);
  const Value *almost = afterFrames(run, 138), *round = afterFrames(run, 139);
  ASSERT_TRUE(almost && round);
  EXPECT_EQ(field(*almost, "TurnRate"), 2.6);
  EXPECT_NEAR(field(*almost, "Heading"), 138 * 2.6, 1e-9);
  EXPECT_EQ(field(*round, "Heading"), 0);

  struct Wrap {
    double heading;
    const char* key;
    double after;
  };
  const Wrap wraps[] = {{359, "37", 0},      // 362 wraps to 0, not to 2
                        {360.4, "", 360.4},  // stays, and is looked up as 360
                        {360.7, "", 360.7},  // looked up as 361, the same way as 1
                        {1, "39", 360}};     // -2 wraps to 360
  for (const Wrap& w : wraps) {
    Script t = released("Parkoviště", "Lehká", "Vyuka");
    t << "set Heading " + std::to_string(w.heading) << "set Speed 0.5"
      << "dump @start";
    if (*w.key) t << std::string("keydown ") + w.key;
    dumpFrames(t, 1, 1);
    const ScriptRun r = runScriptText(t.text);
    ASSERT_EQ(r.status, 0) << w.heading;
    ASSERT_NE(afterFrames(r, 1), nullptr) << w.heading;
    EXPECT_NEAR(field(*afterFrames(r, 1), "Heading"), w.after, 1e-9) << w.heading;
  }
}

TEST(Driving, TheHandlingOfEveryCarAndDifficulty) {
  struct Case {
    const char* car;
    const char* difficulty;
    double turnRate, speedScale;
  };
  const Case cases[] = {
      {"Viper GTS", "Lehká", 3, 7.4},   {"Viper GTS", "Medium", 3, 7.2},
      {"Viper GTS", "Těžká", 2.6, 7},   {"Porsche", "Easy", 2.8, 7.6},
      {"Porsche", "Střední", 2.6, 7.4}, {"Porsche", "Hard", 2.4, 7.1},
      {"Ferari", "Lehká", 2.6, 7.8},    {"Ferari", "Střední", 2.4, 7.6},
      {"Ferari", "Těžká", 2.3, 7.2},    {"Truck", "Těžká", 2.5, 5},
  };
  Script s;
  s << "setting zkuky 0"
    << "start"
    << "select typ Vyuka"
    << "select barva Modrá"
    << "select trasa Okruh";
  for (const Case& c : cases) {
    s << std::string("select auto ") + c.car << std::string("select Obtiznost ") + c.difficulty
      << "race"
      << "frames 1"
      << "dump"
      << "set Running false"
      << "frames 1";
    s << "select typ Vyuka"
      << "select barva Modrá"
      << "select trasa Okruh";
  }
  const ScriptRun run = runScriptText(s.text);
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(field(run.dumps[i], "TurnRate"), cases[i].turnRate) << cases[i].car;
    EXPECT_EQ(field(run.dumps[i], "SpeedScale"), cases[i].speedScale) << cases[i].car;
  }
}

TEST(Driving, TheOpponentLaunchesAtTheGreenLight) {
  Script s = released("Vesnice", "Lehká", "Závody");
  s << "dump @released"
    << "frames 50"
    << "dump @50-frames-on";
  const ScriptRun run = runScriptText(s.text);
  ASSERT_EQ(run.status, 0);
  // Released: the opponent picks up 0.07 a frame from standstill.
  const Value& released = run.dump("released");
  const double v0 = field(released, "OpponentSpeed");
  const double v1 = field(run.dump("50-frames-on"), "OpponentSpeed");
  EXPECT_TRUE(race(released)["RaceStarted"].b);
  EXPECT_NEAR(v1 - v0, 50 * 0.07, 1e-9);
  EXPECT_EQ(race(released)["StuckSamples"][0].s, "1");
}

}  // namespace

namespace {

TEST(Driving, WithoutASettingsFileTheRaceShowsTheEnglishPictures) {
  // The default word of `jazyk` names no picture folder; the game reads the English pictures
  // instead of ending at the first key.
  Script s;
  s << "no-settings-file"
    << "start"
    << "select typ Závody"
    << "select auto Viper GTS"
    << "select barva Modrá"
    << "select trasa Vesnice"
    << "select Obtiznost Easy"
    << "race"
    << "wait 4600"
    << "key 38"
    << "key 27"
    << "wait 200"
    << "dump @paused";
  const ScriptRun run = runScriptText(s.text);
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 1u);
  const Value& paused = run.dump("paused");
  EXPECT_EQ(testscript::setting(paused, "jazyk"), "program");
  const Value& textik = paused["forms"]["Form1"]["controls"]["textik"];
  EXPECT_EQ(textik["picture"].s, "/gfx/story/ang/pause.bmp");
  EXPECT_TRUE(paused["forms"]["Form1"]["controls"]["konec"]["visible"].b);
}

}  // namespace
