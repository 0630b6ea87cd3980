#include "tracks/track_sim.h"

#include <stdexcept>

#include "tracks/track_mask.h"

namespace art::tracks {

PlayerRun::PlayerRun(const Masks& masks, int startSection, int nextCheckpoint, bool guides)
    : m_(masks), guides_(guides), section_(startSection), next_(nextCheckpoint) {
  // The race start samples the keys: the first three from the start section's mask.
  const Image& own = *m_.kon[startSection];
  const Image& first = *m_.kon[0];
  off_ = own.at(0, 0);
  arrow_ = own.at(0, 1);
  wall_ = own.at(3, 3);
  finish_ = first.at(0, 2);
  minus_ = first.at(4, 4);
  plus_ = first.at(4, 3);
  cp_[0] = first.at(5, 5);
  cp_[1] = first.at(5, 4);
}

Colour PlayerRun::at(int i, Vec p) const {
  return maskAt(*m_.kon[i], m_.divisor, p);
}

void PlayerRun::step(Vec p) {
  const std::size_t f = frame_++;
  auto note = [&](Happening h, int v) { events_.push_back({h, f, v, count_}); };
  const Colour before = last_;
  // Checkpoint test.
  Colour c = at(section_, p);
  const bool entered = first_ || c != before;
  if (c == cp_[next_]) {
    ++count_;
    note(Happening::Checkpoint, next_);
    lastCounted_ = next_;
    next_ = next_ == 1 ? 0 : 1;
  } else if (entered && (c == cp_[0] || c == cp_[1])) {
    const int k = c == cp_[0] ? 0 : 1;
    if (k != lastCounted_) note(Happening::WrongColour, k);
  }
  // Section switch; a full round of sections re-arms the finish line.
  if (at(section_, p) == m_.kon[section_]->at(2, 2)) {
    ++section_;
    if (section_ == 2) {
      section_ = 0;
      armed_ = true;
      note(Happening::Rearm, 0);
    }
    note(Happening::Switch, section_);
  }
  if (guides_) {
    if (count_ == 4) guide_ = 0;
    if (count_ == 5) guide_ = 270;
    if (count_ == 9) guide_ = 95;
    if (count_ == 16) guide_ = 180;
  }
  c = at(section_, p);
  if (c == arrow_) {
    if (entered) note(Happening::Arrow, 0);
  } else if (guides_ && c == minus_) {
    note(Happening::GuideMinus, guide_);
  } else if (guides_ && c == plus_) {
    note(Happening::GuidePlus, guide_);
  }
  if (c == off_ && c != before) note(Happening::OffTrack, 0);
  if (c == wall_) note(Happening::Wall, 0);
  last_ = c;
  first_ = false;
  // The finish line is always read in KON(0).
  if (armed_ && at(0, p) == finish_) {
    armed_ = false;
    ++lapCount_;
    note(Happening::Finish, count_);
    count_ = 0;
  }
}

OpponentFigures opponentOnRoad(const Masks& masks, const std::vector<Vec>& path) {
  OpponentFigures f;
  const Colour off = masks.kon[1]->at(0, 0), wall = masks.kon[1]->at(3, 3);
  int section = 0;
  for (const Vec& p : path) {
    if (maskAt(*masks.kon[section], masks.divisor, p) == masks.kon[section]->at(2, 2)) ++section;
    if (section == 2) section = 0;
    const Colour c = maskAt(*masks.kon[section], masks.divisor, p);
    ++f.frames;
    if (c != off && c != wall && c != svc::kOutside)
      ++f.onRoad;
    else if (f.misses.size() < 8)
      f.misses.push_back(p);
  }
  return f;
}

void checkLaps(const std::vector<Event>& events, int perLap, int firstColour, int laps,
               const std::string& name) {
  auto fail = [&](const std::string& why, std::size_t frame) {
    throw std::runtime_error(name + ": " + why + " (frame " + std::to_string(frame) + ")");
  };
  int finishes = 0, checkpoints = 0, rearms = 0, expected = firstColour;
  for (const Event& e : events) {
    switch (e.what) {
      case Happening::WrongColour:
        fail("crossed a checkpoint of the colour not expected next", e.frame);
        break;
      case Happening::Checkpoint:
        if (finishes == 0) fail("a checkpoint lies before the finish line", e.frame);
        if (e.value != expected) fail("checkpoint colours do not alternate", e.frame);
        expected = 1 - expected;
        ++checkpoints;
        break;
      case Happening::Rearm:
        if (finishes == 0) fail("the finish line is re-armed before the start crossing", e.frame);
        ++rearms;
        break;
      case Happening::Finish:
        if (finishes > 0) {
          if (checkpoints != perLap)
            fail("lap " + std::to_string(finishes) + " crossed " + std::to_string(checkpoints) +
                     " checkpoints, not " + std::to_string(perLap),
                 e.frame);
          if (rearms != 1)
            fail("lap " + std::to_string(finishes) + " re-armed the finish line " +
                     std::to_string(rearms) + " times",
                 e.frame);
          if (e.value != perLap) fail("the finish line saw the wrong checkpoint count", e.frame);
        }
        ++finishes;
        checkpoints = 0;
        rearms = 0;
        break;
      default:
        break;
    }
  }
  if (finishes == 0) throw std::runtime_error(name + ": the finish line is never crossed");
  if (finishes - 1 < laps)
    throw std::runtime_error(name + ": only " + std::to_string(finishes - 1) + " of " +
                             std::to_string(laps) + " laps end at the finish line");
}

}  // namespace art::tracks
