#include "services/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "services/utf8.h"

namespace svc {

namespace {

struct Line {
  std::string_view text;  // without its line end
  std::string_view end;   // "\r\n", "\n", "\r" or "" for the last line
};

std::vector<Line> splitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t i = text.find_first_of("\r\n", start);
    if (i == std::string_view::npos) {
      lines.push_back({text.substr(start), ""});
      break;
    }
    const std::size_t endLen = (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    lines.push_back({text.substr(start, i - start), text.substr(i, endLen)});
    start = i + endLen;
  }
  return lines;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// The section name of a "[name]" line, or false for other lines.
bool sectionName(std::string_view line, std::string_view* name) {
  line = trim(line);
  if (line.size() < 2 || line.front() != '[') return false;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return false;
  *name = trim(line.substr(1, close - 1));
  return true;
}

bool isComment(std::string_view line) {
  line = trim(line);
  return line.empty() || line.front() == ';' || line.front() == '#';
}

// The key of a "key=value" line, or false for other lines.
bool entryKey(std::string_view line, std::string_view* key, std::string_view* value) {
  if (isComment(line)) return false;
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  *key = trim(line.substr(0, eq));
  *value = trim(line.substr(eq + 1));
  return true;
}

std::string cut(std::string_view value, std::size_t bufferSize) {
  return std::string(utf8PrefixChars(value, bufferSize ? bufferSize - 1 : 0));
}

// Where a section's lines are: [begin, end) with its header at begin - 1; false when absent.
bool findSection(const std::vector<Line>& lines, std::string_view section, std::size_t* begin,
                 std::size_t* end) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    if (!sectionName(lines[i].text, &name) || !sameName(name, section)) continue;
    std::size_t j = i + 1;
    while (j < lines.size() && !sectionName(lines[j].text, &name)) ++j;
    *begin = i + 1;
    *end = j;
    return true;
  }
  return false;
}

std::string readAll(const std::string& path, bool* ok) {
  std::ifstream in(path, std::ios::binary);
  *ok = bool(in);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  return text.str();
}

}  // namespace

std::string profileLookup(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view def, std::size_t bufferSize) {
  const std::vector<Line> lines = splitLines(text);
  std::size_t begin = 0, end = 0;
  if (findSection(lines, section, &begin, &end)) {
    for (std::size_t i = begin; i < end; ++i) {
      std::string_view k, v;
      if (!entryKey(lines[i].text, &k, &v) || !sameName(k, key)) continue;
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return cut(v, bufferSize);
    }
  }
  while (!def.empty() && isBlank(def.back())) def.remove_suffix(1);
  return cut(def, bufferSize);
}

std::string profileUpdate(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value) {
  std::string safeValue(value);
  for (char& c : safeValue)
    if (c == '\r' || c == '\n') c = ' ';
  const std::string entry = std::string(key) + "=" + safeValue;

  const std::vector<Line> lines = splitLines(text);
  std::string_view eol = "\n";
  for (const Line& l : lines)
    if (!l.end.empty()) {
      eol = l.end;
      break;
    }
  std::size_t begin = 0, end = 0;
  std::string out;
  out.reserve(text.size() + entry.size() + section.size() + 8);
  if (!findSection(lines, section, &begin, &end)) {
    out.assign(text);
    if (!out.empty() && lines.back().end.empty()) out += eol;
    out += "[" + std::string(section) + "]" + std::string(eol) + entry + std::string(eol);
    return out;
  }
  // The line to replace, or the last entry of the section to insert after.
  constexpr std::size_t kNone = std::size_t(-1);
  std::size_t replace = kNone, insertAfter = begin - 1;
  for (std::size_t i = begin; i < end; ++i) {
    std::string_view k, v;
    if (entryKey(lines[i].text, &k, &v)) {
      if (sameName(k, key)) {
        replace = i;
        break;
      }
      insertAfter = i;
    }
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == replace) {
      out += entry;
      out += lines[i].end.empty() ? std::string_view() : lines[i].end;
      continue;
    }
    out += lines[i].text;
    if (replace == kNone && i == insertAfter) {
      out += lines[i].end.empty() ? eol : lines[i].end;
      out += entry;
      out += lines[i].end.empty() ? std::string_view() : eol;
      continue;
    }
    out += lines[i].end;
  }
  return out;
}

std::string getProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view def, std::size_t bufferSize) {
  bool ok = false;
  const std::string text = readAll(path, &ok);
  return profileLookup(ok ? std::string_view(text) : std::string_view(), section, key, def,
                       bufferSize);
}

bool writeProfileStrings(const std::string& path, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values) {
  bool exists = false;
  std::string text = readAll(path, &exists);
  if (!exists && ::access(path.c_str(), F_OK) == 0) return false;  // there, but unreadable
  for (const auto& [key, value] : values) text = profileUpdate(text, section, key, value);

  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = true;
  for (std::size_t done = 0; ok && done < text.size();) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0) ok = false;
    else done += std::size_t(n);
  }
  // On the disk before the rename, so the new name never points at a half-written file.
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok && exists) {
    // Keep the permissions the old file had.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) ::chmod(temp.c_str(), st.st_mode & 07777);
  } else if (ok) {
    ::chmod(temp.c_str(), 0644);
  }
  ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  return writeProfileStrings(path, section, {{std::string(key), std::string(value)}});
}

}  // namespace svc
