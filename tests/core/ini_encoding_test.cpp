// The encodings of INI files: every file reads as UTF-8 text and is written back byte for byte,
// whatever lines nobody changed hold.
#include "services/ini_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using svc::TextEncoding;

TEST(IniEncoding, FilesDecodeByTheirMarkAndEncodeBackUnchanged) {
  using namespace std::string_literals;
  struct Case {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    std::string text;
  };
  const Case cases[] = {
      {"plain UTF-8", "a=ř\n", TextEncoding::Utf8, "a=ř\n"},
      {"empty", "", TextEncoding::Utf8, ""},
      {"damaged UTF-8 kept as it is", "a=\x80\xFF\n", TextEncoding::Utf8, "a=\x80\xFF\n"},
      {"UTF-8 mark",
       "\xEF\xBB\xBF"
       "a=ř\n",
       TextEncoding::Utf8WithMark, "a=ř\n"},
      {"UTF-16LE",
       "\xFF\xFE"
       "a\0=\0\x59\x01\r\0\n\0"s,
       TextEncoding::Utf16LE, "a=ř\r\n"},
      {"UTF-16BE",
       "\xFE\xFF"
       "\0a\0=\x01\x59"s,
       TextEncoding::Utf16BE, "a=ř"},
      {"only the mark", "\xFF\xFE", TextEncoding::Utf16LE, ""},
      {"a surrogate pair",
       "\xFF\xFE"
       "\x3C\xD8\xCE\xDF"s,
       TextEncoding::Utf16LE, "\xF0\x9F\x8F\x8E"},
      {"a lone surrogate",
       "\xFF\xFE"
       "\x3C\xD8"
       "a\0"s,
       TextEncoding::Utf16LE,
       "\xED\xA0\xBC"
       "a"},
      {"a character of code 0",
       "\xFF\xFE"
       "a\0\0\0b\0"s,
       TextEncoding::Utf16LE, "a\0b"s},
      {"an odd last byte",
       "\xFF\xFE"
       "a\0b"s,
       TextEncoding::Utf16LE, "a"},
  };
  for (const Case& c : cases) {
    const svc::DecodedText d = svc::decodeText(c.bytes);
    EXPECT_EQ(d.encoding, c.encoding) << c.name;
    EXPECT_EQ(d.text, c.text) << c.name;
    EXPECT_EQ(svc::encodeText(d), c.bytes) << c.name;
  }
}

TEST(IniEncoding, TextThatIsNotUtf8BecomesReplacementCharactersInUtf16) {
  using namespace std::string_literals;
  const svc::DecodedText d{TextEncoding::Utf16LE, "a\x80\xC5", ""};
  EXPECT_EQ(svc::encodeText(d),
            "\xFF\xFE"
            "a\0\xFD\xFF\xFD\xFF"s);
}

}  // namespace
