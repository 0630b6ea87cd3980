#include "race/race_window.h"

#include <string>

namespace game {

namespace {
std::string indexed(const char* name, int i) {
  return std::string(name) + "(" + std::to_string(i) + ")";
}
}  // namespace

void buildRaceWindow(svc::Form& f) {
  using svc::rgb;
  f.caption = "Drovanta";
  f.borderless = true;
  f.resize(640, 480);
  f.setBackColor(0);

  // Sources the view draws from: hidden, or parked off the screen.
  // They take the size of the picture loaded into them, so they start empty.
  auto hidden = [&](const std::string& name, int, int) -> svc::PictureBox& {
    svc::PictureBox& p = f.addPicture(name, 0, 0, 0, 0);
    p.autoSize = true;
    p.setVisible(false);
    return p;
  };
  hidden("cesta(3)", 2000, 2000);
  hidden("renw", 2000, 2000);
  hidden("renb", 2000, 2000);
  hidden("KON(0)", 400, 400);
  hidden("KON(1)", 400, 400);
  hidden("mapaw", 100, 100);
  hidden("mapab", 100, 100);
  hidden("mostw", 100, 100);
  hidden("mostb", 100, 100);
  for (int i = 0; i < 6; ++i) hidden(indexed("car", i), 61, 31);
  for (const char* n : {"car2", "sipka1", "sipka2", "aismyk", "miniauto1", "miniauto2"})
    hidden(n, 30, 16);
  hidden("smykobr(0)", 6, 11);
  hidden("smykobr(1)", 6, 11);
  hidden("budikw", 125, 85);
  hidden("budikb", 125, 85);
  hidden("timew", 98, 59);
  hidden("timeb", 98, 59);
  hidden("Picture4", 146, 377);
  hidden("crashcar", 61, 31);
  svc::PictureBox& contact = f.addPicture("Picture3", 0, 0, 100, 100);
  contact.setVisible(false);
  f.addLabel("Label12", "", 0, 0, 100, 14, &contact).setVisible(false);
  f.addLine("Line7", &contact);
  f.addLine("Line8", &contact);
  for (int i = 0; i < 32; ++i) {
    f.addPicture(indexed("che", i), 0, 0, i == 24 ? 72 : 40, 40).setVisible(false);
  }
  hidden("znacka(0)", 60, 60);
  for (int i = 1; i < 12; ++i) hidden(indexed("znacka", i), 60, 60);
  f.addPicture("cil", 0, 0, 50, 50).setVisible(false);
  for (int i = 0; i < 4; ++i) hidden(indexed("semafor", i), 134, 68);

  // The view: everything of the race is drawn into it.
  svc::PictureBox& pic = f.addPicture("pic", 0, 0, 640, 480);
  svc::PictureBox& znak = f.addPicture("znak", 280, 160, 50, 50, &pic);
  znak.setVisible(false);
  svc::PictureBox& sem = f.addPicture("sem", 253, 120, 134, 68, &pic);
  sem.autoSize = true;

  // The sliding lap-times box: its labels over the panel picture the view draws beneath it,
  // and the advertisement strip that slides out from under it.
  svc::PictureBox& strip = f.addPicture("Picture2", -77, 40, 65, 17, &pic);
  svc::PictureBox& banner = f.addPicture("reklama", 0, 0, 65, 17, &strip);
  banner.autoSize = true;
  svc::PictureBox& box = f.addPicture("casy_box", -81, 0, 81, 57, &pic);
  box.transparent = true;
  for (int i = 0; i < 3; ++i) {
    svc::Label& l = f.addLabel(indexed("labelcas", i), kNoTime, 10, 7 + 16 * i, 70, 15, &box);
    l.style.size = 11;
  }

  svc::Label& lap = f.addLabel("Label10", "", 170, 200, 300, 24, &pic);
  lap.align = svc::Align::Centre;
  lap.style = {18, true};
  svc::Label& wrong = f.addLabel("wrongway", "Kolo neuznáno ...", 170, 228, 300, 24, &pic);
  wrong.align = svc::Align::Centre;
  wrong.style = {16, true};
  wrong.foreColor = rgb(255, 80, 60);
  wrong.setVisible(false);
  svc::Label& clock = f.addLabel("Label16", "time : 120", 10, 10, 130, 22, &pic);
  clock.style = {16, true};
  clock.setVisible(false);
  svc::Label& count = f.addLabel("Label17", "Kolder : 0", 10, 34, 130, 22, &pic);
  count.style = {16, true};
  count.setVisible(false);
  // The needles pivot on the centres of the dial's two scales (the dial sits at (515, 390)).
  svc::LineShape& speedNeedle = f.addLine("Line3", &pic);
  speedNeedle.setPoints(551, 426, 521, 426);
  speedNeedle.setVisible(false);
  speedNeedle.thickness = 2;
  svc::LineShape& revNeedle = f.addLine("Line4", &pic);
  revNeedle.setPoints(611, 447, 586, 447);
  revNeedle.setVisible(false);
  revNeedle.thickness = 2;

  // The statistics panel (S) with the labels whose state the race reads back.
  svc::PictureBox& stats = f.addPicture("Picture1", 8, 8, 200, 150, &pic);
  stats.setBackColor(rgb(20, 20, 28));
  stats.cls();
  stats.setVisible(false);
  struct StatLabel {
    const char* name;
    const char* caption;
    int x, y;
    bool shown;
  };
  // clang-format off
  const StatLabel statLabels[] = {
      {"Label2", "", 6, 4, true},         {"Label8", "", 70, 4, true},
      {"Label3", "", 6, 24, true},        {"Label4", "", 50, 24, true},
      {"Label6", "", 94, 24, true},       {"Label7", "", 138, 24, true},
      {"sa", "", 6, 44, true},            {"sb", "", 104, 44, true},
      {"Labelmino", "mimo", 6, 64, false}, {"Labelsipka", "sipka", 70, 64, false},
      {"LabelAIsipka", "AI - sipka", 6, 84, false}, {"Labelcheckpoint", "0", 138, 64, true},
      {"Label11", "", 6, 104, true},      {"Label13", "", 50, 104, true},
      {"Label14", "", 94, 104, true},     {"Label15", "", 138, 104, true},
  };
  // clang-format on
  for (const auto& s : statLabels) {
    // The opponent's offsets are long numbers.
    const bool offset = std::string(s.name) == "sa" || std::string(s.name) == "sb";
    svc::Label& l = f.addLabel(s.name, s.caption, s.x, s.y, offset ? 94 : 60, 16, &stats);
    l.style.size = 11;
    l.setVisible(s.shown);
  }

  // The pause and end-of-race panel.
  svc::PictureBox& konec = f.addPicture("konec", 0, 0, 640, 480, &pic);
  konec.setVisible(false);
  svc::PictureBox& textik = f.addPicture("textik", 170, 120, 300, 200, &konec);
  textik.autoSize = true;
  svc::Label& result = f.addLabel("Label18", "", 270, 250, 100, 24, &konec);
  result.style = {18, true};
  result.align = svc::Align::Centre;
  result.setVisible(false);
  struct Button {
    const char* name;
    int x, w;
  };
  // One row under the panel text: the buttons shown together never overlap (resume and leave;
  // repeat, a new Kolder Run or the City race of a championship and leave; leave alone).
  const Button buttons[] = {{"Image2", 250, 58}, {"ok", 291, 58},       {"Command4", 340, 45},
                            {"Image3", 262, 58}, {"Command3", 262, 58}, {"kolde", 262, 58},
                            {"Image1", 291, 58}};
  for (const auto& b : buttons) f.addImage(b.name, b.x, 332, b.w, 15, &konec).setVisible(false);

  // Timers: the frame-rate display runs from the start, the others wait for their owners.
  f.addTimer("Timer1", 1000, true);
  f.addTimer("Timer2", 2000, false);
  f.addTimer("Timer3", 1000, false);
  f.addTimer("Timer4", 6000, false);
  f.addTimer("Timer7", 8000, false);
  f.addTimer("Timer8", 1000, false);
  f.addTimer("Timer9", 1000, false);
  f.addTimer("Timersmyku", 250, false);
  f.addTimer("AITimersmyku", 250, false);
}

}  // namespace game
