// The race's timers (watchdog, lap message, lap-times box, City sign, Kolder Run clock, skid
// delays) and the buttons of the pause and end-of-race panel, with the restarts.
#pragma once

namespace game {

class Race;

void wireRaceTimers(Race& race);

// Repeats a race from its end panel: everything of the finished race is reset, then the start
// procedure of the track runs. kolderRun chooses a Kolder Run on the City track.
void FullRestart(Race& race, int trackKind, bool kolderRun);
// Goes on to the next race of a championship, keeping the Kolder Run state and the keyboard.
void ShortRestart(Race& race, int trackKind);

}  // namespace game
