#include "stop_signals.h"

#include <csignal>

namespace driver {

namespace {

// A signal handler can only leave a note; the driver reads it between steps of the game.
volatile std::sig_atomic_t stopRequested = 0;

extern "C" void noteStop(int signal) {
  stopRequested = signal;
}

}  // namespace

void catchStopSignals() {
  struct sigaction action {};
  action.sa_handler = noteStop;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

int stopSignal() {
  return stopRequested;
}

}  // namespace driver
