#!/bin/sh
# The real program under a virtual X server with a D-Bus session and the accessibility bus; a
# screen reader's library reads a box and presses it. Skips only on a developer's machine that
# lacks the tools; under CI (CI=true) their absence fails.
set -u
build="$1"
here=$(dirname "$0")
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/lib/python3/dist-packages/pyatspi; do
  [ -e "$tool" ] && continue
  command -v "$tool" >/dev/null 2>&1 && continue
  [ "${CI:-}" = true ] && { echo "missing under CI: $tool"; exit 1; }
  echo "skipped: $tool is not installed (./scripts/test installs it)"; exit 77
done
folder=$(mktemp -d)
server=""
trap 'kill -KILL $server 2>/dev/null; rm -rf "$folder"' EXIT
trap 'exit 1' INT TERM HUP
cp "$build/glosandas" "$build/relieve.txt" "$folder/"
# A display the server picks itself: xvfb-run -a can take the same one as another suite's server.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$folder/display" >/dev/null 2>&1 &
server=$!
for i in $(seq 300); do [ -s "$folder/display" ] && break; sleep 0.1; done
[ -s "$folder/display" ] || { echo "no X server in 30 s"; exit 1; }
export DISPLAY=":$(cat "$folder/display")" FOLDER="$folder" HERE="$here"
timeout 120 dbus-run-session -- sh -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$FOLDER/glosandas" 2>/dev/null & app=$!
  /usr/bin/python3 "$HERE/atspi_read.py"; status=$?
  kill -TERM $app
  for i in $(seq 300); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
  kill -0 $app 2>/dev/null && { echo "still running 30 s after SIGTERM"; kill -KILL $app; status=1; }
  kill $bus 2>/dev/null
  exit $status'
