// The game's sound effects: synthesized here at build time, deterministic, written as 16-bit
// mono WAVE files at 44100 Hz, and checked as a player will hear them.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace art::sound {

constexpr int kRate = 44100;
// The engine loop is recorded at this speed; the game resamples it to follow the revs.
constexpr double kEngineRpm = 3000;
// A four-cylinder four-stroke engine fires twice a revolution.
constexpr double kEngineFiringHz = kEngineRpm / 60 * 2;

struct Effect {
  std::string file;  // relative to the program folder
  bool loop = false;
  std::vector<float> samples;
};

// Every effect, in a fixed order.
std::vector<Effect> synthesizeEffects();

// The 16-bit PCM WAVE file of the samples (clipped to -1..1).
std::string wavBytes(const std::vector<float>& samples);

struct EffectReport {
  double seconds = 0;
  double peak = 0;       // 1 = full scale
  double headLevel = 0;  // magnitude of the first and last samples
  double tailLevel = 0;
  double seamStep = 0;     // loops: step from the last sample to the first, in mean steps
  double seamLevelDb = 0;  // loops: level of the last 20 ms against the first 20 ms
  bool finite = true;      // false if any sample is not a number or infinite
};
EffectReport measure(const Effect& effect);

// The rules every effect keeps; throws std::runtime_error naming the effect and the rule.
struct EffectRules {
  double maxPeak = 0.8;    // room for the music beside them
  double maxEdge = 0.01;   // one-shots start and end at rest, without a click
  double maxSeamStep = 4;  // a loop's seam steps no more than its ordinary steps
  double maxSeamLevelDb = 1.5;
};
void enforce(const EffectReport& report, const EffectRules& rules, const Effect& effect);
// One line for the build log: the seam of a loop, the ends of a one-shot.
std::string summary(const EffectReport& report, bool loop);

}  // namespace art::sound
