// The driver's autopilot: test code that drives the player's car along the path the computer car
// drives, only by pressing and releasing the arrow keys, as a player would.
#pragma once
#include <cstdint>
#include <deque>
#include <vector>

#include "race/race.h"
#include "services/platform.h"
#include "tracks/opponent_path.h"

namespace driver {

class Autopilot {
 public:
  // topSpeed: the car's `Speed` is kept below it (1 is the car's full speed).
  void enable(double topSpeed);
  // The held keys are released at the next drive.
  void disable();
  bool on() const { return on_; }

  // Once per race frame: appends the key events that bring the pedal and the steering to what
  // the car needs now. Held keys are pressed again every frame, as a held key repeats.
  void drive(const game::Race& race, std::deque<svc::InputEvent>& out);

 private:
  void press(int key, std::deque<svc::InputEvent>& out, bool down) const;
  void hold(int* held, int want, std::deque<svc::InputEvent>& out) const;
  void followPath(const game::Race& race, int* steer, int* pedal);
  std::size_t nextPoint(std::size_t i) const { return i + 1 < path_.size() ? i + 1 : loopStart_; }

  bool on_ = false;
  double topSpeed_ = 1;
  int heldSteer_ = 0;  // key codes held, 0 for none
  int heldPedal_ = 0;
  std::uint32_t lastFrame_ = 0;

  // The computer car's path from the start: its first lap, then the loop it keeps driving.
  std::vector<art::PathPoint> path_;
  std::size_t loopStart_ = 0;
  std::size_t cursor_ = 0;  // the path point nearest to the car
  int trackKind_ = -1;
  bool raceStarted_ = false;
  std::size_t stuckCursor_ = 0;  // the path point where the car last got on
  int stuckFrames_ = 0;          // frames without getting on along the path
  int reverseFrames_ = 0;  // frames left of backing away from an obstacle
};

}  // namespace driver
