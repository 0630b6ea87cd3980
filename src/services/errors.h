// Errors that end the program with a message, and the unwinding requests of a program's end.
#pragma once
#include <stdexcept>
#include <string>

namespace svc {

// A data file the game needs is missing or cannot be read.
class DataFileError : public std::runtime_error {
 public:
  DataFileError(const std::string& path, const std::string& why)
      : std::runtime_error("Cannot read the data file " + path + ": " + why), path_(path) {}
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Thrown to leave every loop of the game at once; caught where the program was started.
// relaunch: a fresh copy of the program shall start after this one has ended.
struct ProgramEnd {
  bool relaunch = false;
};

}  // namespace svc
