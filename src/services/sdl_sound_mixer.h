// The game's sound mixer on one SDL audio device: a music stream and sixteen channels, mixed
// into 16-bit stereo at 44100 Hz on SDL's audio thread. Music is decoded while it plays (MP3
// through libmpg123; a WAVE file is read whole). A channel plays a sound once, or, for the
// first four, a voice whose samples its owner writes as they are wanted.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace svc {

class SoundMixer {
 public:
  static constexpr int kRate = 44100;
  static constexpr int kVoices = 4;   // channels 0..3, kept for voices
  static constexpr int kSounds = 12;  // channels for sounds played once
  static constexpr int kFullVolume = 128;

  // Interleaved 16-bit stereo frames at kRate.
  using Frames = std::vector<std::int16_t>;

  // A music file being played: it starts over at its end.
  class Music {
   public:
    virtual ~Music() = default;
    // Writes up to `frames` frames; fewer only when the file cannot be read on.
    virtual int read(std::int16_t* out, int frames) = 0;
    virtual void rewind() = 0;
  };

  // Writes `frames` frames of a voice; called on the audio thread.
  using Voice = std::function<void(std::int16_t* out, int frames)>;

  // Opens the default output when SDL's audio has started; a device that cannot be opened is
  // one line on standard error, and the mixer stays closed: it takes every call below, but
  // nothing plays what it mixes.
  explicit SoundMixer(bool audioAvailable);
  ~SoundMixer();
  SoundMixer(const SoundMixer&) = delete;
  SoundMixer& operator=(const SoundMixer&) = delete;
  bool isOpen() const { return device_ != 0; }

  // Opens a music file; throws DataFileError when it is missing or not music the mixer reads.
  static std::unique_ptr<Music> openMusic(const std::string& path);
  // Reads a WAVE file in the mixer's format; false, with the reason in `error`, when it cannot.
  static bool loadSound(const std::string& path, Frames& out, std::string& error);

  // Plays `music` from its start (nullptr: none); the mixer does not own it.
  void playMusic(Music* music);
  void pauseMusic(bool paused);
  void setMusicVolume(int volume);  // 0..kFullVolume

  // Plays a sound once on the first free sound channel, at gains 0..1 left and right; false
  // when every one is busy.
  bool playSound(std::shared_ptr<const Frames> sound, double left, double right);
  // Plays a voice on channel `voice` (0..kVoices-1) until it is halted.
  void playVoice(int voice, Voice write);
  void pauseVoice(int voice, bool paused);
  void haltVoice(int voice);
  // Stops every channel; the music plays on.
  void haltChannels();

  // Mixes `frames` frames of what is playing into `out` (the audio thread's work; tests).
  void mix(std::int16_t* out, int frames);

 private:
  struct Channel {
    std::shared_ptr<const Frames> sound;
    std::size_t position = 0;  // in samples
    float left = 1, right = 1;
    Voice voice;
    bool playing = false, paused = false;
  };
  class Lock;
  static void fill(void* mixer, std::uint8_t* stream, int bytes);
  void mixChunk(std::int16_t* out, int frames);

  std::uint32_t device_ = 0;
  Channel channels_[kVoices + kSounds];
  Music* music_ = nullptr;
  bool musicPaused_ = false;
  int musicVolume_ = kFullVolume;
  std::vector<std::int32_t> sum_;  // the mix before clipping
  Frames part_;                    // one source's frames
};

}  // namespace svc
