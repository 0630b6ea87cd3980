// Sound effects on SDL_mixer. One-shots are mixer chunks on free channels. A continuous voice is
// a reserved channel playing silence, whose mixer effect writes the voice itself: the effect's
// samples read round and round at the voice's pitch (linear interpolation between samples),
// with pitch, gain and pan gliding towards their settings sample by sample, so the revs can
// change every frame without a click.
#include "services/sdl_effects.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace svc {

namespace {
constexpr int kVoiceChannels = 4;
constexpr int kChannels = 16;
// How fast a voice's settings follow: about 30 ms to get most of the way.
constexpr double kGlideSeconds = 0.03;
}  // namespace

struct SdlSoundEffects::Effect {
  std::vector<float> samples;  // mono, -1..1
  int rate = 44100;
  Mix_Chunk* chunk = nullptr;
  ~Effect() {
    if (chunk) Mix_FreeChunk(chunk);
  }
};

struct SdlSoundEffects::Voice {
  int channel = -1;
  const Effect* effect = nullptr;
  std::atomic<double> gain{0}, pitch{1}, pan{0};
  // The audio thread's own: where it reads and what it plays now.
  double position = 0, nowGain = 0, nowPitch = 1, nowPan = 0;
  int deviceRate = 44100;
  std::vector<Uint8> silence;
  Mix_Chunk* quiet = nullptr;
  // Stops the channel and hands back what it played.
  void halt() {
    Mix_HaltChannel(channel);
    Mix_UnregisterAllEffects(channel);
    if (quiet) Mix_FreeChunk(quiet);
    quiet = nullptr;
  }
};

namespace {

void writeVoice(int, void* stream, int len, void* arg) {
  auto* v = static_cast<SdlSoundEffects::Voice*>(arg);
  auto* out = static_cast<Sint16*>(stream);
  const int frames = len / int(2 * sizeof(Sint16));
  const std::vector<float>& s = v->effect->samples;
  const double n = double(s.size());
  const double follow = 1 - std::exp(-1.0 / (kGlideSeconds * v->deviceRate));
  const double gain = v->gain.load(std::memory_order_relaxed);
  const double pitch = v->pitch.load(std::memory_order_relaxed);
  const double pan = v->pan.load(std::memory_order_relaxed);
  const double step = double(v->effect->rate) / v->deviceRate;
  for (int i = 0; i < frames; ++i) {
    v->nowGain += (gain - v->nowGain) * follow;
    v->nowPitch += (pitch - v->nowPitch) * follow;
    v->nowPan += (pan - v->nowPan) * follow;
    const std::size_t a = std::size_t(v->position);
    const double f = v->position - double(a);
    const double x = s[a] + (s[a + 1 < s.size() ? a + 1 : 0] - s[a]) * f;
    v->position += v->nowPitch * step;
    while (v->position >= n) v->position -= n;
    const double l = x * v->nowGain * std::min(1.0, 1 - v->nowPan);
    const double r = x * v->nowGain * std::min(1.0, 1 + v->nowPan);
    out[2 * i] = Sint16(std::clamp(l, -1.0, 1.0) * 32767);
    out[2 * i + 1] = Sint16(std::clamp(r, -1.0, 1.0) * 32767);
  }
}

}  // namespace

SdlSoundEffects::SdlSoundEffects(bool available) : available_(available) {
  if (!available_) return;
  int rate = 0, channels = 0;
  Uint16 format = 0;
  if (!Mix_QuerySpec(&rate, &format, &channels)) {
    available_ = false;
    return;
  }
  Mix_AllocateChannels(kChannels);
  Mix_ReserveChannels(kVoiceChannels);
  // The voices write 16-bit stereo themselves; on a device of another format they stay silent.
  if (format != AUDIO_S16SYS || channels != 2)
    std::fprintf(stderr, "Drovanta: the engine sounds need 16-bit stereo output\n");
}

SdlSoundEffects::~SdlSoundEffects() {
  if (available_) stopAll();
}

bool SdlSoundEffects::load(const std::string& name, const std::string& path) {
  SDL_AudioSpec wav{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.c_str(), &wav, &buffer, &length)) {
    std::fprintf(stderr, "Drovanta: sound %s: %s; it stays silent\n", path.c_str(), SDL_GetError());
    return false;
  }
  auto effect = std::make_unique<Effect>();
  effect->rate = wav.freq;
  if (wav.format == AUDIO_S16LSB && wav.channels >= 1) {
    const std::size_t frames = length / (2 * wav.channels);
    effect->samples.resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
      Sint16 v;
      std::memcpy(&v, buffer + i * 2 * wav.channels, 2);
      effect->samples[i] = float(v) / 32768;
    }
  }
  SDL_FreeWAV(buffer);
  if (effect->samples.size() < 2 || effect->rate <= 0) {
    std::fprintf(stderr, "Drovanta: sound %s: not 16-bit PCM; it stays silent\n", path.c_str());
    return false;
  }
  if (available_) {
    effect->chunk = Mix_LoadWAV(path.c_str());
    if (!effect->chunk) {
      std::fprintf(stderr, "Drovanta: sound %s: %s; it stays silent\n", path.c_str(),
                   Mix_GetError());
      return false;
    }
  }
  effects_[name] = std::move(effect);
  return true;
}

void SdlSoundEffects::play(const std::string& name, double gain, double pan) {
  auto it = effects_.find(name);
  if (!available_ || it == effects_.end() || !it->second->chunk) return;
  const int channel = Mix_PlayChannel(-1, it->second->chunk, 0);
  if (channel < 0) return;  // every channel busy: this one is not heard
  Mix_Volume(channel, int(std::lround(std::clamp(gain, 0.0, 1.0) * MIX_MAX_VOLUME)));
  const double p = std::clamp(pan, -1.0, 1.0);
  Mix_SetPanning(channel, Uint8(std::lround(255 * std::min(1.0, 1 - p))),
                 Uint8(std::lround(255 * std::min(1.0, 1 + p))));
}

void SdlSoundEffects::voice(int id, const std::string& name, double gain, double pitch,
                            double pan) {
  auto it = effects_.find(name);
  if (!available_ || it == effects_.end() || id < 0 || id >= kVoiceChannels) return;
  std::unique_ptr<Voice>& v = voices_[id];
  if (!v || v->effect != it->second.get()) {
    if (v) v->halt();
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    if (format != AUDIO_S16SYS || channels != 2) return;
    v = std::make_unique<Voice>();
    v->effect = it->second.get();
    v->deviceRate = rate;
    v->channel = id;
    v->silence.assign(4096, 0);
    v->pitch = pitch;
    v->nowPitch = pitch;
    v->quiet = Mix_QuickLoad_RAW(v->silence.data(), Uint32(v->silence.size()));
    Mix_RegisterEffect(v->channel, writeVoice, nullptr, v.get());
    Mix_PlayChannel(v->channel, v->quiet, -1);
  }
  v->gain = std::clamp(gain, 0.0, 1.0);
  v->pitch = std::clamp(pitch, 0.05, 8.0);
  v->pan = std::clamp(pan, -1.0, 1.0);
}

void SdlSoundEffects::pauseVoices(bool paused) {
  if (!available_) return;
  for (auto& [id, v] : voices_) {
    if (v->channel < 0) continue;
    if (paused) {
      Mix_Pause(v->channel);
    } else {
      Mix_Resume(v->channel);
    }
  }
}

void SdlSoundEffects::stopAll() {
  if (!available_) return;
  Mix_HaltChannel(-1);
  for (auto& [id, v] : voices_) v->halt();
  voices_.clear();
}

int SdlSoundEffects::lengthMs(const std::string& name) const {
  auto it = effects_.find(name);
  if (it == effects_.end()) return 0;
  return int(std::lround(double(it->second->samples.size()) * 1000 / it->second->rate));
}

}  // namespace svc
