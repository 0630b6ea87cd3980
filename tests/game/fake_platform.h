// In-memory services for running the game in a test: a virtual clock, scripted input, no
// screen, no sound, pictures from a table.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "program/program.h"
#include "services/errors.h"
#include "services/platform.h"

namespace testing_support {

// Input that calls a hook at every poll, so a test can act at chosen points of the game.
class HookInput : public svc::InputSource {
 public:
  explicit HookInput(svc::VirtualClock& clock) : clock_(clock) {}
  std::function<void(std::deque<svc::InputEvent>&)> onPoll;
  void poll(std::deque<svc::InputEvent>& out) override {
    ++polls;
    if (onPoll) onPoll(out);
  }
  void waitForInput(std::uint32_t until, bool hasDeadline) override {
    clock_.waitUntil(hasDeadline ? until : clock_.ticks() + 100);
  }
  int polls = 0;

 private:
  svc::VirtualClock& clock_;
};

// Pictures from a table; a file not in it is a small grey picture, or missing when strict.
class TablePictures : public svc::PictureLoader {
 public:
  std::map<std::string, svc::ImagePtr> files;
  bool strict = false;
  svc::ImagePtr load(const std::string& path) override {
    auto it = files.find(path);
    if (it != files.end()) return it->second;
    if (strict) throw svc::DataFileError(path, "file not found");
    return std::make_shared<svc::Image>(8, 8, svc::rgb(128, 128, 128));
  }
};

// A whole program on in-memory services, its folder a fresh temporary directory.
struct FakeGame {
  explicit FakeGame(std::uint32_t startTick = 0);
  ~FakeGame();
  svc::VirtualClock clock;
  HookInput input{clock};
  svc::NullPresenter presenter;
  svc::NullAudio audio;
  TablePictures pictures;
  svc::BoxTextRenderer text;
  std::string folder;
  std::unique_ptr<game::Program> program;

  svc::Services services();
  // Makes the program and starts it (start-up window, then the menu).
  game::Program& start();
  // Fills the menu's selection record for a race: game type, car, colour and difficulty.
  void choose(const std::string& typ, const std::string& car = "Porsche",
              const std::string& colour = "Modrá", const std::string& difficulty = "Lehká");
  // Starts a race on the given track from the menu; returns how the program ended.
  svc::ProgramEnd race(const std::string& trasa);
};

// The whole content of a file ("" when it cannot be read).
std::string readFile(const std::string& path);

}  // namespace testing_support
