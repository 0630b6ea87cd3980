// The end-of-race buttons that start a race again: what each restart resets, what it keeps and
// which start procedure it runs, clicked inside the running frame loop.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fake_platform.h"
#include "race/race.h"

namespace {

using testing_support::FakeGame;
using namespace game;

constexpr const char* kNoLapTime = "-- : -- : --";

// Runs a race and clicks `button` at frame 30, after putting the race into the state the end
// panel would show; `check` sees the race right after the click.
void clickAfterARace(const char* typ, const char* trasa, const char* button,
                     const std::function<void(Race&)>& check) {
  FakeGame g;
  g.start();
  MenuWindow& menu = *g.program->menu();
  menu.setSelection("typ", typ);
  menu.setSelection("trasa", trasa);
  menu.setSelection("auto", "Porsche");
  menu.setSelection("barva", "Modrá");
  menu.setSelection("Obtiznost", "Lehká");
  bool clicked = false;
  g.input.onPoll = [&](std::deque<svc::InputEvent>&) {
    Race* race = g.program->race();
    if (!race) return;
    RaceState& s = race->state;
    RaceControls& c = race->controls();
    if (!clicked && s.TotalFrames == 30) {
      clicked = true;
      // A finished race: laps, times, a Kolder count, the opponent on its way, the panel up.
      s.LapCount = 3;
      s.OpponentLaps = 2;
      s.KolderCount = 5;
      s.TimeLeft = 30;
      s.AltSpritesOn = true;
      s.GuideHeading = 95;
      s.MinimapSide = "right";
      s.OpponentSteer = "left";
      s.OpponentBearing = 77;
      s.RaceStarted = true;
      race->keyboardCapture = true;
      c.Timer2.setEnabled(true);
      c.Timer9.setEnabled(true);
      c.Label16.setCaption("Time : 30");
      c.Label17.setCaption("Kolder : 5");
      c.Label18.setVisible(true);
      for (svc::Label* l : c.labelcas) l->setCaption("0:45.1");
      c.Labelcheckpoint.setCaption("7");
      c.konec.setVisible(true);
      race->form().image(button).setVisible(true);
      race->form().image(button).mouse.click();
      check(*race);
    }
    if (s.TotalFrames >= 40) s.Running = false;
  };
  g.race(trasa);
  EXPECT_TRUE(clicked);
}

// What every restart does: lap times and the checkpoint count cleared, the lights back at their
// first frame and counting again, the opponent at the start, the panel gone.
void expectFreshStart(Race& r, int trackKind, const std::string& name) {
  RaceState& s = r.state;
  RaceControls& c = r.controls();
  EXPECT_EQ(s.TrackKind, trackKind) << name;
  for (svc::Label* l : c.labelcas) EXPECT_EQ(l->caption(), kNoLapTime) << name;
  EXPECT_EQ(c.Labelcheckpoint.caption(), "0") << name;
  EXPECT_EQ(s.CountdownStep, -1) << name;
  EXPECT_FALSE(s.RaceStarted) << name;
  EXPECT_FALSE(c.Timer2.enabled()) << name;
  EXPECT_TRUE(c.Timer3.enabled()) << name;
  EXPECT_TRUE(c.sem.visible()) << name;
  EXPECT_EQ(c.sem.pictureFile(), c.semafor[0]->pictureFile()) << name;
  EXPECT_EQ(s.OpponentSteer, "") << name;
  EXPECT_EQ(s.OpponentBearing, 0) << name;
  EXPECT_EQ(s.OpponentSpeed, 0) << name;
  EXPECT_EQ(s.WaypointIndex, 0) << name;
  EXPECT_EQ(s.OpponentX, s.ViewLeft + s.CarScreenX) << name;
  EXPECT_EQ(s.LapCount, -1) << name;
  EXPECT_EQ(s.OpponentLaps, 0) << name;
  EXPECT_FALSE(c.konec.visible()) << name;
  // Kept from the first race: the handling, the lights' set, the minimap side, the guide.
  EXPECT_EQ(s.TurnRate, 2.8) << name;
  EXPECT_EQ(s.SpeedScale, 7.6) << name;
  EXPECT_TRUE(s.AltSpritesOn) << name;
  EXPECT_EQ(s.MinimapSide, "right") << name;
  EXPECT_EQ(s.GuideHeading, 95) << name;
}

TEST(Restarts, RepeatTheVillageRace) {
  clickAfterARace("Závody", "Vesnice", "Image3", [](Race& r) {
    expectFreshStart(r, 1, "Image3");
    RaceControls& c = r.controls();
    EXPECT_FALSE(c.Image3.visible());
    EXPECT_FALSE(r.state.KolderRunMode);
    EXPECT_FALSE(r.keyboardCapture);
    EXPECT_FALSE(c.Timer9.enabled());
    EXPECT_FALSE(c.Label18.visible());
    EXPECT_EQ(c.Label16.caption(), "time : 120");
    EXPECT_EQ(c.Label17.caption(), "Kolder : 0");
    EXPECT_EQ(r.state.TimeLeft, 0);
    EXPECT_EQ(r.state.KolderCount, 0);
    EXPECT_EQ(r.state.PlayerSection, 1);
  });
}

TEST(Restarts, RepeatTheCityRace) {
  clickAfterARace("Závody", "Město", "Command3", [](Race& r) {
    expectFreshStart(r, 2, "Command3");
    EXPECT_FALSE(r.state.KolderRunMode);
    EXPECT_FALSE(r.keyboardCapture);
    EXPECT_FALSE(r.controls().Label16.visible());
  });
}

TEST(Restarts, AKolderRunAfterAnOrdinaryCityRace) {
  clickAfterARace("Závody", "Město", "kolde", [](Race& r) {
    expectFreshStart(r, 2, "kolde");
    RaceControls& c = r.controls();
    EXPECT_TRUE(r.state.KolderRunMode);
    EXPECT_FALSE(r.state.AIOn);
    EXPECT_EQ(r.state.TimeLeft, 120);
    EXPECT_EQ(r.state.KolderCount, 0);
    EXPECT_TRUE(c.Label16.visible());
    EXPECT_TRUE(c.Label17.visible());
    EXPECT_EQ(c.Label16.caption(), "time : 120");
    EXPECT_FALSE(c.Timer9.enabled());  // it starts when the lights go out
    // The player's own car stays: the truck pictures belong to a Kolder Run chosen in the menu.
    EXPECT_EQ(c.car[0]->pictureFile(), "/gfx/cars/porsche/blue/0.bmp");
  });
}

TEST(Restarts, TheChampionshipGoesOnToTheCity) {
  clickAfterARace("Championat", "Vesnice", "Image1", [](Race& r) {
    expectFreshStart(r, 2, "Image1");
    RaceControls& c = r.controls();
    // The short restart leaves the Kolder Run state and the keyboard as they were.
    EXPECT_FALSE(r.state.KolderRunMode);
    EXPECT_TRUE(r.keyboardCapture);
    EXPECT_EQ(c.Label17.caption(), "Kolder : 5");
    EXPECT_EQ(r.state.PlayerSection, 0);
    EXPECT_TRUE(r.state.AIOn);
  });
}

}  // namespace
