// The marks of the current choice on the language and sound pages: bands of the pages' rows,
// cut from pictures of each state, laid over the page picture whenever the choice changes.
#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"
#include "services/ini_file.h"

namespace {

using testing_support::FakeGame;

constexpr int kLanguageTop = 50, kLanguageRows = 80;
constexpr int kVolumeTop = 130, kVolumeRows = 30;

// A state picture whose band k is one flat colour telling the language folder and k apart.
svc::ImagePtr bands(int count, int rows, int folder) {
  auto image = std::make_shared<svc::Image>(155, count * rows);
  for (int k = 0; k < count; ++k)
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < 155; ++x)
        image->at(x, k * rows + y) = svc::rgb(unsigned(10 + k), unsigned(folder), 200);
  return image;
}

struct MarkedMenu {
  FakeGame g;
  explicit MarkedMenu(const char* jazyk, const char* hlasitost) {
    const std::string ini = g.folder + "/Data/snow.ini";
    svc::writeProfileString(ini, "dv", "jazyk", jazyk);
    svc::writeProfileString(ini, "dv", "hlasitost", hlasitost);
    svc::writeProfileString(ini, "dv", "zkuky", "0");
    const std::pair<const char*, int> folders[] = {{"cz", 1}, {"ang", 2}};
    for (const auto& [code, n] : folders) {
      const std::string dir = g.folder + "/gfx/menu/" + code + "/";
      g.pictures.files[dir + "jazyk.bmp"] = bands(2, kLanguageRows, n);
      g.pictures.files[dir + "hlasitost.bmp"] = bands(9, kVolumeRows, n);
    }
    g.start();
  }
  svc::Form& form() { return g.program->menu()->form(); }
  void click(const char* name) { form().control(name).mouse.click(); }
  // Which band (k, folder) lies on the page's rows from top; (-1, -1) when they differ.
  std::pair<int, int> band(int page, int top, int rows) {
    const svc::Surface& s = form().picture("gamemenu(" + std::to_string(page) + ")").surface();
    const svc::Colour c = s.pixel(0, top);
    for (int y = top; y < top + rows; ++y)
      for (int x = 0; x < 155; ++x)
        if (s.pixel(x, y) != c) return {-1, -1};
    if (s.pixel(0, top - 1) == c || s.pixel(0, top + rows) == c) return {-1, -1};
    return {int(svc::red(c)) - 10, int(svc::green(c))};
  }
  std::pair<int, int> language() { return band(8, kLanguageTop, kLanguageRows); }
  std::pair<int, int> volume() { return band(7, kVolumeTop, kVolumeRows); }
};

TEST(MenuMarks, TheLanguagePageMarksTheLanguageOfItsPictures) {
  struct Case {
    const char* jazyk;
    std::pair<int, int> band;  // state (0 Czech, 1 English), picture folder (1 cz, 2 ang)
  };
  // A code without pictures of its own shows the English pictures, so English is marked.
  const Case cases[] = {{"cz", {0, 1}}, {"ang", {1, 2}}, {"program", {1, 2}}};
  for (const Case& c : cases) {
    MarkedMenu m(c.jazyk, "0");
    EXPECT_EQ(m.language(), c.band) << c.jazyk;
  }
  // Choosing reloads the pages and marks the choice at once; the flag already chosen keeps it.
  MarkedMenu m("cz", "0");
  m.click("Image2");
  EXPECT_EQ(m.language(), std::make_pair(1, 2));
  m.click("Image2");
  EXPECT_EQ(m.language(), std::make_pair(1, 2));
  m.click("Image1");
  EXPECT_EQ(m.language(), std::make_pair(0, 1));
}

TEST(MenuMarks, TheSoundPageLightsTheBarsUpToTheVolumeInForce) {
  struct Case {
    const char* stored;
    int lit;
  };
  const Case cases[] = {{"-1400", 1}, {"-800", 4}, {"0", 8},  {"-900", 3},
                        {"-5000", 0}, {"200", 8},  {"abc", 8}};  // "abc": the player's 0
  for (const Case& c : cases) {
    MarkedMenu m("cz", c.stored);
    EXPECT_EQ(m.volume(), std::make_pair(c.lit, 1)) << c.stored;
  }
  // Each area lights the bars up to its own, whatever was lit before; the marks follow a
  // change of language.
  MarkedMenu m("cz", "-800");
  const char* areas[] = {"Image11", "proc", "Image9", "Image5", "Image10", "Image6", "Image7"};
  const int lit[] = {8, 1, 6, 2, 7, 3, 4};
  for (int i = 0; i < 7; ++i) {
    m.click(areas[i]);
    EXPECT_EQ(m.volume(), std::make_pair(lit[i], 1)) << areas[i];
  }
  m.click("Image2");
  EXPECT_EQ(m.volume(), std::make_pair(4, 2));
}

}  // namespace
