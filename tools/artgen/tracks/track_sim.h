// The race's world tests replayed on a pair of masks: a car driven through a list of world
// points counts checkpoints, switches sections, crosses the finish line and meets guide rails
// exactly as the view and the rules read them, so the checks can see what a lap really does.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "tracks/track_centreline.h"
#include "tracks/track_paint.h"

namespace art::tracks {

struct Masks {
  const Image* kon[2];
  double divisor;  // 5 on Village and City, 10 on Circuit and Parking
};

enum class Happening {
  Checkpoint,   // counted; value = colour index
  WrongColour,  // entered a checkpoint of the colour not expected; value = colour index
  Finish,       // armed finish line crossed; value = the checkpoint count it found
  Rearm,        // the section index wrapped and re-armed the finish line
  Switch,       // value = the new section
  GuideMinus,   // on a guide-minus rail; value = the guide heading
  GuidePlus,    // on a guide-plus rail; value = the guide heading
  Arrow,        // entered an arrow zone
  OffTrack,     // entered off-track ground
  Wall,         // hit a wall
};

struct Event {
  Happening what;
  std::size_t frame;
  int value;
  int count;  // checkpoint count at the time
};

// The player's tests, frame by frame (view steps 3 to 9 and the finish line of the rules).
class PlayerRun {
 public:
  PlayerRun(const Masks& masks, int startSection, int nextCheckpoint, bool guides);
  void step(Vec p);
  const std::vector<Event>& events() const { return events_; }
  int section() const { return section_; }
  int count() const { return count_; }

 private:
  Colour at(int i, Vec p) const;
  Masks m_;
  bool guides_;
  Colour off_, arrow_, wall_, finish_, minus_, plus_, cp_[2];
  bool armed_ = true;
  int section_, next_, count_ = 0, lapCount_ = -1, guide_ = 0;
  std::size_t frame_ = 0;
  Colour last_ = 0;
  bool first_ = true;
  int lastCounted_ = -1;
  std::vector<Event> events_;
};

// The opponent's own section switch and how often its centre is on the road (neither off the
// track, nor on a wall, nor beyond the mask).
struct OpponentFigures {
  std::size_t frames = 0, onRoad = 0;
  std::vector<Vec> misses;  // where it was off the road (the first few)
  double percent() const { return frames ? 100.0 * double(onRoad) / double(frames) : 0; }
};
OpponentFigures opponentOnRoad(const Masks& masks, const std::vector<Vec>& path);

// What a run did lap by lap; throws std::runtime_error naming the run when a lap does not
// cross `perLap` checkpoints in alternating colours starting with `firstColour`, cross the
// finish line once with the full count, re-arm it once, or when fewer than `laps` laps end.
// The start must be behind the line: nothing but the finish comes first.
void checkLaps(const std::vector<Event>& events, int perLap, int firstColour, int laps,
               const std::string& name);

}  // namespace art::tracks
