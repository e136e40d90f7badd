#!/bin/sh
# Installs into a scratch prefix holding a blank, checks the menu entry, starts the installed
# program through its launcher (offscreen), ends it with SIGTERM and checks that it kept its
# settings in its own folder. The build's own install manifest is left alone.
set -eu
. "$(dirname "$0")/lib.sh"
build="$1"
prefix=$(mktemp -d "${TMPDIR:-/tmp}/glosandas prefix.XXXXXX")
pid=""
trap 'set +e; [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$prefix" "$build/install_manifest_Unspecified.txt"' EXIT
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
[ -f "$prefix/share/man/man1/glosandas.1.gz" ]

QT_QPA_PLATFORM=offscreen start_and_end "$prefix/bin/glosandas"
ini="$prefix/lib/glosandas/glosandas.ini"
[ -f "$ini" ] || { echo "no settings written to $ini"; exit 1; }
head -c 1 "$ini" | grep -q 4
echo "installed program started and closed; settings kept in $ini"
