#!/usr/bin/env bash
# Processor use and peak memory of a race in real time on an X display: the driver runs the real
# game on the real clock with its windows on an Xvfb display (sound through SDL's dummy audio),
# the autopilot driving, and reads its own processor time over SECONDS of the race.
# Usage: bench/race_cpu.sh [BUILD_DIR] [TRACK] [SECONDS]   (TRACK: Vesnice or Město)
set -euo pipefail
build=${1:-build}
track=${2:-Vesnice}
seconds=${3:-20}
work=$(mktemp -d)
display=":$((500 + RANDOM % 400))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
cat >"$work/race.drv" <<SCRIPT
realtime
setting jazyk cz
${DROVANTA_EXTRA:-}
start
select typ Závody
select auto Viper GTS
select barva Červená
select trasa $track
select Obtiznost Lehká
race
autopilot on
wait 4000
dump @from
wait $((seconds * 1000))
dump @to
quit
SCRIPT
DISPLAY="$display" SDL_AUDIODRIVER=dummy DROVANTA_DRIVER_VIDEO=real ${DROVANTA_WRAP:-} \
  "$build/drovanta-driver" "$work/race.drv" >"$work/out.json"
python3 - "$work/out.json" <<'PY'
import json, sys
dumps = {d.get("label"): d for d in map(json.loads, filter(lambda l: l.startswith("{"), open(sys.argv[1])))}
a, b = dumps["from"], dumps["to"]
frames = b["race"]["TotalFrames"] - a["race"]["TotalFrames"]
ms = b["ticks"] - a["ticks"]
print(f"processor {100.0 * (b['cpuMs'] - a['cpuMs']) / ms:.2f} % of a core over {ms / 1000:.1f} s, "
      f"{1000.0 * frames / ms:.1f} frames a second, peak resident {b['peakResidentKb'] / 1024:.1f} MB")
PY
