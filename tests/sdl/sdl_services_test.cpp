// The real SDL services under SDL's dummy drivers: picture files, windows and display mode,
// music players.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "services/errors.h"
#include "services/form.h"
#include "services/gamepad.h"
#include "services/picture_decoders.h"
#include "services/sdl_audio.h"
#include "services/sdl_effects.h"
#include "services/sdl_input.h"
#include "services/sdl_pictures.h"
#include "services/sdl_presenter.h"
#include "services/sdl_system.h"
#include "services/tool_writers/image_writers.h"
#include "wave_file.h"

namespace {

namespace fs = std::filesystem;

class SdlServices : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sdl_ = new svc::SdlSystem(true); }
  static void TearDownTestSuite() {
    delete sdl_;
    sdl_ = nullptr;
  }
  void SetUp() override {
    char pattern[] = "/tmp/drovanta-sdl-XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string file(const std::string& name) const { return dir_ + "/" + name; }

  static svc::SdlSystem* sdl_;
  std::string dir_;
};
svc::SdlSystem* SdlServices::sdl_ = nullptr;

// 16 × 8: two flat blocks (a JPEG keeps flat blocks nearly exact) and one odd pixel.
svc::Image samplePicture() {
  svc::Image img(16, 8, svc::rgb(200, 30, 10));
  for (int y = 0; y < 8; ++y)
    for (int x = 8; x < 16; ++x) img.at(x, y) = svc::rgb(20, 90, 250);
  img.at(0, 0) = svc::rgb(255, 0, 255);
  return img;
}

// A GIF with a palette of the picture's colours (giflib).
bool saveGif(const svc::Image& img, const std::string& path) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (!gif) return false;
  GifColorType colours[4] = {{200, 30, 10}, {20, 90, 250}, {255, 0, 255}, {0, 0, 0}};
  ColorMapObject* map = GifMakeMapObject(4, colours);
  EGifPutScreenDesc(gif, img.width, img.height, 2, 0, map);
  EGifPutImageDesc(gif, 0, 0, img.width, img.height, false, nullptr);
  for (int y = 0; y < img.height; ++y) {
    GifPixelType row[16];
    for (int x = 0; x < img.width; ++x) {
      const svc::Colour c = img.at(x, y);
      row[x] = c == svc::rgb(200, 30, 10) ? 0 : c == svc::rgb(20, 90, 250) ? 1 : 2;
    }
    EGifPutLine(gif, row, img.width);
  }
  GifFreeMapObject(map);
  return EGifCloseFile(gif, &error) == GIF_OK;
}

TEST_F(SdlServices, PicturesLoadInEveryFormatWithRedInTheLowestByte) {
  const svc::Image source = samplePicture();
  ASSERT_TRUE(svc::saveBmp(source, file("p.bmp")));
  ASSERT_TRUE(svc::saveJpg(source, file("p.jpg"), 95));
  ASSERT_TRUE(saveGif(source, file("p.gif")));
  svc::SdlPictureLoader loader;
  struct Case {
    const char* name;
    int tolerance;  // per channel
  };
  for (const Case c : {Case{"p.bmp", 0}, Case{"p.gif", 0}, Case{"p.jpg", 12}}) {
    svc::ImagePtr img = loader.load(file(c.name));
    ASSERT_EQ(img->width, 16) << c.name;
    ASSERT_EQ(img->height, 8) << c.name;
    for (auto [x, y] : {std::pair{4, 4}, std::pair{12, 4}, std::pair{15, 7}}) {
      const svc::Colour got = img->at(x, y), want = source.at(x, y);
      EXPECT_LE(std::abs(int(svc::red(got)) - int(svc::red(want))), c.tolerance) << c.name;
      EXPECT_LE(std::abs(int(svc::green(got)) - int(svc::green(want))), c.tolerance) << c.name;
      EXPECT_LE(std::abs(int(svc::blue(got)) - int(svc::blue(want))), c.tolerance) << c.name;
      EXPECT_EQ(got >> 24, 0u) << c.name;
    }
  }
  EXPECT_EQ(loader.load(file("p.bmp"))->at(0, 0), svc::kMagenta);
}

TEST_F(SdlServices, MissingOrBrokenPicturesNameTheFile) {
  std::ofstream(file("broken.bmp")) << "not a picture";
  svc::SdlPictureLoader loader;
  for (const std::string& path : {file("missing.bmp"), file("broken.bmp")}) {
    try {
      loader.load(path);
      ADD_FAILURE() << path << " loaded";
    } catch (const svc::DataFileError& e) {
      EXPECT_EQ(e.path(), path);
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    }
  }
}

// An 8-bit GIF of one frame of w × h at (left, top) on a screen of sw × sh, pixels by index:
// a regular pattern, or noise (which fills the compressor's table and makes it start over).
bool saveIndexedGif(const std::string& path, int sw, int sh, int left, int top, int w, int h,
                    bool interlaced, int colours, bool noise = false) {
  std::uint32_t state = 12345;
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (!gif) return false;
  GifColorType palette[256] = {};
  for (int i = 0; i < colours; ++i)
    palette[i] = {GifByteType(i * 37), GifByteType(255 - i * 11), GifByteType(i * 5)};
  ColorMapObject* map = GifMakeMapObject(colours, palette);
  EGifPutScreenDesc(gif, sw, sh, 8, 0, map);
  EGifPutImageDesc(gif, left, top, w, h, interlaced, nullptr);
  std::vector<GifPixelType> row(static_cast<std::size_t>(w));
  for (int y = 0; y < h; ++y) {
    // Indices up to 255 whatever the palette's size: those past its end are not in it.
    for (int x = 0; x < w; ++x) {
      state = state * 1664525u + 1013904223u;
      row[std::size_t(x)] = GifPixelType(noise ? state >> 24 : unsigned(x * 7 + y * 13) % 256);
    }
    EGifPutLine(gif, row.data(), w);
  }
  GifFreeMapObject(map);
  return EGifCloseFile(gif, &error) == GIF_OK;
}

// The quick decoders a race start relies on must give exactly the general decoder's pixels,
// and leave it every file they do not take, so errors read as they always did.
TEST_F(SdlServices, StraightDecodersGiveTheGeneralDecodersPixels) {
  svc::Image gradient(301, 203);
  for (int y = 0; y < gradient.height; ++y)
    for (int x = 0; x < gradient.width; ++x)
      gradient.at(x, y) = svc::rgb(unsigned(x) % 256, unsigned(y) % 256, unsigned(x + y) % 256);
  ASSERT_TRUE(svc::saveJpg(gradient, file("g.jpg"), 85));
  {
    // Cut off in the middle: the general decoder fills in what is missing.
    std::ifstream in(file("g.jpg"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(file("cut.jpg"), std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  }
  ASSERT_TRUE(saveIndexedGif(file("full.gif"), 64, 40, 0, 0, 64, 40, false, 256));
  ASSERT_TRUE(saveIndexedGif(file("small.gif"), 64, 40, 0, 0, 64, 40, false, 16));
  ASSERT_TRUE(saveIndexedGif(file("interlaced.gif"), 64, 40, 0, 0, 64, 40, true, 256));
  ASSERT_TRUE(saveIndexedGif(file("offset.gif"), 64, 40, 8, 4, 30, 20, false, 256));
  ASSERT_TRUE(saveIndexedGif(file("noise.gif"), 300, 200, 0, 0, 300, 200, false, 256, true));
  ASSERT_TRUE(saveIndexedGif(file("noise4.gif"), 300, 200, 0, 0, 300, 200, false, 4, true));
  struct Case {
    std::string path;
    bool straight;  // taken by the quick decoders
  };
  std::vector<Case> cases = {{file("g.jpg"), true},           {file("cut.jpg"), true},
                             {file("full.gif"), true},        {file("small.gif"), true},
                             {file("interlaced.gif"), false}, {file("offset.gif"), false},
                             {file("noise.gif"), true},       {file("noise4.gif"), true}};
  // And every picture the game ships in these formats (the track pictures above all).
  for (const auto& entry : fs::recursive_directory_iterator(DROVANTA_PROGRAM_DIR)) {
    const std::string ext = entry.path().extension().string();
    if (ext == ".jpg" || ext == ".gif") cases.push_back({entry.path().string(), true});
  }
  int shipped = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const svc::ImagePtr general = svc::decodeWithSdlImage(c.path);
    const std::shared_ptr<svc::Image> straight = svc::decodeDirect(c.path);
    ASSERT_EQ(straight != nullptr, c.straight);
    if (straight) {
      ASSERT_EQ(straight->width, general->width);
      ASSERT_EQ(straight->height, general->height);
      EXPECT_TRUE(straight->pixels == general->pixels);
    }
    svc::SdlPictureLoader loader;
    EXPECT_TRUE(loader.load(c.path)->pixels == general->pixels);
    shipped += c.path.find(DROVANTA_PROGRAM_DIR) == 0;
  }
  EXPECT_GE(shipped, 3) << "the track pictures were not found";
}

TEST_F(SdlServices, PrefetchedPicturesLoadAndFailAsAnyOther) {
  ASSERT_TRUE(saveIndexedGif(file("a.gif"), 64, 40, 0, 0, 64, 40, false, 256));
  ASSERT_TRUE(saveIndexedGif(file("b.gif"), 64, 40, 0, 0, 64, 40, true, 256));
  std::ofstream(file("broken.jpg")) << "not a picture";
  const svc::ImagePtr a = svc::decodeWithSdlImage(file("a.gif"));
  const svc::ImagePtr b = svc::decodeWithSdlImage(file("b.gif"));
  svc::SdlPictureLoader loader;
  // Twice over, and one file asked for again while queued: the worker keeps each file once.
  loader.prefetch({file("broken.jpg"), file("missing.jpg"), file("a.gif"), file("b.gif")});
  loader.prefetch({file("b.gif"), file("a.gif")});
  for (const std::string name : {"broken.jpg", "missing.jpg"}) {
    try {
      loader.load(file(name));
      ADD_FAILURE() << name << " loaded";
    } catch (const svc::DataFileError& e) {
      EXPECT_EQ(e.path(), file(name));
    }
  }
  EXPECT_TRUE(loader.load(file("b.gif"))->pixels == b->pixels);
  EXPECT_TRUE(loader.load(file("a.gif"))->pixels == a->pixels);
  // A file prefetched and never loaded holds nothing up when the loader goes.
  loader.prefetch({file("a.gif")});
}

TEST_F(SdlServices, MainWindowGoesFullScreenAndBack) {
  svc::SdlPresenter presenter;
  svc::UiContext ui;
  svc::VirtualClock clock;
  svc::BoxTextRenderer text;
  ui.clock = &clock;
  ui.text = &text;
  svc::Form form("menu", ui, svc::WindowSlot::Main);
  form.resize(640, 480);
  form.borderless = true;
  form.show();
  presenter.present(svc::WindowSlot::Main, form);
  EXPECT_GT(presenter.desktopWidth(), 0);
  EXPECT_TRUE(presenter.setFullscreen(true, 640, 480));
  EXPECT_TRUE(presenter.fullscreen());
  presenter.present(svc::WindowSlot::Main, form);
  // The dummy display has no 640 x 480 mode: the window covers its 1024 x 768 and shows the whole
  // picture in the middle, one screen pixel a picture pixel, with bars; clicks find it there.
  svc::SdlInput input(presenter);
  std::deque<svc::InputEvent> events;
  input.poll(events);
  events.clear();
  for (auto [x, y, px, py] : {std::tuple{192, 144, 0, 0}, std::tuple{831, 623, 639, 479}}) {
    input.queueWindowClick(svc::WindowSlot::Main, x, y);
    input.poll(events);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(std::make_pair(events.back().x, events.back().y), std::make_pair(px, py));
  }
  EXPECT_TRUE(presenter.setFullscreen(false, 0, 0));
  EXPECT_FALSE(presenter.fullscreen());
}

// A second of silence as a WAV file, which the music player opens like an MP3.
void writeSilence(const std::string& path) {
  testwave::write(path, 22050, std::vector<std::int16_t>(22050, 0));
}

TEST_F(SdlServices, MusicPlayersPlayPauseAndHandOver) {
  writeSilence(file("a.wav"));
  svc::SdlAudio audio(sdl_->audioAvailable());
  auto menu = audio.newPlayer();
  auto race = audio.newPlayer();
  menu->play();  // no file yet: stays silent
  EXPECT_FALSE(menu->playing());
  menu->setFileName(file("a.wav"));
  menu->play();
  menu->setVolume(-1400);
  EXPECT_TRUE(menu->playing());
  EXPECT_EQ(menu->volume(), -1400);
  menu->pause();
  EXPECT_FALSE(menu->playing());
  menu->play();
  EXPECT_TRUE(menu->playing());
  race->setFileName(file("a.wav"));
  race->play();
  menu->stop();  // the menu closing after the race music started leaves the race music alone
  EXPECT_TRUE(race->playing());
  EXPECT_THROW(race->setFileName(file("missing.mp3")), svc::DataFileError);
}

// Effects read their files: one second of 22050 Hz is 1000 ms; a missing or broken file is
// one line naming it, and that effect alone stays silent while the others play.
TEST_F(SdlServices, EffectsLoadAndABadFileCostsOnlyItself) {
  writeSilence(file("good.wav"));
  std::ofstream(file("broken.wav")) << "RIFF nonsense";
  svc::SdlAudio audio(sdl_->audioAvailable());
  svc::SdlSoundEffects effects(audio.mixer);
  EXPECT_TRUE(effects.load("good", file("good.wav")));
  EXPECT_EQ(effects.lengthMs("good"), 1000);
  struct Case {
    const char* name;
    const char* file;
  };
  const Case cases[] = {{"missing", "missing.wav"}, {"broken", "broken.wav"}};
  for (const Case& c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(effects.load(c.name, file(c.file))) << c.name;
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find(file(c.file)), std::string::npos) << err;
    EXPECT_EQ(effects.lengthMs(c.name), 0);
    effects.play(c.name, 1, 0);  // silence, never a crash
  }
  effects.play("good", 0.5, -1);
  effects.voice(0, "good", 0.5, 2.5, 0.3);
  effects.voice(0, "good", 0.5, 0.4, -0.3);  // a sudden change of pitch glides
  effects.pauseVoices(true);
  effects.pauseVoices(false);
  effects.stopAll();
}

// A window made larger shows the picture scaled with its shape kept, and a click where a pixel
// is drawn reaches the game at that pixel. Sharp: whole steps of 1, 2 and 3, the largest that
// fits centred in a window between steps or of another shape, and smooth below the picture's
// size; smooth: filled to the window's nearer sides.
TEST_F(SdlServices, ClicksInAScaledWindowLandWhereThePictureIsDrawn) {
  svc::SdlPresenter presenter;
  svc::SdlInput input(presenter);
  svc::UiContext ui;
  svc::Form form("menu", ui, svc::WindowSlot::Main);
  form.resize(640, 480);
  presenter.present(svc::WindowSlot::Main, form);
  struct Case {
    bool smooth;
    int width, height;  // the window
    int left, top;      // where the picture starts in it
    double step;        // window pixels a picture pixel
  };
  // clang-format off
  const Case cases[] = {
      {false, 640, 480, 0, 0, 1},       {false, 1280, 960, 0, 0, 2},  {false, 1920, 1440, 0, 0, 3},
      {false, 1000, 750, 180, 135, 1},  {false, 1600, 900, 480, 210, 1},
      {false, 2000, 1000, 360, 20, 2},  {false, 320, 240, 0, 0, 0.5},
      {false, 500, 500, 0, 62, 0.78125},
      {true, 1000, 750, 0, 0, 1.5625},  {true, 1600, 900, 200, 0, 1.875},
  };
  // clang-format on
  for (const Case& c : cases) {
    const std::string name = std::to_string(c.width) + " x " + std::to_string(c.height) +
                             (c.smooth ? " smooth" : " sharp");
    presenter.setWindowScale(1, c.smooth);
    presenter.setWindowSize(svc::WindowSlot::Main, c.width, c.height);
    std::deque<svc::InputEvent> events;
    input.poll(events);  // the window's own events
    events.clear();
    // The drawn centres of the picture pixels (100, 50) and (639, 479).
    for (auto [px, py] : {std::pair{100, 50}, std::pair{639, 479}}) {
      input.queueWindowClick(svc::WindowSlot::Main, int(c.left + (px + 0.5) * c.step),
                             int(c.top + (py + 0.5) * c.step));
      input.poll(events);
      ASSERT_FALSE(events.empty()) << name;
      // Below the picture's size a window pixel shows two picture pixels; either is right.
      const int slack = c.step < 1 ? 1 : 0;
      EXPECT_LE(std::abs(events.back().x - px), slack) << name;
      EXPECT_LE(std::abs(events.back().y - py), slack) << name;
    }
  }
}

// The window shows the game's colours as they are, whatever layout the window system keeps its
// pixels in, and an odd width leaves no pixel out.
TEST_F(SdlServices, TheWindowShowsThePictureInItsOwnColours) {
  svc::SdlPresenter presenter;
  svc::UiContext ui;
  svc::Form form("menu", ui, svc::WindowSlot::Main);
  form.resize(7, 3);
  const svc::Colour colours[] = {svc::rgb(255, 0, 0), svc::rgb(0, 255, 0), svc::rgb(0, 0, 255),
                                 svc::rgb(12, 34, 56), svc::rgb(250, 128, 3)};
  svc::PictureBox& box = form.addPicture("p", 0, 0, 7, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 7; ++x) box.surface().setPixel(x, y, colours[(x + y) % 5]);
  // Something drawn over the box, and over the window's corner.
  const svc::Colour patch = svc::rgb(77, 66, 55);
  form.addPicture("over", 5, 2, 4, 4, &box).surface().fill(patch);
  auto colour = [&](int x, int y) { return x >= 5 && y >= 2 ? patch : colours[(x + y) % 5]; };
  presenter.present(svc::WindowSlot::Main, form);
  // At its own size the picture goes straight into the window; scaled, through the renderer. A
  // window that changes between the two wants the picture again, and shows it once it has it.
  int previous = 1;
  for (const int step : {1, 2, 3, 1}) {
    SCOPED_TRACE(step);
    if (step != previous) {
      presenter.setWindowSize(svc::WindowSlot::Main, 7 * step, 3 * step);
      if (presenter.wantsPicture(svc::WindowSlot::Main))
        presenter.present(svc::WindowSlot::Main, form);
    }
    previous = step;
    EXPECT_FALSE(presenter.wantsPicture(svc::WindowSlot::Main));
    svc::Image shown;
    ASSERT_TRUE(presenter.windowPixels(svc::WindowSlot::Main, &shown));
    ASSERT_EQ(std::make_pair(shown.width, shown.height), std::make_pair(7 * step, 3 * step));
    for (int y = 0; y < shown.height; ++y)
      for (int x = 0; x < shown.width; ++x)
        EXPECT_EQ(shown.at(x, y) & 0xFFFFFFu, colour(x / step, y / step)) << x << "," << y;
  }
}

// The main window stays where the player puts it, whatever the game draws; it comes back there
// after full screen and opens there in the next run. The game moving its window still moves it.
TEST_F(SdlServices, TheMainWindowStaysWhereThePlayerPutsItAndOpensThereNextRun) {
  svc::UiContext ui;
  svc::Form form("menu", ui, svc::WindowSlot::Main);
  form.resize(640, 480);
  auto rectOf = [](const svc::SdlPresenter& p) {
    svc::WindowRect r{-1, -1, -1, -1};
    EXPECT_TRUE(p.mainWindowRect(&r));
    return std::make_tuple(r.x, r.y, r.width, r.height);
  };
  svc::WindowRect kept{};
  {
    svc::SdlPresenter presenter;
    presenter.present(svc::WindowSlot::Main, form);
    presenter.setWindowPosition(svc::WindowSlot::Main, 200, 150);
    presenter.setWindowSize(svc::WindowSlot::Main, 1000, 750);
    form.changed();
    presenter.present(svc::WindowSlot::Main, form);
    EXPECT_EQ(rectOf(presenter), std::make_tuple(200, 150, 1000, 750));
    ASSERT_TRUE(presenter.setFullscreen(true, 640, 480));
    EXPECT_EQ(rectOf(presenter), std::make_tuple(200, 150, 1000, 750)) << "while full screen";
    ASSERT_TRUE(presenter.setFullscreen(false, 0, 0));
    presenter.present(svc::WindowSlot::Main, form);
    EXPECT_EQ(rectOf(presenter), std::make_tuple(200, 150, 1000, 750)) << "after full screen";
    presenter.mainWindowRect(&kept);
    form.move(10, 20);
    presenter.present(svc::WindowSlot::Main, form);
    EXPECT_EQ(rectOf(presenter), std::make_tuple(10, 20, 1000, 750)) << "moved by the game";
    form.move(0, 0);
  }
  struct Case {
    svc::WindowRect opening;
    std::tuple<int, int, int, int> opened;
  };
  const Case cases[] = {
      {kept, {200, 150, 1000, 750}},
      {{5000, 4000, 800, 600}, {0, 0, 800, 600}},  // off every display: the form's place
  };
  for (const Case& c : cases) {
    svc::SdlPresenter presenter;
    presenter.openMainWindowAt(c.opening);
    presenter.present(svc::WindowSlot::Main, form);
    EXPECT_EQ(rectOf(presenter), c.opened) << c.opening.x;
  }
}

// A controller plugged in while the game waits is opened; its buttons and axes arrive as the game's
// controller input; pulled out, it lets go of everything.
TEST_F(SdlServices, AControllerPluggedInPlaysAndPulledOutLetsGo) {
  svc::SdlPresenter presenter;
  svc::SdlInput input(presenter);
  input.waitForInput(0, true);  // the first wait starts listening
  svc::VirtualController pad;
  std::deque<svc::InputEvent> events;
  input.poll(events);  // the controller is announced and opened
  ASSERT_TRUE(pad.opened()) << "the game did not open the controller";
  events.clear();
  pad.setButton(svc::Pad::Start, true);
  pad.setAxis(svc::PadAxis::LeftX, -20000);
  input.poll(events);
  using T = svc::InputEvent::Type;
  auto has = [&events](T type, int pad, int value) {
    return std::any_of(events.begin(), events.end(), [&](const svc::InputEvent& e) {
      return e.type == type && e.pad == pad && (type != T::PadAxis || e.value == value);
    });
  };
  EXPECT_TRUE(has(T::PadDown, int(svc::Pad::Start), 0));
  EXPECT_TRUE(has(T::PadAxis, int(svc::PadAxis::LeftX), -20000));
  events.clear();
  pad.unplug();
  input.poll(events);
  EXPECT_TRUE(has(T::PadUp, int(svc::Pad::Start), 0));
  EXPECT_TRUE(has(T::PadAxis, int(svc::PadAxis::LeftX), 0));
}

TEST(WindowScale, TheLargestWholeStepThatFitsFourFifthsOfTheDesktop) {
  const std::tuple<int, int, int> cases[] = {{1024, 768, 1},  {1920, 1080, 1}, {2560, 1440, 2},
                                             {3840, 2160, 3}, {800, 600, 1},   {0, 0, 1}};
  for (const auto& [w, h, scale] : cases)
    EXPECT_EQ(svc::autoWindowScale(w, h, 640, 480), scale) << w << " x " << h;
}

TEST(Volume, HundredthsOfADecibelBecomeAGain) {
  const std::pair<int, double> cases[] = {{0, 1.0},     {-200, 0.7943}, {-1400, 0.1995},
                                          {-2000, 0.1}, {-4000, 0.01},  {300, 1.0}};
  for (auto [v, gain] : cases) EXPECT_NEAR(svc::volumeGain(v), gain, 1e-4) << v;
}

// A game nobody can see: SDL's invisible drivers stand for "no display" unless asked for by name.
TEST(NoDisplay, SaidOnlyWhenSdlFellBackOnAnInvisibleDriver) {
  struct Case {
    const char* driver;
    bool requested;
    const char *display, *wayland;
    const char* message;  // "" when the game can be seen
  };
  const Case cases[] = {
      {"x11", false, ":0", nullptr, ""},
      {"wayland", false, nullptr, "wayland-0", ""},
      {"dummy", true, nullptr, nullptr, ""},
      {"offscreen", true, nullptr, nullptr, ""},
      {"offscreen", false, nullptr, "",
       "no display found (DISPLAY is not set, WAYLAND_DISPLAY is not set)"},
      {"offscreen", false, ":7", nullptr,
       "no display found (DISPLAY=:7, WAYLAND_DISPLAY is not set)"},
      {"dummy", false, nullptr, "wayland-1",
       "no display found (DISPLAY is not set, WAYLAND_DISPLAY=wayland-1)"},
  };
  for (const Case& c : cases) {
    const std::string m = svc::noDisplayMessage(c.driver, c.requested, c.display, c.wayland);
    EXPECT_EQ(m.substr(0, std::string(c.message).size()), c.message) << c.driver;
    EXPECT_EQ(m.empty(), *c.message == 0) << c.driver;
  }
}

}  // namespace
