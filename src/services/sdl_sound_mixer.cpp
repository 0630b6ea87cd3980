// The mixer adds every source into 32-bit sums and clips once at the end. SDL's audio thread
// calls `fill` with the device locked; every change from the game's thread takes the same lock,
// so a source is never changed halfway through a mix.
#include "services/sdl_sound_mixer.h"

#include <SDL.h>
#include <mpg123.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "services/errors.h"

namespace svc {

namespace {

constexpr int kFrameBytes = 2 * int(sizeof(std::int16_t));
constexpr int kChunkFrames = 2048;  // the device's buffer; a longer request is mixed in parts

// A WAVE file held whole.
class WaveMusic : public SoundMixer::Music {
 public:
  explicit WaveMusic(SoundMixer::Frames frames) : frames_(std::move(frames)) {}
  int read(std::int16_t* out, int frames) override {
    const std::size_t total = frames_.size() / 2;
    if (total == 0) return 0;
    int done = 0;
    while (done < frames) {
      if (position_ == total) position_ = 0;
      const std::size_t n = std::min<std::size_t>(std::size_t(frames - done), total - position_);
      std::memcpy(out + 2 * done, frames_.data() + 2 * position_, n * kFrameBytes);
      position_ += n;
      done += int(n);
    }
    return done;
  }
  void rewind() override { position_ = 0; }

 private:
  SoundMixer::Frames frames_;
  std::size_t position_ = 0;
};

// An MP3 file decoded as it plays, through an SDL audio stream when its rate or channels are
// not the mixer's.
class Mp3Music : public SoundMixer::Music {
 public:
  explicit Mp3Music(const std::string& path) {
    static const int started = mpg123_init();
    int err = started;
    if (err == MPG123_OK) handle_ = mpg123_new(nullptr, &err);
    if (!handle_) throw DataFileError(path, mpg123_plain_strerror(err));
    mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(handle_);
    const long* rates = nullptr;
    std::size_t count = 0;
    mpg123_rates(&rates, &count);
    for (std::size_t i = 0; i < count; ++i)
      mpg123_format(handle_, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    long rate = 0;
    int channels = 0, encoding = 0;
    std::string why;
    if (mpg123_open(handle_, path.c_str()) != MPG123_OK)
      why = mpg123_strerror(handle_);
    else if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK)
      why = std::string("no MP3 audio in it (") + mpg123_strerror(handle_) + ")";
    if (!why.empty()) {
      mpg123_delete(handle_);
      throw DataFileError(path, why);
    }
    if (rate != SoundMixer::kRate || channels != 2) {
      stream_ = SDL_NewAudioStream(AUDIO_S16SYS, Uint8(channels), int(rate), AUDIO_S16SYS, 2,
                                   SoundMixer::kRate);
      if (!stream_) {
        mpg123_delete(handle_);
        throw DataFileError(path, SDL_GetError());
      }
      decoded_.resize(8192);
    }
  }
  ~Mp3Music() override {
    if (stream_) SDL_FreeAudioStream(stream_);
    mpg123_delete(handle_);
  }

  int read(std::int16_t* out, int frames) override {
    int done = 0;
    int emptyEnds = 0;  // ends met with nothing decoded between them: a file with no sound
    int idle = 0;       // reads in a row that gave nothing
    while (done < frames && emptyEnds < 2 && idle < 64) {
      std::size_t bytes = 0;
      int result = MPG123_OK;
      if (stream_) {
        const int got = SDL_AudioStreamGet(stream_, out + 2 * done, (frames - done) * kFrameBytes);
        if (got < 0) break;
        done += got / kFrameBytes;
        if (done == frames) break;
        result = mpg123_read(handle_, decoded_.data(), decoded_.size(), &bytes);
        if (bytes > 0 && SDL_AudioStreamPut(stream_, decoded_.data(), int(bytes)) != 0) break;
      } else {
        result = mpg123_read(handle_, reinterpret_cast<unsigned char*>(out + 2 * done),
                             std::size_t(frames - done) * kFrameBytes, &bytes);
        done += int(bytes / kFrameBytes);
      }
      if (bytes > 0) {
        emptyEnds = idle = 0;
      } else {
        ++idle;
      }
      if (result == MPG123_DONE) {
        ++emptyEnds;
        if (stream_) SDL_AudioStreamFlush(stream_);
        if (mpg123_seek(handle_, 0, SEEK_SET) < 0) break;
      } else if (result != MPG123_OK && result != MPG123_NEW_FORMAT) {
        break;  // a file that cannot be read on: silence from here
      }
    }
    return done;
  }
  void rewind() override {
    mpg123_seek(handle_, 0, SEEK_SET);
    if (stream_) SDL_AudioStreamClear(stream_);
  }

 private:
  mpg123_handle* handle_ = nullptr;
  SDL_AudioStream* stream_ = nullptr;
  std::vector<unsigned char> decoded_;
};

std::int16_t clip(std::int32_t v) {
  return std::int16_t(std::clamp<std::int32_t>(v, -32768, 32767));
}

}  // namespace

// Holds the audio thread off while the game changes what plays.
class SoundMixer::Lock {
 public:
  explicit Lock(const SoundMixer& m) : device_(m.device_) {
    if (device_) SDL_LockAudioDevice(device_);
  }
  ~Lock() {
    if (device_) SDL_UnlockAudioDevice(device_);
  }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  SDL_AudioDeviceID device_;
};

SoundMixer::SoundMixer(bool audioAvailable)
    : sum_(std::size_t(2) * kChunkFrames), part_(std::size_t(2) * kChunkFrames) {
  if (!audioAvailable) return;
  SDL_AudioSpec want{};
  want.freq = kRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = kChunkFrames;
  want.callback = fill;
  want.userdata = this;
  // No changes allowed: SDL converts to whatever the device takes.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (!device_) {
    std::fprintf(stderr, "Drovanta: no audio (%s)\n", SDL_GetError());
    return;
  }
  SDL_PauseAudioDevice(device_, 0);
}

SoundMixer::~SoundMixer() {
  if (device_) SDL_CloseAudioDevice(device_);
}

std::unique_ptr<SoundMixer::Music> SoundMixer::openMusic(const std::string& path) {
  char head[12] = {};
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw DataFileError(path, "file not found");
  const bool whole = std::fread(head, 1, sizeof head, f) == sizeof head;
  std::fclose(f);
  if (whole && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0) {
    Frames frames;
    std::string error;
    if (!loadSound(path, frames, error)) throw DataFileError(path, error);
    return std::make_unique<WaveMusic>(std::move(frames));
  }
  return std::make_unique<Mp3Music>(path);
}

bool SoundMixer::loadSound(const std::string& path, Frames& out, std::string& error) {
  SDL_AudioSpec wave{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.c_str(), &wave, &buffer, &length)) {
    error = SDL_GetError();
    return false;
  }
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq, AUDIO_S16SYS, 2, kRate) < 0) {
    error = SDL_GetError();
    SDL_FreeWAV(buffer);
    return false;
  }
  std::vector<Uint8> work(std::size_t(length) * std::size_t(std::max(cvt.len_mult, 1)));
  if (length > 0) std::memcpy(work.data(), buffer, length);
  SDL_FreeWAV(buffer);
  cvt.buf = work.data();
  cvt.len = int(length);
  if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) {
    error = SDL_GetError();
    return false;
  }
  const int bytes = cvt.needed ? cvt.len_cvt : cvt.len;
  out.assign(std::size_t(bytes / kFrameBytes) * 2, 0);
  if (!out.empty()) std::memcpy(out.data(), work.data(), out.size() * sizeof(std::int16_t));
  return true;
}

void SoundMixer::playMusic(Music* music) {
  Lock lock(*this);
  if (music) music->rewind();
  music_ = music;
  musicPaused_ = false;
}

void SoundMixer::pauseMusic(bool paused) {
  Lock lock(*this);
  musicPaused_ = paused;
}

void SoundMixer::setMusicVolume(int volume) {
  Lock lock(*this);
  musicVolume_ = std::clamp(volume, 0, kFullVolume);
}

bool SoundMixer::playSound(std::shared_ptr<const Frames> sound, double left, double right) {
  std::shared_ptr<const Frames> finished;  // let go of outside the lock
  Lock lock(*this);
  for (int i = kVoices; i < kVoices + kSounds; ++i) {
    Channel& c = channels_[i];
    if (c.playing) continue;
    finished = std::move(c.sound);
    c = Channel{};
    c.sound = std::move(sound);
    c.left = float(std::clamp(left, 0.0, 1.0));
    c.right = float(std::clamp(right, 0.0, 1.0));
    c.playing = true;
    return true;
  }
  return false;
}

void SoundMixer::playVoice(int voice, Voice write) {
  if (voice < 0 || voice >= kVoices) return;
  Voice old;  // let go of outside the lock
  Lock lock(*this);
  Channel& c = channels_[voice];
  old = std::move(c.voice);
  c = Channel{};
  c.voice = std::move(write);
  c.playing = true;
}

void SoundMixer::pauseVoice(int voice, bool paused) {
  if (voice < 0 || voice >= kVoices) return;
  Lock lock(*this);
  channels_[voice].paused = paused;
}

void SoundMixer::haltVoice(int voice) {
  if (voice < 0 || voice >= kVoices) return;
  Voice old;
  Lock lock(*this);
  old = std::move(channels_[voice].voice);
  channels_[voice] = Channel{};
}

void SoundMixer::haltChannels() {
  Channel old[kVoices + kSounds];
  Lock lock(*this);
  for (int i = 0; i < kVoices + kSounds; ++i) old[i] = std::exchange(channels_[i], Channel{});
}

void SoundMixer::fill(void* mixer, std::uint8_t* stream, int bytes) {
  static_cast<SoundMixer*>(mixer)->mix(reinterpret_cast<std::int16_t*>(stream),
                                       bytes / kFrameBytes);
}

void SoundMixer::mix(std::int16_t* out, int frames) {
  for (int done = 0; done < frames; done += kChunkFrames)
    mixChunk(out + 2 * done, std::min(kChunkFrames, frames - done));
}

void SoundMixer::mixChunk(std::int16_t* out, int frames) {
  const std::size_t samples = std::size_t(frames) * 2;
  std::fill_n(sum_.begin(), samples, 0);
  if (music_ && !musicPaused_) {
    const int got = music_->read(part_.data(), frames);
    for (std::size_t i = 0; i < std::size_t(got) * 2; ++i)
      sum_[i] += std::int32_t(part_[i]) * musicVolume_ / kFullVolume;
  }
  for (Channel& c : channels_) {
    if (!c.playing || c.paused) continue;
    if (c.voice) {
      c.voice(part_.data(), frames);
      for (std::size_t i = 0; i < samples; ++i) sum_[i] += part_[i];
      continue;
    }
    const Frames& s = *c.sound;
    const std::size_t n = std::min(samples, s.size() - c.position);
    for (std::size_t i = 0; i < n; i += 2) {
      sum_[i] += std::int32_t(float(s[c.position + i]) * c.left);
      sum_[i + 1] += std::int32_t(float(s[c.position + i + 1]) * c.right);
    }
    c.position += n;
    if (c.position >= s.size()) c.playing = false;  // its sound is let go of on the game's thread
  }
  for (std::size_t i = 0; i < samples; ++i) out[i] = clip(sum_[i]);
}

}  // namespace svc
