// The story screens of the five game types: the picture and the scrolling text, in both
// languages.
#include <string>

#include "story_checks.h"
#include "story_scenes.h"
#include "story_scroll.h"

namespace art::story {

namespace {

void writeStories(const Context& ctx) {
  for (const GameType type : kGameTypes) {
    const Image picture = scene(type);
    for (const Lang lang : {Lang::Cz, Lang::Ang}) {
      const std::string dir =
          std::string("/gfx/story/") + langFolder(lang) + "/" + storyFolder(type) + "/";
      writeChecked(ctx, dir + "obr.bmp", picture, kSceneWidth, kSceneHeight);
      writeChecked(ctx, dir + "story.bmp", scrollPicture(type, lang), kScrollWidth, kScrollHeight);
    }
  }
}

}  // namespace

Image scene(GameType type) {
  switch (type) {
    case GameType::FreeRide:
      return freeRideScene();
    case GameType::Race:
      return raceScene();
    case GameType::Championship:
      return championshipScene();
    case GameType::KolderRun:
      return kolderScene();
    case GameType::Training:
      return trainingScene();
  }
  return {};
}

}  // namespace art::story

ARTGEN_MODULE("story", art::story::writeStories);
