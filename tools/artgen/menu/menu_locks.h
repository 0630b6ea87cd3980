// The pictures laid over locked choices: the car and game-type overlays and the two track
// locks. Each is cut from the page it covers, so it lines up with the button beneath.
#pragma once
#include <string>

#include "menu/menu_layout.h"

namespace art::menu {

// The car overlays (vip, por, fer, tru): the button without its words, darkened, padlocked.
Image drawCarLock(const std::string& area);
// The game-type overlays (cham, kold): darkened, padlocked, the name greyed.
Image drawModeLock(const std::string& area, Lang lang);
// Image3 (city = true) and Image4: a darkened, padlocked track area, 153 × 91.
Image drawTrackLock(bool city);

// Image4 is taller than the Village area it covers; its last rows repeat what the track page
// shows there, so it also looks right if the game lets it reach over the City area.
constexpr int kTrackLockHeight = 91;

}  // namespace art::menu
