// The race window `Form1`: its controls by name, as the race procedures address them.
#pragma once
#include "services/form.h"

namespace game {

// What an empty lap-time slot of the lap-times box shows.
inline constexpr const char* kNoTime = "-- : -- : --";

// Creates every control of the race window on an empty form (640 × 480, caption "Drovanta").
void buildRaceWindow(svc::Form& form);

}  // namespace game
