#include "fake_platform.h"

#include <cstdlib>
#include <filesystem>

namespace testing_support {

FakeGame::FakeGame(std::uint32_t startTick) : clock(startTick) {
  char pattern[] = "/tmp/drovanta-test-XXXXXX";
  folder = mkdtemp(pattern);
  std::filesystem::create_directories(folder + "/Data");
}

FakeGame::~FakeGame() {
  program.reset();
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}

svc::Services FakeGame::services() {
  return {folder, &clock, &input, &presenter, &audio, &pictures, &text};
}

game::Program& FakeGame::start() {
  program = std::make_unique<game::Program>(services());
  program->start();
  return *program;
}

svc::ProgramEnd FakeGame::race(const std::string& trasa) {
  program->menu()->setSelection("trasa", trasa);
  try {
    program->menu()->startRace();
  } catch (const svc::ProgramEnd& end) {
    return end;
  }
  return {};
}

}  // namespace testing_support
