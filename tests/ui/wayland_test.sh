#!/bin/sh
# The window natively under a headless Wayland compositor (weston): maximised, the first screen
# placed for the height granted, clicks that join, modal boxes (the window tests, run there),
# and the real program saving its settings on SIGTERM. Skips only on a developer's machine
# without weston; under CI (CI=true) that fails.
set -u
. "$(dirname "$0")/../lib.sh"
build="$1"
if ! command -v weston >/dev/null 2>&1 ||
   ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
  [ "${CI:-}" = true ] && { echo "weston or qt6-wayland missing under CI"; exit 1; }
  echo "skipped: weston or qt6-wayland is not installed (./scripts/test installs them)"; exit 77
fi
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
folder=$(mktemp -d)
compositor=""; pid=""
trap 'set +e; [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; [ -n "$compositor" ] && kill "$compositor" 2>/dev/null
      wait 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR" "$folder"' EXIT
trap 'exit 1' INT TERM HUP
export XDG_RUNTIME_DIR WAYLAND_DISPLAY=glosandas-test QT_QPA_PLATFORM=wayland
# A headless compositor has no keyboard; the toolkit's Wayland text input needs one.
export QT_IM_MODULE=compose LC_ALL=C
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1280 --height=800 \
  --idle-time=0 >"$folder/weston.log" 2>&1 &
compositor=$!
for i in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || { cat "$folder/weston.log"; exit 1; }

# A protocol error ends the test's process, maybe after its last test passed: its status counts.
status=0
timeout 120 "$build/tests/window_test" AScreenOnAnyDisplay >"$folder/window.log" 2>&1 || status=$?
grep -v propagateSizeHints "$folder/window.log" | grep -E '^(PASS|FAIL|Totals)|error'
[ "$status" -eq 0 ] && grep -q '^Totals: .* 0 failed' "$folder/window.log" ||
  { echo "window tests under Wayland: exit status $status"; exit 1; }

# SIGTERM once the compositor has shown the window: it then tells the window the output it is on.
cp "$build/glosandas" "$build/relieve.txt" "$folder/"
READY='grep -q "wl_surface@[0-9]*\.enter(wl_output@" "$folder/program.log"' \
  start_and_end env WAYLAND_DEBUG=client XDG_CONFIG_HOME="$folder/c" XDG_DATA_HOME="$folder/d" \
  XDG_DATA_DIRS="$folder/s" "$folder/glosandas" 2>"$folder/program.log" || exit 1
head -c 1 "$folder/glosandas.ini" | grep -q 4 || { echo "no settings saved under Wayland"; exit 1; }
echo "under Wayland: window tests passed, SIGTERM saved the settings"
