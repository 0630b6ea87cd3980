// A data file that cannot be read ends the program with its message; what the player changed
// or won until then is saved on the way out, once the start-up window has read the settings.
#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"
#include "services/errors.h"

namespace {

using testing_support::FakeGame;
using testing_support::readFile;

TEST(DataFileErrors, TheSettingsAreSavedBeforeTheProgramEnds) {
  FakeGame g;
  g.start();
  g.program->settings().set("unlockmody", "2");
  g.program->settings().set("hrac", "Zuzana");
  g.input.onPoll = [](std::deque<svc::InputEvent>&) {
    throw svc::DataFileError("/gfx/story/cz/win4.bmp", "file not found");
  };
  EXPECT_THROW(g.program->run(), svc::DataFileError);
  const std::string saved = readFile(g.folder + "/Data/snow.ini");
  EXPECT_NE(saved.find("unlockmody=2"), std::string::npos) << saved;
  EXPECT_NE(saved.find("hrac=Zuzana"), std::string::npos) << saved;
}

}  // namespace
