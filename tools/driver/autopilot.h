// The driver's autopilot: test code that drives the player's car along the path the computer car
// drives, only by pressing and releasing the arrow keys, as a player would; or with a controller,
// by the triggers and the left stick.
#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "mask_route.h"

#include "race/race.h"
#include "services/platform.h"
#include "tracks/opponent_path.h"

namespace driver {

class Autopilot {
 public:
  // topSpeed: the car's `Speed` is kept below it (1 is the car's full speed).
  // byPad: drives with the virtual controller instead of the keys.
  void enable(double topSpeed, bool byPad = false);
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
  // Plans the way from the car back to the path and picks the path point it rejoins at.
  void planRejoin(const game::Race& race, double x, double y);
  // Off the map (thrown over its border wall): backs the car in over the wall.
  void backIntoMap(const game::Race& race, double x, double y, int* steer, int* pedal);
  // Whether the car has hardly moved for a while although it should.
  bool stuck(const game::RaceState& s, double x, double y);
  std::size_t nextPoint(std::size_t i) const { return i + 1 < path_.size() ? i + 1 : loopStart_; }

  bool on_ = false;
  bool byPad_ = false;
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

  // Off the path: the way back over the mask, and the path point it leads to.
  MaskRoute route_;
  bool rejoining_ = false;
  bool routed_ = false;  // a way was found (else the car heads straight for the path)
  std::size_t rejoin_ = 0;
  int replanIn_ = 0;     // frames until the way is planned again from where the car is
  int routeFrames_ = 0;  // frames left of taking the planned way after getting unstuck

  // Where the car was in the last frames, to tell that it is stuck.
  static constexpr std::size_t kStuckFrames = 90;
  std::array<double, kStuckFrames> pastX_{}, pastY_{};
  std::size_t pastCount_ = 0;
  int reverseFrames_ = 0;  // frames left of backing away from an obstacle
  int backingIn_ = 0;      // frames left of backing in over the map's border wall
  int attempts_ = 0;       // times it got stuck without getting on along the path in between
  std::size_t attemptCursor_ = 0;
};

}  // namespace driver
