// SIGTERM and SIGINT for the driver: SDL turns them into quit events that a headless run never
// reads, so the driver takes them itself and ends at the next point where it looks.
#pragma once

namespace driver {

// Installs the handlers (after SDL's, which they replace). Until then a signal does its default.
void catchStopSignals();

// The signal that asked the driver to stop, or 0.
int stopSignal();

}  // namespace driver
