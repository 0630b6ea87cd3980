// The music generator's loop machinery: MP3 round trips keep length and timing, sound that rings
// over the end of a loop comes back at its start, the limiter holds its ceiling round the seam,
// and the loop rules reject loops that clip, stop short, fall silent or click.
#include <gtest/gtest.h>
#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "music/checks.h"
#include "music/dsp.h"
#include "music/effects.h"
#include "music/instruments.h"
#include "music/loop.h"
#include "music/mp3.h"

namespace art::music {
namespace {

// A sine of `period` samples on both sides.
Stereo sine(std::size_t frames, double period, double level) {
  Stereo s(frames);
  for (std::size_t i = 0; i < frames; ++i)
    s.l[i] = s.r[i] = float(level * std::sin(2 * kPi * double(i) / period));
  return s;
}

std::size_t loudest(const std::vector<float>& v) {
  return std::size_t(
      std::max_element(v.begin(), v.end(),
                       [](float a, float b) { return std::fabs(a) < std::fabs(b); }) -
      v.begin());
}

TEST(MusicMp3, RoundTripKeepsLengthAndTiming) {
  // Shorter than one MP3 frame, exactly one, and lengths that end inside a frame.
  for (std::size_t frames : {500u, 1152u, 44117u, 3u * 44100u}) {
    SCOPED_TRACE(frames);
    Stereo in = sine(frames, 100, 0.1);
    const std::size_t click = frames * 2 / 3;
    in.l[click] += 0.8f;
    in.r[click] += 0.8f;
    const Stereo out = decodeMp3(encodeMp3(in));
    ASSERT_EQ(out.frames(), frames);
    EXPECT_LE(std::max(loudest(out.l), click) - std::min(loudest(out.l), click), 1u);
  }
}

TEST(MusicMp3, RejectsStreamsItCannotTrim) {
  EXPECT_THROW(decodeMp3(std::string(5000, '\x5a')), std::runtime_error);
  // A stream without the info tag decodes, but its delay and padding are unknown.
  lame_global_flags* gf = lame_init();
  lame_set_in_samplerate(gf, kRate);
  lame_set_num_channels(gf, 2);
  lame_set_bWriteVbrTag(gf, 0);
  ASSERT_GE(lame_init_params(gf), 0);
  const Stereo pcm = sine(44100, 100, 0.3);
  std::vector<unsigned char> buf(80000);
  int n = lame_encode_buffer_ieee_float(gf, pcm.l.data(), pcm.r.data(), int(pcm.frames()),
                                        buf.data(), int(buf.size()));
  ASSERT_GE(n, 0);
  const int tail = lame_encode_flush(gf, buf.data() + n, int(buf.size()) - n);
  lame_close(gf);
  ASSERT_GE(tail, 0);
  const std::string untagged(reinterpret_cast<const char*>(buf.data()), std::size_t(n + tail));
  EXPECT_THROW(decodeMp3(untagged), std::runtime_error);
}

TEST(MusicLoop, TempoNeedsWholeSamplesPerBeat) {
  EXPECT_EQ(Tempo(90).beatFrames(), 29400u);
  EXPECT_EQ(Tempo(140).beatFrames(), 18900u);
  for (double bpm : {97.0, 133.0}) EXPECT_THROW(Tempo{bpm}, std::runtime_error) << bpm;
}

TEST(MusicLoop, NotesRingingPastTheEndComeBackAtTheStart) {
  // The same note in a four-beat loop and an eight-beat one: the short loop must hold the long
  // one folded in two, tail included.
  SynthPatch patch;
  patch.amp = {0.01, 1, 0.6, 0.8};
  const Note note{3.5, 1, 57};
  Loop shortLoop(Tempo(120), 4), longLoop(Tempo(120), 8);
  play(shortLoop, patch, note);
  play(longLoop, patch, note);
  const std::size_t n = shortLoop.frames();
  double folded = 0, wrapped = 0;
  for (std::size_t i = 0; i < n; ++i) {
    folded = std::max(folded, double(std::fabs(shortLoop.dry.l[i] -
                                               (longLoop.dry.l[i] + longLoop.dry.l[i + n]))));
    wrapped = std::max(wrapped, double(std::fabs(longLoop.dry.l[i + n])));
  }
  EXPECT_GT(wrapped, 0.01);  // the fixture really rings over the end
  EXPECT_LT(folded, 1e-6);
}

TEST(MusicLoop, FinishedLoopDoesNotDependOnWhereTheSeamIs) {
  // A loop has no real start: moving all its notes by half its length must move the finished
  // sound (echoes, room, limiter) by just as much. Tails cut at the seam would break this.
  SynthPatch patch;
  patch.amp = {0.005, 0.4, 0.3, 0.3};
  patch.sends = {1, 0.5, 0.8};
  EffectsPatch fx;
  fx.delayBeats = 0.75;
  fx.limitDb = 3;
  auto render = [&](double shift) {
    Loop loop(Tempo(120), 4);
    for (double beat : {0.0, 1.5, 3.75})
      play(loop, patch, {std::fmod(beat + shift, 4.0), 0.5, 60 + beat * 4});
    return mixDown(loop, fx);
  };
  const Stereo a = render(0), b = render(2);
  const std::size_t n = a.frames(), half = n / 2;
  double worst = 0;
  for (std::size_t i = 0; i < n; ++i)
    worst = std::max({worst, double(std::fabs(a.l[i] - b.l[(i + half) % n])),
                      double(std::fabs(a.r[i] - b.r[(i + half) % n]))});
  EXPECT_LT(worst, 5e-3);  // what is left differs by the tails older than a whole loop
}

TEST(MusicLoop, LimiterHoldsTheCeilingAcrossTheSeam) {
  struct Case {
    std::size_t peakAt;
    std::size_t touchedAt;  // a sample next to the peak, across the seam if the peak is at one
  };
  const std::size_t n = 100000;
  for (const Case& c : {Case{50000, 49990}, Case{0, n - 10}, Case{n - 1, 5}}) {
    SCOPED_TRACE(c.peakAt);
    Stereo s = sine(n, 47, 0.2);
    s.l[c.peakAt] = 1.0f;
    const Stereo before = s;
    limitLoop(s, 0.5);
    for (std::size_t i = 0; i < n; ++i) ASSERT_LE(std::fabs(s.l[i]), 0.5f + 1e-6f) << i;
    EXPECT_LT(std::fabs(s.r[c.touchedAt]), std::fabs(before.r[c.touchedAt]));
    for (std::size_t k = 0; k < 100; ++k) {  // a second away from the peak: untouched
      const std::size_t far = (c.peakAt + n / 2 + k) % n;
      ASSERT_NEAR(s.r[far], before.r[far], 1e-4) << far;
    }
  }
}

TEST(MusicLoop, EnvelopeHasNoStepWhenTheNoteIsLetGo) {
  const Adsr env{0.01, 0.3, 0.5, 0.4};
  for (double held : {0.004, 0.01, 0.2, 1.0}) {  // in the attack, at its top, decaying, sustained
    SCOPED_TRACE(held);
    EXPECT_NEAR(env.at(held - 1e-6, held), env.at(held + 1e-6, held), 1e-3);
    EXPECT_LE(env.at(env.length(held), held), 1e-3 + 1e-9);
  }
}

TEST(MusicRules, RejectBrokenLoops) {
  // A clean fixture: 46 s of a 441 Hz sine, a whole number of cycles, so it loops seamlessly.
  const std::size_t frames = 46 * kRate, bar = 2 * kRate;
  struct Case {
    const char* name;
    std::function<void(Stereo&)> spoil;
    const char* complaint;  // empty: the loop must pass
  };
  const std::vector<Case> cases = {
      {"clean", [](Stereo&) {}, ""},
      {"clipping", [](Stereo& s) { s.l[1000] = 1.0f; }, "clips"},
      {"too short",
       [&](Stereo& s) {
         s.l.resize(44 * kRate);
         s.r.resize(44 * kRate);
       },
       "too short"},
      {"silent stretch",
       [](Stereo& s) {
         std::fill(s.l.begin() + 20 * kRate, s.l.begin() + 26 * kRate, 0.0f);
         std::fill(s.r.begin() + 20 * kRate, s.r.begin() + 26 * kRate, 0.0f);
       },
       "silent"},
      {"fades out before the seam",
       [](Stereo& s) {
         for (std::size_t i = s.frames() - kRate / 10; i < s.frames(); ++i) {
           s.l[i] *= 0.05f;
           s.r[i] *= 0.05f;
         }
       },
       "level jumps"},
      {"cut mid-cycle",
       [](Stereo& s) {  // a quarter cycle short: the seam jumps from the trough to zero
         s.l.resize(s.frames() - 25);
         s.r.resize(s.l.size());
       },
       "clicks"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Stereo s = sine(frames, 100, 0.5);
    c.spoil(s);
    const LoopReport report = measure(s, bar);
    if (std::string(c.complaint).empty()) {
      EXPECT_NO_THROW(enforce(report, LoopRules{}, "loop"));
      continue;
    }
    try {
      enforce(report, LoopRules{}, "loop");
      ADD_FAILURE() << "accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.complaint), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace art::music
