#!/usr/bin/env bash
# The shape of the code: only the services folder talks to SDL; each part of the game uses only
# the services and the parts listed before it (services, startup, menu, race, view, rules,
# extras); game
# code reads time only through the clock service.
# Usage: layering_test.sh SOURCE_DIR
set -u
cd "$1" || exit 1
failures=0
report() { echo "FAIL: $1"; echo "$2" | sed 's/^/    /'; failures=$((failures + 1)); }

hits=$(grep -rnE '#\s*include\s*[<"]SDL' src tools tests --include='*.cpp' --include='*.h' | grep -v '^src/services/')
[ -z "$hits" ] || report "SDL headers outside src/services" "$hits"

order=(startup menu race view rules extras)
for i in "${!order[@]}"; do
  part=${order[$i]}
  [ -d "src/$part" ] || continue
  later=("${order[@]:$((i + 1))}" program)
  pattern=$(IFS='|'; echo "${later[*]}")
  hits=$(grep -rnE "#\s*include\s*\"($pattern)/" "src/$part")
  [ -z "$hits" ] || report "src/$part uses a part that builds on it" "$hits"
done
hits=$(grep -rnE '#\s*include\s*"(startup|menu|race|view|rules|extras|program)/' src/services)
[ -z "$hits" ] || report "src/services knows the game" "$hits"

hits=$(grep -rnE 'SDL_GetTicks|SDL_Delay|std::chrono|\btime\(|\bsleep\(|usleep\(' \
  src/startup src/menu src/race src/view src/rules src/extras src/program 2>/dev/null)
[ -z "$hits" ] || report "game code reads time or sleeps without the clock service" "$hits"

[ "$failures" -eq 0 ] && echo "layering checks passed"
[ "$failures" -eq 0 ]
