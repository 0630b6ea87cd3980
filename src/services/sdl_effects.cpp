// Sound effects on the game's mixer. One-shots are sounds on free channels. A continuous voice is
// a channel whose samples the voice writes itself: the effect's samples read round and round at
// the voice's pitch (linear interpolation between samples), with pitch, gain and pan gliding
// towards their settings sample by sample, so the revs can change every frame without a click.
#include "services/sdl_effects.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace svc {

namespace {
// How fast a voice's settings follow: about 30 ms to get most of the way.
constexpr double kGlideSeconds = 0.03;
}  // namespace

struct SdlSoundEffects::Effect {
  std::vector<float> samples;  // mono, -1..1
  int rate = 44100;
  std::shared_ptr<const SoundMixer::Frames> frames;  // the mixer's format, when it is open
};

struct SdlSoundEffects::Voice {
  const Effect* effect = nullptr;
  std::atomic<double> gain{0}, pitch{1}, pan{0};
  // The audio thread's own: where it reads and what it plays now.
  double position = 0, nowGain = 0, nowPitch = 1, nowPan = 0;

  void write(std::int16_t* out, int frames) {
    const std::vector<float>& s = effect->samples;
    const double n = double(s.size());
    const double follow = 1 - std::exp(-1.0 / (kGlideSeconds * SoundMixer::kRate));
    const double g = gain.load(std::memory_order_relaxed);
    const double p = pitch.load(std::memory_order_relaxed);
    const double pn = pan.load(std::memory_order_relaxed);
    const double step = double(effect->rate) / SoundMixer::kRate;
    for (int i = 0; i < frames; ++i) {
      nowGain += (g - nowGain) * follow;
      nowPitch += (p - nowPitch) * follow;
      nowPan += (pn - nowPan) * follow;
      const std::size_t a = std::size_t(position);
      const double f = position - double(a);
      const double x = s[a] + (s[a + 1 < s.size() ? a + 1 : 0] - s[a]) * f;
      position += nowPitch * step;
      while (position >= n) position -= n;
      const double l = x * nowGain * std::min(1.0, 1 - nowPan);
      const double r = x * nowGain * std::min(1.0, 1 + nowPan);
      out[2 * i] = std::int16_t(std::clamp(l, -1.0, 1.0) * 32767);
      out[2 * i + 1] = std::int16_t(std::clamp(r, -1.0, 1.0) * 32767);
    }
  }
};

SdlSoundEffects::SdlSoundEffects(SoundMixer& mixer) : mixer_(mixer) {}

SdlSoundEffects::~SdlSoundEffects() {
  stopAll();
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
  if (mixer_.isOpen()) {
    auto frames = std::make_shared<SoundMixer::Frames>();
    std::string error;
    if (!SoundMixer::loadSound(path, *frames, error)) {
      std::fprintf(stderr, "Drovanta: sound %s: %s; it stays silent\n", path.c_str(),
                   error.c_str());
      return false;
    }
    effect->frames = std::move(frames);
  }
  // An effect loaded again under its name: no voice may go on reading the one it replaces.
  if (auto old = effects_.find(name); old != effects_.end()) {
    for (auto v = voices_.begin(); v != voices_.end();) {
      if (v->second->effect != old->second.get()) {
        ++v;
        continue;
      }
      mixer_.haltVoice(v->first);
      v = voices_.erase(v);
    }
  }
  effects_[name] = std::move(effect);
  return true;
}

void SdlSoundEffects::play(const std::string& name, double gain, double pan) {
  auto it = effects_.find(name);
  if (!mixer_.isOpen() || it == effects_.end() || !it->second->frames) return;
  // Every channel busy: this one is not heard.
  const double g = std::clamp(gain, 0.0, 1.0), p = std::clamp(pan, -1.0, 1.0);
  mixer_.playSound(it->second->frames, g * std::min(1.0, 1 - p), g * std::min(1.0, 1 + p));
}

void SdlSoundEffects::voice(int id, const std::string& name, double gain, double pitch,
                            double pan) {
  auto it = effects_.find(name);
  if (!mixer_.isOpen() || it == effects_.end() || id < 0 || id >= SoundMixer::kVoices) return;
  std::unique_ptr<Voice>& v = voices_[id];
  if (!v || v->effect != it->second.get()) {
    if (v) mixer_.haltVoice(id);
    v = std::make_unique<Voice>();
    v->effect = it->second.get();
    v->pitch = pitch;
    v->nowPitch = pitch;
    Voice* playing = v.get();
    mixer_.playVoice(id, [playing](std::int16_t* out, int frames) { playing->write(out, frames); });
  }
  v->gain = std::clamp(gain, 0.0, 1.0);
  v->pitch = std::clamp(pitch, 0.05, 8.0);
  v->pan = std::clamp(pan, -1.0, 1.0);
}

void SdlSoundEffects::pauseVoices(bool paused) {
  for (auto& [id, v] : voices_) mixer_.pauseVoice(id, paused);
}

void SdlSoundEffects::stopAll() {
  mixer_.haltChannels();
  voices_.clear();
}

int SdlSoundEffects::lengthMs(const std::string& name) const {
  auto it = effects_.find(name);
  if (it == effects_.end()) return 0;
  return int(std::lround(double(it->second->samples.size()) * 1000 / it->second->rate));
}

}  // namespace svc
