// The game's sound mixer, driven by hand on a closed mixer (no device takes its output): what
// each source adds to the stream, when channels free up, and the music files it reads.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "services/errors.h"
#include "services/sdl_sound_mixer.h"
#include "wave_file.h"

namespace {

namespace fs = std::filesystem;
using svc::SoundMixer;
using Frames = SoundMixer::Frames;

std::shared_ptr<const Frames> sound(Frames f) {
  return std::make_shared<const Frames>(std::move(f));
}

Frames mix(SoundMixer& m, int frames) {
  Frames out(std::size_t(frames) * 2, 12345);  // whatever was in the buffer before
  m.mix(out.data(), frames);
  return out;
}

TEST(SoundMixer, SoundsPlayOnceAtTheirSidesGainsAndClipTogether) {
  SoundMixer m(false);
  EXPECT_EQ(mix(m, 2), Frames({0, 0, 0, 0}));  // nothing playing: silence, not the old buffer
  ASSERT_TRUE(m.playSound(sound({1000, 1000, -2000, -2000, 30000, 30000}), 0.5, 1));
  ASSERT_TRUE(m.playSound(sound({0, 0, 0, 0, 10000, 10000}), 1, 1));
  // Left at half, right whole; two loud samples clip rather than wrap.
  EXPECT_EQ(mix(m, 4), Frames({500, 1000, -1000, -2000, 25000, 32767, 0, 0}));
  EXPECT_EQ(mix(m, 1), Frames({0, 0}));  // each played once

  // Every sound channel busy: one more is not heard, until one has ended.
  for (int i = 0; i < SoundMixer::kSounds; ++i)
    EXPECT_TRUE(m.playSound(sound({100, 100, 100, 100}), 1, 1)) << i;
  EXPECT_FALSE(m.playSound(sound({7, 7}), 1, 1));
  EXPECT_EQ(mix(m, 1), Frames({1200, 1200}));
  EXPECT_FALSE(m.playSound(sound({7, 7}), 1, 1));
  EXPECT_EQ(mix(m, 1), Frames({1200, 1200}));
  EXPECT_TRUE(m.playSound(sound({7, 7}), 1, 1));
  m.haltChannels();
  EXPECT_EQ(mix(m, 1), Frames({0, 0}));
}

TEST(SoundMixer, VoicesWriteWhileTheyPlayAndHoldWhilePaused) {
  SoundMixer m(false);
  int written = 0;  // frames the voice was asked for
  m.playVoice(1, [&](std::int16_t* out, int frames) {
    for (int i = 0; i < frames; ++i, ++written) {
      out[2 * i] = std::int16_t(written);
      out[2 * i + 1] = std::int16_t(-written);
    }
  });
  m.playSound(sound({10, 10}), 1, 1);
  EXPECT_EQ(mix(m, 2), Frames({10, 10, 1, -1}));
  m.pauseVoice(1, true);
  EXPECT_EQ(mix(m, 2), Frames({0, 0, 0, 0}));
  m.pauseVoice(1, false);
  EXPECT_EQ(mix(m, 1), Frames({2, -2}));  // on from where it was held
  // A request longer than the device's buffer is mixed in parts, the voice asked for each.
  const Frames longer = mix(m, 5000);
  EXPECT_EQ(written, 5003);
  EXPECT_EQ(longer[2 * 4999], 5002);
  m.haltVoice(1);
  EXPECT_EQ(mix(m, 1), Frames({0, 0}));
  EXPECT_EQ(written, 5003);
  m.playVoice(SoundMixer::kVoices, [&](std::int16_t*, int) { ADD_FAILURE(); });  // no such voice
  mix(m, 1);
}

class MixerFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/drovanta-mixer-XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string file(const std::string& name) const { return dir_ + "/" + name; }
  std::string dir_;
};

// Music plays at its volume, starts over at its end, holds while paused and starts from the
// beginning when played again. A WAVE file of another rate and one channel is converted.
TEST_F(MixerFiles, MusicLoopsAtItsVolume) {
  testwave::write(file("music.wav"), 22050, {1000, 2000, 3000});
  Frames converted;
  std::string error;
  ASSERT_TRUE(SoundMixer::loadSound(file("music.wav"), converted, error)) << error;
  ASSERT_EQ(converted.size(), 12U);  // three samples at 22050 Hz: six frames at 44100, stereo
  EXPECT_EQ(converted[0], converted[1]);

  auto music = SoundMixer::openMusic(file("music.wav"));
  SoundMixer m(false);
  m.playMusic(music.get());
  Frames twice = converted;
  twice.insert(twice.end(), converted.begin(), converted.end());
  EXPECT_EQ(mix(m, 12), twice);
  m.setMusicVolume(SoundMixer::kFullVolume / 4);
  const Frames quarter = mix(m, 6);
  for (std::size_t i = 0; i < quarter.size(); ++i) EXPECT_EQ(quarter[i], converted[i] / 4) << i;
  m.pauseMusic(true);
  EXPECT_EQ(mix(m, 2), Frames({0, 0, 0, 0}));
  m.setMusicVolume(SoundMixer::kFullVolume);
  m.pauseMusic(false);
  m.mix(twice.data(), 1);
  m.playMusic(music.get());
  EXPECT_EQ(mix(m, 6), converted);
  m.playMusic(nullptr);
  EXPECT_EQ(mix(m, 1), Frames({0, 0}));
}

// The game's own music decodes, as stereo at the mixer's rate; a file that is missing or is not
// music says which file it was.
TEST_F(MixerFiles, Mp3MusicDecodesAndABadFileIsNamed) {
  auto music = SoundMixer::openMusic(std::string(DROVANTA_PROGRAM_DIR) + "/music/menu.mp3");
  Frames out(2 * SoundMixer::kRate);
  EXPECT_EQ(music->read(out.data(), SoundMixer::kRate), SoundMixer::kRate);
  long loud = 0;
  for (std::int16_t s : out) loud = std::max(loud, long(std::abs(int(s))));
  EXPECT_GT(loud, 1000);

  std::ofstream(file("text.mp3")) << std::string(4000, 'x');
  std::ofstream(file("broken.wav")) << "RIFF....WAVE nonsense";
  for (const char* name : {"missing.mp3", "text.mp3", "broken.wav"}) {
    try {
      SoundMixer::openMusic(file(name));
      ADD_FAILURE() << name << " opened";
    } catch (const svc::DataFileError& e) {
      EXPECT_EQ(e.path(), file(name));
    }
  }
}

}  // namespace
