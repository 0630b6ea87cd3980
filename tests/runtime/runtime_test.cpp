// The runtime: timers, re-entrant event processing, mouse delivery and text wrapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "services/clock.h"
#include "services/form.h"
#include "services/gamepad.h"
#include "services/process.h"
#include "services/runtime.h"

namespace {

struct QueueInput : svc::InputSource {
  std::deque<svc::InputEvent> pending;
  std::uint32_t waitedUntil = 0;
  void poll(std::deque<svc::InputEvent>& out) override {
    while (!pending.empty()) {
      out.push_back(pending.front());
      pending.pop_front();
    }
  }
  void waitForInput(std::uint32_t until, bool) override { waitedUntil = until; }
};

struct Fixture {
  svc::VirtualClock clock{5000};
  QueueInput input;
  svc::NullPresenter presenter;
  svc::NullAudio audio;
  svc::BoxTextRenderer text;
  svc::Runtime runtime{{"/nowhere", &clock, &input, &presenter, &audio, nullptr, &text}};
  svc::Form form{"f", runtime.ui(), svc::WindowSlot::Main};
  Fixture() {
    form.resize(200, 200);
    runtime.addForm(form);
    form.show();
  }
  void pad(svc::Pad p, bool down) {
    svc::InputEvent e;
    e.type = down ? svc::InputEvent::Type::PadDown : svc::InputEvent::Type::PadUp;
    e.pad = static_cast<int>(p);
    input.pending.push_back(e);
    runtime.doEvents();
  }
  void press(svc::Pad p) {
    pad(p, true);
    pad(p, false);
  }
  void axis(svc::PadAxis a, int value) {
    svc::InputEvent e;
    e.type = svc::InputEvent::Type::PadAxis;
    e.pad = static_cast<int>(a);
    e.value = value;
    input.pending.push_back(e);
    runtime.doEvents();
  }
  void mouse(svc::InputEvent::Type t, int x, int y) {
    svc::InputEvent e;
    e.type = t;
    e.x = x;
    e.y = y;
    input.pending.push_back(e);
  }
};

TEST(Timers, FireOnceWhenLateAndKeepTheirPhase) {
  Fixture f;
  svc::Timer& t = f.form.addTimer("T", 100, true);
  std::vector<std::uint32_t> ticks;
  t.onTick = [&] { ticks.push_back(f.clock.ticks()); };
  struct Step {
    std::uint32_t advance;
    std::size_t fired;
  };
  // At 5099 nothing; 5100 fires; 5350 is late by 150 ms: one tick, never a burst; the next
  // is due at 5450 (one interval from now, as more than one was missed); 5449 nothing.
  const Step steps[] = {{99, 0}, {1, 1}, {250, 2}, {99, 2}, {1, 3}, {100, 4}};
  for (const Step& s : steps) {
    f.clock.advance(s.advance);
    f.runtime.doEvents();
    EXPECT_EQ(ticks.size(), s.fired) << "at " << f.clock.ticks();
  }
}

TEST(Timers, EnablingARunningTimerDoesNotRestartIt) {
  Fixture f;
  svc::Timer& t = f.form.addTimer("T", 1000, true);
  int fired = 0;
  t.onTick = [&] { ++fired; };
  f.clock.advance(600);
  t.setEnabled(true);  // already running: still due at 1000
  f.clock.advance(400);
  f.runtime.doEvents();
  EXPECT_EQ(fired, 1);
  f.clock.advance(600);
  t.setEnabled(false);
  t.setEnabled(true);  // restarted: due 1000 ms from now
  f.clock.advance(999);
  f.runtime.doEvents();
  EXPECT_EQ(fired, 1);
  f.clock.advance(1);
  f.runtime.doEvents();
  EXPECT_EQ(fired, 2);
}

// A timer whose tick would do nothing does not wake the program; once it has work again it ticks
// on its old beat, as if it had ticked all along.
TEST(Timers, AQuietTimerSleepsAndKeepsItsBeat) {
  Fixture f;
  svc::Timer& t = f.form.addTimer("T", 100, true);  // due at 5100, 5200, ...
  bool work = false;
  std::vector<std::uint32_t> ticks;
  t.onTick = [&] {
    if (work) ticks.push_back(f.clock.ticks());
  };
  t.quiet = [&] { return !work; };
  f.runtime.idleWait(5000 + 10000);
  EXPECT_EQ(f.input.waitedUntil, 15000u) << "woken for a quiet timer";
  f.clock.advance(350);  // a wait to 5350: three ticks slept through
  f.runtime.idleWait(5350);
  f.runtime.doEvents();
  work = true;
  f.runtime.idleWait(5350 + 10000);
  EXPECT_EQ(f.input.waitedUntil, 5400u) << "the beat was lost";
  f.runtime.doEvents();
  for (int i = 0; i < 3; ++i) {
    f.clock.advance(50);
    f.runtime.doEvents();
  }
  EXPECT_EQ(ticks, (std::vector<std::uint32_t>{5400, 5500}));
}

TEST(Timers, TicksOnlyInsideEventProcessingAndNotForUnloadedForms) {
  Fixture f;
  svc::Timer& t = f.form.addTimer("T", 10, true);
  int fired = 0;
  t.onTick = [&] { ++fired; };
  f.clock.advance(50);
  EXPECT_EQ(fired, 0);
  f.form.unload();
  f.runtime.doEvents();
  EXPECT_EQ(fired, 0);
}

TEST(Events, ANestedDoEventsTakesTheFollowingEvents) {
  Fixture f;
  std::vector<std::string> order;
  svc::ImageBox& a = f.form.addImage("a", 0, 0, 50, 50);
  svc::ImageBox& b = f.form.addImage("b", 100, 0, 50, 50);
  a.mouse.click = [&] {
    order.push_back("a begins");
    f.runtime.doEvents();  // a long operation processing events
    order.push_back("a ends");
  };
  b.mouse.click = [&] { order.push_back("b"); };
  using T = svc::InputEvent::Type;
  f.mouse(T::MouseDown, 10, 10);
  f.mouse(T::MouseUp, 10, 10);
  f.mouse(T::MouseDown, 110, 10);
  f.mouse(T::MouseUp, 110, 10);
  f.runtime.doEvents();
  EXPECT_EQ(order, (std::vector<std::string>{"a begins", "b", "a ends"}));
}

TEST(Events, MouseGoesToTheTopmostVisibleControl) {
  Fixture f;
  svc::PictureBox& page = f.form.addPicture("page", 20, 20, 100, 100);
  svc::ImageBox& button = f.form.addImage("button", 10, 10, 30, 20, &page);
  svc::ImageBox& cover = f.form.addImage("cover", 0, 0, 60, 60);
  std::string got;
  int gx = -1, gy = -1;
  for (svc::Control* c : std::initializer_list<svc::Control*>{&page, &button, &cover})
    c->mouse.down = [&got, &gx, &gy, c](int, int x, int y) {
      got = c->name();
      gx = x;
      gy = y;
    };
  f.form.mouse.down = [&](int, int, int) { got = "form"; };
  struct Case {
    int x, y;
    bool coverShown;
    const char* expected;
    int lx, ly;
  };
  const Case cases[] = {
      {35, 35, true, "cover", 35, 35},    // the later control lies on top
      {35, 35, false, "button", 5, 5},    // a child of the page, in its own pixels
      {100, 100, false, "page", 80, 80},  //
      {150, 150, false, "form", -1, -1},  // the window's own background
  };
  for (const Case& c : cases) {
    cover.setVisible(c.coverShown);
    got.clear();
    gx = gy = -1;
    f.mouse(svc::InputEvent::Type::MouseDown, c.x, c.y);
    f.mouse(svc::InputEvent::Type::MouseUp, c.x, c.y);
    f.runtime.doEvents();
    EXPECT_EQ(got, c.expected) << c.x << "," << c.y;
    if (c.lx >= 0) {
      EXPECT_EQ(std::make_pair(gx, gy), std::make_pair(c.lx, c.ly)) << c.expected;
    }
  }
}

TEST(Events, ClickNeedsTheButtonReleasedOverTheSameControl) {
  Fixture f;
  svc::ImageBox& a = f.form.addImage("a", 0, 0, 50, 50);
  int clicks = 0, ups = 0;
  a.mouse.click = [&] { ++clicks; };
  a.mouse.up = [&](int, int, int) { ++ups; };
  using T = svc::InputEvent::Type;
  f.mouse(T::MouseDown, 10, 10);
  f.mouse(T::MouseUp, 150, 150);  // released elsewhere: the control still hears the release
  f.mouse(T::MouseDown, 10, 10);
  f.mouse(T::MouseUp, 20, 20);
  f.runtime.doEvents();
  EXPECT_EQ(ups, 2);
  EXPECT_EQ(clicks, 1);
}

TEST(Gamepad, SticksAndTriggersHoldPastAQuarterOfTheirWay) {
  using svc::Pad;
  using svc::PadAxis;
  struct Case {
    PadAxis axis;
    int value;
    std::vector<std::pair<Pad, bool>> changes;
  };
  const Case cases[] = {
      {PadAxis::LeftX, svc::kPadDeadZone, {}},  // on the edge: not yet
      {PadAxis::LeftX, svc::kPadDeadZone + 1, {{Pad::StickRight, true}}},
      {PadAxis::LeftX, 32767, {}},                                                   // still held
      {PadAxis::LeftX, -32768, {{Pad::StickRight, false}, {Pad::StickLeft, true}}},  // across
      {PadAxis::LeftX, -5000, {{Pad::StickLeft, false}}},
      {PadAxis::LeftY, -20000, {{Pad::StickUp, true}}},
      {PadAxis::TriggerRight, 9000, {{Pad::TriggerRight, true}}},
      {PadAxis::TriggerRight, 0, {{Pad::TriggerRight, false}}},
      {PadAxis::RightX, 32767, {}},  // the right stick does nothing
  };
  svc::PadAxes axes;
  for (const Case& c : cases) {
    std::vector<std::pair<Pad, bool>> got;
    for (const svc::PadChange& ch : axes.move(c.axis, c.value))
      got.push_back({ch.input, ch.pressed});
    EXPECT_EQ(got, c.changes) << int(c.axis) << " at " << c.value;
  }
}

TEST(Gamepad, NamesReadAsSdlWritesThem) {
  svc::Pad p{};
  svc::PadAxis a{};
  EXPECT_TRUE(svc::padButtonByName("DpLeft", &p));
  EXPECT_EQ(p, svc::Pad::DpadLeft);
  EXPECT_TRUE(svc::padButtonByName("start", &p));
  EXPECT_EQ(p, svc::Pad::Start);
  EXPECT_FALSE(svc::padButtonByName("leftx", &p));
  EXPECT_FALSE(svc::padButtonByName("", &p));
  EXPECT_TRUE(svc::padAxisByName("righttrigger", &a));
  EXPECT_EQ(a, svc::PadAxis::TriggerRight);
  EXPECT_FALSE(svc::padAxisByName("a", &a));
  EXPECT_EQ(svc::padName(svc::Pad::StickLeft), "leftx-");
}

// Two rows of buttons, and controls a click could not reach: hidden, covered, off the window,
// without a click handler.
struct PadMenu : Fixture {
  std::vector<std::string> clicked;
  std::string hovered;
  svc::ImageBox& add(const char* name, int x, int y, bool clickable = true) {
    svc::ImageBox& b = form.addImage(name, x, y, 30, 20);
    if (clickable) b.mouse.click = [this, name] { clicked.push_back(name); };
    b.mouse.move = [this, name](int, int, int) { hovered = name; };
    return b;
  }
  PadMenu() {
    add("second", 100, 10);
    add("first", 10, 14);  // a little lower, still the first row
    add("fourth", 100, 60);
    add("third", 10, 60);
    add("hidden", 50, 100).setVisible(false);
    add("covered", 10, 140);
    add("cover", 12, 142, false);  // later, so on top
    add("outside", 190, 100);      // its centre lies off the window
    add("plain", 100, 100, false);
    form.padBack = &add("back", 150, 170);
  }
  std::string lit() const { return form.highlight() ? form.highlight()->name() : ""; }
};

TEST(Gamepad, TheDpadWalksTheReachableControlsInReadingOrder) {
  PadMenu m;
  std::vector<std::string> order;
  for (svc::Control* c : m.form.padTargets()) order.push_back(c->name());
  EXPECT_EQ(order, (std::vector<std::string>{"first", "second", "third", "fourth", "back"}));
  using svc::Pad;
  struct Step {
    Pad input;
    const char* lit;
  };
  // Nothing lit: forward starts at the first, back at the last; both ends wrap.
  const Step steps[] = {{Pad::DpadUp, "back"},     {Pad::DpadRight, "first"},
                        {Pad::DpadDown, "second"}, {Pad::StickDown, "third"},
                        {Pad::DpadLeft, "second"}, {Pad::DpadLeft, "first"},
                        {Pad::DpadLeft, "back"},   {Pad::DpadRight, "first"}};
  for (const Step& s : steps) {
    m.press(s.input);
    EXPECT_EQ(m.lit(), s.lit) << int(s.input);
    EXPECT_EQ(m.hovered, s.lit) << "the pointer's hover follows the highlight";
  }
  m.press(Pad::DpadRight);
  m.press(Pad::A);
  m.press(Pad::B);
  EXPECT_EQ(m.clicked, (std::vector<std::string>{"second", "back"}));
  EXPECT_EQ(m.lit(), "second");  // clicking keeps the highlight
  // A highlighted control that goes away: A shows the first again instead of clicking.
  m.form.control("second").setVisible(false);
  m.press(Pad::A);
  EXPECT_EQ(m.lit(), "first");
  EXPECT_EQ(m.clicked.size(), 2u);
  // The pointer takes over.
  m.mouse(svc::InputEvent::Type::MouseDown, 150, 150);
  m.runtime.doEvents();
  EXPECT_EQ(m.lit(), "");
}

TEST(Gamepad, TheHighlightIsAFrameAroundTheControlAndNothingElse) {
  PadMenu m;
  m.form.setBackColor(svc::rgb(10, 20, 30));
  const svc::Surface before = m.form.image();
  m.press(svc::Pad::DpadRight);  // "first": 10,14 30x20
  const svc::Surface& after = m.form.image();
  int changed = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x)
      if (after.pixel(x, y) != before.pixel(x, y)) {
        ++changed;
        const bool inFrame =
            x >= 7 && x <= 42 && y >= 11 && y <= 36 && !(x >= 10 && x < 40 && y >= 14 && y < 34);
        EXPECT_TRUE(inFrame) << x << "," << y;
      }
  EXPECT_GT(changed, 0);
  // Gone with its control.
  m.form.control("first").setVisible(false);
  const svc::Surface& hidden = m.form.image();
  EXPECT_EQ(hidden.pixel(8, 12), before.pixel(8, 12));
}

// A form that drives: the controller's inputs are its keys, past the key bindings, until the form
// says it no longer drives; a release always lets go of what its press held.
TEST(Gamepad, DrivingInputsAreKeysAndReleasesFollowTheirPresses) {
  PadMenu m;
  using svc::Pad;
  std::vector<std::string> heard;
  m.form.onKeyDown = [&](int k) { heard.push_back("+" + std::to_string(k)); };
  m.form.onKeyUp = [&](int k) { heard.push_back("-" + std::to_string(k)); };
  m.form.takesKeyBindings = true;
  m.runtime.keyBindings().bind(38, {'W'});  // the keyboard's accelerator moved: not the pad's
  bool driving = true;
  m.form.padDrives = [&] { return driving; };
  m.form.padKeys = {{int(Pad::A), 38}, {int(Pad::StickLeft), 37}, {int(Pad::Start), 27}};
  m.pad(Pad::A, true);
  m.axis(svc::PadAxis::LeftX, -30000);
  m.pad(Pad::X, true);  // not bound: nothing
  m.pad(Pad::X, false);
  driving = false;  // a panel comes up
  m.pad(Pad::A, false);
  m.axis(svc::PadAxis::LeftX, 0);
  m.press(Pad::Start);  // a bound key still goes through on a panel
  m.press(Pad::A);      // but A picks a control
  EXPECT_EQ(heard, (std::vector<std::string>{"+38", "+37", "-38", "-37", "+27", "-27"}));
  EXPECT_EQ(m.lit(), "first");
  EXPECT_TRUE(m.clicked.empty());
}

// The window is composed and put on the screen again only for changes that can be seen: a
// hidden control (or one inside a hidden box) may change as it likes, and what it became shows as
// soon as it is shown.
TEST(Presenting, ChangesNobodyCanSeeDoNotRedrawTheWindow) {
  Fixture f;
  svc::PictureBox& panel = f.form.addPicture("panel", 0, 0, 100, 100);
  svc::PictureBox& inner = f.form.addPicture("inner", 10, 10, 20, 20, &panel);
  svc::Label& label = f.form.addLabel("label", "", 50, 50, 40, 20, &panel);
  panel.setVisible(false);
  f.runtime.doEvents();
  const int shown = f.presenter.presented;
  struct Step {
    const char* what;
    std::function<void()> change;
    bool redrawn;
  };
  const Step steps[] = {
      {"drawing into a hidden box", [&] { inner.surface().fill(svc::rgb(1, 2, 3)); }, false},
      {"moving it", [&] { inner.move(12, 12); }, false},
      {"a caption inside", [&] { label.setCaption("x"); }, false},
      {"showing the panel", [&] { panel.setVisible(true); }, true},
      {"drawing into the shown box", [&] { inner.surface().fill(svc::rgb(4, 5, 6)); }, true},
      {"hiding the inner box", [&] { inner.setVisible(false); }, true},
      {"drawing into it again", [&] { inner.surface().fill(svc::rgb(7, 8, 9)); }, false},
      {"showing it", [&] { inner.setVisible(true); }, true},
  };
  int expected = shown;
  for (const Step& st : steps) {
    st.change();
    f.runtime.doEvents();
    if (st.redrawn) ++expected;
    EXPECT_EQ(f.presenter.presented, expected) << st.what;
  }
  // The last drawing, made while hidden, is what shows.
  EXPECT_EQ(f.form.image().pixel(13, 13), svc::rgb(7, 8, 9));
}

// A presenter may copy a form out as the picture box covering its window plus the places drawn
// over it; put together they are the composed picture, whatever is drawn over the box and
// wherever, frame after frame. Without such a box, or with the box hidden under something drawn
// over all of it, there are no layers.
TEST(Presenting, TheLayersOfAFormPutTogetherAreItsPicture) {
  struct Case {
    const char* name;
    std::function<void(svc::Form&, svc::PictureBox& view)> build;
    bool layered;
  };
  const Case cases[] = {
      {"nothing over the view", [](svc::Form&, svc::PictureBox&) {}, true},
      {"labels, boxes, lines and a later picture, overlapping and partly outside",
       [](svc::Form& f, svc::PictureBox& v) {
         svc::Label& lap = f.addLabel("lap", "Kolo 2", 10, 10, 60, 16, &v);
         lap.transparent = false;
         lap.backColor = svc::rgb(20, 20, 20);
         f.addLabel("clear", "časy", 40, 14, 80, 20, &v);
         svc::PictureBox& box = f.addPicture("box", -30, 100, 81, 57, &v);
         box.surface().fill(svc::rgb(9, 9, 200));
         f.addLabel("inBox", "1:02", 5, 5, 70, 15, &box);
         f.addLabel("hidden", "x", 0, 0, 50, 50, &v).setVisible(false);
         f.addLine("line", &v).setPoints(3.4, 190.6, 199, 120);
         svc::LineShape& needle = f.addLine("needle", &v);
         needle.setPoints(151, 26.5, 121.5, 26);
         needle.thickness = 3;
         f.addLine("dot", &box).setPoints(-2, 4, -2, 4);
         f.addPicture("later", 150, 150, 80, 80).surface().fill(svc::rgb(200, 9, 9));
       },
       true},
      {"a panel over the whole view",
       [](svc::Form& f, svc::PictureBox& v) {
         f.addPicture("panel", 0, 0, 200, 200, &v).surface().fill(svc::rgb(1, 2, 3));
       },
       false},
      {"the view off the window's corner", [](svc::Form&, svc::PictureBox& v) { v.move(-5, 0); },
       false},
      {"a highlighted control",
       [](svc::Form& f, svc::PictureBox& v) {
         f.setHighlight(&f.addLabel("lit", "Start", 50, 50, 60, 16, &v));
       },
       false},
  };
  for (const Case& c : cases) {
    Fixture f;
    svc::PictureBox& view = f.form.addPicture("view", 0, 0, 210, 200);
    c.build(f.form, view);
    for (int frame = 0; frame < 3; ++frame) {
      // A new view every frame, and things over it that move.
      for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 210; ++x)
          view.surface().setPixel(x, y, svc::rgb((x * 7 + frame) & 255, (y * 3) & 255, 99));
      if (svc::Control* moving = f.form.findControl("box")) moving->move(-30 + 40 * frame, 100);
      if (svc::Control* caption = f.form.findControl("clear"))
        static_cast<svc::Label*>(caption)->setCaption(std::string(std::size_t(frame) + 1, 'W'));
      svc::Form::Layers layers;
      const bool layered = f.form.layers(&layers);
      EXPECT_EQ(layered, c.layered) << c.name;
      if (!layered) break;
      std::vector<svc::Colour> joined;
      for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
          const bool over = std::any_of(layers.parts.begin(), layers.parts.end(),
                                        [&](const svc::Control::Clip& p) {
                                          return x >= p.x0 && x < p.x1 && y >= p.y0 && y < p.y1;
                                        });
          joined.push_back((over ? layers.over : layers.base)->pixel(x, y));
        }
      const svc::Surface& whole = f.form.image();
      int wrong = 0;
      for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
          wrong += joined[std::size_t(y) * 200 + x] != whole.pixel(x, y);
      EXPECT_EQ(wrong, 0) << c.name << ", frame " << frame;
    }
  }
}

TEST(Events, TypingGoesToTheFocusedField) {
  Fixture f;
  svc::TextBox& t = f.form.addTextBox("Text1", "- Jméno -", 0, 0, 100, 20);
  svc::InputEvent e;
  e.type = svc::InputEvent::Type::Text;
  e.text = "Ž";
  f.input.pending.push_back(e);  // no focus yet: ignored
  f.mouse(svc::InputEvent::Type::MouseDown, 5, 5);
  f.input.pending.push_back(e);
  svc::InputEvent bs;
  bs.type = svc::InputEvent::Type::KeyDown;
  bs.key = 8;
  f.input.pending.push_back(bs);
  f.input.pending.push_back(e);
  f.input.pending.push_back(e);
  f.runtime.doEvents();
  EXPECT_EQ(t.text(), "- Jméno -ŽŽ");
}

TEST(Events, AFocusedFieldComposesWhereverItsPageSlides) {
  // The caret of a focused field on a page that slides off the window's left edge, or past its
  // right one, lies outside the window: nothing of it is drawn there.
  for (int left : {-150, -60, -3, 150, 199}) {
    Fixture f;
    svc::PictureBox& page = f.form.addPicture("page", 0, 10, 120, 60);
    svc::TextBox& t = f.form.addTextBox("Text1", "Jana", 24, 20, 100, 19, &page);
    f.mouse(svc::InputEvent::Type::MouseDown, 30, 35);
    f.runtime.doEvents();
    ASSERT_EQ(f.form.focus, &t);
    page.setLeft(left);
    EXPECT_EQ(f.form.image().width(), 200) << left;
  }
}

TEST(Labels, WrapAtBlanksAndRunsOfBlanksPushWordsDown) {
  svc::BoxTextRenderer r;  // 7 pixels a character at size 12
  const svc::TextStyle style{12, false};
  struct Case {
    std::string text;
    int width;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"konec hry", 200, {"konec hry"}},
      {"konec hry ukončení hry", 70, {"konec hry", "ukončení", "hry"}},
      {"Nová Hra          později", 140, {"Nová Hra", "později"}},
      {"jedna\ndva", 200, {"jedna", "dva"}},
      {"přílišdlouhéslovo a", 35, {"přílišdlouhéslovo", "a"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(svc::wrapText(r, c.text, style, c.width), c.lines) << c.text;
}

}  // namespace

namespace {

TEST(Process, SpawnsAProgramAndReportsOneThatIsMissing) {
  EXPECT_TRUE(svc::spawnProgram("/bin/true"));
  EXPECT_FALSE(svc::spawnProgram("/nonexistent/Drovanta"));
}

}  // namespace
