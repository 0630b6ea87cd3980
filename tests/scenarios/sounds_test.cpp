// The sound effects in a race, as the driver's dump shows them: the engine's pitch follows the
// revs, each start light beeps and green beeps higher, each counted lap chimes, the tyres squeal
// while they skid; and with the effects switched off nothing starts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "script_run.h"

namespace {

using testjson::Value;
using testscript::runScriptText;
using testscript::ScriptRun;

const std::string kRaceStart =
    "setting jazyk cz\nsetting zkuky 0\nsetting unlockmody 0\nsetting unlockauta 1\n";
const std::string kVillageRace =
    "start\nselect typ Závody\nselect auto Porsche\nselect barva Modrá\nselect trasa Vesnice\n"
    "select Obtiznost Lehká\nrace\n";

const Value& effect(const Value& dump, const char* name) {
  return dump["sounds"]["effects"][name];
}

TEST(RaceSounds, AnAutopilotVillageRaceHeardThroughItsDumps) {
  std::string script = kRaceStart + "setting Obtiznost 0\n" + kVillageRace + "autopilot on\n";
  // The lights, closely; the first seconds after green, frame by frame; then the race.
  for (int i = 0; i < 24; ++i) script += "wait 250\ndump\n";
  for (int i = 0; i < 60; ++i) script += "frames 2\ndump\n";
  for (int i = 0; i < 120; ++i) script += "wait 2000\ndump\n";
  const ScriptRun run = runScriptText(script, 600);
  ASSERT_EQ(run.status, 0) << run.output.substr(0, 2000);

  int skidding = 0, squealing = 0, driven = 0;
  double lowest = 1e9, highest = 0;
  for (const Value& d : run.dumps) {
    const Value& race = d["race"];
    const Value& sounds = d["sounds"];
    ASSERT_TRUE(sounds["enabled"].b);
    // A light's beep starts in the frame that shows the light.
    const int step = int(race["CountdownStep"].n);
    const int beeps = int(effect(d, "beep")["started"].n);
    if (step <= 2) {
      EXPECT_GE(beeps, step) << "light " << step;
      EXPECT_LE(beeps, step + 1) << "light " << step;
    } else {
      EXPECT_EQ(beeps, 3);
    }
    EXPECT_EQ(effect(d, "go")["started"].n, step >= 4 ? 1 : effect(d, "go")["started"].n);
    // Each counted lap chimes once; the autopilot drives no refused lap.
    EXPECT_EQ(effect(d, "lap")["started"].n, std::max(0.0, race["LapCount"].n));
    EXPECT_EQ(effect(d, "refused")["started"].n, 0);
    if (race["TotalFrames"].n < 2) continue;
    // The pitch was set after the frame that left the revs as they are now.
    const double rpm = race["Rpm"].n, pitch = sounds["enginePitch"].n;
    EXPECT_NEAR(pitch, (900 + 800 * std::clamp(rpm, 0.0, 10.0)) / 3000, 1e-4) << "at Rpm " << rpm;
    lowest = std::min(lowest, pitch);
    highest = std::max(highest, pitch);
    EXPECT_TRUE(effect(d, "engine")["playing"].b || race["Paused"].b);
    if (race["Running"].b && race["Speed"].n > 0.5) ++driven;
    if (race["PlayerSkidActive"].b && race["Throttle"].s != "down") {
      ++skidding;
      squealing += effect(d, "squeal")["playing"].b;
    }
  }
  EXPECT_GT(driven, 50);
  EXPECT_LT(lowest, 0.45) << "the engine idles low before the start";
  EXPECT_GT(highest, 2.5) << "and revs high under way";
  // Squeal while the tyres skid (a dump may fall on the frame a skid begins).
  EXPECT_GT(skidding, 5);
  EXPECT_GE(squealing, skidding * 8 / 10) << squealing << " of " << skidding;
  const Value& last = run.dumps.back();
  EXPECT_EQ(last["race"]["LapCount"].n, 3);
  EXPECT_EQ(effect(last, "lap")["started"].n, 3);
  EXPECT_EQ(effect(last, "go")["started"].n, 1);
  EXPECT_GT(effect(last, "squeal")["started"].n, 0);
}

TEST(RaceSounds, NothingStartsWithTheEffectsSwitchedOff) {
  std::string script =
      kRaceStart + "option effects 0\n" + kVillageRace + "autopilot on\nwait 20000\ndump @off\n";
  const ScriptRun run = runScriptText(script, 300);
  ASSERT_EQ(run.status, 0) << run.output.substr(0, 2000);
  const Value& d = run.dump("off");
  EXPECT_FALSE(d["sounds"]["enabled"].b);
  EXPECT_GT(d["race"]["Speed"].n, 0.1) << "the car is under way";
  for (const auto& [name, e] : d["sounds"]["effects"].o) {
    EXPECT_EQ(e["started"].n, 0) << name;
    EXPECT_FALSE(e["playing"].b) << name;
  }
}

}  // namespace
