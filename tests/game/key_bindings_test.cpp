// The player's key bindings: key names, what a bound key stands for, the [keys] options with
// their mistakes, and a race driven with bound keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "fake_platform.h"
#include "race/race_input.h"
#include "startup/options_store.h"

namespace {

using testing_support::FakeGame;

TEST(KeyBindings, NamesReadAsSdlWritesThem) {
  struct Case {
    const char* name;
    int key;
  };
  const Case cases[] = {{"Up", 38},        {"up", 38},     {"W", 'W'},         {"w", 'W'},
                        {"7", '7'},        {"F11", 122},   {"Keypad +", 107},  {"keypad -", 109},
                        {"Keypad 5", 101}, {"Escape", 27}, {"Left Shift", 16}, {"Space", 32},
                        {"", 0},           {"Upp", 0},     {"Keypad+", 0},     {"ŽŽ", 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(svc::virtualKeyByName(c.name), c.key) << c.name;
    if (c.key) {
      EXPECT_EQ(svc::virtualKeyByName(svc::keyName(c.key)), c.key) << c.name;
    }
  }
}

TEST(KeyBindings, ABoundKeyStandsForItsActionAndTheOldKeyIsFree) {
  svc::KeyBindings b;
  b.bind(38, {'W', 'I'});  // accelerate on W or I
  b.bind(37, {39});        // steering swapped: the right arrow steers left ...
  b.bind(39, {37});        // ... and the left arrow right
  const std::pair<int, int> cases[] = {{'W', 38}, {'I', 38}, {38, 0},   {39, 37},
                                       {37, 39},  {40, 40},  {'Q', 'Q'}};
  for (const auto& [physical, heard] : cases) EXPECT_EQ(b.translate(physical), heard) << physical;
}

TEST(KeyBindings, OptionsNameTheKeysAndMistakesKeepTheDefault) {
  const std::string dir = testing::TempDir() + "drovanta_keys";
  std::filesystem::create_directories(dir);
  const std::string path = dir + "/options.ini";
  std::ofstream(path) << "[keys]\naccelerate = W, Up\nbrake = Nope\nlights = A, B, C\n"
                         "left = Right\nright = Left\n";
  game::OptionsStore options(path);
  options.load();
  testing::internal::CaptureStderr();
  const svc::KeyBindings b = game::keyBindingsFrom(options);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("brake = \"Nope\": no key is named \"Nope\"; it keeps Down"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("lights = \"A, B, C\": more than two keys; it keeps L"), std::string::npos)
      << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
  const std::pair<int, int> cases[] = {{'W', 38},  {38, 38}, {40, 40}, {'L', 'L'},
                                       {'A', 'A'}, {37, 39}, {39, 37}};
  for (const auto& [physical, heard] : cases) EXPECT_EQ(b.translate(physical), heard) << physical;
  std::filesystem::remove_all(dir);
}

// The race hears a bound key as the action's own; the menu's keys stay as they were.
TEST(KeyBindings, ARaceDrivenWithBoundKeys) {
  FakeGame g;
  std::ofstream(g.folder + "/Data/options.ini") << "[keys]\naccelerate=W\n";
  g.start();
  g.choose("Závody");
  int step = 0;
  std::string throttleAfterW, throttleAfterUp;
  g.input.onPoll = [&](std::deque<svc::InputEvent>& out) {
    game::Race* race = g.program->race();
    if (!race || !race->keyboardCapture) return;
    auto key = [&](svc::InputEvent::Type type, int code) {
      svc::InputEvent e;
      e.type = type;
      e.key = code;
      out.push_back(e);
    };
    game::RaceState& s = race->state;
    switch (step++) {
      case 0:
        key(svc::InputEvent::Type::KeyDown, 'W');
        break;
      case 1:
        throttleAfterW = s.Throttle;
        key(svc::InputEvent::Type::KeyUp, 'W');
        key(svc::InputEvent::Type::KeyDown, game::kKeyUp);
        break;
      case 2:
        throttleAfterUp = s.Throttle;
        s.Running = false;
        break;
      default:
        break;
    }
  };
  g.race("Vesnice");
  EXPECT_EQ(throttleAfterW, "up");
  EXPECT_EQ(throttleAfterUp, "") << "the up arrow no longer accelerates";
}

}  // namespace
