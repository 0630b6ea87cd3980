// The per-frame rules procedures: laps and results, then the player car's motion.
#pragma once
#include <string>

namespace game {

class Race;
struct TrackInfo;

// The laps half of the Village and City rules: the race end, the lap-times box and the finish
// line with the lap times and the result.
void LapRules(Race& race, const TrackInfo& track);
// The same on the City's row when city is set, else on the Village's.
void LapRules(Race& race, bool city);

void VillageRules(Race& race);
void CityRules(Race& race);
void CircuitRules(Race& race);
void VillageOpponent(Race& race);
void CityOpponent(Race& race);

// A lap time in seconds as the race shows it: "0:" or "1:" and the seconds beyond that minute,
// three decimals at most (halves to even), no trailing zeros, "." as the separator. A lap of two
// minutes or more shows its whole minutes ("2:15.2"), where one minute would leave "1:75.2".
struct LapTimeText {
  std::string minute;
  std::string seconds;
};
LapTimeText FormatLapTime(double seconds);

}  // namespace game
