#!/bin/sh
# The real program under a virtual X server, ended by SIGTERM, SIGINT and SIGHUP while each box it
# shows by itself is open (start-up's, the saved settings', those of files named on the command
# line), with no box, and under a file-size limit. It must end normally within 30 s; the settings
# are written once start-up is over, and never before.
set -eu
build="$1"
scratch=$(mktemp -d)
pid="" server=""
trap 'set +e; kill -KILL $pid $server 2>/dev/null; rm -rf "$scratch"' EXIT
trap 'exit 1' INT TERM HUP
# -noreset: by default the server resets whenever its last client leaves (each program run, each
# xwininfo), and a program connecting during a reset is refused ("could not connect to display").
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
server=$!
for i in $(seq 300); do [ -s "$scratch/display" ] && break; sleep 0.1; done
mkdir -m 700 "$scratch/run"
export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/run"

saved=$(printf '5\r\n6\r\nFalse x\r\ntiempo\r\n12\r\n')
list() { for k in $(seq "$1"); do printf 'P>palabra%s\r\nD>definici\363n %s\r\n' "$k" "$k"; done; }
rows() { for k in $(seq "$1"); do printf 'w%s;d\n' "$k"; done; }

# Runs one case: its name, the title of the window to wait for, whether the settings are then
# written, the command (the program, then its arguments).
run() {
  name=$1 title=$2 saves=$3
  shift 3
  for sig in TERM INT HUP; do
    printf '%s' "$saved" >"$dir/glosandas.ini"
    "$@" &
    pid=$!
    found=""
    for i in $(seq 300); do
      xwininfo -root -tree 2>/dev/null | grep -q "\"$title\": (\"glosandas\"" && { found=1; break; }
      sleep 0.1
    done
    [ -n "$found" ] || { echo "$name: no window \"$title\" within 30 s"; exit 1; }
    kill -"$sig" "$pid"
    for i in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then echo "$name, SIG$sig: still running 30 s later"; exit 1; fi
    status=0
    wait "$pid" || status=$?
    pid=""
    # Its windows gone from the server too, so that the next run waits for its own.
    for i in $(seq 300); do xwininfo -root -tree 2>/dev/null | grep -q '("glosandas"' || break; sleep 0.1; done
    [ "$status" -eq 0 ] || { echo "$name, SIG$sig: ended with status $status"; exit 1; }
    first=$(head -n 1 "$dir/glosandas.ini")
    if [ "$saves" = yes ]; then
      case "$first" in "5 = n"*) ;; *) echo "$name, SIG$sig: settings not written"; exit 1;; esac
    elif [ "$(cat "$dir/glosandas.ini")" != "$saved" ]; then
      echo "$name, SIG$sig: the settings were written before start-up was over"; exit 1
    fi
    echo "$name, SIG$sig: ended normally"
  done
}

# A program folder per case, holding `relieve` with the given number of entries (none: missing).
folder() {
  dir="$scratch/$1"
  mkdir -p "$dir/datos"
  cp "$build/glosandas" "$dir/"
  list 8 >"$dir/tiempo.txt"
  [ "$2" = none ] || list "$2" >"$dir/relieve.txt"
  export XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/datos" XDG_DATA_DIRS="$dir/nada"
}

folder sin_caja 10;      run "no box" GLOSANDAS yes "$dir/glosandas"
folder falta none;       run "relieve.txt missing" Error no "$dir/glosandas"
folder vacia 0;          printf 'nada\r\n' >"$dir/relieve.txt"
                         run "relieve.txt without entries" Error no "$dir/glosandas"
folder cuenta 3;         run "a saved count refused" Error no "$dir/glosandas"
folder abrir 10;         run "a file named that is missing" Error yes "$dir/glosandas" "$dir/falta.csv"
folder parejas 10;       printf 'una sola columna\n' >"$dir/vacia.csv"
                         run "a file named without entries" Error yes "$dir/glosandas" "$dir/vacia.csv"
folder muchas 10;        rows 150 >"$dir/muchas.csv"
                         run "a file named of 150 entries" Importar yes "$dir/glosandas" "$dir/muchas.csv"
folder guardar 10;       rows 2 >"$dir/frutas.csv"; : >"$dir/archivo"
                         XDG_DATA_HOME="$dir/archivo/datos"
                         run "a list that cannot be saved" Error yes "$dir/glosandas" "$dir/frutas.csv"
folder limite 10;        run "a file-size limit" GLOSANDAS no prlimit --fsize=16 "$dir/glosandas"
