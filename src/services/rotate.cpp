#include "services/rotate.h"

namespace svc {

void foxRotate(Surface&, double, double, const Surface&, Colour, double, int) {}

}  // namespace svc
