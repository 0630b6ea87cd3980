// Where every track starts: the view, the car on it, its heading, the computer car and the
// pictures of the track's map folder, read in the first frame of each race.
#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"
#include "race/race.h"

namespace {

using testing_support::FakeGame;
using namespace game;

TEST(TrackStarts, EachTrackStartsWhereItsTableSays) {
  struct Case {
    const char* typ;
    const char* trasa;
    int trackKind;
    double viewLeft, viewTop, carScreenY, heading;
    bool opponent;
    double opponentDy;  // OpponentY - (ViewTop + CarScreenY)
    const char *map, *mask0, *mask1;
  };
  const Case cases[] = {
      {"Závody", "Vesnice", 1, -700, 521, 390, 0, true, 40, "/maps/m1/1.jpg", "/maps/m1/mini1.bmp",
       "/maps/m1/mini2.bmp"},
      {"Závody", "Město", 2, -940, -740, 240, 0, true, -40, "/maps/m2/1.jpg", "/maps/m2/mini1.bmp",
       "/maps/m2/mini2.bmp"},
      {"Vyuka", "Okruh", 0, 150, 300, 240, 0, false, 0, "/maps/m2/0.jpg", "/maps/m2/mini1.bmp",
       "/maps/m2/mini2.bmp"},
      {"Vyuka", "Parkoviště", 0, 50, 520, 240, 90, false, 0, "/maps/m0/0.jpg", "/maps/m0/mini1.bmp",
       "/maps/m0/mini2.bmp"},
  };
  for (const Case& c : cases) {
    FakeGame g;
    g.start();
    g.choose(c.typ, "Viper GTS", "Červená");
    bool seen = false;
    g.input.onPoll = [&](std::deque<svc::InputEvent>&) {
      Race* race = g.program->race();
      if (!race || seen) return;
      seen = true;
      const RaceState& s = race->state;
      RaceControls& rc = race->controls();
      EXPECT_EQ(s.TrackKind, c.trackKind) << c.trasa;
      EXPECT_EQ(s.ViewLeft, c.viewLeft) << c.trasa;
      EXPECT_EQ(s.ViewTop, c.viewTop) << c.trasa;
      EXPECT_EQ(s.CarScreenX, 320) << c.trasa;
      EXPECT_EQ(s.CarScreenY, c.carScreenY) << c.trasa;
      EXPECT_EQ(s.Heading, c.heading) << c.trasa;
      EXPECT_EQ(s.Speed, 0) << c.trasa;
      EXPECT_EQ(s.AIOn, c.opponent) << c.trasa;
      if (c.opponent) {
        EXPECT_EQ(s.OpponentX, s.ViewLeft + s.CarScreenX) << c.trasa;
        EXPECT_EQ(s.OpponentY, s.ViewTop + s.CarScreenY + c.opponentDy) << c.trasa;
        EXPECT_EQ(s.OpponentHeading, 0) << c.trasa;
        EXPECT_EQ(s.LapCount, -1) << c.trasa;
      }
      EXPECT_EQ(rc.cesta.pictureFile(), c.map) << c.trasa;
      EXPECT_EQ(rc.KON[0]->pictureFile(), c.mask0) << c.trasa;
      EXPECT_EQ(rc.KON[1]->pictureFile(), c.mask1) << c.trasa;
      race->state.Running = false;
    };
    g.race(c.trasa);
    EXPECT_TRUE(seen) << c.trasa;
  }
}

}  // namespace
