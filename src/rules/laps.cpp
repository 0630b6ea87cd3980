// Laps, lap times and the race result: the first steps of the Village and City rules.
#include <cmath>
#include <cstdio>
#include <string>

#include "race/race.h"
#include "rules/rules.h"

namespace game {

namespace {

constexpr const char* kNoTime = "-- : -- : --";

bool endsByLaps(const RaceState& s) {
  return s.GameType == "Závody" || s.GameType == "Championat";
}

void stopInput(Race& race) {
  race.keyboardCapture = false;
  race.state.Steer = "";
  race.state.Throttle = "";
}

void lapTimesBox(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  svc::PictureBox &box = c.casy_box, &strip = c.Picture2, &banner = c.reklama;
  if (s.TimesBoxOpen) {
    if (box.left() < 0) {
      box.setLeft(box.left() + 2);
      strip.setLeft(box.left() + 4);
    } else {
      if (strip.top() < box.height()) strip.setTop(strip.top() + 1);
      banner.setLeft(banner.left() - 1);
      if (banner.left() <= -banner.width()) banner.setLeft(strip.width());
      box.setLeft(0);
      c.Timer7.setEnabled(true);
    }
  } else {
    if (strip.top() > box.height() - strip.height()) {
      strip.setTop(strip.top() - 1);
    } else if (box.left() > -81) {
      box.setLeft(box.left() - 2);
      strip.setLeft(box.left() + 4);
    } else {
      c.Timer7.setEnabled(false);
    }
  }
}

void result(Race& race, bool city) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  SettingsStore& settings = race.settings();
  const std::string dir = "/gfx/story/" + settings.pictureLanguage();
  const bool lost = s.LapCount <= s.OpponentLaps;  // a tie goes to the opponent
  const bool championship = s.GameType == "Championat";
  if (lost) {
    race.load(c.textik, dir + "/end.bmp");
    c.ok.setVisible(false);
    if (city) {
      c.Command3.setVisible(true);
      c.Command4.setVisible(true);
      c.Image1.setVisible(false);
    } else {
      c.Image3.setVisible(true);
    }
    return;
  }
  if (settings.get("unlockauta") == "0") settings.set("unlockauta", "1");
  race.load(c.textik, dir + (city ? "/win2.bmp" : "/win.bmp"));
  c.Command4.setVisible(false);
  c.Command3.setVisible(false);
  c.ok.setVisible(true);
  if (city) {
    settings.set("unlockmody", "1");
    settings.set("unlockauta", "2");
  }
  if (!championship) return;
  if (city) {
    race.load(c.textik, dir + "/win4.bmp");
    c.Image1.setVisible(false);
    c.ok.setVisible(false);
    c.Command4.setVisible(true);
    settings.set("unlockmody", "2");
    settings.set("unlockauta", "2");
  } else {
    race.load(c.textik, dir + "/win3.bmp");
    c.Image1.setVisible(true);
    c.ok.setVisible(false);
  }
}

void finishLine(Race& race, bool city) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  if (s.FreeRideMode || (city && s.KolderRunMode)) return;
  const svc::Colour under = c.KON[0]->surface().point(float((s.ViewLeft + 1000 + s.CarScreenX) / 5),
                                                      float((s.ViewTop + 1000 + s.CarScreenY) / 5));
  if (under != s.FinishLineColour) return;
  svc::Clock& clock = race.runtime().clock();
  // Disarmed until the sections have gone round once more.
  s.FinishLineColour = city ? 123456 : 123;
  ++s.LapCount;
  if (s.LapCount == 0) s.LapClock = clock.ticks();
  const std::string required = city ? "22" : "12";
  if (s.LapCount > 0 && c.Labelcheckpoint.caption() == required) {
    if (s.LapCount == 3 && endsByLaps(s)) {
      result(race, city);
      stopInput(race);
    }
    s.TimesBoxOpen = true;
    s.MinimapSide = "right";
    const double elapsed = double(std::uint32_t(clock.ticks() - std::uint32_t(s.LapClock))) / 1000;
    s.LapClock = elapsed;
    const LapTimeText t = FormatLapTime(elapsed);
    c.Label10.setCaption("Round : " + std::to_string(s.LapCount) + " cas: " + t.minute + t.seconds);
    svc::Label* slot = nullptr;
    for (svc::Label* l : c.labelcas)
      if (!slot && l->caption() == kNoTime) slot = l;
    if (!slot) {
      for (svc::Label* l : c.labelcas) l->setCaption(kNoTime);
      slot = c.labelcas[0];
    }
    slot->setCaption(std::string(t.minute) + t.seconds);
  } else if (s.LapCount > 0) {
    c.wrongway.setVisible(true);
    --s.LapCount;
  }
  if (s.LapCount <= 0) c.Label10.setCaption("");
  c.Labelcheckpoint.setCaption("0");
  s.LapClock = clock.ticks();
  c.Timer4.setEnabled(true);
}

}  // namespace

LapTimeText FormatLapTime(double e) {
  LapTimeText t{e > 60 ? "1:" : "0:", ""};
  const double seconds = std::nearbyint((e > 60 ? e - 60 : e) * 1000) / 1000;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", seconds);
  std::string text = buf;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  t.seconds = text;
  return t;
}

void LapRules(Race& race, bool city) {
  RaceState& s = race.state;
  if (s.LapCount == 3 && s.Speed < 0.2 && endsByLaps(s)) {
    race.controls().konec.setVisible(true);
    stopInput(race);
  }
  lapTimesBox(race);
  finishLine(race, city);
}

}  // namespace game
