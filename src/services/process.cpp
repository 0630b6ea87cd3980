#include "services/process.h"

#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace svc {

bool changeDirectory(const std::string& folder) {
  return ::chdir(folder.c_str()) == 0;
}

bool spawnProgram(const std::string& program) {
  pid_t pid = 0;
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  return ::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) == 0;
}

}  // namespace svc
