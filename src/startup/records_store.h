// The player's records: `Data/records.ini` beside the settings file, section [records]. The best
// lap and the best three-lap race for each track, car and difficulty, and the best Kolder Run
// count for each track and car. A record is written as soon as it falls, so closing the game
// loses none. A hand-edited or damaged file never stops the game: entries that are not records
// are left alone and reported once.
#pragma once
#include <map>
#include <optional>
#include <string>

namespace game {

inline constexpr const char* kRecordsFile = "/Data/records.ini";
inline constexpr const char* kRecordsSection = "records";

// Which record: a lap, a three-lap race, or a Kolder Run's count.
enum class RecordKind { Lap, Race, Kolder };

// The selection words a record is kept for; the Kolder Run's count has no difficulty.
struct RecordOf {
  std::string track, car, difficulty;
};

class RecordsStore {
 public:
  explicit RecordsStore(std::string path);

  // Reads the file; entries that are not records are ignored, with one line on standard error.
  void load();

  // The record, or nothing when there is none yet. Times in seconds.
  std::optional<double> best(RecordKind kind, const RecordOf& of) const;
  // A result: when it beats the record (or there is none) it becomes the record and is written
  // at once; true then. A time must be above zero, a count at least one.
  bool offer(RecordKind kind, const RecordOf& of, double value);

  // Every record as kept: its key in the file and its value.
  const std::map<std::string, double>& all() const { return records_; }
  const std::string& path() const { return path_; }

  // The file's key of a record: "lap/Vesnice/Porsche/Lehká", "kolder/Město/Truck".
  static std::string key(RecordKind kind, const RecordOf& of);

 private:
  std::string path_;
  std::map<std::string, double> records_;
};

// A time as records show it: whole minutes, then seconds to the thousandth without trailing
// zeros ("0:41.25", "2:05.3").
std::string recordTimeText(double seconds);

}  // namespace game
