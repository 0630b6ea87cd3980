#!/usr/bin/env bash
# The real executable: it starts under SDL's dummy video driver and under an X display (Xvfb
# when there is one), idles without burning the processor, ends cleanly on a terminate signal,
# a missing data file ends it with a message naming the file, leaving the settings alone, and a
# start without a display ends at once with a message saying so.
# Usage: startup_test.sh PROGRAM_FOLDER
set -u
built="$1"
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A private copy of the program folder.
copy() {
  mkdir -p "$1"
  cp -r "$built"/. "$1"/
}

# CPU time (clock ticks) used so far by a process.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Starts the game, lets it settle, and measures its processor use: the least of three windows of
# three seconds, since other work on a busy machine only ever adds to what a process uses (a game
# that spins reads near 100 % in every window).
idle_check() {
  local label=$1 dir=$2
  shift 2
  env "$@" "$dir/Drovanta" >"$work/$label.out" 2>&1 &
  local pid=$!
  pids+=("$pid")
  sleep 2
  if ! kill -0 "$pid" 2>/dev/null; then
    fail "$label: the game did not stay up"; cat "$work/$label.out"; return
  fi
  local before after hz=$(getconf CLK_TCK) percent=100 window
  for window in 1 2 3; do
    before=$(cpu_ticks "$pid")
    sleep 3
    after=$(cpu_ticks "$pid")
    local used=$(( (after - before) * 100 / (3 * hz) ))
    [ "$used" -lt "$percent" ] && percent=$used
  done
  echo "$label: idle processor use ${percent}% of a core"
  [ "$percent" -lt 5 ] || fail "$label: idle use ${percent}% (limit 5%)"
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null
  local status=$?
  [ "$status" -eq 0 ] || fail "$label: exit status $status after a terminate signal"
}

copy "$work/dummy"
idle_check dummy "$work/dummy" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

if command -v Xvfb >/dev/null; then
  display=":$((100 + RANDOM % 400))"
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=("$!")
  sleep 1
  copy "$work/x11"
  # The X and D-Bus client libraries keep a few allocations to the end of the process; in a
  # sanitizer build that is not ours to report here (every other run checks for leaks).
  idle_check x11 "$work/x11" DISPLAY="$display" SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0
else
  echo "Xvfb not installed: the X display check is skipped"
fi

# A missing data file: a clear message naming it, a non-zero status, the settings untouched.
copy "$work/broken"
rm "$work/broken/fonts/DejaVuSans.ttf"
cp "$work/broken/Data/snow.ini" "$work/settings.before"
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 20 "$work/broken/Drovanta" >"$work/broken.out" 2>&1
status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "missing file: exit status $status"
grep -q "fonts/DejaVuSans.ttf" "$work/broken.out" || { fail "missing file: not named"; cat "$work/broken.out"; }
cmp -s "$work/settings.before" "$work/broken/Data/snow.ini" || fail "missing file: settings file changed"

# No display at all (a terminal over ssh): a message naming what was looked at and a non-zero
# status, at once, instead of a game nobody can see.
copy "$work/nodisplay"
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
  timeout 20 "$work/nodisplay/Drovanta" >"$work/nodisplay.out" 2>&1
status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "no display: exit status $status"
grep -q "no display found (DISPLAY is not set, WAYLAND_DISPLAY is not set)" "$work/nodisplay.out" ||
  { fail "no display: no message naming DISPLAY and WAYLAND_DISPLAY"; cat "$work/nodisplay.out"; }

if [ "$failures" -eq 0 ]; then echo "startup checks passed"; fi
[ "$failures" -eq 0 ]
