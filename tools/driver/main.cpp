// drovanta-driver SCRIPT: runs the game headless from a script (see docs/driver.md).
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "driver.h"
#include "services/sdl_executable_folder.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: drovanta-driver SCRIPT   (SCRIPT '-' reads standard input)\n";
    return 2;
  }
  std::vector<std::string> lines;
  std::ifstream file;
  std::istream* in = &std::cin;
  if (std::string(argv[1]) != "-") {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "drovanta-driver: cannot read " << argv[1] << "\n";
      return 2;
    }
    in = &file;
  }
  for (std::string line; std::getline(*in, line);) lines.push_back(line);
  // The built program folder lies beside the driver.
  const std::string programFolder = svc::executableFolder() + "/Drovanta";
  driver::Driver d(std::move(lines), programFolder, std::cout);
  return d.run();
}
