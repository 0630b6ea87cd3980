// Laps, lap times and the race result: the first steps of the Village and City rules.
#include <cmath>
#include <cstdio>
#include <string>

#include "menu/selection_words.h"
#include "race/race.h"
#include "race/race_window.h"
#include "race/track_info.h"
#include "rules/rules.h"

namespace game {

namespace {

bool endsByLaps(const RaceState& s) {
  return s.GameType == kTypeRace || s.GameType == kTypeChampionship;
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

// Raises an unlock value to `value`; a result never takes back what was unlocked before. A value
// that is none of "0", "1" and "2" (a hand-edited file) is replaced.
void raiseUnlock(SettingsStore& settings, const char* key, const char* value) {
  const std::string now = settings.get(key);
  const bool known = now == "0" || now == "1" || now == "2";
  if (!known || now < value) settings.set(key, value);
}

void result(Race& race, const TrackInfo& track) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  SettingsStore& settings = race.settings();
  const std::string dir = "/gfx/story/" + settings.pictureLanguage();
  const bool lost = s.LapCount <= s.OpponentLaps;  // a tie goes to the opponent
  const bool championship = s.GameType == kTypeChampionship;
  // A championship goes on from the Village to the City and ends there: the City's panel has
  // its own repeat button and never the way on (`Image1`), and a win there raises the unlocks.
  const bool last = track.lastOfChampionship;
  if (lost) {
    c.ok.setVisible(false);
    // Both ways on are offered: race again, or back to the menu.
    c.Command4.setVisible(true);
    if (last) {
      c.Command3.setVisible(true);
      c.Image1.setVisible(false);
    } else {
      c.Image3.setVisible(true);
    }
    race.load(c.textik, dir + "/end.bmp");
    return;
  }
  // What was won is in the settings before any picture is loaded: a picture that cannot be read
  // ends the program, which saves the settings on its way out.
  if (settings.get("unlockauta") == "0") settings.set("unlockauta", "1");
  if (last) {
    raiseUnlock(settings, "unlockmody", championship ? "2" : "1");
    raiseUnlock(settings, "unlockauta", "2");
  }
  c.Command4.setVisible(false);
  c.Command3.setVisible(false);
  c.ok.setVisible(true);
  if (!championship) {
    race.load(c.textik, dir + track.winPicture);
    return;
  }
  if (last) {
    c.Image1.setVisible(false);
    c.ok.setVisible(false);
    c.Command4.setVisible(true);
  } else {
    c.Image1.setVisible(true);
    c.ok.setVisible(false);
  }
  race.load(c.textik, dir + track.championshipWinPicture);
}

void finishLine(Race& race, const TrackInfo& track) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  if (s.FreeRideMode || (track.kolderRun && s.KolderRunMode)) return;
  const double scale = track.maskDivisor;
  const svc::Colour under =
      c.KON[0]->surface().point(float((s.ViewLeft + kMapOffset + s.CarScreenX) / scale),
                                float((s.ViewTop + kMapOffset + s.CarScreenY) / scale));
  if (under != s.FinishLineColour) return;
  svc::Clock& clock = race.runtime().clock();
  // Disarmed until the sections have gone round once more.
  s.FinishLineColour = track.disarmedFinish;
  ++s.LapCount;
  if (s.LapCount == 0) s.LapClock = clock.ticks();
  if (s.LapCount > 0 && c.Labelcheckpoint.caption() == track.requiredCheckpoints) {
    if (s.LapCount == 3 && endsByLaps(s)) {
      result(race, track);
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
    slot->setCaption(t.minute + t.seconds);
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
  auto decimals = [](double seconds) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", seconds);
    std::string text = buf;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
  };
  if (e >= 120) {
    // Whole milliseconds first, so the seconds never round up to a sixtieth.
    const auto ms = static_cast<long long>(std::nearbyint(e * 1000));
    return {std::to_string(ms / 60000) + ":", decimals(double(ms % 60000) / 1000)};
  }
  const double seconds = std::nearbyint((e > 60 ? e - 60 : e) * 1000) / 1000;
  return {e > 60 ? "1:" : "0:", decimals(seconds)};
}

void LapRules(Race& race, bool city) {
  LapRules(race, trackInfo(city ? TrackId::City : TrackId::Village));
}

void LapRules(Race& race, const TrackInfo& track) {
  RaceState& s = race.state;
  if (s.LapCount == 3 && s.Speed < 0.2 && endsByLaps(s)) {
    ShowPanel(race.controls());
    stopInput(race);
  }
  lapTimesBox(race);
  finishLine(race, track);
}

}  // namespace game
