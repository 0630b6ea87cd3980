// MP3 in and out through libmp3lame: the encoder writes the gapless info tag, the decoder (hip)
// reads it back and trims the encoder's delay and padding, so a loop keeps its exact length.
#pragma once
#include <string>

#include "loop.h"

namespace art::music {

// 44.1 kHz joint stereo, VBR quality 2 (about 190 kbit/s for dense music). Throws on failure.
std::string encodeMp3(const Stereo& pcm);
// Decodes to samples in -1..1 (16-bit steps), delay and padding removed. Throws when the stream
// does not decode or carries no gapless info tag.
Stereo decodeMp3(const std::string& mp3);

}  // namespace art::music
