// Power spectra of the effects through a plain radix-2 FFT.
#include "sound/frequencies.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <stdexcept>

#include "music/dsp.h"

namespace art::sound {

namespace {

void fft(std::vector<std::complex<double>>& a) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const std::complex<double> w = std::polar(1.0, -2 * music::kPi / double(len));
    for (std::size_t i = 0; i < n; i += len) {
      std::complex<double> wn = 1;
      for (std::size_t k = 0; k < len / 2; ++k) {
        const auto u = a[i + k], v = a[i + k + len / 2] * wn;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
        wn *= w;
      }
    }
  }
}

}  // namespace

std::vector<double> powerSpectrum(const Effect& e, long from, std::size_t n) {
  if (n < 2 || (n & (n - 1)) != 0) throw std::invalid_argument("FFT size not a power of two");
  const std::vector<float>& s = e.samples;
  const long size = long(s.size());
  std::vector<std::complex<double>> a(n);
  for (std::size_t i = 0; i < n && size > 0; ++i) {
    long at = from + long(i);
    double v = 0;
    if (e.loop) {
      v = s[std::size_t(((at % size) + size) % size)];
    } else if (at >= 0 && at < size) {
      v = s[std::size_t(at)];
    }
    a[i] = v * (0.5 - 0.5 * std::cos(2 * music::kPi * double(i) / double(n)));
  }
  fft(a);
  std::vector<double> power(n / 2 + 1);
  for (std::size_t k = 0; k < power.size(); ++k) power[k] = std::norm(a[k]);
  return power;
}

std::vector<double> meanSpectrum(const Effect& e, std::size_t first, std::size_t last,
                                 std::size_t n) {
  last = std::min(last, e.samples.size());
  std::vector<double> sum(n / 2 + 1, 0.0);
  int windows = 0;
  if (last <= first + n) {
    sum = powerSpectrum(e, long(first + last) / 2 - long(n / 2), n);
    windows = 1;
  } else {
    for (std::size_t at = first; at + n <= last; at += n / 2, ++windows) {
      const std::vector<double> p = powerSpectrum(e, long(at), n);
      for (std::size_t k = 0; k < sum.size(); ++k) sum[k] += p[k];
    }
  }
  for (double& v : sum) v /= windows;
  return sum;
}

double binHz(const std::vector<double>& spectrum, std::size_t bin) {
  return double(bin) * kRate / double((spectrum.size() - 1) * 2);
}

double loudestHz(const std::vector<double>& spectrum) {
  return binHz(spectrum,
               std::size_t(std::max_element(spectrum.begin(), spectrum.end()) - spectrum.begin()));
}

double centroidHz(const std::vector<double>& spectrum) {
  double weighted = 0, total = 0;
  for (std::size_t k = 0; k < spectrum.size(); ++k) {
    weighted += binHz(spectrum, k) * spectrum[k];
    total += spectrum[k];
  }
  return total > 0 ? weighted / total : 0;
}

double shareAboveDb(const std::vector<double>& spectrum, double hz) {
  double above = 0, total = 0;
  for (std::size_t k = 0; k < spectrum.size(); ++k) {
    total += spectrum[k];
    if (binHz(spectrum, k) > hz) above += spectrum[k];
  }
  return 10 * std::log10((above + 1e-30) / (total + 1e-30));
}

}  // namespace art::sound
