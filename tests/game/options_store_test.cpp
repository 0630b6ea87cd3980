// The options file: defaults for what it lacks, one line for each value an option cannot take,
// and a save that keeps the rest of the file and leaves the settings file its ten keys.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "fake_platform.h"
#include "startup/options_store.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FakeGame;
using testing_support::readFile;

TEST(Options, ReadWithDefaultsAndOneLineForEachBadValue) {
  struct Case {
    const char* name;
    const char* file;  // nullptr: no file
    const char* effects;
    const char* ghost;
    int lines;  // on standard error
  };
  // clang-format off
  const Case cases[] = {
      {"no file",          nullptr,                                     "1", "1", 0},
      {"empty file",       "",                                          "1", "1", 0},
      {"both set",         "[options]\neffects=0\nghost=0\n",           "0", "0", 0},
      {"other section",    "[dv]\neffects=0\n",                         "1", "1", 0},
      {"quoted, spaced",   "[Options]\n  EFFECTS = \"0\" \n",           "0", "1", 0},
      {"bad values",       "[options]\neffects=yes\nghost=\n",          "1", "1", 2},
      {"binary rubbish",   "\x01\x02\n[options]\neffects=\x7f\n\xff\xfe", "1", "1", 1},
  };
  // clang-format on
  for (const Case& c : cases) {
    const fs::path dir =
        fs::temp_directory_path() / ("drovanta_options_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "options.ini").string();
    fs::remove(path);
    if (c.file) std::ofstream(path, std::ios::binary) << c.file;
    game::OptionsStore options(path);
    testing::internal::CaptureStderr();
    options.load();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(options.get("effects"), c.effects) << c.name;
    EXPECT_EQ(options.get("ghost"), c.ghost) << c.name;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), c.lines) << c.name << ": " << err;
    if (c.lines > 0) {
      EXPECT_NE(err.find(path), std::string::npos) << c.name;
    }
    fs::remove_all(dir);
  }
}

TEST(Options, RefusesAValueItCannotTake) {
  game::OptionsStore options("/nonexistent/options.ini");
  EXPECT_FALSE(options.set("ghost", "2"));
  EXPECT_EQ(options.get("ghost"), "1");
  EXPECT_TRUE(options.set("ghost", "0"));
  EXPECT_EQ(options.get("ghost"), "0");
  EXPECT_THROW(options.get("no such option"), std::out_of_range);
}

TEST(Options, SavedWithTheSettingsInAFileOfTheirOwn) {
  FakeGame g;
  const std::string optionsFile = g.folder + "/Data/options.ini";
  std::ofstream(optionsFile) << "; my notes\n[options]\neffects=0\n[later]\nkept=yes\n";
  g.start();
  game::SettingsStore& settings = g.program->settings();
  EXPECT_EQ(settings.options().get("effects"), "0");
  settings.options().set("ghost", "0");
  ASSERT_TRUE(settings.save());
  EXPECT_EQ(readFile(optionsFile),
            "; my notes\n[options]\neffects=0\nghost=0\nscale=1\nsmooth=0\n[later]\nkept=yes\n"
            "[keys]\naccelerate=Up\nbrake=Down\nleft=Left\nright=Right\npause=Escape\n"
            "lights=L\nminimap=M\nstatistics=S\nslower=Keypad +\nfaster=Keypad -\n");
  // The settings file keeps its ten keys and nothing else.
  const std::string ini = readFile(g.folder + "/Data/snow.ini");
  EXPECT_EQ(std::count(ini.begin(), ini.end(), '='), 10) << ini;
  EXPECT_EQ(ini.find("ghost"), std::string::npos) << ini;
}

// The window opens where the last run left it (a relaunch after a race too): its place is saved
// with the settings and given to the window before it opens. A place that is not one costs a line.
TEST(Options, TheWindowComesBackWhereItWasLeft) {
  struct Case {
    const char* place;
    bool kept;
  };
  const Case cases[] = {
      {"120,80,1280,960", true}, {"-1900,0,640,480", true},        {"1,2,3", false},
      {"a,b,c,d", false},        {"1,2,640,480,5", false},         {"10,10,20,20", false},
      {"1,2,640,480x", false},   {"99999999999,0,640,480", false},
  };
  for (const Case& c : cases) {
    FakeGame g;
    const std::string optionsFile = g.folder + "/Data/options.ini";
    std::ofstream(optionsFile) << "[window]\nplace=" << c.place << "\n";
    testing::internal::CaptureStderr();
    g.start();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(g.presenter.placed, c.kept) << c.place;
    if (c.kept) {
      EXPECT_EQ(err, "") << c.place;
    } else {
      const std::string line =
          "[window] place = \"" + std::string(c.place) + "\" is not x,y,width,height";
      EXPECT_NE(err.find(line), std::string::npos) << err;
    }
  }
  FakeGame g;
  g.start();
  g.presenter.openMainWindowAt({300, 200, 800, 600});  // where the player dragged it
  ASSERT_TRUE(g.program->settings().save());
  const std::string saved = readFile(g.folder + "/Data/options.ini");
  EXPECT_NE(saved.find("[window]\nplace=300,200,800,600\n"), std::string::npos) << saved;
}

}  // namespace
