#include "autopilot.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "race/race_input.h"

namespace driver {

namespace {

// Degrees in (-180, 180].
double wrap(double a) {
  while (a > 180) a -= 360;
  while (a <= -180) a += 360;
  return a;
}

// The game's angles: 0 east, growing counter-clockwise on the screen (y grows downwards).
double bearing(double fromX, double fromY, double toX, double toY) {
  return std::atan2(-(toY - fromY), toX - fromX) * 180 / std::numbers::pi;
}

constexpr double kLookAhead = 70;      // pixels along the path to the point the car steers at
constexpr double kSpeedWindow = 160;   // pixels ahead whose slowest speed the car keeps to
constexpr double kPassDistance = 150;  // the computer car this near and ahead is passed
constexpr double kPassOffset = 38;     // pixels beside the path while passing

}  // namespace

void Autopilot::enable(double topSpeed) {
  on_ = true;
  topSpeed_ = topSpeed;
}

void Autopilot::disable() {
  on_ = false;
}

void Autopilot::press(int key, std::deque<svc::InputEvent>& out, bool down) const {
  svc::InputEvent e;
  e.type = down ? svc::InputEvent::Type::KeyDown : svc::InputEvent::Type::KeyUp;
  e.slot = svc::WindowSlot::Main;
  e.key = key;
  out.push_back(e);
}

void Autopilot::hold(int* held, int want, std::deque<svc::InputEvent>& out) const {
  if (*held && *held != want) press(*held, out, false);
  *held = want;
  if (want) press(want, out, true);
}

namespace {

// Whether the car may drive at world (x, y): the track mask of its section there is neither
// off the track nor a wall (the autopilot looks at the track as a player does at the screen).
bool drivable(const game::Race& race, double x, double y) {
  const game::RaceState& s = race.state;
  const svc::Surface& mask =
      race.form().picture(s.PlayerSection == 0 ? "KON(0)" : "KON(1)").surface();
  const svc::Colour c = mask.point((x + 1000) / 5, (y + 1000) / 5);
  return c != svc::kOutside && c != s.OffTrackColour && c != s.WallColour;
}

}  // namespace

void Autopilot::followPath(const game::Race& race, int* steer, int* pedal) {
  const game::RaceState& s = race.state;
  const double x = s.ViewLeft + s.CarScreenX, y = s.ViewTop + s.CarScreenY;
  // The nearest point a little way ahead of the last one (the path crosses itself, so only a
  // window ahead is searched).
  std::size_t best = cursor_;
  double bestDist = std::hypot(path_[cursor_].x - x, path_[cursor_].y - y);
  for (std::size_t i = nextPoint(cursor_), n = 0; n < 80; i = nextPoint(i), ++n) {
    const double d = std::hypot(path_[i].x - x, path_[i].y - y);
    if (d < bestDist) {
      best = i;
      bestDist = d;
    }
  }
  cursor_ = best;
  // Steer at a point further along; keep to the slowest speed the computer car drives ahead.
  std::size_t aim = cursor_;
  double along = 0, slowest = path_[cursor_].speed;
  for (std::size_t i = cursor_, j = nextPoint(i); along < kSpeedWindow; i = j, j = nextPoint(j)) {
    along += std::hypot(path_[j].x - path_[i].x, path_[j].y - path_[i].y);
    if (along < kLookAhead) aim = j;
    slowest = std::min(slowest, path_[j].speed);
  }
  double aimX = path_[aim].x, aimY = path_[aim].y;
  // Close behind the computer car: pass it on the other side of the road, clear of its contact
  // mask (only the car's centre is tested against it).
  bool passing = false;
  const double ox = s.OpponentX - x, oy = s.OpponentY - y;
  const double toOpponent = std::hypot(ox, oy);
  const double dx = aimX - path_[cursor_].x, dy = aimY - path_[cursor_].y;
  const double along2 = std::hypot(dx, dy);
  if (s.AIOn && toOpponent < kPassDistance && along2 > 1 && (ox * dx + oy * dy) > 0) {
    const double nx = -dy / along2, ny = dx / along2;          // a normal of the path
    const double side = (ox * nx + oy * ny) > 0 ? -1.0 : 1.0;  // away from the other car
    const double px = aimX + side * nx * kPassOffset, py = aimY + side * ny * kPassOffset;
    // Only where the road is wide enough: both the point beside the path and the way there.
    const double mx = (x + side * nx * kPassOffset + px) / 2,
                 my = (y + side * ny * kPassOffset + py) / 2;
    if (drivable(race, px, py) && drivable(race, mx, my) &&
        drivable(race, px + side * nx * 20, py + side * ny * 20)) {
      aimX = px;
      aimY = py;
      passing = true;
    }
  }
  const double err = wrap(bearing(x, y, aimX, aimY) - s.Heading);

  if (reverseFrames_ > 0) {
    // Backing away from a wall: reversing turns the car the other way round.
    --reverseFrames_;
    *pedal = game::kKeyDown;
    if (err > 5) *steer = game::kKeyRight;
    if (err < -5) *steer = game::kKeyLeft;
    return;
  }
  if (err > 1.5) *steer = game::kKeyLeft;  // Left turns the car counter-clockwise
  if (err < -1.5) *steer = game::kKeyRight;
  double wanted = std::min(topSpeed_, (slowest + (passing ? 1.2 : 0.6)) / s.SpeedScale);
  if (std::fabs(err) > 35) wanted = std::min(wanted, 0.6);
  if (s.Speed > wanted + 0.08)
    *pedal = game::kKeyDown;
  else if (s.Speed < wanted)
    *pedal = game::kKeyUp;
  // Stuck against something (no way along the path for a second and a half): back away.
  if (s.RaceStarted && cursor_ == stuckCursor_) {
    if (++stuckFrames_ > 65) {
      stuckFrames_ = 0;
      reverseFrames_ = 40;
    }
  } else {
    stuckFrames_ = 0;
    stuckCursor_ = cursor_;
  }
}

void Autopilot::drive(const game::Race& race, std::deque<svc::InputEvent>& out) {
  const game::RaceState& s = race.state;
  if (s.TotalFrames == lastFrame_) return;
  lastFrame_ = s.TotalFrames;
  int steer = 0, pedal = 0;
  if (on_ && (s.TrackKind == 1 || s.TrackKind == 2)) {
    // Every start (the first race or a restart) begins at the start of the path again.
    if (path_.empty() || trackKind_ != s.TrackKind || (raceStarted_ && !s.RaceStarted)) {
      trackKind_ = s.TrackKind;
      path_ = art::traceOpponent(
          s.TrackKind == 1 ? game::OpponentTrack::Village : game::OpponentTrack::City, 2);
      // The computer car waits for the lights and then launches: the waiting is no part of the
      // path, and the launch is no corner to slow for.
      std::erase_if(path_, [](const art::PathPoint& p) { return p.speed == 0; });
      for (art::PathPoint& p : path_)
        if (p.lap == 0 && p.waypoint < 3) p.speed = std::max(p.speed, 7.0);
      loopStart_ = std::size_t(std::find_if(path_.begin(), path_.end(),
                                            [](const art::PathPoint& p) { return p.lap == 1; }) -
                               path_.begin());
      if (loopStart_ >= path_.size()) loopStart_ = 0;
      cursor_ = 0;
      stuckFrames_ = reverseFrames_ = 0;
    }
    raceStarted_ = s.RaceStarted;
    if (!path_.empty()) followPath(race, &steer, &pedal);
  }
  hold(&heldSteer_, steer, out);
  hold(&heldPedal_, pedal, out);
}

}  // namespace driver
