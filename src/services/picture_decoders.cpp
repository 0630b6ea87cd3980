#include "services/picture_decoders.h"

#include <gif_lib.h>
#include <jpeglib.h>

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace svc {

namespace {

// libjpeg reports a fatal error through this hook, which must not return: it jumps back to the
// decoder, which then gives the file to the general decoder.
struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void jpegFatal(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}
void jpegQuiet(j_common_ptr) {}

std::vector<unsigned char> readFile(const std::string& path) {
  std::vector<unsigned char> bytes;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return bytes;
  if (std::fseek(f, 0, SEEK_END) == 0) {
    const long size = std::ftell(f);
    if (size > 0 && std::fseek(f, 0, SEEK_SET) == 0) {
      bytes.resize(std::size_t(size));
      if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) bytes.clear();
    }
  }
  std::fclose(f);
  return bytes;
}

// The decode itself. A fatal error in libjpeg jumps straight back to guardedDecode, past this
// frame, which holds nothing that needs cleaning up.
bool decodeJpeg(jpeg_decompress_struct& info, const std::vector<unsigned char>& bytes,
                std::shared_ptr<Image>& out) {
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  // Three-component colour only, read as the general decoder reads it (RGB, default scaling
  // and inverse transform); grey and CMYK files go the general way.
  if (info.num_components != 3) return false;
  if (info.jpeg_color_space != JCS_YCbCr && info.jpeg_color_space != JCS_RGB) return false;
  // Red, green, blue and one more byte per pixel: the game's layout once that byte is cleared.
  info.out_color_space = JCS_EXT_RGBX;
  info.quantize_colors = FALSE;
  jpeg_calc_output_dimensions(&info);
  if (info.output_width == 0 || info.output_height == 0 || info.output_width > 16384 ||
      info.output_height > 16384)
    return false;
  out = std::make_shared<Image>(int(info.output_width), int(info.output_height));
  Image& img = *out;
  jpeg_start_decompress(&info);
  constexpr int kBand = 16;
  JSAMPROW rows[kBand];
  while (info.output_scanline < info.output_height) {
    const JDIMENSION first = info.output_scanline;
    const int n = int(std::min<JDIMENSION>(kBand, info.output_height - first));
    for (int i = 0; i < n; ++i)
      rows[i] = reinterpret_cast<JSAMPROW>(img.pixels.data() + std::size_t(first + i) * img.width);
    const JDIMENSION got = jpeg_read_scanlines(&info, rows, JDIMENSION(n));
    if (got == 0) return false;
    Colour* p = img.pixels.data() + std::size_t(first) * img.width;
    const std::size_t count = std::size_t(got) * img.width;
    for (std::size_t i = 0; i < count; ++i) p[i] &= 0x00FFFFFFu;
  }
  jpeg_finish_decompress(&info);
  return true;
}

// The jump target, in a frame of its own with nothing to clean up.
bool guardedDecode(jpeg_decompress_struct* info, JpegErrors* errors,
                   const std::vector<unsigned char>* bytes, std::shared_ptr<Image>* out) {
  if (setjmp(errors->jump) != 0) return false;
  return decodeJpeg(*info, *bytes, *out);
}

// GIF's variable-width LZW, written straight into the picture. Every code stands for a run of
// pixels already written once (its prefix) plus one pixel, so a code's pixels are copied from
// where they first appeared instead of being rebuilt from a chain of prefixes. False for data
// that is not a well-formed picture of exactly out.size() pixels' worth (or more: what follows
// the last pixel is not read).
bool decodeLzw(const std::vector<std::uint8_t>& data, int minCodeSize, const Colour* palette,
               PixelVector& out) {
  if (minCodeSize < 2 || minCodeSize > 8) return false;
  constexpr int kMaxCodes = 4096;
  const int clear = 1 << minCodeSize, end = clear + 1;
  struct Run {
    std::size_t start;
    std::size_t length;
  };
  std::vector<Run> table(kMaxCodes);
  Colour* pixels = out.data();
  const std::size_t total = out.size();
  std::size_t pos = 0, byte = 0;
  std::uint64_t bits = 0;
  int bitCount = 0, width = minCodeSize + 1, next = clear + 2;
  bool havePrev = false;
  Run prev{0, 0};
  while (pos < total) {
    while (bitCount < width) {
      if (byte >= data.size()) return false;
      bits |= std::uint64_t(data[byte++]) << bitCount;
      bitCount += 8;
    }
    const int code = int(bits & ((1u << width) - 1));
    bits >>= width;
    bitCount -= width;
    if (code == clear) {
      width = minCodeSize + 1;
      next = clear + 2;
      havePrev = false;
      continue;
    }
    if (code == end) return false;
    Run cur{pos, 0};
    if (code < clear) {
      pixels[pos] = palette[code];
      cur.length = 1;
    } else if (code < next && code > end && havePrev) {
      cur.length = table[std::size_t(code)].length;
      if (cur.length > total - pos) return false;
      std::memcpy(pixels + pos, pixels + table[std::size_t(code)].start,
                  cur.length * sizeof(Colour));
    } else if (code == next && havePrev) {
      // The code being defined now: the previous run and its own first pixel.
      cur.length = prev.length + 1;
      if (cur.length > total - pos) return false;
      std::memcpy(pixels + pos, pixels + prev.start, prev.length * sizeof(Colour));
      pixels[pos + prev.length] = pixels[pos];
    } else {
      return false;
    }
    // The new code: the previous run followed by this run's first pixel, which sits right
    // after it.
    if (havePrev && next < kMaxCodes) {
      table[std::size_t(next)] = {prev.start, prev.length + 1};
      ++next;
      if (next == (1 << width) && width < 12) ++width;
    }
    prev = cur;
    havePrev = true;
    pos += cur.length;
  }
  return true;
}

bool endsWith(const std::string& s, const char* tail) {
  const std::size_t n = std::strlen(tail);
  if (s.size() < n) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(s[s.size() - n + i])) != tail[i]) return false;
  return true;
}

}  // namespace

std::shared_ptr<Image> decodeJpegFile(const std::string& path) {
  const std::vector<unsigned char> bytes = readFile(path);
  if (bytes.empty()) return nullptr;
  jpeg_decompress_struct info;
  JpegErrors errors;
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = jpegFatal;
  // Warnings (a truncated file, say) are the general decoder's to keep quiet about too: the
  // picture still decodes, with what was missing filled in.
  errors.manager.output_message = jpegQuiet;
  std::shared_ptr<Image> out;
  jpeg_create_decompress(&info);
  const bool ok = guardedDecode(&info, &errors, &bytes, &out);
  jpeg_destroy_decompress(&info);
  if (!ok) return nullptr;
  return out;
}

std::shared_ptr<Image> decodeGifFile(const std::string& path) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (!gif) return nullptr;
  std::shared_ptr<Image> out;
  GifRecordType record;
  // The first image, if it fills the whole screen and is stored row after row; extension
  // records before it (a comment, a transparent colour) change nothing in the pixels.
  while (DGifGetRecordType(gif, &record) == GIF_OK) {
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif, &code, &block) != GIF_OK) break;
      while (block && DGifGetExtensionNext(gif, &block) == GIF_OK) {
      }
      if (block) break;
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) break;
    if (DGifGetImageDesc(gif) != GIF_OK) break;
    const GifImageDesc& d = gif->Image;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map || d.Interlace || d.Left != 0 || d.Top != 0 || d.Width != gif->SWidth ||
        d.Height != gif->SHeight || d.Width <= 0 || d.Height <= 0 || d.Width > 16384 ||
        d.Height > 16384)
      break;
    // The compressed data as giflib hands it over, block by block, decoded here: giflib's own
    // decoder spends most of a race start's quarter second on one mask.
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) != GIF_OK) break;
    std::vector<std::uint8_t> data;
    while (block) {
      data.insert(data.end(), block + 1, block + 1 + block[0]);
      if (DGifGetCodeNext(gif, &block) != GIF_OK) {
        data.clear();
        break;
      }
    }
    Colour palette[256] = {};
    for (int i = 0; i < map->ColorCount && i < 256; ++i)
      palette[i] = rgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    auto img = std::make_shared<Image>(d.Width, d.Height);
    if (!data.empty() && decodeLzw(data, codeSize, palette, img->pixels)) out = std::move(img);
    break;
  }
  DGifCloseFile(gif, &error);
  return out;
}

std::shared_ptr<Image> decodeDirect(const std::string& path) {
  if (endsWith(path, ".jpg") || endsWith(path, ".jpeg")) return decodeJpegFile(path);
  if (endsWith(path, ".gif")) return decodeGifFile(path);
  return nullptr;
}

}  // namespace svc
