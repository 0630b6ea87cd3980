// Where the running executable lies: the program folder every data path starts from.
#pragma once
#include <string>

namespace svc {

// The folder of the running executable, without a trailing slash.
std::string executableFolder();

}  // namespace svc
