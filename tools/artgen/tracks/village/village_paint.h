// The painting steps of the Village's world map, in the order they are laid down.
#pragma once
#include "tracks/track_field.h"
#include "tracks/track_paint.h"
#include "tracks/village/village_layout.h"
#include "tracks/village/village_scenery.h"

namespace art::tracks::village {

constexpr Space kMapSpace{1, kShift, kShift};

// Meadows, fields of crops, yards, gardens and the pond.
void paintGround(Picture& map, const Scenery& sc, const RoadField& field);
// Shoulders, asphalt, edge and centre lines, the start grid and the finish line.
void paintRoad(Picture& map, const Layout& L);
// The bridge over the lower road: its shadow, abutments, deck and parapets.
void paintBridge(Picture& map, const Layout& L);
// Shadows first, then hedges, walls, buildings and trees; the crowns over the road are left
// for the overlay.
void paintObjects(Picture& map, const Scenery& sc, const RoadField& field);
// The crowns over the road and the passage roof, painted into the map; `mask` turns black
// where they are (the overlay mask, white elsewhere).
void paintOverlay(Picture& map, Image& mask, const Scenery& sc, const RoadField& field);

}  // namespace art::tracks::village
