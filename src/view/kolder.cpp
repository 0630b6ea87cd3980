#include "view/kolder.h"

#include "race/angles.h"
#include "race/race.h"

namespace game {

KolderPlace KolderPlaceFor(int r) {
  // Places 0 and 2 are the same street corner, so it comes up twice as often.
  static constexpr KolderPlace kPlaces[11] = {
      {-300, -500}, {-700, -500}, {-300, -500}, {-300, -950}, {-700, -950}, {300, -150},
      {850, -650},  {600, -30},   {100, -150},  {550, -500},  {400, -30}};
  return kPlaces[r];
}

std::optional<KolderItemPlace> KolderRunTest(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  const bool timeUp = s.KolderRunMode && s.TimeLeft < 0;
  if (timeUp) {
    c.ok.setVisible(false);
    c.kolde.setVisible(true);
    c.Command4.setVisible(true);
    c.Image1.setVisible(false);
    c.Label18.setCaption(std::to_string(s.KolderCount));
    c.Label18.setVisible(true);
    ShowPanel(c);
    race.load(c.textik, "/gfx/story/" + race.settings().pictureLanguage() + "/kolder.bmp");
  }
  if (!s.KolderRunMode) return std::nullopt;
  // The item's place in the view as the control holds it, in single precision: the pick-up
  // square is tested there, not at the whole pixel it is drawn at.
  const float left = float(s.KolderItemX - s.ViewLeft), top = float(s.KolderItemY - s.ViewTop);
  c.cil.move(RoundEven(left), RoundEven(top));
  const double px = s.ViewLeft + s.CarScreenX, py = s.ViewTop + s.CarScreenY;
  const double ix = s.ViewLeft + left, iy = s.ViewTop + top;
  // The debug read-outs of the statistics panel.
  c.Label11.setCaption(NumberText(px));
  c.Label13.setCaption(NumberText(ix));
  c.Label14.setCaption(NumberText(py));
  c.Label15.setCaption(NumberText(iy));
  // Once the time is up the count on the end panel is final.
  if (timeUp) return KolderItemPlace{left, top};
  if (ix < px && px < ix + 100 && iy < py && py < iy + 100 && s.Speed > -0.1 && s.Speed < 0.1) {
    ++s.KolderCount;
    c.Label17.setCaption("Kolder : " + std::to_string(s.KolderCount));
    svc::Runtime& rt = race.runtime();
    rt.random().seed(rt.clock().ticks());
    const double places = double(trackInfo(TrackId::City).kolderPlaces.size());
    const KolderPlace next = KolderPlaceFor(int(rt.random().next() * places));
    s.KolderItemX = std::int16_t(next.x);
    s.KolderItemY = std::int16_t(next.y);
  }
  return KolderItemPlace{left, top};
}

void KolderItemDraw(Race& race, KolderItemPlace place) {
  RaceControls& c = race.controls();
  svc::bitBlt(c.pic.surface(), RoundEven(place.left), RoundEven(place.top), c.cil.width(),
              c.cil.height(), c.cil.surface(), 0, 0, svc::Rop::Copy);
}

void KolderRunStep(Race& race) {
  if (const auto place = KolderRunTest(race)) KolderItemDraw(race, *place);
}

}  // namespace game
