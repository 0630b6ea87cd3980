// The menu window's controls: the page array with the click areas and labels of every page, the
// hover-text panel, the back button, the story panel and the hidden pictures and data labels.
#include <string>

#include "menu/menu_window.h"
#include "menu/selection_words.h"

namespace game {

namespace {

// Texts the game writes onto the pages: light ink on the pages' dark fields.
constexpr svc::Colour kFieldInk = svc::rgb(236, 240, 250);
constexpr svc::Colour kValueInk = svc::rgb(255, 214, 110);

struct AreaDef {
  const char* name;
  int x, y, w, h;
};

// The click areas of each page, in the page's own pixels.
struct PageAreas {
  int page;
  std::vector<AreaDef> areas;
};

const std::vector<PageAreas>& pageAreas() {
  static const std::vector<PageAreas> table = {
      {0,
       {{"cudlik_nova_hra", 0, 0, 185, 41},
        {"cudlik_nastaveni", 0, 40, 185, 33},
        {"cudlik_info", 0, 72, 185, 41},
        {"cudlik_konec", 0, 112, 185, 41}}},
      {1, {{"dale1", 0, 176, 153, 25}}},
      {2,
       {{"nastaveni_grafika", 0, 64, 153, 25},
        {"nastaveni_zvuky", 0, 88, 153, 25},
        {"nastaveni_obtiznost", 0, 112, 153, 25},
        {"obt", 0, 136, 153, 25}}},
      {4, {{"Image12", 0, 24, 153, 25}, {"Image13", 0, 176, 153, 25}}},
      {5, {{"konecano", 32, 96, 97, 25}}},
      {7,
       {{"proc", 64, 136, 12, 15},
        {"Image5", 76, 136, 10, 15},
        {"Image6", 88, 136, 9, 15},
        {"Image7", 96, 136, 10, 15},
        {"Image8", 106, 136, 10, 15},
        {"Image9", 118, 136, 10, 15},
        {"Image10", 128, 136, 10, 15},
        {"Image11", 136, 136, 10, 15}}},
      {8, {{"Image1", 0, 56, 153, 33}, {"Image2", 0, 88, 153, 33}}},
      {9, {{"oneplayer", 0, 32, 153, 25}}},
      {10,
       {{"champinship", 0, 40, 155, 25},
        {"kolderrun", 0, 64, 155, 30},
        {"speedrace", 0, 96, 153, 25},
        {"freeride", 0, 120, 153, 25},
        {"vyuka", 0, 144, 153, 25}}},
      {11,
       {{"viper", 0, 48, 155, 24},
        {"porsche", 0, 72, 155, 26},
        {"ferari", -2, 100, 155, 26},
        {"bonus", 0, 128, 155, 26}}},
      {12,
       {{"cervena", 40, 92, 14, 30},
        {"modra", 64, 92, 14, 30},
        {"zelena", 88, 92, 14, 30},
        {"zluta", 112, 92, 14, 30},
        {"bila", 112, 152, 14, 30}}},
      {13, {{"vesnice", 0, 32, 153, 81}, {"mesto", 0, 112, 153, 91}}},
      {14, {{"starting", 0, 176, 153, 25}}},
  };
  return table;
}

struct LabelDef {
  int page;
  const char* name;
  const char* caption;
  int x, y, w, h;
  int size;
  svc::Colour ink;
};

// Labels on the pages: the selection record on the summary page, the settings switches.
const LabelDef kPageLabels[] = {
    {14, "ridic", "zadne udaje", 88, 32, 65, 16, 9, kValueInk},
    {14, "auto", "zadne udaje", 88, 51, 65, 16, 9, kValueInk},
    {14, "barva", "zadne udaje", 88, 72, 65, 16, 9, kValueInk},
    {14, "trasa", "zadne udaje", 88, 96, 65, 16, 9, kValueInk},
    {14, "hraci", "zadne udaje", 88, 114, 65, 16, 9, kValueInk},
    {14, "typ", "zadne udaje", 88, 133, 65, 16, 9, kValueInk},
    {14, "Obtiznost", "Hard", 88, 152, 65, 16, 9, kValueInk},
    {6, "smykovani", "ANO", 24, 64, 113, 17, 12, kValueInk},
    {6, "full", "ANO", 8, 88, 129, 17, 12, kValueInk},
    {7, "zvuky", "ANO", 96, 112, 23, 13, 9, kValueInk},
    {7, "hlasitost", "100 %", 96, 160, 29, 13, 9, kValueInk},
    {15, "Label2", kDifficulties[0].czech, 24, 88, 113, 17, 12, kValueInk},
};

}  // namespace

void MenuWindow::build() {
  form_.caption = "Drovanta";
  form_.borderless = true;
  form_.resize(640, 480);
  form_.move(0, 0);
  form_.setBackColor(svc::rgb(0, 0, 0));
  buildPages();
  buildPanels();
  // Labels that only carry data.
  infoLabel_ = &form_.addLabel("infoLabel", "", 0, 0, 0, 0);
  infoLabel_->setVisible(false);
  form_.addLabel("langue", "Label1", 0, 0, 0, 0).setVisible(false);
  form_.addLabel("rozliseni", "0", 0, 0, 0, 0).setVisible(false);
  form_.addTimer("Timer1", 200, false);
  // The info scrolling was made for a 1 ms timer that the system ran at its 16 ms granularity:
  // 5 pixels a tick at 16 ms keeps the picture readable while it scrolls.
  form_.addTimer("Timer2", 16, false);
  buildEffectsSwitch();
  form_.onControlClick = [this] {
    if (onEffect) onEffect("click");
  };
}

void MenuWindow::buildPages() {
  for (int i = 0; i < kPageCount; ++i) {
    const bool main = i == 0;
    svc::PictureBox& p = form_.addPicture("gamemenu(" + std::to_string(i) + ")", main ? 100 : 536,
                                          100, main ? 186 : 155, main ? 150 : 200);
    p.setVisible(main);
    pages_[std::size_t(i)] = &p;
  }
  for (const PageAreas& pa : pageAreas())
    for (const AreaDef& a : pa.areas) form_.addImage(a.name, a.x, a.y, a.w, a.h, &page(pa.page));

  svc::TextBox& name = form_.addTextBox("Text1", "- Jméno -", 24, 80, 105, 19, &page(1));
  name.style = {12, false};
  name.borderColor = svc::rgb(70, 84, 120);

  for (const LabelDef& d : kPageLabels) {
    svc::Label& l = form_.addLabel(d.name, d.caption, d.x, d.y, d.w, d.h, &page(d.page));
    l.style = {d.size, true};
    l.foreColor = d.ink;
    l.wordWrap = false;
    l.align = svc::Align::Centre;
    l.centreVertically = true;
  }

  // The info page: a viewport that the tall info picture scrolls in.
  svc::PictureBox& viewport = form_.addPicture("Picture7", 0, 48, 153, 129, &page(4));
  viewport.setBackColor(svc::rgb(22, 26, 40));
  viewport.cls();
  Picture8_ = &form_.addPicture("Picture8", 0, 0, 155, 800, &viewport);
  Picture8_->autoSize = true;
}

void MenuWindow::buildPanels() {
  // The hover-text panel on the right, over which the pages slide in.
  svc::PictureBox& tma = form_.addPicture("tma", 440, 96, 200, 345);
  informace_ = &form_.addLabel("informace", "", 8, 296, 161, 41, &tma);
  // The record of the track and car on the summary page, at the top of the empty panel.
  svc::Label& record = form_.addLabel("rekord", "", 8, 10, 184, 60, &tma);
  record.style = {13, true};
  record.foreColor = kValueInk;
  record.setVisible(false);
  informace_->style = {11, false};
  informace_->foreColor = kFieldInk;

  back_button_ = &form_.addPicture("back_button", 16, 456, 73, 17);
  form_.padBack = back_button_;  // a controller's B
  back_button_->setVisible(false);

  // The story panel and its two boxes.
  cerne_ = &form_.addPicture("cerne", 0, 74, 640, 367);
  cerne_->setVisible(false);
  story_ = &form_.addPicture("story", 48, 32, 200, 297, cerne_);
  story_->setVisible(false);
  Picture2_ = &form_.addPicture("Picture2", 400, 40, 198, 276, cerne_);
  Picture2_->setVisible(false);

  // Hidden sources of the story effects and the lock pictures, outside the visible area.
  auto hidden = [this](const char* name, int w, int h) -> svc::PictureBox& {
    svc::PictureBox& p = form_.addPicture(name, 700, 0, w, h);
    p.setVisible(false);
    return p;
  };
  Picture3_ = &hidden("Picture3", 198, 276);
  text_ = &hidden("text", 200, 890);
  text_->autoSize = true;
  Picture1_ = &hidden("Picture1", 200, 300);
  Picture6_ = &hidden("Picture6", 200, 280);
  Picture4_ = &hidden("Picture4", 155, 200);
  Picture5_ = &hidden("Picture5", 155, 200);
  for (const char* name : {"Image3", "Image4"})
    form_.addImage(name, 700, 0, 153, 91).setVisible(false);
}

}  // namespace game
