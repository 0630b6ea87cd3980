// A game controller alone: the menu, a race with a pause, the end panel and the way back, from
// tests/scenarios/gamepad_race.drv.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "script_run.h"

namespace {

using testjson::Value;
using testscript::runScript;
using testscript::ScriptRun;

std::vector<std::string> names(const Value& list) {
  std::vector<std::string> out;
  for (const Value& v : list.a) out.push_back(v.s);
  return out;
}

// The highlighted control of a window, "" when none is drawn.
std::string highlight(const Value& dump, const char* form) {
  const Value& h = dump["forms"][form]["highlight"];
  return h.isNull() ? "" : h.s;
}

TEST(Gamepad, TheMenuARaceAndTheWayBackWithoutKeyboardOrMouse) {
  if (!std::filesystem::exists(std::filesystem::path(DROVANTA_DRIVER).parent_path() /
                               "Drovanta/maps/m1/mini1.bmp"))
    GTEST_SKIP() << "the tracks are not drawn";
  const ScriptRun run = runScript("gamepad_race.drv");
  ASSERT_EQ(run.status, 0) << run.output;

  // The first page: nothing highlighted until the controller is used; A first shows the highlight.
  EXPECT_EQ(highlight(run.dump("start"), "menu"), "");
  EXPECT_EQ(names(run.dump("start")["forms"]["menu"]["padTargets"]),
            (std::vector<std::string>{"cudlik_nova_hra", "cudlik_nastaveni", "cudlik_info",
                                      "cudlik_konec"}));
  EXPECT_EQ(highlight(run.dump("highlighted"), "menu"), "cudlik_nova_hra");
  EXPECT_EQ(run.dump("highlighted")["menu"]["ToPage"].n, 0);
  EXPECT_EQ(highlight(run.dump("races"), "menu"), "speedrace");
  EXPECT_EQ(run.dump("startpage")["menu"]["ToPage"].n, 14);

  // The race: the stick steers past its dead zone only; A holds the accelerator.
  const Value& green = run.dump("green");
  ASSERT_TRUE(green.has("race"));
  EXPECT_TRUE(green["race"]["RaceStarted"].b);
  struct Case {
    const char* label;
    const char* steer;
    const char* throttle;
  };
  const Case cases[] = {{"stickleft", "right", ""},
                        {"deadzone", "", ""},
                        {"stickright", "left", ""},
                        {"throttle", "", "up"},
                        {"coasting", "", ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(run.dump(c.label)["race"]["Steer"].s, c.steer) << c.label;
    EXPECT_EQ(run.dump(c.label)["race"]["Throttle"].s, c.throttle) << c.label;
  }

  // Start pauses; the pause panel's buttons in reading order; B resumes.
  const Value& paused = run.dump("paused");
  EXPECT_TRUE(paused["race"]["Paused"].b);
  EXPECT_EQ(names(paused["forms"]["Form1"]["padTargets"]),
            (std::vector<std::string>{"Image2", "Command4"}));
  EXPECT_EQ(highlight(run.dump("pausehighlight"), "Form1"), "Image2");
  EXPECT_FALSE(run.dump("resumed")["race"]["Paused"].b);
  EXPECT_EQ(names(run.dump("resumed")["forms"]["Form1"]["padTargets"]).size(), 0u);

  // Three laps on the triggers and the stick, then the end panel's button and the menu again.
  const Value& finished = run.dump("finished");
  EXPECT_EQ(finished["race"]["LapCount"].n, 3);
  EXPECT_EQ(names(finished["forms"]["Form1"]["padTargets"]), (std::vector<std::string>{"ok"}));
  const Value& again = run.dump("menuagain");
  EXPECT_EQ(again["relaunches"].n, 1);
  EXPECT_TRUE(again["forms"]["menu"]["visible"].b);
  EXPECT_EQ(run.dump("page1")["menu"]["ToPage"].n, 1);
  EXPECT_EQ(run.dump("back")["menu"]["ToPage"].n, 0);
}

}  // namespace
