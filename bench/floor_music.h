// The floor programs' music: an MP3 decoded by libmpg123 straight into an SDL audio device,
// 16-bit stereo at 44100 Hz, round and round, as the game plays its music.
#pragma once
#include <SDL.h>
#include <mpg123.h>

#include <cstring>
#include <string>

class FloorMusic {
 public:
  // Plays `path`; playing() is false when it cannot be opened.
  explicit FloorMusic(const std::string& path) {
    mpg123_init();
    handle_ = mpg123_new(nullptr, nullptr);
    mpg123_format_none(handle_);
    mpg123_format(handle_, 44100, MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(handle_, path.c_str()) != MPG123_OK) return;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 2048;
    want.userdata = handle_;
    want.callback = [](void* handle, Uint8* out, int bytes) {
      auto* h = static_cast<mpg123_handle*>(handle);
      size_t done = 0;
      if (mpg123_read(h, out, size_t(bytes), &done) == MPG123_DONE) mpg123_seek(h, 0, SEEK_SET);
      std::memset(out + done, 0, size_t(bytes) - done);
    };
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    SDL_PauseAudioDevice(device_, 0);
  }
  ~FloorMusic() {
    if (device_) SDL_CloseAudioDevice(device_);
    mpg123_delete(handle_);
  }
  FloorMusic(const FloorMusic&) = delete;
  FloorMusic& operator=(const FloorMusic&) = delete;
  bool playing() const { return device_ != 0; }

 private:
  mpg123_handle* handle_ = nullptr;
  SDL_AudioDeviceID device_ = 0;
};
