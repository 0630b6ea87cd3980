#include "race/race_input.h"

#include <cstdint>

#include "race/race.h"

namespace game {

void RaceKeyDown(Race& race, int key) {
  if (!race.keyboardCapture) return;
  RaceState& s = race.state;
  // The steering words name the car's turning sense: the Left arrow turns it counter-clockwise.
  if (key == kKeyUp) s.Throttle = "up";
  if (key == kKeyDown) s.Throttle = "down";
  if (key == kKeyLeft) s.Steer = "right";
  if (key == kKeyRight) s.Steer = "left";
  if (key == kKeyS) {
    svc::PictureBox& stats = race.controls().Picture1;
    stats.setVisible(!stats.visible());
  }
}

void RaceKeyUp(Race& race, int key) {
  if (!race.keyboardCapture) return;
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  // The pause text always in the current language.
  race.load(c.textik, "/gfx/story/" + race.settings().pictureLanguage() + "/pause.bmp");
  // The interval is a 16-bit number: past its top it would turn negative and end the pacing.
  if (key == kKeyPlus && s.FrameInterval < INT16_MAX) ++s.FrameInterval;
  if (key == kKeyMinus && s.FrameInterval > 1) --s.FrameInterval;
  c.Label2.setCaption(std::to_string(s.FrameInterval));
  // Releasing either arrow ends the turn or the pedal, even while the other is held.
  if (key == kKeyRight || key == kKeyLeft) s.Steer = "";
  if (key == kKeyUp || key == kKeyDown) s.Throttle = "";
  if (key == kKeyL) s.AltSpritesOn = !s.AltSpritesOn;
  if (key == kKeyM) s.MinimapSide = s.MinimapSide == "left" ? "right" : "left";
  if (key == kKeyEsc) {
    if (c.konec.visible()) {
      c.konec.setVisible(false);
      s.Paused = false;
      c.Image2.setVisible(false);
    } else {
      s.Paused = true;
      c.Image2.setVisible(true);
      c.Command4.setVisible(true);
      ShowPanel(c);
    }
  }
}

}  // namespace game
