#include "extras/records.h"

#include <cmath>
#include <numeric>

#include "menu/selection_words.h"
#include "race/race_window.h"
#include "services/blend.h"
#include "services/rotate.h"

namespace game {

namespace {

// How much of the ghost shows through over the map.
constexpr std::uint8_t kGhostAlpha = 120;
const svc::Colour kGold = svc::rgb(255, 214, 110);

bool czech(SettingsStore& settings) {
  return settings.pictureLanguage() == "cz";
}

// The picture the player's car shows, as the view chooses it.
std::uint8_t spriteOf(Race& race) {
  const RaceState& s = race.state;
  if (race.controls().Labelsipka.visible()) return 6;
  const bool alt = s.AltSpritesOn;
  if (s.Throttle == "down" && s.Speed < 0) return alt ? 2 : 3;
  if (s.Throttle == "down") return alt ? 1 : 4;
  return alt ? 0 : 5;
}

}  // namespace

void LapWatch::reset(const RaceState& s) {
  lapClock_ = s.LapClock;
  laps_ = s.LapCount;
  crossed_ = counted_ = false;
}

void LapWatch::update(const RaceState& s) {
  crossed_ = s.LapClock != lapClock_;
  counted_ = crossed_ && s.LapCount > laps_ && s.LapCount > 0;
  if (counted_) {
    // The rules' own sum: the crossing's tick less the last crossing's, in whole milliseconds.
    lapSeconds_ =
        double(std::uint32_t(std::uint32_t(s.LapClock) - std::uint32_t(lapClock_))) / 1000;
  }
  lapClock_ = s.LapClock;
  laps_ = s.LapCount;
}

std::string RaceRecords::ghostPath(Race& race) const {
  return race.runtime().path(ghostFileName(of_.track, of_.car));
}

void RaceRecords::addControls(Race& race) {
  if (controlsOf_ == &race) return;
  controlsOf_ = &race;
  svc::Form& f = race.form();
  RaceControls& c = race.controls();
  // Under the end panel's row of buttons, inside the panel's shadow.
  endText_ = &f.addLabel("rekordy", "", 170, 352, 300, 40, &c.konec);
  endText_->align = svc::Align::Centre;
  endText_->style = {13, true};
  endText_->foreColor = kGold;
  endText_->transparent = false;
  endText_->backColor = svc::rgb(18, 20, 34);
  endText_->setVisible(false);
  // A star in the lap-times box's left margin, beside a lap that set a record.
  for (std::size_t i = 0; i < marks_.size(); ++i) {
    marks_[i] = &f.addLabel("rekordcas(" + std::to_string(i) + ")", "★", 1, 7 + 16 * int(i), 10, 15,
                            &c.casy_box);
    marks_[i]->style = {10, true};
    marks_[i]->foreColor = kGold;
    marks_[i]->setVisible(false);
  }
}

void RaceRecords::raceStarted(Race& race) {
  addControls(race);
  RaceState& s = race.state;
  of_ = {race.track().trasa, race.menu().selection("auto"), race.menu().selection("Obtiznost")};
  racing_ = s.GameType == kTypeRace || s.GameType == kTypeChampionship;
  watch_.reset(s);
  laps_.clear();
  raceOffered_ = kolderOffered_ = false;
  newLap_ = newRace_ = newKolder_ = false;
  endText_->setVisible(false);
  for (svc::Label* m : marks_) m->setVisible(false);
  for (std::size_t i = 0; i < slots_.size(); ++i)
    slots_[i] = race.controls().labelcas[i]->caption();
  // The ghost: the best lap on this track with this car, in the races that count laps.
  ghost_.reset();
  loadedLapMs_.reset();
  ghostBeaten_ = false;
  playing_ = false;
  playFrame_ = 0;
  recordingOn_ = false;
  recording_.frames.clear();
  if (racing_ && race.track().requiredCheckpoints) {
    ghost_ = readGhost(ghostPath(race));
    if (ghost_) loadedLapMs_ = ghost_->lapMs;
  }
}

void RaceRecords::markLap(Race& race, bool record) {
  RaceControls& c = race.controls();
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    const std::string now = c.labelcas[i]->caption();
    // The slot that took this lap's time; a full box starts again from its first slot.
    if (now != slots_[i]) marks_[i]->setVisible(record && now != kNoTime);
    if (now == kNoTime) marks_[i]->setVisible(false);
    slots_[i] = now;
  }
}

void RaceRecords::frameDone(Race& race) {
  RaceState& s = race.state;
  // A paused pass changes nothing, and the ghost waits with the player.
  if (s.Paused) {
    showEnd(race);
    return;
  }
  watch_.update(s);
  RecordsStore& records = settings_.records();
  if (racing_ && watch_.counted()) {
    laps_.push_back(watch_.lapSeconds());
    const bool record = records.offer(RecordKind::Lap, of_, watch_.lapSeconds());
    newLap_ = newLap_ || record;
    markLap(race, record);
    if (s.LapCount == 3 && laps_.size() >= 3 && !raceOffered_) {
      raceOffered_ = true;
      const double total = std::accumulate(laps_.end() - 3, laps_.end(), 0.0);
      newRace_ = records.offer(RecordKind::Race, of_, total);
    }
  } else if (watch_.crossed()) {
    markLap(race, false);
  }
  if (s.KolderRunMode && s.TimeLeft < 0 && !kolderOffered_) {
    kolderOffered_ = true;
    newKolder_ = records.offer(RecordKind::Kolder, {of_.track, of_.car, ""}, s.KolderCount);
  }

  // The ghost: a counted lap that beats it (or the first) becomes it; every crossing starts a
  // new recording and sends the ghost round again.
  if (racing_ && watch_.crossed()) {
    if (watch_.counted() && recordingOn_ && !recording_.frames.empty()) {
      recording_.lapMs = std::uint32_t(std::lround(watch_.lapSeconds() * 1000));
      if (!ghost_ || recording_.lapMs < ghost_->lapMs) {
        if (loadedLapMs_ && recording_.lapMs < *loadedLapMs_) ghostBeaten_ = true;
        writeGhost(ghostPath(race), recording_);
        ghost_ = recording_;
      }
    }
    recording_.frames.clear();
    recordingOn_ = true;
    playing_ = ghost_.has_value();
    playFrame_ = 0;
  } else if (playing_ && ++playFrame_ >= ghost_->frames.size()) {
    playing_ = false;
  }
  if (recordingOn_)
    recording_.frames.push_back({float(s.ViewLeft + s.CarScreenX), float(s.ViewTop + s.CarScreenY),
                                 float(s.Heading), spriteOf(race)});
  showEnd(race);
}

void RaceRecords::showEnd(Race& race) {
  const RaceState& s = race.state;
  const bool ended = (racing_ && raceOffered_) || kolderOffered_;
  if (!ended || !race.controls().konec.visible()) {
    endText_->setVisible(false);
    return;
  }
  const bool cz = czech(settings_);
  std::string text;
  if (kolderOffered_) {
    const auto best = settings_.records().best(RecordKind::Kolder, {of_.track, of_.car, ""});
    text = (cz ? "Nejlepší: " : "Best: ") + std::to_string(best ? int(*best) : 0) +
           (cz ? " balíků" : " parcels");
    if (newKolder_) text += cz ? "   Nový rekord!" : "   New record!";
  } else {
    const auto lap = settings_.records().best(RecordKind::Lap, of_);
    const auto total = settings_.records().best(RecordKind::Race, of_);
    text = std::string(cz ? "Nejlepší kolo " : "Best lap ") + (lap ? recordTimeText(*lap) : "-") +
           (cz ? ", závod " : ", race ") + (total ? recordTimeText(*total) : "-");
    if (newLap_ || newRace_) text += cz ? "\nNový rekord!" : "\nNew record!";
    if (ghostBeaten_) text += cz ? "  Duch poražen!" : "  Ghost beaten!";
  }
  (void)s;
  endText_->setCaption(text);
  endText_->setVisible(true);
}

void RaceRecords::drawUnderCars(Race& race, svc::Surface& picture) {
  if (!playing_ || !ghost_ || playFrame_ >= ghost_->frames.size()) return;
  if (!settings_.options().on("ghost")) return;
  const GhostFrame& f = ghost_->frames[playFrame_];
  RaceControls& c = race.controls();
  const svc::Surface& sprite = f.sprite == 6 ? c.sipka1.surface() : c.car[f.sprite]->surface();
  // Turned on a patch of the key colour, then laid over the map half seen through.
  const int side = int(std::ceil(std::hypot(sprite.width(), sprite.height()))) + 2;
  // One patch kept from frame to frame: a fresh picture each frame would cost a page or two.
  if (patch_.width() != side || patch_.height() != side) patch_ = svc::Surface(side, side);
  patch_.fill(svc::kMagenta);
  svc::Surface& patch = patch_;
  svc::foxRotate(patch, side / 2.0, side / 2.0, sprite, svc::kMagenta, -f.heading, 0);
  const RaceState& s = race.state;
  const int x = int(std::lround(f.x - s.ViewLeft)) - side / 2;
  const int y = int(std::lround(f.y - s.ViewTop)) - side / 2;
  svc::foxAlphaBlend(picture, x, y, side, side, patch, 0, 0, kGhostAlpha, svc::kMagenta, 0);
}

void RaceRecords::playGhost(GhostLap lap) {
  ghost_ = std::move(lap);
  playing_ = !ghost_->frames.empty();
  playFrame_ = 0;
}

RaceRecords::GhostView RaceRecords::ghostView() const {
  GhostView v;
  v.loaded = ghost_.has_value();
  v.recording = recording_.frames.size();
  if (!ghost_) return v;
  v.lapMs = ghost_->lapMs;
  v.frames = ghost_->frames.size();
  v.shown = playing_ && settings_.options().on("ghost");
  v.frame = playFrame_;
  if (playing_ && playFrame_ < ghost_->frames.size()) v.at = ghost_->frames[playFrame_];
  return v;
}

}  // namespace game
