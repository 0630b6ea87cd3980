// The pictures of the story screens, one per game type, 198 × 276, the same in both languages.
#pragma once
#include "art.h"
#include "story_texts.h"

namespace art::story {

constexpr int kSceneWidth = 198;
constexpr int kSceneHeight = 276;

Image freeRideScene();      // a village road at sunset
Image raceScene();          // two cars neck and neck, from above
Image championshipScene();  // the cup on the podium
Image kolderScene();        // the Kolder truck and glowing parcels in the night city
Image trainingScene();      // the empty practice ground with cones

Image scene(GameType type);

}  // namespace art::story
