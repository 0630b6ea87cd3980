#include "fake_platform.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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

void FakeGame::choose(const std::string& typ, const std::string& car, const std::string& colour,
                      const std::string& difficulty) {
  game::MenuWindow& menu = *program->menu();
  menu.setSelection("typ", typ);
  menu.setSelection("auto", car);
  menu.setSelection("barva", colour);
  menu.setSelection("Obtiznost", difficulty);
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

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace testing_support
