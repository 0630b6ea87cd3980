// The settings store's save when the file cannot be written: the game goes on with its live
// values, and one line on standard error names the file and the reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fake_platform.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FakeGame;
using testing_support::readFile;

TEST(SettingsSave, AFailedSaveKeepsTheLiveValuesAndSaysWhy) {
  struct Case {
    const char* name;
    bool readOnlyFile;  // else the Data folder is gone
    const char* reason;
  };
  const Case cases[] = {
      {"read-only file", true, "the file is read-only"},
      {"missing folder", false, "cannot create {file}.saving: No such file or directory"},
  };
  for (const Case& c : cases) {
    FakeGame g;
    const std::string file = g.folder + "/Data/snow.ini";
    std::ofstream(file) << "[dv]\nhrac=Old\njazyk=cz\n";
    g.start();
    game::SettingsStore& settings = g.program->settings();
    if (c.readOnlyFile) {
      fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    } else {
      fs::remove_all(g.folder + "/Data");
    }
    settings.set("hrac", "Jan");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(settings.save()) << c.name;
    std::string reason = c.reason;
    if (const auto at = reason.find("{file}"); at != std::string::npos) reason.replace(at, 6, file);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Drovanta: cannot save " + file + ": " + reason + "\n")
        << c.name;
    EXPECT_EQ(settings.get("hrac"), "Jan") << c.name;
    if (c.readOnlyFile) {
      EXPECT_EQ(readFile(file), "[dv]\nhrac=Old\njazyk=cz\n") << c.name;
    }
  }
}

}  // namespace
