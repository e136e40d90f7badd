# For the test scripts: starts a program in the background, ends it with SIGTERM once it catches
# that signal (and, with READY set, once the command READY holds succeeds: the caller's sign that
# the program is up) and waits for it, never more than 30 s for either (then SIGKILL); fails
# unless it exits normally.
# The caller's EXIT trap kills "$pid" if it is still set.
start_and_end() {
  "$@" &
  pid=$!
  up=""
  shell=$(readlink /proc/$$/exe)
  read -r now _ </proc/uptime
  end=$(( ${now%.*} + 30 ))  # by the clock: each look below takes a few processes
  while [ "${now%.*}" -lt "$end" ]; do
    # Until it runs the program, the child is this shell, which catches SIGTERM for its trap.
    mask=0
    [ "$(readlink "/proc/$pid/exe")" = "$shell" ] ||
      mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    if [ $(( 0x$mask & 0x4000 )) -ne 0 ] && { [ -z "${READY:-}" ] || eval "$READY"; }; then
      up=1; break
    fi
    sleep 0.01
    read -r now _ </proc/uptime
  done
  if [ -z "$up" ]; then
    echo "not ready within 30 s"; kill -KILL "$pid" 2>/dev/null; wait "$pid"
    pid=""; return 1
  fi
  kill -TERM "$pid"
  for i in $(seq 3000); do kill -0 "$pid" 2>/dev/null || break; sleep 0.01; done
  if kill -0 "$pid" 2>/dev/null; then
    echo "still running 30 s after SIGTERM"; kill -KILL "$pid"; wait "$pid"; pid=""; return 1
  fi
  wait "$pid" || return 1
  pid=""
}
