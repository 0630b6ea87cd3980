// Oscillators, envelopes and filters of the music synthesizer.
#include "dsp.h"

#include <algorithm>
#include <cmath>

namespace art::music {

double midiHz(double note) {
  return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}
double dbToGain(double db) {
  return std::pow(10.0, db / 20.0);
}
double gainToDb(double gain) {
  return 20.0 * std::log10(std::max(gain, 1e-12));
}

namespace {
// The correction that turns a naive step into a band-limited one, t the phase since the step.
double blep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}
}  // namespace

double Osc::next(double hz) {
  const double dt = std::min(hz / kRate, 0.49);
  double v = 0;
  switch (wave_) {
    case Wave::kSine:
      v = std::sin(2 * kPi * phase_);
      break;
    case Wave::kTriangle:
      v = 4 * std::fabs(phase_ - 0.5) - 1;
      break;
    case Wave::kSaw:
      v = 2 * phase_ - 1 - blep(phase_, dt);
      break;
    case Wave::kSquare: {
      double p2 = phase_ + 0.5;
      if (p2 >= 1) p2 -= 1;
      v = (phase_ < 0.5 ? 1 : -1) + blep(phase_, dt) - blep(p2, dt);
      break;
    }
  }
  phase_ += dt;
  if (phase_ >= 1) phase_ -= 1;
  return v;
}

double Adsr::at(double t, double held) const {
  constexpr double k60 = 6.907755;  // ln(1000): -60 dB
  auto holding = [&](double u) {
    if (u < attack) {
      const double x = u / attack;
      return x * x * (3 - 2 * x);
    }
    return sustain + (1 - sustain) * std::exp(-k60 * (u - attack) / std::max(decay, 1e-4));
  };
  if (t < 0) return 0;
  if (t < held) return holding(t);
  return holding(held) * std::exp(-k60 * (t - held) / std::max(release, 1e-4));
}

void Svf::set(double hz, double q) {
  hz = std::clamp(hz, 10.0, 0.45 * kRate);
  const double g = std::tan(kPi * hz / kRate);
  k_ = 1 / q;
  a1_ = 1 / (1 + g * (g + k_));
  a2_ = g * a1_;
  a3_ = g * a2_;
}

Svf::Out Svf::run(double x) {
  const double v3 = x - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2 * v1 - ic1_;
  ic2_ = 2 * v2 - ic2_;
  return {v2, v1, x - k_ * v1 - v2};
}

void OnePole::set(double hz) {
  a_ = 1 - std::exp(-2 * kPi * hz / kRate);
}

PanGains panGains(double pan) {
  const double a = (std::clamp(pan, -1.0, 1.0) + 1) * kPi / 4;
  return {std::cos(a) * std::sqrt(2.0), std::sin(a) * std::sqrt(2.0)};
}

}  // namespace art::music
