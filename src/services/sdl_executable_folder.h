// Where the running executable lies (the program folder every data path starts from), and where
// the player's own files are kept.
#pragma once
#include <string>

namespace svc {

// The folder of the running executable, without a trailing slash.
std::string executableFolder();

// The folder whose Data/ keeps the player's files (settings, options, records, ghosts), without
// a trailing slash. The program folder when its Data/ can be written (a game run from where it
// was built or unpacked). Otherwise (an installed game) the player's data folder from SDL's
// preference path ($XDG_DATA_HOME/drovanta, else ~/.local/share/drovanta), whose Data/ is seeded
// with the program folder's Data/ files the first time. A folder counts as writable only when its
// mode lets its owner write it, so an install made read-only is taken as such even by root. When
// no player's folder can be made, one line on standard error and the program folder.
std::string playerDataFolder(const std::string& programFolder);

}  // namespace svc
