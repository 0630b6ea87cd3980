// The settings-file format: reads and writes keys of an INI file the way the game's settings
// store expects (private-profile semantics), in UTF-8.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace svc {

// The value of key in section of the INI text, or def when the section or key is missing.
// Section and key names compare case-insensitively; the value is trimmed of blanks and one pair
// of matching outer quotes ('...' or "...") is removed; the first of duplicate keys wins;
// CRLF, LF and CR line ends are read. Trailing blanks of def are dropped. The result is cut to
// at most bufferSize - 1 bytes, never inside a multi-byte UTF-8 character.
std::string profileLookup(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view def, std::size_t bufferSize);

// The INI text with key set to value in section: an existing key keeps its line's position,
// a new key goes at the end of its section, a new section at the end of the text; every other
// line (comments included) stays as it was. An empty value is written as "key=".
std::string profileUpdate(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value);

// File forms. A missing or unreadable file reads as empty text.
std::string getProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view def, std::size_t bufferSize);

// Writes one or more keys of one section in one go. The file is replaced atomically (a temporary
// file in the same folder, then a rename), so a crash leaves the old or the new file, never a
// truncated one. Returns false when the file cannot be written (for example a missing folder);
// the file is then unchanged.
bool writeProfileStrings(const std::string& path, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values);
bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace svc
