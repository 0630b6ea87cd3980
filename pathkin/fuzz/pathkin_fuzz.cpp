// Arbitrary bytes as a path: nothing beyond the path and its terminator may ever be written,
// and the buffer always stays terminated within it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "pathkin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The path ends at the first zero byte, as a caller's C string would.
  const std::size_t len = strnlen(reinterpret_cast<const char*>(data), size);
  constexpr std::size_t kGuard = 64;
  std::vector<char> buffer(len + 1 + kGuard, '\x5a');
  std::memcpy(buffer.data(), data, len);
  buffer[len] = '\0';
  char* result = GetShortPath(buffer.data());
  if (result != buffer.data()) std::abort();
  for (std::size_t i = len + 1; i < buffer.size(); ++i)
    if (buffer[i] != '\x5a') std::abort();
  if (strnlen(buffer.data(), len + 1) > len) std::abort();
  return 0;
}
