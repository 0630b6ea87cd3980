// The encodings an INI file may come in, as Windows editors save them: UTF-8 with or without
// its byte-order mark, and UTF-16 with its mark. A file is read as UTF-8 text and written back
// in the encoding it came in, mark and all.
#pragma once
#include <string>
#include <string_view>

namespace svc {

enum class TextEncoding { Utf8, Utf8WithMark, Utf16LE, Utf16BE };

struct DecodedText {
  TextEncoding encoding = TextEncoding::Utf8;
  std::string text;  // UTF-8, without the mark
  std::string tail;  // a last odd byte of a UTF-16 file, kept as it was
};

// The text of a file's bytes. Unpaired surrogates of a UTF-16 file become three-byte forms of
// their own, so lines nobody changed are written back unchanged.
DecodedText decodeText(std::string_view bytes);

// The bytes of the text in its encoding. Bytes of the text that are not UTF-8 become U+FFFD
// in a UTF-16 file.
std::string encodeText(const DecodedText& decoded);

}  // namespace svc
