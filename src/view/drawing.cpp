#include "view/drawing.h"

#include "race/angles.h"
#include "services/rotate.h"

namespace game {

void SpeedNeedle(Race& race) {
  RaceState& s = race.state;
  double f = 50;
  if (s.Speed >= 1) {
    // At top speed the needle shakes by about a degree.
    if (s.NeedleJitter == "0") {
      s.NeedleJitter = "1";
      f = 50;
    } else {
      s.NeedleJitter = "0";
      f = 49.6;
    }
  }
  const int a = s.Speed < 0 ? 0 : RoundEven(s.Speed / 2 * s.SpeedScale * f);
  svc::LineShape& l = race.controls().Line3;
  l.setPoints(l.x1(), l.y1(), float(l.x1() - 30 * s.CosTable(a)), float(l.y1() - 30 * s.SinTable(a)));
}

void RevNeedle(Race& race) {
  RaceState& s = race.state;
  const int a = RoundEven(s.Rpm * 20);
  svc::LineShape& l = race.controls().Line4;
  l.setPoints(l.x1(), l.y1(), float(l.x1() - 25 * s.CosTable(a)), float(l.y1() - 25 * s.SinTable(a)));
}

void BackgroundCopy(Race& race, double shift) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  c.pic.cls();
  svc::bitBlt(c.pic.surface(), 0, 0, RoundEven(s.ViewWidth), RoundEven(s.ViewHeight),
              c.cesta.surface(), RoundEven(s.ViewLeft + shift), RoundEven(s.ViewTop + shift),
              svc::Rop::Copy);
}

void MaskPair(svc::Surface& dst, int x, int y, int w, int h, const svc::PictureBox& mask,
              const svc::PictureBox& image) {
  svc::bitBlt(dst, x, y, w, h, mask.surface(), 0, 0, svc::Rop::And);
  svc::bitBlt(dst, x, y, w, h, image.surface(), 0, 0, svc::Rop::Or);
}

void OverlayRepair(Race& race, double worldX, double worldY) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const int vx = RoundEven(worldX - s.ViewLeft - 20), vy = RoundEven(worldY - s.ViewTop - 20);
  const int tx = RoundEven(worldX + 1000 - 20), ty = RoundEven(worldY + 1000 - 20);
  for (svc::Surface* dst : {&c.pic.surface(), &c.cesta.surface()}) {
    const bool view = dst == &c.pic.surface();
    svc::bitBlt(*dst, view ? vx : tx, view ? vy : ty, 40, 40, c.renw.surface(), tx, ty,
                svc::Rop::And);
    svc::bitBlt(*dst, view ? vx : tx, view ? vy : ty, 40, 40, c.renb.surface(), tx, ty,
                svc::Rop::Or);
  }
}

void PlayerSprite(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const svc::PictureBox* sprite = &c.sipka1;
  if (!c.Labelsipka.visible()) {
    const bool alt = s.AltSpritesOn;
    int index = alt ? 0 : 5;
    if (s.Throttle == "down" && s.Speed < 0) index = alt ? 2 : 3;
    else if (s.Throttle == "down") index = alt ? 1 : 4;
    sprite = c.car[std::size_t(index)];
  }
  svc::foxRotate(c.pic.surface(), RoundEven(s.CarScreenX), RoundEven(s.CarScreenY),
                 sprite->surface(), svc::kMagenta, -s.Heading, 1);
}

void Dial(Race& race) {
  RaceControls& c = race.controls();
  const int w = c.budikw.width(), h = c.budikw.height();
  MaskPair(c.pic.surface(), c.pic.width() - w, c.pic.height() - h - 5, w, h, c.budikw, c.budikb);
}

}  // namespace game
