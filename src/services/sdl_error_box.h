// The error message box shown when the game cannot start or stops on an error.
#pragma once
#include <string>

namespace svc {

// Shows an error message box where a display exists (besides the caller's stderr line).
void showErrorBox(const std::string& title, const std::string& message);

}  // namespace svc
