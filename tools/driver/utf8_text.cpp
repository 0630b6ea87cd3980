#include "utf8_text.h"

#include "services/utf8.h"

namespace driver {

std::string validUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::size_t n = svc::utf8SequenceLength(text, 0);
    if (n) {
      out.append(text.substr(0, n));
      text.remove_prefix(n);
    } else {
      out += "\xEF\xBF\xBD";
      text.remove_prefix(1);
    }
  }
  return out;
}

}  // namespace driver
