// Power spectra of the effects, for their pictures and for the checks of what each one sounds
// like (where its energy lies, whether it rises).
#pragma once
#include <cstddef>
#include <vector>

#include "sound/effects.h"

namespace art::sound {

// The power of `n` samples from `from` (n a power of two) under a Hann window: n / 2 + 1 bins
// of kRate / n Hz. A loop is read round its seam, as it is heard; a one-shot is silent
// outside its samples.
std::vector<double> powerSpectrum(const Effect& effect, long from, std::size_t n);

// The mean power spectrum of the samples from `first` up to `last`, in windows of `n` half
// overlapping (one window at least, centred when the stretch is shorter than a window).
std::vector<double> meanSpectrum(const Effect& effect, std::size_t first, std::size_t last,
                                 std::size_t n);

// Read from a spectrum of bins kRate / ((size - 1) * 2) Hz wide.
double binHz(const std::vector<double>& spectrum, std::size_t bin);
double loudestHz(const std::vector<double>& spectrum);
double centroidHz(const std::vector<double>& spectrum);
// The power above `hz` against the whole power, in decibels.
double shareAboveDb(const std::vector<double>& spectrum, double hz);

}  // namespace art::sound
