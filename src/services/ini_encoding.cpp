// Byte-order marks and UTF-16 conversion for INI files.
#include "services/ini_encoding.h"

#include <cstdint>

namespace svc {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

void appendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// The code point at text[i] and its length in bytes; surrogates in three bytes are taken too,
// as decodeText writes them. Anything else is U+FFFD for one byte.
std::uint32_t nextCodePoint(std::string_view text, std::size_t i, std::size_t* len) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
  const auto cont = [&](std::size_t k) { return i + k < text.size() && (byte(k) & 0xC0) == 0x80; };
  const unsigned char c = byte(0);
  *len = 1;
  if (c < 0x80) return c;
  if (c >= 0xC2 && c <= 0xDF && cont(1)) {
    *len = 2;
    return std::uint32_t(c & 0x1F) << 6 | (byte(1) & 0x3F);
  }
  if (c >= 0xE0 && c <= 0xEF && cont(1) && cont(2)) {
    const std::uint32_t cp =
        std::uint32_t(c & 0x0F) << 12 | std::uint32_t(byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    if (cp < 0x800) return 0xFFFD;
    *len = 3;
    return cp;
  }
  if (c >= 0xF0 && c <= 0xF4 && cont(1) && cont(2) && cont(3)) {
    const std::uint32_t cp = std::uint32_t(c & 0x07) << 18 | std::uint32_t(byte(1) & 0x3F) << 12 |
                             std::uint32_t(byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
    if (cp < 0x10000 || cp > 0x10FFFF) return 0xFFFD;
    *len = 4;
    return cp;
  }
  return 0xFFFD;
}

std::string fromUtf16(std::string_view bytes, bool bigEndian) {
  const auto unit = [&](std::size_t k) -> std::uint32_t {
    const auto lo = static_cast<unsigned char>(bytes[2 * k + (bigEndian ? 1 : 0)]);
    const auto hi = static_cast<unsigned char>(bytes[2 * k + (bigEndian ? 0 : 1)]);
    return std::uint32_t(hi) << 8 | lo;
  };
  const std::size_t units = bytes.size() / 2;
  std::string out;
  out.reserve(units + units / 2);
  for (std::size_t k = 0; k < units; ++k) {
    std::uint32_t cp = unit(k);
    if (cp >= 0xD800 && cp <= 0xDBFF && k + 1 < units) {
      const std::uint32_t low = unit(k + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++k;
      }
    }
    appendUtf8(out, cp);
  }
  return out;
}

std::string toUtf16(std::string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  const auto put = [&](std::uint32_t u) {
    const char lo = char(u & 0xFF), hi = char(u >> 8);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  };
  for (std::size_t i = 0; i < text.size();) {
    std::size_t len = 1;
    const std::uint32_t cp = nextCodePoint(text, i, &len);
    if (cp >= 0x10000) {
      put(0xD800 + ((cp - 0x10000) >> 10));
      put(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      put(cp);
    }
    i += len;
  }
  return out;
}

}  // namespace

DecodedText decodeText(std::string_view bytes) {
  DecodedText d;
  if (bytes.starts_with(kUtf8Mark)) {
    d.encoding = TextEncoding::Utf8WithMark;
    d.text.assign(bytes.substr(kUtf8Mark.size()));
  } else if (bytes.starts_with(kUtf16LEMark) || bytes.starts_with(kUtf16BEMark)) {
    const bool bigEndian = bytes.starts_with(kUtf16BEMark);
    d.encoding = bigEndian ? TextEncoding::Utf16BE : TextEncoding::Utf16LE;
    bytes.remove_prefix(2);
    if (bytes.size() % 2) d.tail.assign(bytes.substr(bytes.size() - 1));
    d.text = fromUtf16(bytes.substr(0, bytes.size() - d.tail.size()), bigEndian);
  } else {
    d.text.assign(bytes);
  }
  return d;
}

std::string encodeText(const DecodedText& d) {
  switch (d.encoding) {
    case TextEncoding::Utf8:
      return d.text;
    case TextEncoding::Utf8WithMark:
      return std::string(kUtf8Mark) + d.text;
    case TextEncoding::Utf16LE:
      return std::string(kUtf16LEMark) + toUtf16(d.text, false) + d.tail;
    case TextEncoding::Utf16BE:
      return std::string(kUtf16BEMark) + toUtf16(d.text, true) + d.tail;
  }
  return d.text;
}

}  // namespace svc
