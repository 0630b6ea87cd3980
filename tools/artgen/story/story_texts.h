// The words of the story screens: for every game type, a short story and its rules, in Czech
// and English.
#pragma once
#include <string>
#include <vector>

namespace art::story {

enum class Lang { Cz, Ang };

// The language folder of the game's pictures ("cz", "ang").
const char* langFolder(Lang lang);

// The game types, named by their story folders.
enum class GameType { FreeRide, Race, Championship, KolderRun, Training };
constexpr GameType kGameTypes[] = {GameType::FreeRide, GameType::Race, GameType::Championship,
                                   GameType::KolderRun, GameType::Training};
const char* storyFolder(GameType type);  // "vol", "zav", "champ", "kold", "okr"

struct StoryText {
  std::string heading;             // the game type's name
  std::string tagline;             // one line under the heading
  std::vector<std::string> story;  // paragraphs
  std::string rulesHeading;        // "Pravidla" / "Rules"
  std::vector<std::string> rules;  // one bullet each
  std::string farewell;            // the last line
};

const StoryText& storyText(GameType type, Lang lang);

}  // namespace art::story
