#include "extras/sounds.h"

#include <algorithm>
#include <cmath>

#include "race/race_controls.h"

namespace game {

namespace {

// The computer car is heard while it is this close to the middle of the screen or nearer.
constexpr double kOpponentHearing = 480;
// Two car centres closer than this touch.
constexpr double kContactDistance = 34;

double distance(const RaceState& s) {
  return std::hypot(s.ViewLeft + s.CarScreenX - s.OpponentX,
                    s.ViewTop + s.CarScreenY - s.OpponentY);
}

}  // namespace

double enginePitch(double rpm) {
  return (900 + 800 * std::clamp(rpm, 0.0, 10.0)) / kEngineRecordedRpm;
}

SoundBoard::SoundBoard(svc::Runtime& runtime, SettingsStore& settings)
    : runtime_(runtime), settings_(settings) {}

SoundBoard::~SoundBoard() {
  if (loaded_) runtime_.effects().stopAll();
}

bool SoundBoard::enabled() const {
  return settings_.options().on("effects");
}

void SoundBoard::loadOnce() {
  if (loaded_) return;
  loaded_ = true;
  for (const char* name : kEffectNames) {
    svc::SoundEffects& fx = runtime_.effects();
    if (fx.load(name, runtime_.path(std::string("/sounds/") + name + ".wav")))
      lengths_[name] = fx.lengthMs(name);
  }
}

double SoundBoard::volume() const {
  // The music's volume, in hundredths of a decibel; a value that is not a number leaves it full.
  const auto v = settings_.musicVolume();
  return v ? svc::volumeGain(*v) : 1.0;
}

void SoundBoard::play(const std::string& name, double gain, double pan) {
  if (!enabled()) return;
  loadOnce();
  Stats& st = stats_[name];
  ++st.started;
  st.lastStart = runtime_.clock().ticks();
  runtime_.effects().play(name, std::clamp(gain, 0.0, 1.0) * volume(), pan);
}

void SoundBoard::voice(Voice voice, double gain, double pitch, double pan) {
  const char* name = voice == kTyres ? "squeal" : "engine";
  if (voice == kPlayerEngine) enginePitch_ = pitch;
  if (!enabled()) return;
  loadOnce();
  const bool on = gain > 0;
  // A voice counts as started each time it comes on; the engine sums both cars.
  Stats& st = stats_[voice == kOpponentEngine ? "engine" : name];
  if (voice != kOpponentEngine) {
    if (on && !st.looping) {
      ++st.started;
      st.lastStart = runtime_.clock().ticks();
    }
    st.looping = on;
  }
  runtime_.effects().voice(int(voice), name, std::clamp(gain, 0.0, 1.0) * volume(), pitch, pan);
}

void SoundBoard::pause(bool paused) {
  if (paused == paused_) return;
  paused_ = paused;
  if (loaded_) runtime_.effects().pauseVoices(paused);
}

void SoundBoard::stop() {
  for (auto& [name, st] : stats_) st.looping = false;
  if (loaded_) runtime_.effects().stopAll();
}

bool SoundBoard::playing(const std::string& name) const {
  auto it = stats_.find(name);
  if (it == stats_.end()) return false;
  if (it->second.looping) return !paused_;
  auto len = lengths_.find(name);
  if (it->second.started == 0 || len == lengths_.end()) return false;
  const std::uint32_t since = runtime_.clock().ticks() - it->second.lastStart;
  return since < std::uint32_t(len->second);
}

RaceSounds::Seen RaceSounds::take(const Race& race) const {
  const RaceState& s = race.state;
  Seen now;
  now.countdown = s.CountdownStep;
  now.laps = s.LapCount;
  now.kolder = s.KolderCount;
  now.timeLeft = s.TimeLeft;
  now.lapClock = s.LapClock;
  now.speed = s.Speed;
  now.opponentDistance = distance(s);
  now.paused = s.Paused;
  return now;
}

void RaceSounds::raceStarted(Race& race) {
  board_.stop();
  seen_ = take(race);
  fresh_ = true;
}

void RaceSounds::frameDone(Race& race) {
  const RaceState& s = race.state;
  const Seen now = take(race);
  const Seen was = fresh_ ? now : seen_;
  fresh_ = false;
  seen_ = now;
  board_.pause(s.Paused);
  if (s.Paused) return;

  // The start lights: a beep for each light, a higher one at green.
  if (now.countdown != was.countdown) {
    if (now.countdown >= 0 && now.countdown <= 2) board_.play("beep");
    if (now.countdown == 3) board_.play("go");
  }
  // The finish line: a crossing sets the lap clock; a counted lap raises the count.
  if (now.lapClock != was.lapClock && !s.KolderRunMode && !s.FreeRideMode) {
    if (now.laps > was.laps && now.laps > 0) board_.play("lap");
    if (now.laps == was.laps && now.laps >= 0) board_.play("refused");
  }
  if (s.KolderRunMode) {
    if (now.kolder > was.kolder) board_.play("pickup");
    if (now.timeLeft != was.timeLeft && now.timeLeft >= 1 && now.timeLeft <= 10)
      board_.play("tick");
  }
  // A wall throws the car back at a fixed small speed: the harder it came in, the louder.
  if (was.speed > 0.05 && now.speed < -0.15 && now.speed > -0.25)
    board_.play("wall", std::clamp(0.35 + (was.speed - now.speed) * 0.8, 0.0, 1.0));
  // The computer car, touched.
  const bool rivals = !s.KolderRunMode && !s.FreeRideMode;
  if (rivals && now.opponentDistance < kContactDistance && was.opponentDistance >= kContactDistance)
    board_.play("bump", 0.8);

  // The player's engine: pitch from the revs, louder with the throttle open.
  const double throttle = s.Throttle == "up" ? 1.0 : 0.0;
  board_.voice(SoundBoard::kPlayerEngine,
               0.35 + 0.25 * throttle + 0.02 * std::clamp(s.Rpm, 0.0, 10.0), enginePitch(s.Rpm));
  // The computer car's engine, by its distance from the middle of the screen.
  double opponentGain = 0, pan = 0;
  if (rivals) {
    const double cx = s.ViewLeft + 320, cy = s.ViewTop + 240;
    const double d = std::hypot(s.OpponentX - cx, s.OpponentY - cy);
    opponentGain = std::max(0.0, 1 - d / kOpponentHearing) * 0.45;
    pan = std::clamp((s.OpponentX - cx) / 320, -1.0, 1.0);
  }
  board_.voice(SoundBoard::kOpponentEngine, opponentGain,
               0.3 + 2.2 * std::min(1.0, std::fabs(s.OpponentSpeed)), pan);
  // The tyres squeal while they leave marks: skidding through a turn or braking hard.
  const bool braking = s.Throttle == "down" && s.Speed > 0;
  const bool squeal = (s.PlayerSkidActive || braking) && !race.controls().Labelsipka.visible();
  board_.voice(SoundBoard::kTyres, squeal ? 0.5 : 0, 1.0);
}

}  // namespace game
