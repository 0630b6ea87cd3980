// Dumps are UTF-8 JSON whatever bytes the files behind them hold.
#pragma once
#include <string>
#include <string_view>

namespace driver {

// text with every byte that is not part of a well-formed UTF-8 character (stray continuation
// bytes, cut-off or overlong sequences, surrogates, values past U+10FFFF) replaced by U+FFFD.
std::string validUtf8(std::string_view text);

}  // namespace driver
