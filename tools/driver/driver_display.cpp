#include "driver_display.h"

#include <sstream>

namespace driver {

std::string DriverDisplay::json() const {
  std::ostringstream o;
  o << "{\"desktopWidth\":" << desktop << ",\"desktopHeight\":" << desktopTall
    << ",\"fullscreen\":" << (full ? "true" : "false") << ",\"modeWidth\":" << modeWidth
    << ",\"modeHeight\":" << modeHeight << ",\"modeChanges\":" << modeChanges << "}";
  return o.str();
}

}  // namespace driver
