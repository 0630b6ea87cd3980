// MP3 encoding and decoding of the music loops.
#include "mp3.h"

#include <lame/lame.h>

#include <algorithm>
#include <cstdarg>
#include <memory>
#include <stdexcept>
#include <vector>

#include "dsp.h"

namespace art::music {

namespace {
void quiet(const char*, va_list) {}

// The decoder itself lags by one granule plus one sample behind the stream.
constexpr int kDecoderDelay = 528 + 1;
}  // namespace

std::string encodeMp3(const Stereo& pcm) {
  std::unique_ptr<lame_global_flags, decltype(&lame_close)> lame(lame_init(), &lame_close);
  if (!lame) throw std::runtime_error("lame_init failed");
  lame_global_flags* gf = lame.get();
  lame_set_errorf(gf, &quiet);
  lame_set_debugf(gf, &quiet);
  lame_set_msgf(gf, &quiet);
  lame_set_in_samplerate(gf, kRate);
  lame_set_out_samplerate(gf, kRate);
  lame_set_num_channels(gf, 2);
  lame_set_mode(gf, JOINT_STEREO);
  lame_set_VBR(gf, vbr_default);
  lame_set_VBR_quality(gf, 2.0f);
  lame_set_bWriteVbrTag(gf, 1);  // the info tag carries delay and padding for gapless players
  lame_set_write_id3tag_automatic(gf, 0);
  if (lame_init_params(gf) < 0) throw std::runtime_error("lame_init_params failed");

  constexpr std::size_t kChunk = 8192;
  std::vector<unsigned char> buf(kChunk * 5 / 4 + 7200);
  std::string out;
  auto append = [&](int n) {
    if (n < 0) throw std::runtime_error("mp3 encoding failed (" + std::to_string(n) + ")");
    out.append(reinterpret_cast<const char*>(buf.data()), std::size_t(n));
  };
  for (std::size_t at = 0; at < pcm.frames(); at += kChunk) {
    const std::size_t n = std::min(kChunk, pcm.frames() - at);
    append(lame_encode_buffer_ieee_float(gf, pcm.l.data() + at, pcm.r.data() + at, int(n),
                                         buf.data(), int(buf.size())));
  }
  append(lame_encode_flush(gf, buf.data(), int(buf.size())));
  // The first frame was reserved for the tag; now that the totals are known, fill it in.
  const std::size_t tag = lame_get_lametag_frame(gf, buf.data(), buf.size());
  if (tag == 0 || tag > buf.size() || tag > out.size())
    throw std::runtime_error("mp3 encoder wrote no info tag");
  out.replace(0, tag, reinterpret_cast<const char*>(buf.data()), tag);
  return out;
}

Stereo decodeMp3(const std::string& mp3) {
  std::unique_ptr<hip_global_flags, decltype(&hip_decode_exit)> hip(hip_decode_init(),
                                                                    &hip_decode_exit);
  if (!hip) throw std::runtime_error("hip_decode_init failed");
  hip_set_errorf(hip.get(), &quiet);
  hip_set_debugf(hip.get(), &quiet);
  hip_set_msgf(hip.get(), &quiet);
  std::vector<unsigned char> in(mp3.begin(), mp3.end());
  std::vector<short> pl(1152 * 4), pr(1152 * 4);
  std::vector<float> l, r;
  mp3data_struct info{}, format{};
  int delay = -1, padding = -1;
  // Fed a piece at a time, each piece drained frame by frame. A single call without samples
  // does not mean the piece is used up (the info tag, the first header and some frames in the
  // middle return nothing), so a piece counts as drained after three empty calls in a row.
  constexpr std::size_t kPiece = 4096;
  for (std::size_t at = 0; at < in.size(); at += kPiece) {
    std::size_t feed = std::min(kPiece, in.size() - at);
    for (int idle = 0;;) {
      const int n = hip_decode1_headersB(hip.get(), in.data() + at, feed, pl.data(), pr.data(),
                                         &info, &delay, &padding);
      feed = 0;
      if (info.header_parsed) format = info;  // only the call that parsed a header fills it in
      if (n < 0) throw std::runtime_error("mp3 stream does not decode");
      if (n == 0) {
        if (++idle == 3) break;
        continue;
      }
      idle = 0;
      for (int i = 0; i < n; ++i) {
        l.push_back(float(pl[std::size_t(i)]) / 32768.0f);
        r.push_back(float(pr[std::size_t(i)]) / 32768.0f);
      }
    }
  }
  if (!format.header_parsed) throw std::runtime_error("no mp3 frames found");
  if (format.stereo != 2 || format.samplerate != kRate)
    throw std::runtime_error("mp3 stream is not 44.1 kHz stereo");
  if (delay < 0 || padding < 0) throw std::runtime_error("mp3 stream has no gapless info tag");
  const std::size_t skip = std::size_t(delay + kDecoderDelay);
  const std::size_t drop = std::size_t(std::max(padding - kDecoderDelay, 0));
  if (l.size() < skip + drop) throw std::runtime_error("mp3 stream shorter than its delay");
  Stereo pcm(l.size() - skip - drop);
  std::copy(l.begin() + long(skip), l.end() - long(drop), pcm.l.begin());
  std::copy(r.begin() + long(skip), r.end() - long(drop), pcm.r.begin());
  return pcm;
}

}  // namespace art::music
