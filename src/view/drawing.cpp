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
  l.setPoints(l.x1(), l.y1(), float(l.x1() - 30 * s.CosTable(a)),
              float(l.y1() - 30 * s.SinTable(a)));
}

void RevNeedle(Race& race) {
  RaceState& s = race.state;
  const int a = RoundEven(s.Rpm * 20);
  svc::LineShape& l = race.controls().Line4;
  l.setPoints(l.x1(), l.y1(), float(l.x1() - 25 * s.CosTable(a)),
              float(l.y1() - 25 * s.SinTable(a)));
}

void BackgroundCopy(Race& race, double shift) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const int w = RoundEven(s.ViewWidth), h = RoundEven(s.ViewHeight);
  const int sx = RoundEven(s.ViewLeft + shift), sy = RoundEven(s.ViewTop + shift);
  svc::Surface& view = c.pic.surface();
  const svc::Surface& track = c.cesta.surface();
  // Only the pixels the copy leaves untouched (past the map's edge, a row at the start of a town
  // race) need clearing first.
  svc::CopyRect covered{};
  const bool any = svc::clipCopy(view, 0, 0, w, h, track, sx, sy, &covered);
  const bool whole = any && covered.x == 0 && covered.y == 0 && covered.w == view.width() &&
                     covered.h == view.height();
  if (!whole && any && !view.hasPicture()) {
    view.fillOutside(covered, view.background());
    c.pic.changed();
  } else if (!whole) {
    c.pic.cls();
  }
  svc::bitBlt(view, 0, 0, w, h, track, sx, sy, svc::Rop::Copy);
}

void MaskPair(svc::Surface& dst, int x, int y, int w, int h, const svc::PictureBox& mask,
              const svc::PictureBox& image) {
  svc::bitBlt(dst, x, y, w, h, mask.surface(), 0, 0, svc::Rop::And);
  svc::bitBlt(dst, x, y, w, h, image.surface(), 0, 0, svc::Rop::Or);
}

void OverlayRepair(Race& race, double worldX, double worldY) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const int tx = RoundEven(worldX + kMapOffset - 20), ty = RoundEven(worldY + kMapOffset - 20);
  // The 40 × 40 box of the overlay pair, read at the box's track-picture place.
  auto repair = [&](svc::Surface& dst, int x, int y) {
    svc::bitBlt(dst, x, y, 40, 40, c.renw.surface(), tx, ty, svc::Rop::And);
    svc::bitBlt(dst, x, y, 40, 40, c.renb.surface(), tx, ty, svc::Rop::Or);
  };
  repair(c.pic.surface(), RoundEven(worldX - s.ViewLeft - 20), RoundEven(worldY - s.ViewTop - 20));
  repair(c.cesta.surface(), tx, ty);
}

void PlayerSprite(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const svc::PictureBox* sprite = &c.sipka1;
  if (!c.Labelsipka.visible()) {
    const bool alt = s.AltSpritesOn;
    int index = alt ? 0 : 5;
    if (s.Throttle == "down" && s.Speed < 0)
      index = alt ? 2 : 3;
    else if (s.Throttle == "down")
      index = alt ? 1 : 4;
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

void Minimap(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  if (s.MinimapSide == "left" && s.MinimapX > 528) s.MinimapX -= 2;
  if (s.MinimapSide == "right" && s.MinimapX < 640) s.MinimapX += 2;
  if (s.MinimapSide != "left" && s.MinimapSide != "right") return;
  svc::Surface& pic = c.pic.surface();
  MaskPair(pic, s.MinimapX, 0, c.mapaw.width(), c.mapaw.height(), c.mapaw, c.mapab);
  // The minimap cars' own background colour is their transparent key.
  const svc::Colour key = c.miniauto1.surface().point(0, 0);
  if (!s.KolderRunMode && !s.FreeRideMode)
    svc::foxRotate(pic, RoundEven(s.MinimapX + (s.OpponentX + kMapOffset) / 20),
                   RoundEven((s.OpponentY + kMapOffset) / 20 + 2), c.miniauto2.surface(), key,
                   -s.OpponentHeading, 0);
  svc::foxRotate(pic, RoundEven(s.MinimapX + (s.ViewLeft + kMapOffset + s.CarScreenX) / 20),
                 RoundEven((s.ViewTop + kMapOffset + s.CarScreenY) / 20 + 2), c.miniauto1.surface(),
                 key, -s.Heading, 0);
}

}  // namespace game
