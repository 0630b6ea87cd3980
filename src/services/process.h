// Process-level services: the current directory and starting the program again.
#pragma once
#include <string>

namespace svc {

// Makes folder the process's current directory; false when it cannot.
bool changeDirectory(const std::string& folder);

// Starts program as a new process with no arguments; false when it could not be started.
bool spawnProgram(const std::string& program);

}  // namespace svc
