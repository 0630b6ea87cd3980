// The menu's page slides: one picture a pass, the passes paced at a display's 60 Hz by waiting
// on the clock, and the double move of the game types whose slide ends in a story.
#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"
#include "services/ini_file.h"

namespace {

using testing_support::FakeGame;

// Thrown from the event processing to leave a story's endless frame loop.
struct StoryStarted {
  int page11Left;
  std::uint32_t ticks;
};

struct SlidingMenu {
  FakeGame g;
  explicit SlidingMenu(const char* unlockmody = "0") {
    svc::writeProfileString(g.folder + "/Data/snow.ini", "dv", "unlockmody", unlockmody);
    svc::writeProfileString(g.folder + "/Data/snow.ini", "dv", "jazyk", "cz");
    g.start();
    // The back button's animation would add pictures of its own.
    form().timer("Timer1").setEnabled(false);
  }
  svc::Form& form() { return g.program->menu()->form(); }
  int left(int page) { return form().picture("gamemenu(" + std::to_string(page) + ")").left(); }

  struct Slide {
    std::uint32_t ms;
    int presents;
    int polls;
  };
  // Clicks a control and measures the slide that the click runs.
  Slide click(const char* name) {
    const std::uint32_t t0 = g.clock.ticks();
    const int presents = g.presenter.presented, polls = g.input.polls;
    form().control(name).mouse.click();
    return {g.clock.ticks() - t0, g.presenter.presented - presents, g.input.polls - polls};
  }
};

TEST(MenuSlides, EachPassIsOnePictureAtSixtyPassesASecond) {
  SlidingMenu m;
  struct Case {
    const char* button;
    int page;
    int endLeft;
    int passes;
  };
  const Case cases[] = {
      {"cudlik_nova_hra", 1, 96, 44},  // forward: from x 536 to 96
      {"back_button", 0, 110, 45},     // back: page 0 from -340 to 110
      {"cudlik_nastaveni", 2, 96, 44},
      {"nastaveni_grafika", 6, 96, 44},
  };
  for (const Case& c : cases) {
    const SlidingMenu::Slide s = m.click(c.button);
    EXPECT_EQ(m.left(c.page), c.endLeft) << c.button;
    // One picture a pass after the first of the pages in their starting places, two rounds of
    // event processing a pass: nothing spins.
    EXPECT_EQ(s.presents, c.passes + 1) << c.button;
    EXPECT_EQ(s.polls, 2 * c.passes) << c.button;
    // 1000/60 ms a pass; a slide is visible, and quick.
    EXPECT_NEAR(s.ms, c.passes * 1000.0 / 60, 17) << c.button;
    EXPECT_GE(s.ms, 300u) << c.button;
    EXPECT_LE(s.ms, 1500u) << c.button;
  }
}

TEST(MenuSlides, StoryGameTypesMoveTwiceAPassAndStartTheStoryAt106) {
  struct Case {
    const char* button;
    int passes;
  };
  // Kolder Run's test is the last one, so only its slide moves once a pass.
  const Case cases[] = {
      {"speedrace", 21}, {"freeride", 21}, {"vyuka", 21}, {"champinship", 21}, {"kolderrun", 43}};
  for (const Case& c : cases) {
    SlidingMenu m("2");
    for (const char* b : {"cudlik_nova_hra", "dale1", "oneplayer"}) m.click(b);
    const std::uint32_t t0 = m.g.clock.ticks();
    m.g.input.onPoll = [&m](std::deque<svc::InputEvent>&) {
      if (m.form().picture("cerne").visible()) throw StoryStarted{m.left(11), m.g.clock.ticks()};
    };
    try {
      m.click(c.button);
      ADD_FAILURE() << c.button << ": no story";
    } catch (const StoryStarted& s) {
      EXPECT_EQ(s.page11Left, 106) << c.button;
      EXPECT_NEAR(s.ticks - t0, c.passes * 1000.0 / 60, 17) << c.button;
      EXPECT_EQ(m.left(10), 106 - 440) << c.button;
    }
  }
}

}  // namespace
