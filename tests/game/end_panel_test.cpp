// The pause and end panel after every kind of race end and restart: the buttons a player sees
// never cover one another, and a click where a button is drawn does that button's action. The
// buttons keep their visibility across restarts, so each path is played through in order.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "race/race.h"
#include "race/race_input.h"

namespace {

using testing_support::FakeGame;
using namespace game;

enum class Act { Lose, Win, TimeUp, Click, Pause, Resume };

struct Step {
  Act act;
  const char* button = "";  // for Click: the control clicked
};

struct Path {
  const char* name;
  const char* typ;
  const char* trasa;
  std::vector<Step> steps;
};

const char* const kPanelButtons[] = {"Image2",   "ok",    "Command4", "Image3",
                                     "Command3", "kolde", "Image1"};

// The buttons take the size of their pictures: give them the game's own.
void buttonPictures(FakeGame& g) {
  for (const char* name : kPanelButtons) {
    const int width = std::string(name) == "Command4" ? 45 : 58;
    g.pictures.files[g.folder + "/gfx/builtin/Form1/" + name + ".bmp"] =
        std::make_shared<svc::Image>(width, 15, svc::rgb(40, 40, 60));
  }
}

// A control's top-left corner in window pixels.
void windowPosition(const svc::Control& c, int& x, int& y) {
  x = y = 0;
  for (const svc::Control* p = &c; p; p = p->parent()) {
    x += p->left();
    y += p->top();
  }
}

void expectButtonsApart(Race& race, const std::string& when) {
  ASSERT_TRUE(race.controls().konec.visible()) << when;
  std::vector<const svc::Control*> shown;
  for (const char* name : kPanelButtons)
    if (race.form().control(name).visible()) shown.push_back(&race.form().control(name));
  EXPECT_FALSE(shown.empty()) << when;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const svc::Control& a = *shown[i];
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      const svc::Control& b = *shown[j];
      const bool apart = a.left() + a.width() <= b.left() || b.left() + b.width() <= a.left() ||
                         a.top() + a.height() <= b.top() || b.top() + b.height() <= a.top();
      EXPECT_TRUE(apart) << when << ": " << a.name() << " and " << b.name() << " overlap";
    }
    int x, y, lx, ly;
    windowPosition(a, x, y);
    const svc::Control* hit = race.form().hitTest(x + a.width() / 2, y + a.height() / 2, &lx, &ly);
    EXPECT_EQ(hit, &a) << when << ": a click on " << a.name() << " hits "
                       << (hit ? hit->name() : "nothing");
  }
}

void clickAt(Race& race, const char* name, std::deque<svc::InputEvent>& out) {
  const svc::Control& c = race.form().control(name);
  int x, y;
  windowPosition(c, x, y);
  x += c.width() / 2;
  y += c.height() / 2;
  using T = svc::InputEvent::Type;
  for (T t : {T::MouseMove, T::MouseDown, T::MouseUp}) {
    svc::InputEvent e;
    e.type = t;
    e.x = x;
    e.y = y;
    out.push_back(e);
  }
}

// Puts the car on the finish line of its third lap, every checkpoint passed, the opponent
// ahead or behind; the rules of the next frame decide the race.
void finishThirdLap(Race& race, bool won) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  constexpr svc::Colour kLine = svc::rgb(250, 250, 250);
  c.KON[0]->setPicture(std::make_shared<svc::Image>(400, 400, kLine), "line.bmp");
  s.FinishLineColour = kLine;
  s.LapCount = 2;
  s.OpponentLaps = won ? 0 : 3;
  s.Speed = 0;
  c.Labelcheckpoint.setCaption(s.TrackKind == 2 ? "22" : "12");
}

void play(const Path& path) {
  FakeGame g;
  buttonPictures(g);
  g.start();
  g.choose(path.typ);
  std::size_t next = 0;
  int waited = 0;
  bool checkPanel = false, expectResumed = false;
  std::string when;
  g.input.onPoll = [&](std::deque<svc::InputEvent>& out) {
    Race* race = g.program->race();
    if (!race || !race->state.Running) return;
    RaceState& s = race->state;
    RaceControls& c = race->controls();
    if (++waited > 20000) {
      ADD_FAILURE() << path.name << ": stuck before step " << next;
      s.Running = false;
      return;
    }
    if (checkPanel) {
      if (!c.konec.visible()) return;  // the car still rolls out
      checkPanel = false;
      expectButtonsApart(*race, std::string(path.name) + ", " + when);
    }
    if (expectResumed) {
      expectResumed = false;
      EXPECT_FALSE(s.Paused) << path.name << ", " << when;
      EXPECT_FALSE(c.konec.visible()) << path.name << ", " << when;
      EXPECT_TRUE(s.RaceStarted) << path.name << ", " << when << ": the race started again";
    }
    if (next == path.steps.size()) {
      s.Running = false;
      return;
    }
    const Step& step = path.steps[next];
    // Pausing needs the keys, which come back at the green light after a restart.
    if (step.act == Act::Pause && !(s.RaceStarted && race->keyboardCapture)) return;
    if (waited < 5) return;
    waited = 0;
    ++next;
    when = "step " + std::to_string(next);
    switch (step.act) {
      case Act::Lose:
      case Act::Win:
        finishThirdLap(*race, step.act == Act::Win);
        checkPanel = true;
        break;
      case Act::TimeUp:
        s.TimeLeft = -1;
        checkPanel = true;
        break;
      case Act::Click:
        clickAt(*race, step.button, out);
        break;
      case Act::Pause: {
        svc::InputEvent down, up;
        down.type = svc::InputEvent::Type::KeyDown;
        up.type = svc::InputEvent::Type::KeyUp;
        down.key = up.key = kKeyEsc;
        out.push_back(down);
        out.push_back(up);
        checkPanel = true;
        break;
      }
      case Act::Resume:
        clickAt(*race, "Image2", out);
        expectResumed = true;
        break;
    }
  };
  g.race(path.trasa);
  EXPECT_EQ(next, path.steps.size()) << path.name;
}

TEST(EndPanel, NoButtonCoversAnotherAfterAnyEndRestartAndPause) {
  const Path paths[] = {
      {"a lost Village race, repeated",
       "Závody",
       "Vesnice",
       {{Act::Lose}, {Act::Click, "Image3"}, {Act::Pause}, {Act::Resume}, {Act::Lose}}},
      {"a lost City race, repeated and won",
       "Závody",
       "Město",
       {{Act::Lose}, {Act::Click, "Command3"}, {Act::Pause}, {Act::Resume}, {Act::Win}}},
      {"a championship: the Village won, the City lost and repeated",
       "Championat",
       "Vesnice",
       {{Act::Win},
        {Act::Click, "Image1"},
        {Act::Pause},
        {Act::Resume},
        {Act::Lose},
        {Act::Click, "Command3"},
        {Act::Pause},
        {Act::Resume},
        {Act::Win}}},
      {"a Kolder Run timed out, run again",
       "Kolder Run",
       "Město",
       {{Act::TimeUp}, {Act::Click, "kolde"}, {Act::Pause}, {Act::Resume}, {Act::TimeUp}}},
      {"a plain pause", "Závody", "Vesnice", {{Act::Pause}, {Act::Resume}, {Act::Pause}}},
  };
  for (const Path& p : paths) play(p);
}

// The lost Village race offers the way back to the menu beside the repeat.
TEST(EndPanel, AVillageLossLeadsBackToTheMenuToo) {
  bool seen = false;
  const Path path{"a lost Village race", "Závody", "Vesnice", {{Act::Lose}}};
  FakeGame g;
  buttonPictures(g);
  g.start();
  g.program->menu()->setSelection("typ", path.typ);
  g.input.onPoll = [&](std::deque<svc::InputEvent>& out) {
    Race* race = g.program->race();
    if (!race) return;
    RaceControls& c = race->controls();
    if (race->state.TotalFrames == 10) finishThirdLap(*race, false);
    if (!seen && c.konec.visible()) {
      seen = true;
      EXPECT_TRUE(c.Image3.visible());
      EXPECT_TRUE(c.Command4.visible());
      clickAt(*race, "Command4", out);  // leaves: the program ends and starts again
    }
    if (race->state.TotalFrames > 2000) race->state.Running = false;
  };
  const svc::ProgramEnd end = g.race(path.trasa);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(end.relaunch);
  EXPECT_EQ(g.program->settings().get("rez1"), "false");
}

TEST(RaceKeys, NumpadPlusStopsAtTheLargestInterval) {
  FakeGame g;
  g.start();
  Race race(g.program->runtime(), g.program->settings(), *g.program->menu());
  race.keyboardCapture = true;
  race.state.FrameInterval = 32766;
  for (int i = 0; i < 3; ++i) RaceKeyUp(race, kKeyPlus);
  EXPECT_EQ(race.state.FrameInterval, 32767);
  EXPECT_EQ(race.controls().Label2.caption(), "32767");
  RaceKeyUp(race, kKeyMinus);
  EXPECT_EQ(race.state.FrameInterval, 32766);
}

}  // namespace
