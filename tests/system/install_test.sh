#!/usr/bin/env bash
# The game installed the usual way: `cmake --install` into a prefix puts every file where desktops
# look for it; the installed game, its program folder read-only, keeps the player's files in the
# player's data folder (seeded from its own Data/ once) and finds them again at the next start;
# and `cpack -G DEB` makes a package holding the same files.
# Usage: install_test.sh BUILD_DIR
set -u
build="$1"
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { fail "cmake --install"; cat "$work/install.log"; }

id=cz.drovanta.Drovanta
expected=(
  bin/drovanta
  share/drovanta/Drovanta
  share/drovanta/libpathkin.so
  share/drovanta/Data/snow.ini
  share/drovanta/fonts/DejaVuSans.ttf
  share/drovanta/music/menu.mp3
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
)
for size in 16 24 32 48 64 128 256 512; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
[ -x "$prefix/bin/drovanta" ] || fail "the launcher cannot be run"
[ -w "$prefix/share/drovanta/Data/snow.ini" ] && [ "$(id -u)" -ne 0 ] && fail "the delivered settings are writable"
stat -c %A "$prefix/share/drovanta/Data" | grep -q '^d.-' || fail "the installed Data/ lets its owner write"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
    { fail "AppStream metadata"; cat "$work/as.log"; }
fi

# Starts the installed game through its launcher, lets it show its menu, and ends it as a window
# manager would (a terminate signal saves the settings).
run_installed() {
  env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/xdg" HOME="$work/home" \
    "$prefix/bin/drovanta" >>"$work/run.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  sleep 2
  kill -0 "$pid" 2>/dev/null || { fail "the installed game did not stay up"; cat "$work/run.log"; return; }
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null
}

mkdir -p "$work/home"
(cd "$prefix/share/drovanta" && find . -type f | sort | xargs sha1sum) >"$work/program.before"
run_installed
player="$work/xdg/drovanta/Data"
[ -f "$player/snow.ini" ] || fail "no settings in the player's data folder"
grep -q '^unlockmody=' "$player/snow.ini" 2>/dev/null || fail "the player's settings were not seeded"
[ -f "$player/options.ini" ] || fail "no options in the player's data folder"
# What the player changes survives the next start, and the delivered file is not copied again.
sed -i 's/^hrac=.*/hrac=Jana/' "$player/snow.ini"
run_installed
grep -q '^hrac=Jana$' "$player/snow.ini" || fail "the player's settings did not survive a new start"
(cd "$prefix/share/drovanta" && find . -type f | sort | xargs sha1sum) >"$work/program.after"
cmp -s "$work/program.before" "$work/program.after" || fail "the installed program folder changed"

# The Debian package holds the same files under /usr.
if command -v dpkg-deb >/dev/null; then
  (cd "$work" && cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1) ||
    { fail "cpack"; tail -20 "$work/cpack.log"; }
  deb=$(ls "$work"/package/drovanta_*.deb 2>/dev/null | head -1)
  if [ -n "$deb" ]; then
    dpkg-deb -c "$deb" >"$work/deb.list"
    for f in "${expected[@]}"; do
      grep -q "\./usr/$f\$" "$work/deb.list" || fail "not in the package: /usr/$f"
    done
  else
    fail "no package built"
  fi
fi

[ "$failures" -eq 0 ] && echo "install checks passed"
[ "$failures" -eq 0 ]
