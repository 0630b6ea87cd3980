// Pictures for listening with the eyes: each effect's waveform over its spectrogram, and line
// plots of measured series (the engine's pitch against the revs over a lap).
#pragma once
#include <string>

namespace art::sound {

// Writes DIR/NAME.png for every effect.
void renderEffectPictures(const std::string& dir);

// Plots columns 2..n of a CSV file (a header line of column names, then numbers) against its
// first column, as lines with axes and a legend, into a PNG. An empty cell breaks its line; of
// two series on very different ranges the second gets its own scale on the right. Throws
// std::runtime_error naming the file and line of anything that is not a number.
void plotCsv(const std::string& csvPath, const std::string& pngPath, const std::string& title);

}  // namespace art::sound
