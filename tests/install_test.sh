#!/bin/sh
# "install BUILD": a per-user install into a prefix holding a blank (the build's own install
# manifest left alone); "package SOURCE": the Debian package built, free of lintian errors, and
# extracted. Checks what goes where, then starts the program offscreen with a home of its own, ends
# it with SIGTERM and checks where it kept its settings: beside it for a per-user install, in the
# home for the package, which must also offer a list put in ~/.local/share/glosandas.
set -eu
. "$(dirname "$0")/lib.sh"
mode=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/glosandas prefix.XXXXXX")
manifest="$scratch"  # the build's install manifest, for an install
pid=""
trap 'set +e; [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$scratch" "$manifest"' EXIT
trap 'exit 1' INT TERM HUP
home="$scratch/home"
mkdir -p "$home" "$scratch/shared"

if [ "$mode" = install ]; then
  manifest="$2/install_manifest_Unspecified.txt"
  prefix="$scratch/prefix" launcher="$scratch/prefix/bin/glosandas" lists=lib
  cmake --install "$2" --prefix "$prefix" --component Unspecified >/dev/null
else
  cd "$2"
  cmake --preset package >/dev/null
  cmake --build --preset package >/dev/null
  rm -f build/package/glosandas_*.deb
  (cd build/package && cpack -G DEB >/dev/null)
  deb=$(ls build/package/glosandas_*_*.deb)
  lintian --allow-root "$deb" >"$scratch/lintian" 2>&1 || true
  cat "$scratch/lintian"
  ! grep -q '^E:' "$scratch/lintian"
  depends=$(dpkg-deb -f "$deb" Depends)
  case "$depends" in *qt6-translations-l10n*libqt6widgets6*) ;; *) echo "Depends: $depends"; exit 1;; esac
  [ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || { echo "qt6-wayland not recommended"; exit 1; }
  dpkg-deb -x "$deb" "$scratch/root"
  prefix="$scratch/root/usr" launcher=/usr/bin/glosandas lists=share
  [ -f "$prefix/share/doc/glosandas/copyright" ]
  mkdir -p "$home/.local/share/glosandas" "$home/.config/glosandas"
  printf 'P>isla\r\nD>Tierra rodeada de agua\r\nP>golfo\r\nD>Entrada grande del mar\r\n' \
    >"$home/.local/share/glosandas/propia.txt"
  printf '2\r\n2\r\nTrue x\r\npropia\r\n12\r\n' >"$home/.config/glosandas/glosandas.ini"
fi

for path in bin/glosandas lib/glosandas/glosandas $lists/glosandas/relieve.txt \
    share/applications/glosandas.desktop share/icons/hicolor/scalable/apps/glosandas.svg \
    share/mime/packages/glosandas.xml share/man/man1/glosandas.1.gz \
    share/metainfo/invalid.glosandas.Glosandas.metainfo.xml; do
  [ -f "$prefix/$path" ] || { echo "not installed: $path"; exit 1; }
done
desktop="$prefix/share/applications/glosandas.desktop"
desktop-file-validate "$desktop"
grep -qxF "Exec=\"$launcher\" %F" "$desktop"
grep -q '^MimeType=.*application/x-kvtml;application/x-apkg;application/x-colpkg;' "$desktop"
grep -qx "Categories=Education;Languages;" "$desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/invalid.glosandas.Glosandas.metainfo.xml"
zcat "$prefix/share/man/man1/glosandas.1.gz" | grep -q '^\.SH SE.ALES'

start_and_end env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" \
  XDG_DATA_DIRS="$scratch/shared" QT_QPA_PLATFORM=offscreen "$prefix/bin/glosandas"
if [ "$mode" = install ]; then
  ini="$prefix/lib/glosandas/glosandas.ini"
  [ -f "$ini" ] || { echo "no settings written to $ini"; exit 1; }
  head -c 1 "$ini" | grep -q 4
else
  ini="$home/.config/glosandas/glosandas.ini"
  sed -n 4p "$ini" | grep -q '^propia = ' || { echo "the user's list was not restored:"; cat "$ini"; exit 1; }
  [ ! -e "$prefix/lib/glosandas/glosandas.ini" ]
fi
echo "$mode: everything in place; the program started and closed, its settings kept in $ini"
