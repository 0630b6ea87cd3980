#include "startup/records_store.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "services/ini_file.h"

namespace game {

namespace {

constexpr std::size_t kRecordValueBuffer = 64;
// Anything slower than a day is no record of a race that was driven.
constexpr double kLongestTime = 86400;
constexpr double kMostParcels = 32767;

const char* kindWord(RecordKind kind) {
  switch (kind) {
    case RecordKind::Lap:
      return "lap";
    case RecordKind::Race:
      return "race";
    case RecordKind::Kolder:
      return "kolder";
  }
  return "";
}

std::vector<std::string> split(const std::string& key) {
  std::vector<std::string> parts;
  std::size_t at = 0;
  for (;;) {
    const std::size_t slash = key.find('/', at);
    parts.push_back(key.substr(at, slash == std::string::npos ? std::string::npos : slash - at));
    if (slash == std::string::npos) return parts;
    at = slash + 1;
  }
}

bool isTime(RecordKind kind) {
  return kind != RecordKind::Kolder;
}

// The value of a record kept in the file, when the key and the value are one.
std::optional<double> recordValue(const std::string& key, const std::string& text) {
  const std::vector<std::string> parts = split(key);
  RecordKind kind;
  if (parts[0] == "lap" && parts.size() == 4) {
    kind = RecordKind::Lap;
  } else if (parts[0] == "race" && parts.size() == 4) {
    kind = RecordKind::Race;
  } else if (parts[0] == "kolder" && parts.size() == 3) {
    kind = RecordKind::Kolder;
  } else {
    return std::nullopt;
  }
  for (const std::string& p : parts)
    if (p.empty()) return std::nullopt;
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(v)) return std::nullopt;
  if (isTime(kind)) {
    if (v <= 0 || v > kLongestTime) return std::nullopt;
  } else if (v < 1 || v > kMostParcels || v != std::floor(v)) {
    return std::nullopt;
  }
  return v;
}

std::string valueText(RecordKind kind, double v) {
  char buf[32];
  if (isTime(kind)) {
    std::snprintf(buf, sizeof buf, "%.3f", v);
  } else {
    std::snprintf(buf, sizeof buf, "%.0f", v);
  }
  return buf;
}

}  // namespace

RecordsStore::RecordsStore(std::string path) : path_(std::move(path)) {}

std::string RecordsStore::key(RecordKind kind, const RecordOf& of) {
  std::string k = std::string(kindWord(kind)) + "/" + of.track + "/" + of.car;
  if (kind != RecordKind::Kolder) k += "/" + of.difficulty;
  return k;
}

void RecordsStore::load() {
  records_.clear();
  int bad = 0;
  std::string first;
  for (const auto& [k, v] : svc::getProfileSection(path_, kRecordsSection, kRecordValueBuffer)) {
    if (const auto value = recordValue(k, v)) {
      records_[k] = *value;
      continue;
    }
    if (bad++ == 0) first = k + "=" + v;
  }
  if (bad > 0)
    std::fprintf(stderr, "Drovanta: %s: %d %s ignored (\"%s\")\n", path_.c_str(), bad,
                 bad == 1 ? "entry is not a record and is" : "entries are not records and are",
                 first.c_str());
}

std::optional<double> RecordsStore::best(RecordKind kind, const RecordOf& of) const {
  auto it = records_.find(key(kind, of));
  if (it == records_.end()) return std::nullopt;
  return it->second;
}

bool RecordsStore::offer(RecordKind kind, const RecordOf& of, double value) {
  if (!std::isfinite(value)) return false;
  if (isTime(kind) ? (value <= 0 || value > kLongestTime) : (value < 1 || value > kMostParcels))
    return false;
  const std::string k = key(kind, of);
  if (!recordValue(k, valueText(kind, value))) return false;  // words that make no key
  auto it = records_.find(k);
  // Compared as written, so a time that rounds to the record's is no new record.
  const double kept = std::strtod(valueText(kind, value).c_str(), nullptr);
  if (it != records_.end() && (isTime(kind) ? kept >= it->second : kept <= it->second))
    return false;
  records_[k] = kept;
  std::string error;
  if (!svc::writeProfileStrings(path_, kRecordsSection, {{k, valueText(kind, kept)}}, &error))
    std::fprintf(stderr, "Drovanta: %s\n", error.c_str());
  return true;
}

std::string recordTimeText(double seconds) {
  const auto ms = static_cast<long long>(std::llround(seconds * 1000));
  char buf[48];
  std::snprintf(buf, sizeof buf, "%lld:%02lld.%03lld", ms / 60000, (ms % 60000) / 1000, ms % 1000);
  std::string text = buf;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace game
