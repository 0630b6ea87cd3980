// The autopilot always gets free and finishes a race: switched on before the lights, at green,
// later while the car stands, after driving off by hand, with the car put against a wall or off
// the map, for every car, on the Village and the City.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "script_run.h"

namespace {

using testjson::Value;
using testscript::runScriptText;
using testscript::ScriptRun;

// A three-lap race takes about two and a half virtual minutes; one that has not ended by this
// has been stuck somewhere.
constexpr int kBoundMs = 230000;
constexpr int kDumpEveryMs = 5000;

struct StartSituation {
  const char* name;
  const char* trasa;
  const char* car;
  const char* barva;
  const char* obtiznost;
  std::vector<std::string> before;  // script lines between `race` and `autopilot on`
};

// The car put at world (x, y) facing heading, standing, after the lights. The view follows it as
// far as its scroll limits allow, beyond them the car sits off the view's centre.
std::vector<std::string> putCar(int x, int y, int heading) {
  const int left = std::clamp(x - 320, -990, 350), top = std::clamp(y - 240, -990, 520);
  return {"wait 4500",
          "set ViewLeft " + std::to_string(left),
          "set ViewTop " + std::to_string(top),
          "set CarScreenX " + std::to_string(x - left),
          "set CarScreenY " + std::to_string(y - top),
          "set Speed 0",
          "set Heading " + std::to_string(heading),
          "frames 1"};
}

TEST(AutopilotStarts, EverySituationFinishesAThreeLapRace) {
  const StartSituation cases[] = {
      {"before the lights, Village", "Vesnice", "Viper GTS", "Červená", "Lehká", {}},
      {"at green, City", "Město", "Porsche", "Modrá", "Střední", {"frames 175"}},
      {"standing five seconds after green, City",
       "Město",
       "Ferari",
       "Zelená",
       "Těžká",
       {"wait 9000"}},
      // Off the path by hand: into the side road south of the start, then on down it.
      {"driven off by hand, City",
       "Město",
       "Truck",
       "Žlutá",
       "Lehká",
       {"wait 4500", "keydown 38", "frames 55", "keydown 39", "frames 30", "keyup 39", "frames 90",
        "keyup 38"}},
      // Beyond the map's thin border wall, where a car that hit it at speed was thrown.
      {"off the map, City", "Město", "Porsche", "Žlutá", "Těžká", putCar(-150, -1004, 193)},
      // Facing the wall of the block south of the start, the path on its other side: the way
      // back leads round the block.
      {"against a wall with the path behind it, City", "Město", "Viper GTS", "Bílá", "Těžká",
       putCar(-300, -75, 90)},
  };
  for (const StartSituation& c : cases) {
    std::string script =
        "setting jazyk cz\nsetting zkuky 0\nsetting unlockmody 0\nsetting unlockauta 1\nstart\n"
        "select typ Závody\n";
    script += std::string("select auto ") + c.car + "\nselect barva " + c.barva +
              "\nselect trasa " + c.trasa + "\nselect Obtiznost " + c.obtiznost + "\nrace\n";
    for (const std::string& line : c.before) script += line + "\n";
    script += "autopilot on\n";
    for (int t = 0; t < kBoundMs; t += kDumpEveryMs)
      script += "wait " + std::to_string(kDumpEveryMs) + "\ndump\n";
    const ScriptRun run = runScriptText(script);
    ASSERT_EQ(run.status, 0) << c.name;
    const Value* end = nullptr;
    for (const Value& d : run.dumps)
      if (!end && d["forms"]["Form1"]["controls"]["konec"]["visible"].b) end = &d;
    const Value& last = run.dumps.back()["race"];
    ASSERT_NE(end, nullptr) << c.name << ": no end of the race within " << kBoundMs / 1000
                            << " s; the car stood at " << last["ViewLeft"].n + last["CarScreenX"].n
                            << ", " << last["ViewTop"].n + last["CarScreenY"].n << " after "
                            << last["LapCount"].n << " laps";
    EXPECT_EQ((*end)["race"]["LapCount"].n, 3) << c.name;
  }
}

}  // namespace
