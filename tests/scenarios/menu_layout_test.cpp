// The menu's click areas, fields and labels where the pages' pictures draw them, with the game's
// own pictures (an image control takes its picture's size): clicks land on a control's centre
// wherever it is, so only this table catches one that has moved off its picture.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"

namespace {

using testjson::Value;

TEST(MenuLayout, EveryPageControlSitsWhereItsPageDrawsIt) {
  struct Place {
    const char* name;
    int page;        // the page it lies on, in whose pixels x and y count; -1: the window itself
    int x, y, w, h;  // w and h -1: not fixed
  };
  const Place places[] = {
      {"cudlik_nova_hra", 0, 0, 0, 185, 41},
      {"cudlik_nastaveni", 0, 0, 40, 185, 33},
      {"cudlik_info", 0, 0, 72, 185, 41},
      {"cudlik_konec", 0, 0, 112, 185, 41},
      {"Text1", 1, 24, 80, 105, 19},
      {"dale1", 1, 0, 176, 153, 25},
      {"nastaveni_grafika", 2, 0, 64, 153, 25},
      {"nastaveni_zvuky", 2, 0, 88, 153, 25},
      {"nastaveni_obtiznost", 2, 0, 112, 153, 25},
      {"obt", 2, 0, 136, 153, 25},
      {"Image12", 4, 0, 24, 153, 25},
      {"Image13", 4, 0, 176, 153, 25},
      {"konecano", 5, 32, 96, 97, 25},
      {"smykovani", 6, 24, 64, 113, 17},
      {"full", 6, 8, 88, 129, 17},
      {"zvuky", 7, 96, 112, 23, 13},
      {"proc", 7, 64, 136, 12, 15},
      {"Image5", 7, 76, 136, 10, 15},
      {"Image6", 7, 88, 136, 9, 15},
      {"Image7", 7, 96, 136, 10, 15},
      {"Image8", 7, 106, 136, 10, 15},
      {"Image9", 7, 118, 136, 10, 15},
      {"Image10", 7, 128, 136, 10, 15},
      {"Image11", 7, 136, 136, 10, 15},
      {"hlasitost", 7, 96, 160, 29, 13},
      {"Image1", 8, 0, 56, 153, 33},
      {"Image2", 8, 0, 88, 153, 33},
      {"oneplayer", 9, 0, 32, 153, 25},
      {"champinship", 10, 0, 40, 155, 25},
      {"kolderrun", 10, 0, 64, 155, 30},
      {"speedrace", 10, 0, 96, 153, 25},
      {"freeride", 10, 0, 120, 153, 25},
      {"vyuka", 10, 0, 144, 153, 25},
      {"viper", 11, 0, 48, 155, 24},
      {"porsche", 11, 0, 72, 155, 26},
      {"ferari", 11, -2, 100, 155, 26},
      {"bonus", 11, 0, 128, 155, 26},
      {"cervena", 12, 40, 92, 14, 30},
      {"modra", 12, 64, 92, 14, 30},
      {"zelena", 12, 88, 92, 14, 30},
      {"zluta", 12, 112, 92, 14, 30},
      {"bila", 12, 112, 152, 14, 30},
      {"vesnice", 13, 0, 32, 153, 81},
      {"mesto", 13, 0, 112, 153, 91},
      {"ridic", 14, 88, 32, -1, -1},
      {"auto", 14, 88, 51, -1, -1},
      {"barva", 14, 88, 72, -1, -1},
      {"trasa", 14, 88, 96, -1, -1},
      {"hraci", 14, 88, 114, -1, -1},
      {"typ", 14, 88, 133, -1, -1},
      {"Obtiznost", 14, 88, 152, -1, -1},
      {"starting", 14, 0, 176, 153, 25},
      {"Label2", 15, 24, 88, 113, 17},
      {"back_button", -1, 16, 456, 73, 17},
      {"tma", -1, 440, 96, 200, 345},
  };
  const testscript::ScriptRun run =
      testscript::runScriptText("setting jazyk cz\nstart\ndump @menu\n");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 1u);
  const Value& controls = run.dump("menu")["forms"]["menu"]["controls"];
  for (const Place& p : places) {
    const Value& c = controls[p.name];
    EXPECT_EQ(c["left"].n, p.x) << p.name;
    EXPECT_EQ(c["top"].n, p.y) << p.name;
    if (p.w < 0) continue;
    EXPECT_EQ(c["width"].n, p.w) << p.name;
    EXPECT_EQ(c["height"].n, p.h) << p.name;
  }
  // The pages themselves: the main menu's is smaller.
  for (int i = 0; i <= 15; ++i) {
    const Value& page = controls["gamemenu(" + std::to_string(i) + ")"];
    EXPECT_EQ(page["width"].n, i == 0 ? 186 : 155) << i;
    EXPECT_EQ(page["height"].n, i == 0 ? 150 : 200) << i;
  }
  const Value& hover = controls["informace"];
  EXPECT_EQ(hover["left"].n, 8);
  EXPECT_EQ(hover["top"].n, 296);
  EXPECT_EQ(hover["width"].n, 161);
  EXPECT_EQ(hover["height"].n, 41);
}

}  // namespace
