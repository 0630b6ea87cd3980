// Scenario tests of the menu: driver scripts of tests/scenarios/menu_*.drv run through the real
// drovanta-driver, their dumps checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "script_run.h"

namespace {

using testjson::Value;
using testscript::runScript;
using testscript::ScriptRun;
using testscript::setting;

const Value& control(const Value& dump, const std::string& name) {
  return dump["forms"]["menu"]["controls"][name];
}
std::string text(const Value& dump, const std::string& name) {
  return control(dump, name)["text"].s;
}
bool visible(const Value& dump, const std::string& name) {
  return control(dump, name)["visible"].b;
}
int left(const Value& dump, const std::string& name) {
  return int(control(dump, name)["left"].n);
}
// The file a control shows, without its folder ("" when none).
std::string shown(const Value& dump, const std::string& name) {
  const std::string& file = control(dump, name)["picture"].s;
  return file.substr(file.find_last_of('/') + 1);
}
double state(const Value& dump, const char* field) {
  return dump["menu"][field].n;
}
bool flag(const Value& dump, const char* field) {
  return dump["menu"][field].b;
}
std::string page(int i) {
  return "gamemenu(" + std::to_string(i) + ")";
}

ScriptRun runOk(const char* script, std::size_t dumps) {
  ScriptRun run = runScript(script);
  EXPECT_EQ(run.status, 0) << script;
  EXPECT_EQ(run.dumps.size(), dumps) << script;
  return run;
}

// ---------------------------------------------------------------------------------------------

// The race's start procedure needs the track pictures.
bool tracksDrawn() {
  return std::filesystem::exists(std::filesystem::path(DROVANTA_DRIVER).parent_path() /
                                 "Drovanta/maps/m1/mini1.bmp");
}

TEST(MenuPath, FromAFreshSettingsFileToTheRaceScreen) {
  const ScriptRun run = runScript("menu_full_path.drv");
  ASSERT_GE(run.dumps.size(), 4u);
  const Value& start = run.dump("start");
  EXPECT_TRUE(start["forms"]["menu"]["visible"].b);
  EXPECT_EQ(text(start, "infoLabel"), "");
  EXPECT_TRUE(visible(start, page(0)));
  EXPECT_EQ(shown(start, page(0)), "0.bmp");
  EXPECT_EQ(control(start, page(0))["picture"].s, "/gfx/menu/ang/0.bmp");

  const Value& story = run.dump("story");
  EXPECT_EQ(setting(story, "hrac"), "Zdeněk");
  EXPECT_TRUE(visible(story, "cerne"));
  EXPECT_EQ(control(story, "text")["picture"].s, "/gfx/story/ang/zav/story.bmp");
  EXPECT_EQ(control(story, "Picture3")["picture"].s, "/gfx/story/ang/zav/obr.bmp");

  const Value& cars = run.dump("cars");
  EXPECT_FALSE(visible(cars, "cerne"));
  EXPECT_TRUE(visible(cars, page(11)));
  EXPECT_EQ(left(cars, page(11)), 106);
  EXPECT_EQ(text(cars, "infoLabel"), "novahra4");

  // The summary in English; the difficulty came from the English difficulty label.
  const Value& summary = run.dump("summary");
  const std::pair<const char*, const char*> english[] = {
      {"ridic", "Zdeněk"}, {"auto", "Viper GTS"}, {"barva", "Blue"},     {"trasa", "Village"},
      {"hraci", "One"},    {"typ", "Race"},       {"Obtiznost", "Easy"}, {"smykovani", "ANO"}};
  for (const auto& [field, value] : english) EXPECT_EQ(text(summary, field), value) << field;
  EXPECT_EQ(text(summary, "infoLabel"), "novahra7");
  EXPECT_EQ(left(summary, page(14)), 96);
}

TEST(MenuPath, TheRaceReceivesTheCzechValues) {
  const ScriptRun run = runScript("menu_full_path.drv");
  if (!tracksDrawn()) GTEST_SKIP() << "the track pictures are not drawn yet";
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 5u);
  const Value& race = run.dump("race");
  ASSERT_TRUE(race.has("race"));
  const std::pair<const char*, const char*> czech[] = {
      {"barva", "Modrá"}, {"trasa", "Vesnice"}, {"hraci", "Jeden"}, {"typ", "Závody"}};
  for (const auto& [field, value] : czech) EXPECT_EQ(text(race, field), value) << field;
  EXPECT_EQ(race["race"]["GameType"].s, "Závody");
  EXPECT_EQ(race["race"]["TrackKind"].n, 1);
  EXPECT_NEAR(race["race"]["TurnRate"].n, 3, 1e-6);
  EXPECT_NEAR(race["race"]["SpeedScale"].n, 7.4, 1e-6);
  EXPECT_EQ(text(race, "informace").substr(0, 14), "Moment Prosím");
  EXPECT_FALSE(race["forms"]["menu"]["loaded"].b);
  EXPECT_TRUE(race["forms"]["Form1"]["visible"].b);
}

// ---------------------------------------------------------------------------------------------

// Which of the lock areas show an overlay, in the order viper, porsche, ferari, bonus,
// champinship, kolderrun, vesnice, mesto ("-" for none).
std::string overlays(const Value& dump) {
  std::string out;
  for (const char* area :
       {"viper", "porsche", "ferari", "bonus", "champinship", "kolderrun", "vesnice", "mesto"}) {
    const std::string file = shown(dump, area);
    out += (out.empty() ? "" : " ") + (file.empty() ? "-" : file.substr(0, file.find('.')));
  }
  return out;
}

TEST(MenuLocks, CarsGameTypesAndTracksFollowTheUnlockValues) {
  const ScriptRun run = runOk("menu_locks.drv", 38);
  ASSERT_EQ(run.dumps.size(), 38u);
  struct Step {
    const char* dump;
    const char* infoLabel;
    const char* typ;
    const char* car;
    const char* trasa;
    const char* overlays;
  };
  const char* none = "zadne udaje";
  const Step steps[] = {
      // unlockauta "0", unlockmody "0": only the Viper, no city outside training.
      {"1-oneplayer", "novahra3", none, none, none, "- por fer tru cham kold - -"},
      // championship locked
      {"1-champinship", "novahra3", none, none, none, "- por fer tru cham kold - -"},
      // Kolder Run locked
      {"1-kolderrun", "novahra3", none, none, none, "vip por fer - cham kold - -"},
      // no truck
      {"1-bonus", "novahra4", "Závody", none, none, "- por fer tru cham kold - Image3"},
      // no Ferari
      {"1-ferari", "novahra4", "Závody", none, none, "- por fer tru cham kold - Image3"},
      // no Porsche
      {"1-porsche", "novahra4", "Závody", none, none, "- por fer tru cham kold - Image3"},
      {"1-viper", "novahra5", "Závody", "Viper GTS", none, "- por fer tru cham kold - Image3"},
      // city
      {"1-mesto", "novahra6", "Závody", "Viper GTS", none, "- por fer tru cham kold - Image3"},
      {"1-vesnice", "novahra7", "Závody", "Viper GTS", "Vesnice",
       "- por fer tru cham kold - Image3"},
      {"1-training-mesto", "novahra7", "Vyuka", "Viper GTS", "Okruh",
       "- por fer tru cham kold - -"},
      {"1-training-vesnice", "novahra7", "Vyuka", "Viper GTS", "Parkoviště",
       "- por fer tru cham kold - -"},
      // "1", "1": the Porsche too, and the city; the championship drives the village.
      {"2-oneplayer", "novahra3", none, none, none, "- - fer tru - kold - -"},
      // Kolder Run locked
      {"2-kolderrun", "novahra3", none, none, none, "vip por fer - - kold - -"},
      {"2-bonus", "novahra4", "Závody", none, none, "- - fer tru - kold - -"},
      {"2-ferari", "novahra4", "Závody", none, none, "- - fer tru - kold - -"},
      {"2-porsche", "novahra5", "Závody", "Porsche", none, "- - fer tru - kold - -"},
      {"2-mesto", "novahra7", "Závody", "Porsche", "Město", "- - fer tru - kold - -"},
      {"2-vesnice", "novahra7", "Závody", "Porsche", "Vesnice", "- - fer tru - kold - -"},
      {"2-championship-mesto", "novahra7", "Championat", "Viper GTS", "Vesnice",
       "- - fer tru - kold - -"},
      {"2-championship-vesnice", "novahra7", "Championat", "Viper GTS", "Vesnice",
       "- - fer tru - kold - -"},
      // "2", "2": all three cars; the Kolder Run with its truck, on the city only.
      {"3-oneplayer", "novahra3", none, none, none, "- - - tru - - - -"},
      {"3-bonus", "novahra4", "Závody", none, none, "- - - tru - - - -"},
      {"3-ferari", "novahra5", "Závody", "Ferari", none, "- - - tru - - - -"},
      {"3-mesto", "novahra7", "Závody", "Ferari", "Město", "- - - tru - - - -"},
      {"3-vesnice", "novahra7", "Závody", "Ferari", "Vesnice", "- - - tru - - - -"},
      {"3-kolder-story", "novahra4", "Kolder Run", "Naklaďak", "Město",
       "vip por fer - - - Image4 -"},
      {"3-kolder-bonus", "novahra5", "Kolder Run", "Truck", "Město", "vip por fer - - - Image4 -"},
      {"3-kolder-vesnice", "novahra6", "Kolder Run", "Truck", "Město",
       "vip por fer - - - Image4 -"},
      {"3-kolder-mesto", "novahra7", "Kolder Run", "Truck", "Město", "vip por fer - - - Image4 -"},
      // A value outside "0" to "2": every car overlay stays, only the Viper, the city open.
      {"4-oneplayer", "novahra3", none, none, none, "vip por fer tru cham kold - -"},
      {"4-champinship", "novahra3", none, none, none, "vip por fer tru cham kold - -"},
      {"4-kolderrun", "novahra3", none, none, none, "vip por fer - cham kold - -"},
      {"4-bonus", "novahra4", "Závody", none, none, "vip por fer tru cham kold - -"},
      {"4-ferari", "novahra4", "Závody", none, none, "vip por fer tru cham kold - -"},
      {"4-porsche", "novahra4", "Závody", none, none, "vip por fer tru cham kold - -"},
      {"4-viper", "novahra5", "Závody", "Viper GTS", none, "vip por fer tru cham kold - -"},
      {"4-mesto", "novahra7", "Závody", "Viper GTS", "Město", "vip por fer tru cham kold - -"},
      {"4-vesnice", "novahra7", "Závody", "Viper GTS", "Vesnice", "vip por fer tru cham kold - -"},
  };
  for (const Step& s : steps) {
    const Value& d = run.dump(s.dump);
    SCOPED_TRACE(std::string("dump ") + s.dump);
    EXPECT_EQ(text(d, "infoLabel"), s.infoLabel);
    EXPECT_EQ(text(d, "typ"), s.typ);
    EXPECT_EQ(text(d, "auto"), s.car);
    EXPECT_EQ(text(d, "trasa"), s.trasa);
    EXPECT_EQ(overlays(d), s.overlays);
  }
  // Every game type that was chosen loaded its own story.
  const std::pair<const char*, const char*> stories[] = {{"1-bonus", "zav"},
                                                         {"1-training-mesto", "okr"},
                                                         {"2-championship-mesto", "champ"},
                                                         {"3-kolder-story", "kold"}};
  for (const auto& [dump, folder] : stories)
    EXPECT_EQ(control(run.dump(dump), "text")["picture"].s,
              std::string("/gfx/story/cz/") + folder + "/story.bmp");
}

// ---------------------------------------------------------------------------------------------

TEST(MenuBack, OneStepAClickHiddenOnTheMainMenuAndShownAgainAfterAStory) {
  const ScriptRun run = runOk("menu_back.drv", 19);
  ASSERT_EQ(run.dumps.size(), 19u);
  struct Step {
    const char* dump;
    const char* infoLabel;
    int from, to;
    bool backShown;
  };
  const Step steps[] = {
      {"start", "", 0, 0, false},
      {"settings", "nastaveni", 0, 2, true},
      {"back-from-grafika", "nastaveni", 6, 2, true},
      {"back-from-zvuky", "nastaveni", 7, 2, true},
      {"back-from-obtiznost", "nastaveni", 8, 2, true},
      {"back-from-obt", "nastaveni", 15, 2, true},
      {"back-from-nastaveni", "", 2, 0, false},
      {"back-from-info", "", 4, 0, false},
      {"back-from-konec", "", 5, 0, false},
      {"back-from-summary", "novahra6", 14, 13, true},
      {"back-from-track", "novahra5", 13, 12, true},
      {"back-from-colour", "novahra4", 12, 11, true},
      {"back-from-car", "novahra3", 11, 10, true},
      {"back-from-gametype", "novahra2", 10, 9, true},
      {"back-from-players", "novahra1", 9, 1, true},
      // Back on the main menu after a story: the fade-out's done state shows the button on
      // every frame, and a click on it there changes nothing.
      {"back-from-newgame", "", 1, 0, true},
      {"main-after-story", "", 1, 0, true},
      {"main-after-story-click", "", 1, 0, true},
  };
  for (const Step& s : steps) {
    const Value& d = run.dump(s.dump);
    SCOPED_TRACE(std::string("dump ") + s.dump);
    EXPECT_EQ(text(d, "infoLabel"), s.infoLabel);
    EXPECT_EQ(state(d, "FromPage"), s.from);
    EXPECT_EQ(state(d, "ToPage"), s.to);
    EXPECT_EQ(visible(d, "back_button"), s.backShown);
    // A back step (the rows that leave a page) leaves the page it entered right of x 100.
    if (s.from != 0) {
      EXPECT_GT(left(d, page(s.to)), 100);
    }
  }
  // The main menu page after the story has not moved for the click on the shown button.
  EXPECT_EQ(left(run.dump("main-after-story-click"), page(0)),
            left(run.dump("main-after-story"), page(0)));

  // A second click during the first one's slide: two steps; the interrupted slide found its new
  // page in place and stopped, leaving the graphics page where it was.
  const Value& nested = run.dump("nested");
  EXPECT_EQ(text(nested, "infoLabel"), "");
  EXPECT_EQ(state(nested, "FromPage"), 2);
  EXPECT_EQ(state(nested, "ToPage"), 0);
  EXPECT_GT(left(nested, page(0)), 100);
  EXPECT_EQ(left(nested, page(6)), 96);
}

// ---------------------------------------------------------------------------------------------

TEST(MenuHover, TypedTakenOverAndResetByTheBackground) {
  const ScriptRun run = runOk("menu_hover.drv", 7);
  ASSERT_EQ(run.dumps.size(), 7u);
  const std::string newGame =
      "Nová Hra" + std::string(20, ' ') + "později bude možno volit styl hry,auto,trasu atd...";
  const std::string quit = "konec hry" + std::string(18, ' ') + "ukončení hry Drovanta";
  const std::string steps[][2] = {
      {newGame, "nova_hra"},  // typed out
      {"", "nova_hra"},       // the background empties the panel, the key stays
      {"", "nova_hra"},       // so the same item shows nothing
      {"infor", "info"},      // typing
      {quit, "konec"},        // taken over; the first text does not resume
      {"", "nastaveni"},      // the background stopped a text while it was typing
      {quit, "konec"},        // taken over from inside a slide: no letter of the first text
  };
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(text(run.dumps[i], "informace"), steps[i][0]) << i;
    EXPECT_EQ(run.dumps[i]["menu"]["HoverKey"].s, steps[i][1]) << i;
  }
  EXPECT_EQ(state(run.dump("background"), "HoverPos"), 500);
}

TEST(MenuKeys, NumpadMinusNeverTakesTheFrameIntervalBelowOne) {
  const ScriptRun run = runOk("menu_keys.drv", 4);
  ASSERT_EQ(run.dumps.size(), 4u);
  const int expected[] = {2, 1, 1, 2};  // 18 presses, 1 more, 3 more, then numpad plus
  for (std::size_t i = 0; i < 4; ++i)
    EXPECT_EQ(state(run.dumps[i], "MenuFrameInterval"), expected[i]) << i;
}

// ---------------------------------------------------------------------------------------------

// Index of the first dump from `from` on that satisfies pred; dumps.size() when none.
std::size_t findDump(const std::vector<Value>& dumps, std::size_t from,
                     const std::function<bool(const Value&)>& pred) {
  while (from < dumps.size() && !pred(dumps[from])) ++from;
  return from;
}

// Where the dump with that label stands among the run's dumps; the story is checked frame by
// frame from there.
std::size_t placeOf(const ScriptRun& run, const char* label) {
  return std::size_t(&run.dump(label) - run.dumps.data());
}

TEST(MenuStory, FramesOfTheFadeBuildUpScrollAndFadeOut) {
  const ScriptRun run = runOk("menu_story.drv", 276);
  const std::vector<Value>& d = run.dumps;
  ASSERT_EQ(d.size(), 276u);
  // The sampled stretches: from the story's start, and from shortly before the end of its text
  // up to the second run, whose clicks are checked below.
  const std::size_t starts = placeOf(run, "story-starts"), nearEnd = placeOf(run, "near-text-end"),
                    clicks = placeOf(run, "clicked-while-darkening");
  EXPECT_EQ(state(run.dump("before"), "MenuFrameInterval"), 21);
  // One dump a frame.
  for (std::size_t i = starts + 1; i < nearEnd; ++i)
    ASSERT_EQ(d[i]["ticks"].n - d[i - 1]["ticks"].n, 21) << i;
  for (std::size_t i = nearEnd + 1; i < clicks; ++i)
    ASSERT_EQ(d[i]["ticks"].n - d[i - 1]["ticks"].n, 21) << i;
  EXPECT_EQ(state(d[starts], "MenuFrameInterval"), 20);

  // The panel darkens by one step a frame until black (56 frames from blue 56), and the frame
  // after that shows the story.
  std::size_t i = starts;
  EXPECT_FALSE(flag(d[i], "StoryShowing"));
  for (; state(d[i], "PanelBlue") > 0; ++i) {
    ASSERT_LT(i + 1, d.size());
    EXPECT_EQ(state(d[i + 1], "PanelBlue"), state(d[i], "PanelBlue") - 1) << i;
    EXPECT_FALSE(flag(d[i + 1], "StoryShowing")) << i;
  }
  ++i;
  EXPECT_TRUE(flag(d[i], "StoryShowing"));
  EXPECT_EQ(state(d[i], "BlendLevel"), 0);
  EXPECT_TRUE(visible(d[i], "story") && visible(d[i], "Picture2"));
  // 30 frames of the picture building up, strengths 2 to 60; the text moves from the first.
  for (int k = 1; k <= 31; ++k) {
    EXPECT_EQ(state(d[i + k], "BlendLevel"), std::min(2 * k, 60)) << k;
    EXPECT_NEAR(state(d[i + k], "StoryY"), 290 - 0.4 * k, 1e-9) << k;
  }

  // The text ends the story by itself at its 2,201st frame.
  const std::size_t last =
      findDump(d, nearEnd, [](const Value& v) { return v["menu"]["FadeFromPicture"].b; });
  ASSERT_LT(last, clicks);
  ASSERT_GT(last, nearEnd);
  EXPECT_NEAR((290 - state(d[last - 1], "StoryY")) / 0.4, 2200, 1e-6);
  EXPECT_TRUE(flag(d[last - 1], "StoryShowing"));
  EXPECT_EQ(state(d[last], "BlendLevel"), 20);
  EXPECT_NEAR((290 - state(d[last], "StoryY")) / 0.4, 2201, 1e-6);

  // The fade-out, frame by frame: picture, switch, text, switch, panel colour, logo, done.
  struct Phase {
    const char* name;
    int frames;
    std::function<bool(const Value&, int k)> frame;  // k: 1-based frame of the phase
  };
  const Phase phases[] = {
      {"picture", 22,
       [](const Value& v, int k) {
         return flag(v, "FadeFromPicture") && flag(v, "FadePictureFirst") &&
                state(v, "BlendLevel") == 20 + 6 * k;
       }},
      {"switch to the text", 1,
       [](const Value& v, int) {
         return flag(v, "FadeFromPicture") && !flag(v, "FadePictureFirst") &&
                state(v, "BlendLevel") == 0;
       }},
      {"text", 25,
       [](const Value& v, int k) {
         return flag(v, "FadeFromPicture") && state(v, "BlendLevel") == 6 * k &&
                visible(v, "story");
       }},
      {"switch to the panel", 1,
       [](const Value& v, int) {
         return !flag(v, "FadeFromPicture") && state(v, "BlendLevel") == 20 &&
                !visible(v, "story") && !visible(v, "Picture2") && state(v, "PanelBlue") == 0;
       }},
      {"panel colour", 55,
       [](const Value& v, int k) {
         return state(v, "PanelBlue") == k && state(v, "PanelRed") == std::min(k, 29) &&
                state(v, "PanelGreen") == std::min(k, 34) && state(v, "BlendLevel") == 20;
       }},
      {"logo", 33,
       [](const Value& v, int k) {
         return state(v, "PanelBlue") == 55 && state(v, "BlendLevel") == 20 + 4 * k &&
                visible(v, "cerne");
       }},
  };
  std::size_t at = last + 1;
  for (const Phase& p : phases)
    for (int k = 1; k <= p.frames; ++k, ++at) {
      ASSERT_LT(at, d.size());
      EXPECT_TRUE(p.frame(d[at], k)) << p.name << " frame " << k;
    }
  for (; at < clicks; ++at) {
    EXPECT_FALSE(visible(d[at], "cerne")) << at;
    EXPECT_TRUE(visible(d[at], page(11)) && visible(d[at], "back_button")) << at;
    EXPECT_EQ(left(d[at], page(11)), 106);
  }
}

TEST(MenuStory, ClicksEndTheStoryOrStartTheFadeAgain) {
  const ScriptRun run = runOk("menu_story.drv", 276);
  ASSERT_EQ(run.dumps.size(), 276u);
  const Value* d = &run.dump("clicked-while-darkening");  // and the eight dumps after it
  // Clicked while the panel still darkened: straight to the panel's phase, from its colour.
  EXPECT_FALSE(flag(d[0], "StoryShowing"));
  EXPECT_GT(state(d[0], "PanelBlue"), 0);
  EXPECT_FALSE(flag(d[1], "FadeFromPicture"));
  EXPECT_EQ(state(d[1], "BlendLevel"), 20);
  EXPECT_FALSE(visible(d[1], "story") || visible(d[1], "Picture2"));
  EXPECT_EQ(state(d[2], "PanelBlue"), state(d[0], "PanelBlue") + 1);
  // Clicked again during the logo: the fade starts again at 20.
  EXPECT_GT(state(d[3], "BlendLevel"), 20);
  EXPECT_EQ(state(d[4], "BlendLevel"), 20);
  EXPECT_EQ(state(d[5], "BlendLevel"), 24);
  // Numpad plus: 22 ms a frame.
  EXPECT_EQ(state(d[6], "MenuFrameInterval"), 21);
  EXPECT_EQ(d[7]["ticks"].n - d[6]["ticks"].n, 22);
  EXPECT_EQ(d[8]["ticks"].n - d[7]["ticks"].n, 22);
}

// ---------------------------------------------------------------------------------------------

TEST(MenuLanguage, TheOtherFlagReloadsThePagesAndTranslatesTheDifficulty) {
  const ScriptRun run = runOk("menu_language.drv", 5);
  ASSERT_EQ(run.dumps.size(), 5u);
  const std::pair<const char*, const char*> steps[] = {
      {"cz", "Těžká"}, {"cz", "Těžká"}, {"ang", "Hard"}, {"ang", "Hard"}, {"cz", "Těžká"}};
  for (std::size_t i = 0; i < 5; ++i) {
    const Value& d = run.dumps[i];
    const std::string code = steps[i].first;
    EXPECT_EQ(setting(d, "jazyk"), code) << i;
    EXPECT_EQ(text(d, "langue"), code) << i;
    EXPECT_EQ(text(d, "Label2"), steps[i].second) << i;
    for (int p = 0; p < 16; ++p)
      EXPECT_EQ(control(d, page(p))["picture"].s,
                p == 3 ? "" : "/gfx/menu/" + code + "/" + std::to_string(p) + ".bmp")
          << i << " page " << p;
  }
}

TEST(MenuDifficulty, EachClickIsOneStepRound) {
  const ScriptRun run = runOk("menu_difficulty.drv", 12);
  ASSERT_EQ(run.dumps.size(), 12u);
  struct Case {
    const char* words[4];
    const char* values[4];
  };
  const Case cases[] = {
      {{"Lehká", "Střední", "Těžká", "Lehká"}, {"0", "1", "2", "0"}},
      {{"Easy", "Medium", "Hard", "Easy"}, {"0", "1", "2", "0"}},
      // No level stored: the built-in Czech word, which no English click changes.
      {{"Lehká", "Lehká", "Lehká", "Lehká"}, {"x", "x", "x", "x"}},
  };
  for (std::size_t c = 0; c < 3; ++c)
    for (std::size_t k = 0; k < 4; ++k) {
      const Value& d = run.dumps[c * 4 + k];
      EXPECT_EQ(text(d, "Label2"), cases[c].words[k]) << c << " " << k;
      EXPECT_EQ(setting(d, "Obtiznost"), cases[c].values[k]) << c << " " << k;
    }
}

TEST(MenuSound, VolumeAreasMusicSwitchAndAVolumeThatIsNoNumber) {
  const ScriptRun run = runOk("menu_sound.drv", 15);
  ASSERT_EQ(run.dumps.size(), 15u);
  const Value& start = run.dump("start");
  // Built-in captions whatever is stored; no music at load with zkuky "0".
  EXPECT_EQ(text(start, "zvuky"), "ANO");
  EXPECT_EQ(text(start, "hlasitost"), "100 %");
  EXPECT_EQ(start["menuMusic"]["file"].s, "");
  EXPECT_FALSE(start["menuMusic"]["playing"].b);
  const std::pair<const char*, int> volumes[] = {{"30 %", -1400}, {"40 %", -1200}, {"50 %", -1000},
                                                 {"60 %", -800},  {"70 %", -600},  {"80 %", -400},
                                                 {"90 %", -200},  {"100 %", 0}};
  for (std::size_t i = 0; i < 8; ++i) {
    const Value& d = run.dump("volume-" + std::to_string(30 + 10 * i));
    EXPECT_EQ(text(d, "hlasitost"), volumes[i].first);
    EXPECT_EQ(setting(d, "hlasitost"), std::to_string(volumes[i].second));
    EXPECT_EQ(d["menuMusic"]["volume"].n, volumes[i].second);
    EXPECT_FALSE(d["menuMusic"]["playing"].b) << "a volume does not start the music";
  }
  // The page opened showing the music off, so the first click switches it on: the menu music
  // plays at the volume picked last; the second click pauses it.
  EXPECT_EQ(text(run.dump("music-on"), "zvuky"), "ANO");
  EXPECT_EQ(setting(run.dump("music-on"), "zkuky"), "1");
  EXPECT_TRUE(run.dump("music-on")["menuMusic"]["playing"].b);
  EXPECT_NE(run.dump("music-on")["menuMusic"]["file"].s.find("/music/menu.mp3"), std::string::npos);
  EXPECT_EQ(run.dump("music-on")["menuMusic"]["volume"].n, 0);
  EXPECT_EQ(text(run.dump("music-off"), "zvuky"), "NE");
  EXPECT_EQ(setting(run.dump("music-off"), "zkuky"), "0");
  EXPECT_FALSE(run.dump("music-off")["menuMusic"]["playing"].b);

  // Music at load with the volume "abc": it plays at full volume, the menu runs on.
  const Value& music = run.dump("abc-start");
  EXPECT_TRUE(music["running"].b);
  EXPECT_NE(music["menuMusic"]["file"].s.find("/music/menu.mp3"), std::string::npos);
  EXPECT_TRUE(music["menuMusic"]["playing"].b);
  EXPECT_EQ(music["menuMusic"]["volume"].n, 0);
  EXPECT_FALSE(run.dump("abc-paused")["menuMusic"]["playing"].b);
  EXPECT_TRUE(run.dump("abc-on")["menuMusic"]["playing"].b);
  EXPECT_EQ(run.dump("abc-volume")["menuMusic"]["volume"].n, -400);
}

TEST(MenuSettingsState, EachPageShowsTheStateInForceAndItsFirstClickChangesIt) {
  const ScriptRun run = runOk("menu_settings_state.drv", 16);
  ASSERT_EQ(run.dumps.size(), 16u);
  struct Sound {
    const char* dump;
    const char* zvuky;
    const char* hlasitost;
    const char* zkuky;
    bool playing;
    int volume;  // the player's, while it plays
  };
  const Sound sounds[] = {
      {"off-opened", "NE", "60 %", "0", false, 0},  // opened: off at -800
      // switched on: the menu music at the stored volume
      {"off-switched-on", "ANO", "60 %", "1", true, -800},
      {"off-paused", "NE", "60 %", "0", false, 0},       // paused
      {"off-on-again", "ANO", "60 %", "1", true, -800},  // on again
      {"on-opened", "ANO", "55 %", "1", true, -900},  // opened: on, between the 50 % and 60 % areas
      {"on-switched-off", "NE", "55 %", "0", false, 0},  // its first click switches it off
      {"below-opened", "NE", "0 %", "0", false, 0},      // below the scale
      {"above-opened", "NE", "100 %", "0", false, 0},    // above full volume
  };
  for (const Sound& c : sounds) {
    const Value& d = run.dump(c.dump);
    SCOPED_TRACE(std::string("dump ") + c.dump);
    EXPECT_EQ(text(d, "zvuky"), c.zvuky);
    EXPECT_EQ(text(d, "hlasitost"), c.hlasitost);
    EXPECT_EQ(setting(d, "zkuky"), c.zkuky);
    EXPECT_EQ(d["menuMusic"]["playing"].b, c.playing);
    if (c.playing) {
      EXPECT_NE(d["menuMusic"]["file"].s.find("/music/menu.mp3"), std::string::npos);
      EXPECT_EQ(d["menuMusic"]["volume"].n, c.volume);
    }
  }

  struct Graphics {
    const char* dump;
    const char* name;
    const char* full;
    bool fullscreen;
    const char* rozliseni;
  };
  const Graphics graphics[] = {
      {"window-opened", "restart in a window: opened", "NE", false, "0"},
      {"window-switched", "restart in a window: first click", "ANO", true, "1"},
      {"window-reopened", "restart in a window: opened again", "ANO", true, "1"},
      {"nofile-opened", "no settings file: opened", "NE", false, "800*600"},
      {"nofile-switched", "no settings file: first click", "ANO", true, "1"},
      {"full-opened", "restart in full screen: opened", "ANO", true, "1"},
      {"full-switched", "restart in full screen: first click", "NE", false, "0"},
      {"full-reopened", "restart in full screen: opened again", "NE", false, "0"},
  };
  for (const Graphics& c : graphics) {
    const Value& d = run.dump(c.dump);
    EXPECT_EQ(text(d, "full"), c.full) << c.name;
    EXPECT_EQ(d["display"]["fullscreen"].b, c.fullscreen) << c.name;
    EXPECT_EQ(setting(d, "Rozliseni"), c.rozliseni) << c.name;
  }
}

// ---------------------------------------------------------------------------------------------

struct Display {
  bool fullscreen;
  int modeWidth, modeHeight, modeChanges;
};
void expectDisplay(const Value& d, const Display& want, const std::string& where) {
  const Value& got = d["display"];
  EXPECT_EQ(got["fullscreen"].b, want.fullscreen) << where;
  EXPECT_EQ(got["modeWidth"].n, want.modeWidth) << where;
  EXPECT_EQ(got["modeHeight"].n, want.modeHeight) << where;
  EXPECT_EQ(got["modeChanges"].n, want.modeChanges) << where;
}

TEST(MenuDisplay, FreshStartsRestartsNoSettingsFileAndTheSwitch) {
  const ScriptRun run = runOk("menu_display.drv", 24);
  ASSERT_EQ(run.dumps.size(), 24u);
  struct Start {
    const char* dump;
    const char* name;
    Display display;
    const char* rozliseni;
    const char* runing;
    const char* full;
  };
  const Start starts[] = {
      {"fresh-full", "fresh start, full screen", {true, 640, 480, 1}, "1024", "1024", "ANO"},
      {"fresh-window", "fresh start, windowed", {false, 0, 0, 0}, "1280", "1280", "NE"},
      {"restart-full",
       "restart after a race, full screen",
       {true, 640, 480, 1},
       "1024",
       "1024",
       "ANO"},
      // `full` as the load leaves it; the graphics page shows what is in force as it opens.
      {"restart-window", "restart after a race, windowed", {false, 0, 0, 0}, "1024", "1024", "ANO"},
      {"nofile", "no settings file", {false, 0, 0, 0}, "Omreše", "Omreše", "ANO"},
  };
  for (const Start& s : starts) {
    const Value& d = run.dump(s.dump);
    expectDisplay(d, s.display, s.name);
    EXPECT_EQ(text(d, "rozliseni"), s.rozliseni) << s.name;
    EXPECT_EQ(setting(d, "runing"), s.runing) << s.name;
    EXPECT_EQ(setting(d, "rez1"), "false") << s.name;
    EXPECT_EQ(text(d, "full"), s.full) << s.name;
    EXPECT_EQ(d["forms"]["menu"]["left"].n, 0) << s.name;
  }
  // Quitting from the menu restored the desktop mode and saved a fresh start.
  const Value& quit = run.dump("fresh-full-quit");
  EXPECT_FALSE(quit["running"].b);
  expectDisplay(quit, {false, 1024, 768, 2}, "quit");
  EXPECT_NE(quit["settingsFile"].s.find("rez1=true\n"), std::string::npos);
  EXPECT_NE(quit["settingsFile"].s.find("runing=1024\n"), std::string::npos);

  // The switch on the graphics page: to a window at the table's place (centred on the
  // desktop for a width outside the table), and back to full screen at (0, 0).
  struct Switch {
    const char* remembered;  // the dumps are labelled with it: REMEMBERED-off, REMEMBERED-on
    int width, height, left, top;
  };
  const Switch switches[] = {
      {"1280", 1280, 1024, 320, 272}, {"1024", 1024, 768, 192, 144},  {"768", 1024, 768, 192, 144},
      {"800", 800, 600, 80, 60},      {"600", 800, 600, 80, 60},      {"640", 640, 480, 0, 0},
      {"480", 640, 480, 0, 0},        {"1152", 1920, 1080, 640, 300},
  };
  for (const Switch& s : switches) {
    const Value& off = run.dump(std::string(s.remembered) + "-off");
    const Value& on = run.dump(std::string(s.remembered) + "-on");
    expectDisplay(off, {false, s.width, s.height, 2}, s.remembered);
    EXPECT_EQ(text(off, "full"), "NE") << s.remembered;
    EXPECT_EQ(setting(off, "Rozliseni"), "0") << s.remembered;
    EXPECT_EQ(off["forms"]["menu"]["left"].n, s.left) << s.remembered;
    EXPECT_EQ(off["forms"]["menu"]["top"].n, s.top) << s.remembered;
    EXPECT_EQ(off["forms"]["menu"]["width"].n, 640) << s.remembered;
    expectDisplay(on, {true, 640, 480, 3}, s.remembered);
    EXPECT_EQ(text(on, "full"), "ANO") << s.remembered;
    EXPECT_EQ(setting(on, "Rozliseni"), "1") << s.remembered;
    EXPECT_EQ(on["forms"]["menu"]["left"].n, 0) << s.remembered;
    EXPECT_EQ(on["forms"]["menu"]["top"].n, 0) << s.remembered;
  }
  // Without a settings file the game runs in a window, so the first click takes up full screen
  // and the second returns to a window centred on the desktop (no row for the word remembered).
  const Value& on = run.dump("nofile-on");
  const Value& off = run.dump("nofile-off");
  expectDisplay(on, {true, 640, 480, 1}, "no settings file, on");
  EXPECT_EQ(text(on, "full"), "ANO");
  EXPECT_EQ(setting(on, "Rozliseni"), "1");
  expectDisplay(off, {false, 1920, 1080, 2}, "no settings file, off");
  EXPECT_EQ(text(off, "full"), "NE");
  EXPECT_EQ(setting(off, "Rozliseni"), "0");
  EXPECT_EQ(off["forms"]["menu"]["left"].n, 640);
  EXPECT_EQ(off["forms"]["menu"]["top"].n, 300);
}

// ---------------------------------------------------------------------------------------------

TEST(MenuInfo, ScrollsBetweenItsEndsAndKeepsItsPlace) {
  const ScriptRun run = runOk("menu_info.drv", 6);
  ASSERT_EQ(run.dumps.size(), 6u);
  auto top = [&](const char* dump) { return int(control(run.dump(dump), "Picture8")["top"].n); };
  EXPECT_EQ(control(run.dump("opened"), "Picture8")["picture"].s, "/gfx/menu/cz/info.bmp");
  const int height = int(control(run.dump("opened"), "Picture8")["height"].n);
  EXPECT_EQ(top("opened"), 0);
  // 5 pixels a tick of 16 ms while the arrow is held.
  EXPECT_LE(top("down"), -45);
  EXPECT_GE(top("down"), -55);
  EXPECT_EQ(top("down") % 5, 0);
  // Held long: stops at the first step that brings the bottom edge to 130 or above.
  EXPECT_LE(top("held-down") + height, 130);
  EXPECT_GT(top("held-down") + height, 125);
  // Up again, and nothing moves once released.
  EXPECT_GT(top("up"), top("held-down"));
  EXPECT_EQ(run.dump("up")["menu"]["InfoScroll"].s, "");
  // The next visit loads the picture again and keeps its place.
  EXPECT_EQ(top("revisit"), top("up"));
  EXPECT_EQ(control(run.dump("english"), "Picture8")["picture"].s, "/gfx/menu/ang/info.bmp");
}

}  // namespace
