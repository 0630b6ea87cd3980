#include "services/blend.h"

namespace svc {

void foxAlphaBlend(Surface&, int, int, int, int, const Surface&, int, int, std::uint8_t, Colour,
                   int) {}

}  // namespace svc
