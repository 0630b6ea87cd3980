// The INI text itself: lookups and updates of keys, each in one pass over the lines.
#include "services/ini_file.h"

#include <algorithm>

#include "services/utf8.h"

namespace svc {

namespace {

constexpr std::size_t kNone = std::size_t(-1);

// One line as offsets into the text: its text is [begin, end), its line end [end, next).
struct Line {
  std::size_t begin = 0, end = 0, next = 0;
  bool hasEnd() const { return next > end; }
};

// Walks the lines one at a time, so nothing is kept per line however many there are.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  bool next(Line* line) {
    const std::size_t size = text_.size();
    if (pos_ >= size) return false;
    // A plain loop: files of many short lines spend their time here.
    std::size_t i = pos_;
    while (i < size && text_[i] != '\n' && text_[i] != '\r') ++i;
    const bool crlf = i + 1 < size && text_[i] == '\r' && text_[i + 1] == '\n';
    *line = {pos_, i, i < size ? i + (crlf ? 2 : 1) : size};
    pos_ = line->next;
    return true;
  }
  std::string_view text(const Line& l) const { return text_.substr(l.begin, l.end - l.begin); }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

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

// What a reader gets: at most bufferSize - 1 characters, up to the first character of code 0.
std::string cut(std::string_view value, std::size_t bufferSize) {
  value = value.substr(0, value.find('\0'));
  return std::string(utf8PrefixChars(value, bufferSize ? bufferSize - 1 : 0));
}

// Moves the cursor past the header of the first section of the name; false when there is none.
bool enterSection(LineCursor& lines, std::string_view section, Line* header) {
  std::string_view name;
  while (lines.next(header))
    if (header->end > header->begin && sectionName(lines.text(*header), &name) &&
        sameName(name, section))
      return true;
  return false;
}

// Calls entry(line, key, value) for each entry of the section the cursor is in, until the next
// section header, the end of the text, or entry returns false.
template <typename Entry>
void forEachEntry(LineCursor& lines, Entry entry) {
  Line line;
  std::string_view name, key, value;
  while (lines.next(&line)) {
    if (line.end == line.begin) continue;  // blank
    const std::string_view text = lines.text(line);
    if (sectionName(text, &name)) return;
    if (entryKey(text, &key, &value) && !entry(line, key, value)) return;
  }
}

// The text's first line end, which new lines copy; "\n" when it has none.
std::string_view firstLineEnd(std::string_view text) {
  const std::size_t i = text.find_first_of("\r\n");
  if (i == std::string_view::npos) return "\n";
  if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') return "\r\n";
  return text.substr(i, 1);
}

std::string entryLine(std::string_view key, std::string_view value) {
  value = value.substr(0, value.find('\0'));
  std::string entry = std::string(key) + "=" + std::string(value);
  std::replace_if(
      entry.begin() + std::ptrdiff_t(key.size()), entry.end(),
      [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return entry;
}

}  // namespace

std::vector<std::string> profileLookupAll(std::string_view text, std::string_view section,
                                          const ProfileValues& keysAndDefaults,
                                          std::size_t bufferSize) {
  std::vector<std::string> values(keysAndDefaults.size());
  std::vector<bool> found(keysAndDefaults.size(), false);
  std::size_t missing = keysAndDefaults.size();
  LineCursor lines(text);
  Line header;
  if (missing > 0 && enterSection(lines, section, &header)) {
    forEachEntry(lines, [&](const Line&, std::string_view k, std::string_view v) {
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      for (std::size_t j = 0; j < keysAndDefaults.size(); ++j) {
        if (found[j] || !sameName(k, keysAndDefaults[j].first)) continue;
        found[j] = true;
        values[j] = cut(v, bufferSize);
        --missing;
      }
      return missing > 0;
    });
  }
  for (std::size_t j = 0; j < keysAndDefaults.size(); ++j) {
    if (found[j]) continue;
    std::string_view def = keysAndDefaults[j].second;
    while (!def.empty() && isBlank(def.back())) def.remove_suffix(1);
    values[j] = cut(def, bufferSize);
  }
  return values;
}

ProfileValues profileSection(std::string_view text, std::string_view section,
                             std::size_t bufferSize) {
  ProfileValues entries;
  LineCursor lines(text);
  Line header;
  if (!enterSection(lines, section, &header)) return entries;
  forEachEntry(lines, [&](const Line&, std::string_view k, std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
      v = v.substr(1, v.size() - 2);
    const bool seen = std::any_of(entries.begin(), entries.end(),
                                  [&](const auto& e) { return sameName(e.first, k); });
    if (!seen && !k.empty()) entries.emplace_back(std::string(k), cut(v, bufferSize));
    return true;
  });
  return entries;
}

std::string profileLookup(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view def, std::size_t bufferSize) {
  return profileLookupAll(text, section, {{std::string(key), std::string(def)}}, bufferSize)[0];
}

std::string profileUpdateAll(std::string_view text, std::string_view section,
                             const ProfileValues& values) {
  if (values.empty()) return std::string(text);
  // One entry line per key; a key given twice keeps its first place and its last value.
  std::vector<std::string_view> keys;
  std::vector<std::string> entries;
  for (const auto& [key, value] : values) {
    const auto same = std::find_if(keys.begin(), keys.end(),
                                   [&](std::string_view k) { return sameName(k, key); });
    if (same != keys.end()) {
      entries[std::size_t(same - keys.begin())] = entryLine(key, value);
    } else {
      keys.push_back(key);
      entries.push_back(entryLine(key, value));
    }
  }
  const std::string_view eol = firstLineEnd(text);
  std::size_t added = 0;
  for (const std::string& e : entries) added += e.size() + eol.size();

  std::string out;
  out.reserve(text.size() + added + section.size() + 2 * eol.size() + 2);
  LineCursor lines(text);
  Line header;
  if (!enterSection(lines, section, &header)) {
    out.assign(text);
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') out += eol;
    out += "[" + std::string(section) + "]";
    out += eol;
    for (const std::string& e : entries) out += e + std::string(eol);
    return out;
  }
  // The line each key replaces, and the last entry of the section, after which new keys go.
  std::vector<Line> replaced(keys.size(), Line{kNone, kNone, kNone});
  Line last = header;
  forEachEntry(lines, [&](const Line& line, std::string_view k, std::string_view) {
    last = line;
    for (std::size_t j = 0; j < keys.size(); ++j)
      if (replaced[j].begin == kNone && sameName(k, keys[j])) replaced[j] = line;
    return true;
  });

  // The edits in the order of the text: [from, to) becomes text.
  struct Edit {
    std::size_t from, to;
    std::string text;
  };
  std::vector<Edit> edits;
  std::string appended;
  for (std::size_t j = 0; j < keys.size(); ++j) {
    if (replaced[j].begin != kNone) {
      edits.push_back({replaced[j].begin, replaced[j].end, entries[j]});
    } else if (last.hasEnd()) {
      appended += entries[j] + std::string(eol);
    } else {
      appended += std::string(eol) + entries[j];
    }
  }
  if (!appended.empty()) {
    const std::size_t at = last.hasEnd() ? last.next : last.end;
    edits.push_back({at, at, std::move(appended)});
  }
  std::stable_sort(edits.begin(), edits.end(),
                   [](const Edit& a, const Edit& b) { return a.from < b.from; });
  std::size_t pos = 0;
  for (const Edit& e : edits) {
    out.append(text.substr(pos, e.from - pos));
    out += e.text;
    pos = e.to;
  }
  out.append(text.substr(pos));
  return out;
}

std::string profileUpdate(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value) {
  return profileUpdateAll(text, section, {{std::string(key), std::string(value)}});
}

}  // namespace svc
