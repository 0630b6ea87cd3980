// The sound effects: every file keeps the rules a player's ears need (headroom beside the
// music, no clicks, seamless loops), is a plain WAVE file, comes out the same in every build, and
// the engine is an engine: a harmonic series on its firing rhythm, not a sine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#include "sound/effects.h"

namespace {

using art::sound::Effect;

std::uint32_t u32(const std::string& s, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | std::uint8_t(s[at + std::size_t(i)]);
  return v;
}
std::uint16_t u16(const std::string& s, std::size_t at) {
  return std::uint16_t(std::uint8_t(s[at]) | std::uint8_t(s[at + 1]) << 8);
}

TEST(SoundEffects, EveryFileKeepsTheRulesAndIsAPlainWave) {
  const std::vector<Effect> all = art::sound::synthesizeEffects();
  ASSERT_EQ(all.size(), 12u);
  for (const Effect& e : all) {
    EXPECT_NO_THROW(art::sound::enforce(art::sound::measure(e), {}, e)) << e.file;
    const std::string wav = art::sound::wavBytes(e.samples);
    ASSERT_GE(wav.size(), 44u) << e.file;
    EXPECT_EQ(wav.substr(0, 4), "RIFF") << e.file;
    EXPECT_EQ(u32(wav, 4), wav.size() - 8) << e.file;
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ") << e.file;
    EXPECT_EQ(u16(wav, 20), 1) << e.file << ": PCM";
    EXPECT_EQ(u16(wav, 22), 1) << e.file << ": mono";
    EXPECT_EQ(u32(wav, 24), 44100u) << e.file;
    EXPECT_EQ(u16(wav, 34), 16) << e.file;
    EXPECT_EQ(u32(wav, 40), e.samples.size() * 2) << e.file;
  }
}

TEST(SoundEffects, TheSameBytesInEveryBuild) {
  const std::vector<Effect> a = art::sound::synthesizeEffects();
  const std::vector<Effect> b = art::sound::synthesizeEffects();
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i)
    EXPECT_TRUE(art::sound::wavBytes(a[i].samples) == art::sound::wavBytes(b[i].samples))
        << a[i].file;
}

// A broken sound of each kind is refused before it is written.
TEST(SoundEffects, TheChecksRefuseClicksClippingAndSeams) {
  auto tone = [](std::size_t n, double peak) {
    std::vector<float> s(n);
    for (std::size_t i = 0; i < n; ++i)
      s[i] = float(peak * std::sin(2 * M_PI * 441 * double(i) / 44100));
    return s;
  };
  struct Case {
    const char* name;
    Effect effect;
    bool refused;
  };
  std::vector<float> loud = tone(4400, 0.95);
  std::vector<float> fine = tone(4400, 0.5);  // 44 whole cycles: a clean loop
  std::vector<float> faded = fine;            // and faded in and out, a clean one-shot
  for (std::size_t i = 0; i < faded.size(); ++i)
    faded[i] *= float(0.5 - 0.5 * std::cos(2 * M_PI * double(i) / double(faded.size() - 1)));
  std::vector<float> stepped = fine;
  for (std::size_t i = 0; i < 200; ++i)
    stepped[stepped.size() - 1 - i] += 0.3f;  // a jump at the seam
  std::vector<float> abrupt = faded;
  abrupt.front() = 0.3f;
  const Case cases[] = {
      {"a clean loop", {"a", true, fine}, false},
      {"a clean one-shot", {"b", false, faded}, false},
      {"clipping", {"c", true, loud}, true},
      {"a loop with a step at its seam", {"d", true, stepped}, true},
      {"a one-shot starting with a click", {"e", false, abrupt}, true},
      {"silence of no length", {"f", false, {}}, true},
  };
  for (const Case& c : cases) {
    bool refused = false;
    try {
      art::sound::enforce(art::sound::measure(c.effect), {}, c.effect);
    } catch (const std::runtime_error&) {
      refused = true;
    }
    EXPECT_EQ(refused, c.refused) << c.name;
  }
}

// The engine loop holds a whole number of crank cycles, so each harmonic of the firing
// frequency is exactly one frequency bin of the whole loop.
TEST(SoundEffects, TheEngineIsAHarmonicSeriesOnItsFiringRhythm) {
  const std::vector<Effect> all = art::sound::synthesizeEffects();
  const Effect& engine = all.front();
  ASSERT_EQ(engine.file, "/sounds/engine.wav");
  ASSERT_TRUE(engine.loop);
  auto level = [&](double hz) {
    double re = 0, im = 0;
    for (std::size_t i = 0; i < engine.samples.size(); ++i) {
      const double a = 2 * M_PI * hz * double(i) / 44100;
      re += engine.samples[i] * std::cos(a);
      im += engine.samples[i] * std::sin(a);
    }
    return 20 * std::log10(std::hypot(re, im) + 1e-9);
  };
  const double firing = art::sound::kEngineFiringHz;
  std::vector<double> harmonics;
  for (int k = 1; k <= 12; ++k) harmonics.push_back(level(k * firing));
  const double strongest = *std::max_element(harmonics.begin(), harmonics.end());
  int near = 0;
  for (double h : harmonics) near += h > strongest - 20;
  EXPECT_GE(near, 4) << "harmonics within 20 dB of the strongest";
  // Between the harmonics there is far less: it is a series, not noise.
  const double between = level(2.5 * firing);
  EXPECT_LT(between, strongest - 15);
}

}  // namespace
