// The settings-file reader and writer on arbitrary text: nothing crashes, a read never returns
// more than nine characters, every file's bytes survive their decoding, and a write reads back as
// written without disturbing other keys.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "services/ini_encoding.h"
#include "services/ini_file.h"
#include "services/utf8.h"

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // The first line of the input is a value to write, the rest the file's text.
  const std::size_t nl = input.find('\n');
  const std::string_view value =
      nl == std::string_view::npos ? std::string_view() : input.substr(0, nl);
  const std::string_view text = nl == std::string_view::npos ? input : input.substr(nl + 1);

  const std::string read = svc::profileLookup(text, "dv", "hrac", "Tento", 10);
  if (svc::utf8Length(read) > 9 || read.size() > 36) std::abort();
  // Any file, in any encoding, is written back byte for byte.
  if (svc::encodeText(svc::decodeText(input)) != input) std::abort();

  const std::string other = svc::profileLookup(text, "dv", "jazyk", "?", 1000);
  const std::string updated = svc::profileUpdate(text, "dv", "hrac", value);
  // What was written reads back (up to a character of code 0, trimmed, as every read is, and
  // without line breaks).
  std::string expected(trimmed(value.substr(0, value.find('\0'))));
  for (char& c : expected)
    if (c == '\r' || c == '\n') c = ' ';
  expected = std::string(trimmed(expected));
  std::string back = svc::profileLookup(updated, "dv", "hrac", "", 100000);
  if (expected.size() >= 2 && (expected.front() == '"' || expected.front() == '\'') &&
      expected.back() == expected.front())
    expected = expected.substr(1, expected.size() - 2);
  if (back != expected) std::abort();
  // Another key of the section keeps its value.
  if (svc::profileLookup(updated, "dv", "jazyk", "?", 1000) != other) std::abort();
  return 0;
}
