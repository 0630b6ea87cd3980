// Laps and results on the synthetic masks: the finish line, lap times, refused laps, the time
// slots, the end of a race and the result table with its unlocks.
#include <gtest/gtest.h>

#include <string>

#include "race_fixture.h"
#include "rules/rules.h"
#include "services/errors.h"

namespace {

using namespace race_fixture;

constexpr const char* kNoTime = "-- : -- : --";

struct LapFixture : WorldFixture {
  LapFixture() : WorldFixture(0) { race->state.FinishLineColour = kFinish; }
  // One rules pass with the car on the finish line, `seconds` after the lap began.
  void crossAfter(double seconds, const char* checkpoints) {
    svc::VirtualClock& clock = g.clock;
    clock.advance(100000);
    race->state.LapClock = clock.ticks() - std::uint32_t(seconds * 1000 + 0.5);
    race->controls().Labelcheckpoint.setCaption(checkpoints);
    race->state.FinishLineColour = kFinish;  // armed, as the sections leave it
    driveTo(kAreaFinish);
    LapRules(*race, city);
  }
  std::string label(const char* name) { return race->form().label(name).caption(); }
  bool city = false;
};

TEST(LapTimes, ShownWithTheMinuteTextAndThreeDecimalsAtMost) {
  struct Case {
    double seconds;
    const char* slot;
  };
  const Case cases[] = {{60.0, "0:60"},    {60.5, "1:0.5"},      {45.1, "0:45.1"},
                        {61.25, "1:1.25"}, {45.123, "0:45.123"}, {75.2, "1:15.2"}};
  for (const Case& c : cases) {
    LapFixture f;
    f.race->state.LapCount = 1;
    f.crossAfter(c.seconds, "12");
    EXPECT_EQ(f.race->state.LapCount, 2) << c.seconds;
    EXPECT_EQ(f.label("labelcas(0)"), c.slot) << c.seconds;
    EXPECT_EQ(f.label("Label10"), std::string("Round : 2 cas: ") + c.slot) << c.seconds;
    EXPECT_TRUE(f.race->state.TimesBoxOpen);
    EXPECT_EQ(f.race->state.MinimapSide, "right");
  }
}

TEST(LapTimes, RoundingOfTheSecondsIsHalvesToEven) {
  struct Case {
    double seconds;
    const char* minute;
    const char* text;
  };
  const Case cases[] = {{45.0, "0:", "45"},
                        {2.0625, "0:", "2.062"},
                        {2.0635, "0:", "2.064"},
                        {60.25, "1:", "0.25"},
                        {119.5, "1:", "59.5"},
                        // From two minutes on, the whole minutes are shown.
                        {120.0, "2:", "0"},
                        {135.2, "2:", "15.2"},
                        {179.9996, "3:", "0"},
                        {3605.25, "60:", "5.25"}};
  for (const Case& c : cases) {
    const LapTimeText t = FormatLapTime(c.seconds);
    EXPECT_EQ(t.minute, c.minute) << c.seconds;
    EXPECT_EQ(t.seconds, c.text) << c.seconds;
  }
}

TEST(FinishLine, TheStartCrossingStartsTheClockAndTheLineDisarms) {
  for (bool city : {false, true}) {
    LapFixture f;
    f.city = city;
    f.race->state.LapCount = -1;
    f.crossAfter(12, "0");
    RaceState& s = f.race->state;
    EXPECT_EQ(s.LapCount, 0);
    EXPECT_EQ(f.label("Label10"), "");
    EXPECT_EQ(f.label("labelcas(0)"), kNoTime);
    EXPECT_EQ(s.FinishLineColour, city ? 123456u : 123u);
    EXPECT_EQ(std::uint32_t(s.LapClock), f.g.clock.ticks());
    // Still on the line in the next frame: disarmed, so nothing more happens.
    LapRules(*f.race, city);
    EXPECT_EQ(s.LapCount, 0);
  }
}

TEST(FinishLine, ALapWithoutEveryCheckpointIsRefused) {
  for (const char* count : {"11", "13", "0"}) {
    LapFixture f;
    f.race->state.LapCount = 1;
    f.crossAfter(50, count);
    RaceState& s = f.race->state;
    EXPECT_EQ(s.LapCount, 1) << count;
    EXPECT_TRUE(f.race->controls().wrongway.visible()) << count;
    EXPECT_EQ(f.label("wrongway"), "Kolo neuznáno ...");
    EXPECT_EQ(f.label("labelcas(0)"), kNoTime);
    // The next lap starts at the crossing all the same; the message goes after 6 s.
    EXPECT_EQ(std::uint32_t(s.LapClock), f.g.clock.ticks());
    EXPECT_EQ(f.label("Labelcheckpoint"), "0");
    EXPECT_TRUE(f.race->controls().Timer4.enabled());
  }
}

TEST(FinishLine, TheCityNeedsTwentyTwoCheckpoints) {
  LapFixture f;
  f.city = true;
  f.race->state.LapCount = 1;
  f.crossAfter(40, "12");
  EXPECT_EQ(f.race->state.LapCount, 1);
  f.crossAfter(40, "22");
  EXPECT_EQ(f.race->state.LapCount, 2);
}

TEST(FinishLine, AFourthCountedLapClearsTheSlotsAndTakesTheFirst) {
  LapFixture f;
  f.race->state.GameType = "Volná jízda";  // a game type that does not end by laps
  f.race->state.LapCount = 0;
  for (double t : {41.0, 42.0, 43.0}) f.crossAfter(t, "12");
  EXPECT_EQ(f.label("labelcas(2)"), "0:43");
  f.crossAfter(44, "12");
  EXPECT_EQ(f.race->state.LapCount, 4);
  EXPECT_EQ(f.label("labelcas(0)"), "0:44");
  EXPECT_EQ(f.label("labelcas(1)"), kNoTime);
  EXPECT_EQ(f.label("labelcas(2)"), kNoTime);
}

TEST(RaceResult, TheThirdCountedLapDecidesAndWinsUnlock) {
  struct Case {
    const char* name;
    bool city;
    const char* type;
    int opponentLaps;
    const char* unlockautaBefore;
    const char* unlockmodyBefore;
    const char* picture;
    const char* shown;   // end buttons shown afterwards, each a letter: o ok, 4 Command4,
    const char* hidden;  // 3 Command3, i Image3, 1 Image1
    const char* unlockauta;
    const char* unlockmody;
  };
  const Case cases[] = {
      {"Village lost (a tie)", false, "Závody", 3, "0", "0", "/end.bmp", "i4", "o", "0", "0"},
      {"Village won", false, "Závody", 2, "0", "0", "/win.bmp", "o", "43", "1", "0"},
      {"Village won, already unlocked", false, "Závody", 2, "2", "0", "/win.bmp", "o", "43", "2",
       "0"},
      {"Village won, championship", false, "Championat", 2, "0", "1", "/win3.bmp", "1", "o43", "1",
       "1"},
      {"City lost", true, "Závody", 4, "1", "0", "/end.bmp", "34", "o1", "1", "0"},
      {"City won", true, "Závody", 0, "0", "0", "/win2.bmp", "o", "43", "2", "1"},
      // A win never takes back an unlock: the Kolder Run stays open after the championship.
      {"City won after the championship", true, "Závody", 0, "2", "2", "/win2.bmp", "o", "43", "2",
       "2"},
      {"City won, a hand-edited unlock", true, "Závody", 0, "x", "x", "/win2.bmp", "o", "43", "2",
       "1"},
      {"City won, championship", true, "Championat", 1, "1", "1", "/win4.bmp", "4", "o1", "2", "2"},
      {"City won, championship again", true, "Championat", 1, "2", "2", "/win4.bmp", "4", "o1", "2",
       "2"},
  };
  const std::pair<char, const char*> buttons[] = {
      {'o', "ok"}, {'4', "Command4"}, {'3', "Command3"}, {'i', "Image3"}, {'1', "Image1"}};
  for (const Case& c : cases) {
    LapFixture f;
    f.city = c.city;
    f.g.program->settings().set("jazyk", "cz");
    f.g.program->settings().set("unlockauta", c.unlockautaBefore);
    f.g.program->settings().set("unlockmody", c.unlockmodyBefore);
    RaceState& s = f.race->state;
    s.GameType = c.type;
    s.LapCount = 2;
    s.OpponentLaps = std::int16_t(c.opponentLaps);
    f.race->keyboardCapture = true;
    s.Steer = "left";
    s.Throttle = "up";
    f.crossAfter(50, c.city ? "22" : "12");
    EXPECT_EQ(s.LapCount, 3) << c.name;
    EXPECT_EQ(f.race->controls().textik.pictureFile(), std::string("/gfx/story/cz") + c.picture)
        << c.name;
    for (const auto& [letter, name] : buttons) {
      const bool visible = f.race->form().control(name).visible();
      const bool shown = std::string(c.shown).find(letter) != std::string::npos;
      const bool hidden = std::string(c.hidden).find(letter) != std::string::npos;
      if (shown || hidden) {
        EXPECT_EQ(visible, shown) << c.name << " " << name;
      }
    }
    EXPECT_EQ(f.g.program->settings().get("unlockauta"), c.unlockauta) << c.name;
    EXPECT_EQ(f.g.program->settings().get("unlockmody"), c.unlockmody) << c.name;
    // The keys go dead at once; the panel waits until the car has rolled below 0.2.
    EXPECT_FALSE(f.race->keyboardCapture) << c.name;
    EXPECT_EQ(s.Steer, "") << c.name;
    EXPECT_EQ(s.Throttle, "") << c.name;
    EXPECT_FALSE(f.race->controls().konec.visible()) << c.name;
    s.Speed = 0.5;
    f.driveTo(kAreaRoad);
    LapRules(*f.race, c.city);
    EXPECT_FALSE(f.race->controls().konec.visible()) << c.name;
    s.Speed = 0.19;
    LapRules(*f.race, c.city);
    EXPECT_TRUE(f.race->controls().konec.visible()) << c.name;
  }
}

TEST(RaceResult, FreeRidesAndKolderRunsNeverEndByLaps) {
  struct Case {
    const char* type;
    bool city;
    int lapsAfter;  // -1: the line is not tested at all
  };
  const Case cases[] = {{"Volná jízda", false, -1},
                        {"Volná jízda", true, -1},
                        {"Kolder Run", true, -1},
                        {"Kolder Run", false, 3}};
  for (const Case& c : cases) {
    LapFixture f;
    f.city = c.city;
    RaceState& s = f.race->state;
    s.GameType = c.type;
    s.FreeRideMode = s.GameType == "Volná jízda";
    s.KolderRunMode = s.GameType == "Kolder Run";
    s.LapCount = c.lapsAfter < 0 ? -1 : 2;
    f.crossAfter(40, c.city ? "22" : "12");
    EXPECT_EQ(s.LapCount, c.lapsAfter) << c.type;
    s.Speed = 0;
    LapRules(*f.race, c.city);
    EXPECT_FALSE(f.race->controls().konec.visible()) << c.type;
  }
}

// A result picture that cannot be read ends the program; what the race won is in the live
// settings by then, and the program saves them on its way out.
TEST(RaceResult, TheUnlocksComeBeforeTheResultPicture) {
  struct Case {
    bool city;
    const char* type;
    const char* unlockauta;
    const char* unlockmody;
  };
  const Case cases[] = {{false, "Závody", "1", "0"},
                        {false, "Championat", "1", "0"},
                        {true, "Závody", "2", "1"},
                        {true, "Championat", "2", "2"}};
  for (const Case& c : cases) {
    LapFixture f;
    f.city = c.city;
    f.g.program->settings().set("unlockauta", "0");
    f.g.program->settings().set("unlockmody", "0");
    f.race->state.GameType = c.type;
    f.race->state.LapCount = 2;
    f.g.pictures.strict = true;  // no result picture at all
    EXPECT_THROW(f.crossAfter(50, c.city ? "22" : "12"), svc::DataFileError) << c.type;
    EXPECT_EQ(f.g.program->settings().get("unlockauta"), c.unlockauta) << c.type;
    EXPECT_EQ(f.g.program->settings().get("unlockmody"), c.unlockmody) << c.type;
  }
}

TEST(LapTimesBox, SlidesOpenShowsTheBannerAndClosesAfterwards) {
  LapFixture f;
  RaceControls& c = f.race->controls();
  RaceState& s = f.race->state;
  f.driveTo(kAreaRoad);
  s.TimesBoxOpen = true;
  int frames = 0;
  while (c.casy_box.left() < 0 && frames < 100) {
    LapRules(*f.race, false);
    ++frames;
  }
  EXPECT_EQ(frames, 41);  // 2 pixels a frame from -81 to 1
  EXPECT_FALSE(c.Timer7.enabled());
  LapRules(*f.race, false);  // then it settles at 0 and the closing timer starts
  EXPECT_EQ(c.casy_box.left(), 0);
  EXPECT_TRUE(c.Timer7.enabled());
  for (int i = 0; i < 30; ++i) LapRules(*f.race, false);
  EXPECT_EQ(c.Picture2.top(), c.casy_box.height());  // the strip is out below the box
  s.TimesBoxOpen = false;
  for (int i = 0; i < 100; ++i) LapRules(*f.race, false);
  EXPECT_EQ(c.Picture2.top(), c.casy_box.height() - c.Picture2.height());
  EXPECT_LE(c.casy_box.left(), -81);
  EXPECT_FALSE(c.Timer7.enabled());
}

}  // namespace
