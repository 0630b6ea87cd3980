#include "race/race_controls.h"

#include <string>

namespace game {

namespace {
template <std::size_t N>
std::array<svc::PictureBox*, N> pictures(svc::Form& f, const char* name) {
  std::array<svc::PictureBox*, N> out{};
  for (std::size_t i = 0; i < N; ++i)
    out[i] = &f.picture(std::string(name) + "(" + std::to_string(i) + ")");
  return out;
}
}  // namespace

RaceControls::RaceControls(svc::Form& f)
    : pic(f.picture("pic")),
      cesta(f.picture("cesta(3)")),
      renw(f.picture("renw")),
      renb(f.picture("renb")),
      KON(pictures<2>(f, "KON")),
      car(pictures<6>(f, "car")),
      car2(f.picture("car2")),
      sipka1(f.picture("sipka1")),
      sipka2(f.picture("sipka2")),
      aismyk(f.picture("aismyk")),
      miniauto1(f.picture("miniauto1")),
      miniauto2(f.picture("miniauto2")),
      smykobr(pictures<2>(f, "smykobr")),
      budikw(f.picture("budikw")),
      budikb(f.picture("budikb")),
      timew(f.picture("timew")),
      timeb(f.picture("timeb")),
      mostw(f.picture("mostw")),
      mostb(f.picture("mostb")),
      mapaw(f.picture("mapaw")),
      mapab(f.picture("mapab")),
      Picture4(f.picture("Picture4")),
      crashcar(f.picture("crashcar")),
      Picture3(f.picture("Picture3")),
      cil(f.picture("cil")),
      znak(f.picture("znak")),
      sem(f.picture("sem")),
      znacka(pictures<12>(f, "znacka")),
      semafor(pictures<4>(f, "semafor")),
      casy_box(f.picture("casy_box")),
      Picture2(f.picture("Picture2")),
      reklama(f.picture("reklama")),
      konec(f.picture("konec")),
      textik(f.picture("textik")),
      Picture1(f.picture("Picture1")),
      labelcas{&f.label("labelcas(0)"), &f.label("labelcas(1)"), &f.label("labelcas(2)")},
      Label10(f.label("Label10")),
      wrongway(f.label("wrongway")),
      Label16(f.label("Label16")),
      Label17(f.label("Label17")),
      Label18(f.label("Label18")),
      Label12(f.label("Label12")),
      Label2(f.label("Label2")),
      Label3(f.label("Label3")),
      Label4(f.label("Label4")),
      Label6(f.label("Label6")),
      Label7(f.label("Label7")),
      Label8(f.label("Label8")),
      sa(f.label("sa")),
      sb(f.label("sb")),
      Label11(f.label("Label11")),
      Label13(f.label("Label13")),
      Label14(f.label("Label14")),
      Label15(f.label("Label15")),
      Labelmino(f.label("Labelmino")),
      Labelsipka(f.label("Labelsipka")),
      LabelAIsipka(f.label("LabelAIsipka")),
      Labelcheckpoint(f.label("Labelcheckpoint")),
      Line3(f.line("Line3")),
      Line4(f.line("Line4")),
      Line7(f.line("Line7")),
      Line8(f.line("Line8")),
      Image2(f.image("Image2")),
      ok(f.image("ok")),
      Command4(f.image("Command4")),
      Image3(f.image("Image3")),
      Command3(f.image("Command3")),
      kolde(f.image("kolde")),
      Image1(f.image("Image1")),
      Timer1(f.timer("Timer1")),
      Timer2(f.timer("Timer2")),
      Timer3(f.timer("Timer3")),
      Timer4(f.timer("Timer4")),
      Timer7(f.timer("Timer7")),
      Timer8(f.timer("Timer8")),
      Timer9(f.timer("Timer9")),
      Timersmyku(f.timer("Timersmyku")),
      AITimersmyku(f.timer("AITimersmyku")) {}

void ArrangePanelButtons(RaceControls& c) {
  constexpr int kGap = 8, kCentre = 320;
  svc::ImageBox* const order[] = {&c.Image2, &c.Image1, &c.Image3,  &c.Command3,
                                  &c.kolde,  &c.ok,     &c.Command4};
  int total = -kGap;
  for (svc::ImageBox* b : order)
    if (b->visible()) total += b->width() + kGap;
  int x = kCentre - total / 2;
  for (svc::ImageBox* b : order) {
    if (!b->visible()) continue;
    b->setLeft(x);
    x += b->width() + kGap;
  }
}

void ShowPanel(RaceControls& c) {
  ArrangePanelButtons(c);
  c.konec.setVisible(true);
}

}  // namespace game
