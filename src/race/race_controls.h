// Direct references to the race window's controls, looked up once: the per-frame procedures use
// dozens of them every frame.
#pragma once
#include <array>

#include "services/form.h"

namespace game {

struct RaceControls {
  explicit RaceControls(svc::Form& f);

  svc::PictureBox &pic, &cesta, &renw, &renb;
  std::array<svc::PictureBox*, 2> KON;
  std::array<svc::PictureBox*, 6> car;
  svc::PictureBox &car2, &sipka1, &sipka2, &aismyk, &miniauto1, &miniauto2;
  std::array<svc::PictureBox*, 2> smykobr;
  svc::PictureBox &budikw, &budikb, &timew, &timeb, &mostw, &mostb, &mapaw, &mapab;
  svc::PictureBox &Picture4, &crashcar, &Picture3, &cil, &znak, &sem;
  std::array<svc::PictureBox*, 12> znacka;
  std::array<svc::PictureBox*, 4> semafor;
  svc::PictureBox &casy_box, &Picture2, &reklama, &konec, &textik, &Picture1;
  std::array<svc::Label*, 3> labelcas;
  svc::Label &Label10, &wrongway, &Label16, &Label17, &Label18, &Label12;
  svc::Label &Label2, &Label3, &Label4, &Label6, &Label7, &Label8, &sa, &sb;
  svc::Label &Label11, &Label13, &Label14, &Label15;
  svc::Label &Labelmino, &Labelsipka, &LabelAIsipka, &Labelcheckpoint;
  svc::LineShape &Line3, &Line4, &Line7, &Line8;
  svc::ImageBox &Image2, &ok, &Command4, &Image3, &Command3, &kolde, &Image1;
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
