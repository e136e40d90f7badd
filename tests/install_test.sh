#!/bin/sh
# Installs into a scratch prefix holding a blank, checks the menu entry, starts the installed
# program through its launcher (offscreen), ends it with SIGTERM and checks that it kept its
# settings in its own folder. The build's own install manifest is left alone.
set -eu
build="$1"
prefix=$(mktemp -d "${TMPDIR:-/tmp}/glosandas prefix.XXXXXX")
pid=""
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$prefix" "$build/install_manifest_Unspecified.txt"' EXIT
trap 'exit 1' INT TERM HUP
cmake --install "$build" --prefix "$prefix" --component Unspecified >/dev/null

desktop="$prefix/share/applications/glosandas.desktop"
desktop-file-validate "$desktop"
grep -qxF "Exec=\"$prefix/bin/glosandas\" %F" "$desktop"
grep -q '^MimeType=.*application/x-kvtml;' "$desktop"
[ -f "$prefix/share/mime/packages/glosandas.xml" ]
grep -qx "Categories=Education;Languages;" "$desktop"
[ -f "$prefix/share/icons/hicolor/scalable/apps/glosandas.svg" ]
[ -f "$prefix/lib/glosandas/relieve.txt" ]

QT_QPA_PLATFORM=offscreen "$prefix/bin/glosandas" &
pid=$!
# Ready once it catches SIGTERM (bit 15 of the caught-signals mask); at most 30 s.
for i in $(seq 3000); do
  mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  [ $(( 0x$mask & 0x4000 )) -ne 0 ] && break
  sleep 0.01
done
kill -TERM "$pid"
for i in $(seq 3000); do kill -0 "$pid" 2>/dev/null || break; sleep 0.01; done
wait "$pid"
pid=""
ini="$prefix/lib/glosandas/glosandas.ini"
[ -f "$ini" ] || { echo "no settings written to $ini"; exit 1; }
head -c 1 "$ini" | grep -q 4
echo "installed program started and closed; settings kept in $ini"
