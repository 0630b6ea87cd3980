// Direct references to the race window's controls, looked up once: the per-frame procedures use
// dozens of them every frame.
#pragma once
#include <array>

#include "services/form.h"

namespace game {

struct RaceControls {
  explicit RaceControls(svc::Form& f);

  // pic: the 640 × 480 view everything is drawn into. cesta: `cesta(3)`, the world map with the
  // overlay baked in and skid marks stamped in. renw, renb: overlay mask and image.
  svc::PictureBox &pic, &cesta, &renw, &renb;
  std::array<svc::PictureBox*, 2> KON;  // the track masks of the two sections (colour keys)
  // The player's car: driving, braking, reversing with the lights (0, 1, 2) and without (5, 4, 3).
  std::array<svc::PictureBox*, 6> car;
  // car2: the opponent's sprite; sipka1, sipka2: the player's and the opponent's sprite in an
  // arrow zone; aismyk: the opponent's skid mark; miniauto1, miniauto2: the minimap's cars.
  svc::PictureBox &car2, &sipka1, &sipka2, &aismyk, &miniauto1, &miniauto2;
  std::array<svc::PictureBox*, 2> smykobr;  // the player's skid marks: on the road, off it
  // Mask (…w) and image (…b) pairs: the dashboard dial (budik), the lap-times panel (time), the
  // Village bridge (most) and the minimap (mapa).
  svc::PictureBox &budikw, &budikb, &timew, &timeb, &mostw, &mostb, &mapaw, &mapab;
  // Picture4: the City's fixed object drawn over the road; crashcar, Picture3: the opponent's
  // contact mask and contact picture; cil: the Kolder Run pick-up; znak: the City's direction
  // sign; sem: the start lights.
  svc::PictureBox &Picture4, &crashcar, &Picture3, &cil, &znak, &sem;
  std::array<svc::PictureBox*, 12> znacka;  // the twelve sign pictures `znak` shows
  std::array<svc::PictureBox*, 4> semafor;  // the four frames of the start lights
  // casy_box: the sliding lap-times box; Picture2 with reklama: its scrolling banner; konec: the
  // pause and end panel, textik its text picture; Picture1: the statistics panel (S).
  svc::PictureBox &casy_box, &Picture2, &reklama, &konec, &textik, &Picture1;
  std::array<svc::Label*, 3> labelcas;  // the three lap times, "-- : -- : --" when empty
  // Label10: the lap message; wrongway: "Kolo neuznáno ..."; Label16, Label17: the Kolder Run
  // clock and counter; Label18: its result count on the panel; Label12: contact read-out.
  svc::Label &Label10, &wrongway, &Label16, &Label17, &Label18, &Label12;
  // The statistics panel: Label2 `FrameInterval`, Label3, Label4, Label6 the watchdog samples,
  // Label7 `WaypointIndex`, Label8 the frame rate, sa, sb the opponent's offsets.
  svc::Label &Label2, &Label3, &Label4, &Label6, &Label7, &Label8, &sa, &sb;
  // Kolder Run read-outs: the player's and the pick-up's x (Label11, Label13) and y (Label14,
  // Label15).
  svc::Label &Label11, &Label13, &Label14, &Label15;
  // State held in controls: Labelmino ("mimo") visible = the player is off the track;
  // Labelsipka, LabelAIsipka visible = the player, the opponent is in an arrow zone;
  // Labelcheckpoint's caption = the player's checkpoint count in this lap.
  svc::Label &Labelmino, &Labelsipka, &LabelAIsipka, &Labelcheckpoint;
  // Line3, Line4: the speed and rev needles; Line7, Line8: contact read-outs in `Picture3`.
  svc::LineShape &Line3, &Line4, &Line7, &Line8;
  // Buttons on `konec`: Image2 resume; ok, Command4 leave; Image3 repeat the Village race;
  // Command3 repeat the City race; kolde a new Kolder Run; Image1 on to the championship's City
  // race.
  svc::ImageBox &Image2, &ok, &Command4, &Image3, &Command3, &kolde, &Image1;
  // Timer1 frame rate (1 s); Timer2 opponent watchdog (2 s); Timer3 start lights (1 s); Timer4
  // clears the lap message (6 s); Timer7 closes the lap-times box (8 s); Timer8 hides the City
  // sign (1 s); Timer9 the Kolder Run clock (1 s); Timersmyku, AITimersmyku start the player's
  // and the opponent's skid marks after a quarter second of hard turning.
  svc::Timer &Timer1, &Timer2, &Timer3, &Timer4, &Timer7, &Timer8, &Timer9, &Timersmyku,
      &AITimersmyku;
};

// Lays the visible buttons of the pause and end panel `konec` out in one row under the panel
// text, centred, in reading order: go on (resume, the championship's next race), race again,
// leave. Which buttons are visible depends on every race end and restart before, so the row is
// laid out whenever the panel is shown: no button may cover another one the player can see.
void ArrangePanelButtons(RaceControls& c);

// Shows the panel with its buttons laid out.
void ShowPanel(RaceControls& c);

}  // namespace game
