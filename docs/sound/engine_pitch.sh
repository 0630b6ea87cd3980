#!/usr/bin/env bash
# The engine's pitch against the car's revs over the first lap of an autopilot Village race, as
# docs/sound/engine_pitch.png shows it. Run from the repository's root after a build.
set -eu
script=$(mktemp)
{
  printf 'setting zkuky 0\nstart\nselect typ Závody\nselect auto Porsche\nselect trasa Vesnice\nrace\nautopilot on\nwait 4000\n'
  for _ in $(seq 1 900); do printf 'frames 3\ndump\n'; done
} >"$script"
build/drovanta-driver "$script" | python3 -c '
import json, sys
print("seconds,Rpm,engine pitch")
for line in sys.stdin:
    d = json.loads(line)
    print("%.3f,%.3f,%.4f" % (d["ticks"] / 1000, d["race"]["Rpm"], d["sounds"]["enginePitch"]))
' >docs/sound/engine_pitch.csv
rm -f "$script"
build/tools/artgen/artgen --plot-csv docs/sound/engine_pitch.csv docs/sound/engine_pitch.png \
  "Engine pitch (1 = 3000 rpm) and Rpm over a Village lap"
