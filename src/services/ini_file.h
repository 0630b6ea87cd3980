// The settings-file format: reads and writes keys of an INI file the way the game's settings
// store expects (private-profile semantics), in UTF-8.
//
// Reading: section and key names compare case-insensitively (ASCII letters); lines are split at
// CRLF, LF or CR; blank lines and lines starting with ';' or '#' are comments; a line without
// '=' is ignored; a key is everything before the first '=', trimmed; the value everything
// after it, trimmed of blanks and tabs, with one pair of matching outer quotes ('...' or "...")
// removed. Only the first section of a name is read, and in it the first of duplicate keys wins.
// A value ends at its first character of code 0, as a C string does.
//
// Files: a UTF-8 byte-order mark is skipped and kept; a file with a UTF-16 mark is read as
// UTF-16 and written back as UTF-16 (see ini_encoding.h). Reading and writing take time and
// memory in proportion to the file's size.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace svc {

// Keys with their values (for writing) or their defaults (for reading).
using ProfileValues = std::vector<std::pair<std::string, std::string>>;

// The value of key in section of the INI text, or def (its trailing blanks dropped) when the
// section or key is missing. The result holds at most bufferSize - 1 characters, cut at a
// character boundary: a buffer of ten gives at most nine characters.
std::string profileLookup(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view def, std::size_t bufferSize);

// The values of several keys (with their defaults) in one pass over the text, in their order.
std::vector<std::string> profileLookupAll(std::string_view text, std::string_view section,
                                          const ProfileValues& keysAndDefaults,
                                          std::size_t bufferSize);

// Every entry of the first section of the name, in the order of the file, as a lookup reads
// it (the first of duplicate keys; values cut like a lookup's with this buffer size).
ProfileValues profileSection(std::string_view text, std::string_view section,
                             std::size_t bufferSize);

// The INI text with key set to value in section: an existing key keeps its line's position (the
// first one, in the first section of the name), a new key goes after the last entry of its
// section, a new section at the end of the text; every other line, comments included, stays as
// it was. New lines end like the text's first line ("\n" in a new file). An empty value is
// written as "key=". Line breaks in a value are written as blanks, so a value can never add
// lines to the file; a value ends at its first character of code 0.
std::string profileUpdate(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value);

// Several keys set in one pass, with the result of setting them one after another in order.
std::string profileUpdateAll(std::string_view text, std::string_view section,
                             const ProfileValues& values);

// File forms. A missing or unreadable file reads as empty text.
std::string getProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view def, std::size_t bufferSize);
std::vector<std::string> getProfileStrings(const std::string& path, std::string_view section,
                                           const ProfileValues& keysAndDefaults,
                                           std::size_t bufferSize);

// Writes one or more keys of one section in one go. The file is replaced atomically (a
// temporary file "<name>.saving" in the same folder, flushed to the disk, then renamed over it),
// so a crash leaves the old or the new file, never a truncated one, and at most that one
// temporary file, which the next save reuses. A file whose owner may not write it is left
// alone. Returns false when the file cannot be written (for example a missing or read-only
// folder, or a read-only file); the file is then unchanged and error, when given, holds one
// line naming the file and the reason.
ProfileValues getProfileSection(const std::string& path, std::string_view section,
                                std::size_t bufferSize);

bool writeProfileStrings(const std::string& path, std::string_view section,
                         const ProfileValues& values, std::string* error = nullptr);
bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, std::string* error = nullptr);

}  // namespace svc
