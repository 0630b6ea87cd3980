// The sound effects: every file keeps the rules a player's ears need (headroom beside the
// music, no clicks, seamless loops), is a plain WAVE file, comes out the same in every build, and
// the engine is an engine: a harmonic series on its firing rhythm, not a sine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "sound/effects.h"
#include "sound/frequencies.h"
#include "sound/pictures.h"

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

// Each effect is the sound it is named for: its length, where its energy lies, and for the
// engine, that the game's resampling up to 3x does not lift much of it past hearing comfort.
TEST(SoundEffects, EachSoundsLikeWhatItIsFor) {
  struct Row {
    const char* file;
    bool loop;
    double minSeconds, maxSeconds;
    double loudestFrom, loudestTo;  // Hz, the loudest component of the mean spectrum
  };
  const Row rows[] = {
      {"/sounds/engine.wav", true, 0.5, 1.0, 50, 450},
      {"/sounds/squeal.wav", true, 0.8, 1.2, 1000, 2000},
      {"/sounds/wall.wav", false, 0.2, 0.4, 20, 300},
      {"/sounds/bump.wav", false, 0.15, 0.3, 150, 3000},
      {"/sounds/beep.wav", false, 0.1, 0.2, 850, 910},
      {"/sounds/go.wav", false, 0.3, 0.5, 1700, 1820},
      {"/sounds/lap.wav", false, 0.4, 0.8, 1000, 4000},
      {"/sounds/refused.wav", false, 0.3, 0.5, 50, 300},
      {"/sounds/pickup.wav", false, 0.2, 0.4, 500, 4000},
      {"/sounds/tick.wav", false, 0.03, 0.07, 300, 8000},
      {"/sounds/click.wav", false, 0.02, 0.06, 200, 4000},
      {"/sounds/slide.wav", false, 0.15, 0.35, 300, 5000},
  };
  const std::vector<Effect> all = art::sound::synthesizeEffects();
  ASSERT_EQ(all.size(), std::size(rows));
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Row& row = rows[i];
    const Effect& e = all[i];
    ASSERT_EQ(e.file, row.file);
    EXPECT_EQ(e.loop, row.loop) << e.file;
    const double seconds = double(e.samples.size()) / art::sound::kRate;
    EXPECT_GE(seconds, row.minSeconds) << e.file;
    EXPECT_LE(seconds, row.maxSeconds) << e.file;
    const std::vector<double> spectrum = art::sound::meanSpectrum(e, 0, e.samples.size(), 4096);
    const double loudest = art::sound::loudestHz(spectrum);
    EXPECT_GE(loudest, row.loudestFrom) << e.file;
    EXPECT_LE(loudest, row.loudestTo) << e.file;
  }
  const Effect& engine = all[0];
  EXPECT_LT(art::sound::shareAboveDb(
                art::sound::meanSpectrum(engine, 0, engine.samples.size(), 4096), 5000),
            -40)
      << "the engine's share above 5 kHz";
  // The dull thud sits lower than the metallic clank.
  auto centroid = [](const Effect& e) {
    return art::sound::centroidHz(art::sound::meanSpectrum(e, 0, e.samples.size(), 4096));
  };
  EXPECT_LT(centroid(all[2]) * 1.5, centroid(all[3])) << "wall against bump";
  // The pick-up rises: its last third sounds higher than its first.
  const Effect& pickup = all[8];
  const std::size_t third = pickup.samples.size() / 3;
  EXPECT_GT(art::sound::loudestHz(art::sound::meanSpectrum(pickup, 2 * third, 3 * third, 2048)),
            1.3 * art::sound::loudestHz(art::sound::meanSpectrum(pickup, 0, third, 2048)));
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
  std::vector<float> broken = faded;
  broken[100] = std::nanf("");
  const Case cases[] = {
      {"a clean loop", {"a", true, fine}, false},
      {"a clean one-shot", {"b", false, faded}, false},
      {"clipping", {"c", true, loud}, true},
      {"a loop with a step at its seam", {"d", true, stepped}, true},
      {"a one-shot starting with a click", {"e", false, abrupt}, true},
      {"silence of no length", {"f", false, {}}, true},
      {"a sample that is not a number", {"g", false, broken}, true},
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
  // Of every order of the crank cycle (a quarter of the firing frequency: the cylinders differ
  // a little), the strongest three are harmonics of the firing.
  EXPECT_EQ(engine.samples.size() % std::size_t(std::lround(44100 / firing)), 0u)
      << "a whole number of firings";
  std::vector<std::pair<double, int>> orders;
  for (int k = 1; k <= 80; ++k) orders.push_back({level(k * firing / 4), k});
  std::sort(orders.rbegin(), orders.rend());
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(orders[std::size_t(i)].second % 4, 0) << "order " << orders[std::size_t(i)].second;
}

// The pictures are written, and a CSV that is not a table of numbers is refused with the file
// and line named instead of plotting nonsense or crashing.
TEST(SoundPictures, EffectPicturesAndPlotsAreWrittenAndBadTablesRefused) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(testing::TempDir()) / "sound_pictures";
  fs::remove_all(dir);
  fs::create_directories(dir);
  auto isPng = [](const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    char head[8] = {};
    in.read(head, 8);
    return in && std::memcmp(head, "\x89PNG\r\n\x1a\n", 8) == 0;
  };
  art::sound::renderEffectPictures(dir.string());
  for (const Effect& e : art::sound::synthesizeEffects()) {
    const std::string name = fs::path(e.file).stem().string();
    EXPECT_TRUE(isPng(dir / (name + ".png"))) << name;
  }
  struct Case {
    const char* name;
    const char* csv;    // nullptr: no file at all
    const char* error;  // nullptr: plotted; otherwise a part of the message
  };
  const Case cases[] = {
      {"two series", "t,rpm,pitch\n0,1,0.3\n1,5,1.5\n2,9,2.9\n", nullptr},
      {"gaps, blank lines, CRLF", "t,a\r\n0,1\r\n\r\n1,\r\n2,3\r\n", nullptr},
      {"one flat series", "t,a\n0,2\n1,2\n", nullptr},
      {"a word among the numbers", "t,a\n0,1\n1,fast\n", "csv:3: not a number: fast"},
      {"more cells than columns", "t,a\n0,1,2\n", "csv:2: more cells than columns"},
      {"a header alone", "t,a\n", "nothing to plot"},
      {"one column", "t\n0\n1\n", "two columns"},
      {"empty", "", "two columns"},
      {"missing", nullptr, "cannot read"},
  };
  int i = 0;
  for (const Case& c : cases) {
    const fs::path csv = dir / ("table" + std::to_string(i) + ".csv");
    const fs::path png = dir / ("plot" + std::to_string(i++) + ".png");
    if (c.csv) std::ofstream(csv, std::ios::binary) << c.csv;
    std::string error;
    try {
      art::sound::plotCsv(csv.string(), png.string(), c.name);
    } catch (const std::runtime_error& e) {
      error = e.what();
    }
    if (c.error) {
      EXPECT_NE(error.find(c.error), std::string::npos) << c.name << ": " << error;
      EXPECT_FALSE(fs::exists(png)) << c.name;
    } else {
      EXPECT_EQ(error, "") << c.name;
      EXPECT_TRUE(isPng(png)) << c.name;
    }
  }
}

}  // namespace
