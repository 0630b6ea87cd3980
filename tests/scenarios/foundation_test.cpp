// Scenario tests of the start-up, the settings store and the frame loop: driver scripts run
// through the real drovanta-driver, their dumps checked.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"

namespace {

using testjson::Value;
using testscript::runScript;
using testscript::ScriptRun;
using testscript::setting;

// A frame every 23 virtual ms: each one-second window holds 43 or 44 frame starts.
bool isPacedRate(const std::string& caption) {
  return caption == "Fps : 43" || caption == "Fps : 44";
}

TEST(SettingsStore, NoFileGivesTheDefaultWords) {
  const ScriptRun run = runScript("settings_defaults.drv");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 1u);
  const Value& d = run.dump("defaults");
  const std::pair<const char*, const char*> expected[] = {
      {"Rozliseni", "800*600"}, {"hrac", "Tento"},        {"jazyk", "program"},
      {"Obtiznost", "je"},      {"unlockmody", "udělán"}, {"unlockauta", "speciálně"},
      {"runing", "Omreše"},     {"zkuky", "Zbudného"},    {"hlasitost", ":-)))"}};
  for (const auto& [key, value] : expected) EXPECT_EQ(setting(d, key), value) << key;
  // rez1 read "pro", which is not a fresh start: the menu took the remembered width from
  // runing, then its load wrote "false".
  EXPECT_EQ(d["forms"]["menu"]["controls"]["rozliseni"]["text"].s, "Omreše");
  EXPECT_EQ(setting(d, "rez1"), "false");
  EXPECT_TRUE(d["settingsFile"].isNull());
  // The settings window shows above the menu.
  EXPECT_TRUE(d["forms"]["ini"]["visible"].b);
  EXPECT_TRUE(d["forms"]["menu"]["visible"].b);
  EXPECT_EQ(d["forms"]["menu"]["caption"].s, "Drovanta");
  EXPECT_EQ(d["forms"]["ini"]["caption"].s, "internet - počítadlo");
}

TEST(SettingsStore, LongValuesReadBackAsNineCharacters) {
  const ScriptRun run = runScript("settings_long_name.drv");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 2u);
  EXPECT_EQ(setting(run.dump("latin"), "hrac"), "Alexandro");
  EXPECT_EQ(setting(run.dump("czech"), "hrac"), "Řeřichovs");
}

TEST(SettingsStore, ClearedAndSavedValuesReadBackEmpty) {
  const ScriptRun run = runScript("settings_clear_and_save.drv");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 1u);
  for (const char* key : {"Rozliseni", "hrac", "jazyk", "Obtiznost", "unlockmody", "unlockauta",
                          "runing", "zkuky", "hlasitost"})
    EXPECT_EQ(setting(run.dump("cleared"), key), "") << key;
  // The menu's load writes rez1 once the empty value has been read.
  EXPECT_EQ(setting(run.dump("cleared"), "rez1"), "false");
  EXPECT_NE(run.dump("cleared")["settingsFile"].s.find("hrac=\n"), std::string::npos);
}

TEST(SettingsStore, ReloadRereadsTheFileAndKeepsTheMenu) {
  const ScriptRun run = runScript("settings_reload.drv");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 2u);
  EXPECT_EQ(setting(run.dump("typed"), "hrac"), "Driverxyz");
  EXPECT_EQ(setting(run.dump("reloaded"), "hrac"), "Driver");
  // The same menu, not a second one: its selection record kept what was chosen.
  EXPECT_EQ(run.dump("reloaded")["forms"]["menu"]["controls"]["typ"]["text"].s, "Závody");
  EXPECT_TRUE(run.dump("reloaded")["forms"]["menu"]["visible"].b);
}

TEST(SettingsStore, QuitButtonDoesNotSave) {
  const ScriptRun run = runScript("settings_quit_without_saving.drv");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 1u);
  EXPECT_FALSE(run.dump("quit")["running"].b);
  const std::string file = run.dump("quit")["settingsFile"].s;
  EXPECT_NE(file.find("jazyk=ang"), std::string::npos);
  EXPECT_EQ(file.find("changed"), std::string::npos);
}

TEST(FrameLoop, RunsAtThePacedRateAndCountsPausedFrames) {
  const ScriptRun run = runScript("frame_rate.drv");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 2u);
  const Value& live = run.dump("live");
  // 22 ms between frame starts and a strict comparison: a frame every 23 virtual ms.
  EXPECT_EQ(live["race"]["TotalFrames"].n, 200);
  EXPECT_NEAR(live["ticks"].n, 200 * 23, 30);
  EXPECT_TRUE(isPacedRate(live["forms"]["Form1"]["controls"]["Label8"]["text"].s));
  const Value& paused = run.dump("paused");
  EXPECT_EQ(paused["race"]["TotalFrames"].n, 300);
  EXPECT_TRUE(paused["race"]["Paused"].b);
  EXPECT_TRUE(isPacedRate(paused["forms"]["Form1"]["controls"]["Label8"]["text"].s));
}

}  // namespace
