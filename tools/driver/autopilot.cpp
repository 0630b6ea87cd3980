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

// The arrow that turns the car's nose towards a heading err degrees counter-clockwise of it, or
// 0 within the dead band. Reversing turns the car the other way round (as it does for a player
// backing out of a wall), so the arrow then is the other one.
int steerKey(double err, double speed, double deadBand) {
  if (std::fabs(err) <= deadBand) return 0;
  return (err > 0) == (speed >= 0) ? game::kKeyLeft : game::kKeyRight;
}

constexpr double kLookAhead = 70;      // pixels along the path to the point the car steers at
constexpr double kSpeedWindow = 160;   // pixels ahead whose slowest speed the car keeps to
constexpr double kPassDistance = 150;  // the computer car this near and ahead is passed
constexpr double kPassOffset = 38;     // pixels beside the path while passing
constexpr double kTurnWindow = 240;    // pixels ahead whose corners the car slows for
constexpr double kCornerCut = 1.6;     // steering at a point ahead turns less than the path does

// Off the path: the way back over the mask.
constexpr double kLostDistance = 60;        // this far from the path the car finds its way back
constexpr double kBackDistance = 30;        // this near it follows the path again
constexpr std::size_t kRejoinWindow = 400;  // path points ahead where the car may rejoin it
constexpr std::uint32_t kSkipCost = 8;      // per path point skipped (the road costs about 14)
constexpr std::size_t kRejoinLead = 8;      // path points past the rejoining point it heads for
constexpr int kRouteCells = 10;             // mask cells ahead on the way that it steers at
constexpr int kReplanFrames = 8;            // frames between two plans of the way
constexpr double kStuckDistance = 20;       // moving less in kStuckFrames frames is being stuck
constexpr double kMapInside = 985;          // the map's edge inside its border wall
constexpr int kBackInFrames = 20;           // frames a car backing in over the border may take

}  // namespace

void Autopilot::enable(double topSpeed, bool byPad) {
  // Switched on anywhere (before the start, mid-race, after driving by hand): it finds the path
  // from where the car is.
  if (!on_) {
    pastCount_ = 0;
    reverseFrames_ = backingIn_ = attempts_ = routeFrames_ = 0;
    rejoining_ = false;
  }
  on_ = true;
  byPad_ = byPad;
  topSpeed_ = topSpeed;
}

void Autopilot::disable() {
  on_ = false;
}

void Autopilot::press(int key, std::deque<svc::InputEvent>& out, bool down) const {
  svc::InputEvent e;
  if (byPad_) {
    // The pedals on the triggers, the steering on the left stick pushed all the way.
    using svc::PadAxis;
    e.type = svc::InputEvent::Type::PadAxis;
    e.slot = svc::WindowSlot::Main;
    const int full = down ? 32767 : 0;
    const PadAxis axis = key == game::kKeyUp     ? PadAxis::TriggerRight
                         : key == game::kKeyDown ? PadAxis::TriggerLeft
                                                 : PadAxis::LeftX;
    e.pad = static_cast<int>(axis);
    e.value = key == game::kKeyLeft ? -full : full;
    out.push_back(e);
    return;
  }
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

// The track mask of the car's section: the autopilot looks at the track as a player does at the
// screen.
const svc::Surface& sectionMask(const game::Race& race) {
  return race.form().picture(race.state.PlayerSection == 0 ? "KON(0)" : "KON(1)").surface();
}

svc::Colour maskColour(const game::Race& race, double x, double y) {
  return sectionMask(race).point((x + 1000) / 5, (y + 1000) / 5);
}

// Whether the car may drive at world (x, y): neither off the track nor a wall.
bool drivable(const game::Race& race, double x, double y) {
  const game::RaceState& s = race.state;
  const svc::Colour c = maskColour(race, x, y);
  return c != svc::kOutside && c != s.OffTrackColour && c != s.WallColour;
}

}  // namespace

void Autopilot::planRejoin(const game::Race& race, double x, double y) {
  const game::RaceState& s = race.state;
  // The path point ahead that is cheapest to reach, counting the path it skips: a way across to
  // a later part of the lap would miss checkpoints, and the lap would be refused.
  std::vector<MaskRoute::Goal> goals;
  std::vector<std::size_t> points;
  for (std::size_t i = cursor_, n = 0; n < kRejoinWindow; i = nextPoint(i), ++n) {
    goals.push_back({path_[i].x, path_[i].y, std::uint32_t(kSkipCost * n)});
    points.push_back(i);
  }
  const int goal = route_.plan(sectionMask(race), s.WallColour, s.OffTrackColour, x, y, goals);
  const std::size_t best = goal < 0 ? cursor_ : points[std::size_t(goal)];
  routed_ = goal >= 0;
  cursor_ = best;
  rejoin_ = best;
  for (std::size_t n = 0; n < kRejoinLead; ++n) rejoin_ = nextPoint(rejoin_);
  replanIn_ = kReplanFrames;
}

void Autopilot::backIntoMap(const game::Race& race, double x, double y, int* steer, int* pedal) {
  const game::RaceState& s = race.state;
  pastCount_ = 0;
  const svc::Colour here = maskColour(race, x, y);
  if (here == svc::kOutside) {
    // Tail first towards the nearest point inside the border wall, at full reverse speed.
    backingIn_ = kBackInFrames;
    const double inX = std::clamp(x, -kMapInside, kMapInside),
                 inY = std::clamp(y, -kMapInside, kMapInside);
    *steer = steerKey(wrap(bearing(x, y, inX, inY) - s.Heading - 180), s.Speed, 3);
    *pedal = game::kKeyDown;
    return;
  }
  // On the wall: roll on over it without Down (which would push the car back out).
  --backingIn_;
  if (here == s.WallColour)
    *pedal = game::kKeyUp;
  else
    backingIn_ = 0;
}

bool Autopilot::stuck(const game::RaceState& s, double x, double y) {
  const std::size_t at = pastCount_ % kStuckFrames;
  const bool full = pastCount_ >= kStuckFrames;
  const double moved = full ? std::hypot(x - pastX_[at], y - pastY_[at]) : 1e9;
  pastX_[at] = x;
  pastY_[at] = y;
  // Standing at the lights or backing away is no being stuck.
  if (!s.RaceStarted || reverseFrames_ > 0) {
    pastCount_ = 0;
    return false;
  }
  ++pastCount_;
  return moved < kStuckDistance;
}

void Autopilot::followPath(const game::Race& race, int* steer, int* pedal) {
  const game::RaceState& s = race.state;
  // After the last lap the game takes no more keys.
  if (s.LapCount >= 3) return;
  const double x = s.ViewLeft + s.CarScreenX, y = s.ViewTop + s.CarScreenY;
  // The nearest point a little way ahead of the last one (the path crosses itself, so only a
  // window ahead is searched). On the way back to the path, only the points near where the way
  // meets it: a point nearer as the crow flies may lie behind a wall.
  const std::size_t window = rejoining_ ? 2 * kRejoinLead : 80;
  std::size_t best = cursor_;
  double bestDist = std::hypot(path_[cursor_].x - x, path_[cursor_].y - y);
  for (std::size_t i = nextPoint(cursor_), n = 0; n < window; i = nextPoint(i), ++n) {
    const double d = std::hypot(path_[i].x - x, path_[i].y - y);
    if (d < bestDist) {
      best = i;
      bestDist = d;
    }
  }
  cursor_ = best;

  if (maskColour(race, x, y) == svc::kOutside || backingIn_ > 0) {
    backIntoMap(race, x, y, steer, pedal);
    return;
  }

  // Stuck (against a wall, a building, the other car): back away, then take a planned way.
  if (stuck(s, x, y)) {
    if (cursor_ != attemptCursor_) attempts_ = 0;
    attemptCursor_ = cursor_;
    ++attempts_;
    reverseFrames_ = std::min(40 + 15 * attempts_, 100);
    routeFrames_ = 200;
    replanIn_ = 0;
    pastCount_ = 0;
  }
  // Off the path (or just unstuck): find the way back round the walls.
  if (bestDist > kLostDistance || routeFrames_ > 0) {
    if (!rejoining_ || --replanIn_ <= 0) planRejoin(race, x, y);
    rejoining_ = true;
  } else if (rejoining_ && bestDist < kBackDistance) {
    rejoining_ = false;
  }
  if (routeFrames_ > 0) --routeFrames_;

  // Steer at a point further along; keep to the slowest speed the computer car drives ahead.
  // Nor faster than the car can turn into the corners ahead (its turn rate is per frame, so the
  // slower it goes the tighter it turns).
  std::size_t aim = cursor_;
  double along = 0, slowest = path_[cursor_].speed, turnable = 1;
  for (std::size_t i = cursor_, j = nextPoint(i); along < kTurnWindow; i = j, j = nextPoint(j)) {
    along += std::hypot(path_[j].x - path_[i].x, path_[j].y - path_[i].y);
    if (along < kLookAhead) aim = j;
    if (along < kSpeedWindow) slowest = std::min(slowest, path_[j].speed);
    const double turn = std::fabs(wrap(path_[j].heading - s.Heading));
    if (turn > 10)
      turnable = std::min(
          turnable, kCornerCut * (along + kLookAhead / 2) * s.TurnRate / (turn * s.SpeedScale));
  }
  double aimX = path_[aim].x, aimY = path_[aim].y;
  bool passing = false;
  if (rejoining_) {
    // Along the planned way towards a point a little past where it meets the path.
    if (routed_) {
      route_.towards(x, y, kRouteCells, &aimX, &aimY);
    } else {
      aimX = path_[rejoin_].x;
      aimY = path_[rejoin_].y;
    }
  } else {
    // Close behind the computer car: pass it on the other side of the road, clear of its
    // contact mask (only the car's centre is tested against it).
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
  }
  const double err = wrap(bearing(x, y, aimX, aimY) - s.Heading);
  // Down on a wall while the car still moves forwards would push it on into the wall (the
  // game's bounce throws it back, and a held brake forwards again): let the bounce work.
  const bool onWall = maskColour(race, x, y) == s.WallColour;
  const auto brake = [&] { *pedal = onWall && s.Speed > 0 ? 0 : game::kKeyDown; };

  if (reverseFrames_ > 0) {
    // Backing away from a wall, the nose swinging round towards the aim; every other try swings
    // it the other way, in case the first way leads back to the same wall.
    --reverseFrames_;
    brake();
    *steer = steerKey(attempts_ % 2 ? err : -err, s.Speed, 5);
    return;
  }
  *steer = steerKey(err, s.Speed, 1.5);
  double wanted = std::min(topSpeed_, (slowest + (passing ? 1.2 : 0.6)) / s.SpeedScale);
  wanted = std::min(wanted, std::max(turnable, 0.3));
  if (std::fabs(err) > 35) wanted = std::min(wanted, 0.6);
  if (rejoining_) {
    // Round the walls slowly, so that the car turns where the way turns (it steers only above
    // a tenth of its speed).
    wanted = std::min(topSpeed_, std::fabs(err) > 45 ? 0.25 : 0.45);
  }
  if (s.Speed > wanted + 0.08)
    brake();
  else if (s.Speed < wanted)
    *pedal = game::kKeyUp;
  // Thrown back onto a wall: only a held Down pushes the car off it; rolling on backwards would
  // carry it across the wall (off the map at its edge).
  if (onWall && s.Speed <= 0) *pedal = game::kKeyDown;
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
      route_.forget();
      rejoining_ = false;
      pastCount_ = 0;
      reverseFrames_ = backingIn_ = attempts_ = routeFrames_ = 0;
    }
    raceStarted_ = s.RaceStarted;
    if (!path_.empty()) followPath(race, &steer, &pedal);
  }
  hold(&heldSteer_, steer, out);
  hold(&heldPedal_, pedal, out);
}

}  // namespace driver
