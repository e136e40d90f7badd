#!/bin/sh
# Builds the Debian package, fails on any lintian error, checks what it holds, then runs the
# packaged program from an extracted tree with a home of its own: the settings must land in that
# home's ~/.config/glosandas and a list put in its ~/.local/share/glosandas must be offered.
set -eu
. "$(dirname "$0")/lib.sh"
cd "$1"
scratch=$(mktemp -d)
pid=""
trap 'set +e; [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
trap 'exit 1' INT TERM HUP
cmake --preset package >/dev/null
cmake --build --preset package >/dev/null
rm -f build/package/glosandas_*.deb
(cd build/package && cpack -G DEB >/dev/null)
deb=$(ls build/package/glosandas_*_*.deb)

lintian --allow-root "$deb" >"$scratch/lintian" 2>&1 || true
cat "$scratch/lintian"
! grep -q '^E:' "$scratch/lintian"

dpkg-deb -c "$deb" | awk '{print $6}' >"$scratch/contents"
for path in ./usr/lib/glosandas/glosandas ./usr/bin/glosandas ./usr/share/glosandas/relieve.txt \
    ./usr/share/applications/glosandas.desktop ./usr/share/icons/hicolor/scalable/apps/glosandas.svg \
    ./usr/share/doc/glosandas/copyright ./usr/share/mime/packages/glosandas.xml \
    ./usr/share/man/man1/glosandas.1.gz ./usr/share/metainfo/invalid.glosandas.Glosandas.metainfo.xml; do
  grep -qxF "$path" "$scratch/contents" || { echo "missing from the package: $path"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in *qt6-translations-l10n*libqt6widgets6*) ;; *) echo "Depends: $depends"; exit 1;; esac
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || { echo "qt6-wayland not recommended"; exit 1; }

dpkg-deb -x "$deb" "$scratch/root"
desktop-file-validate "$scratch/root/usr/share/applications/glosandas.desktop"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/invalid.glosandas.Glosandas.metainfo.xml"
zcat "$scratch/root/usr/share/man/man1/glosandas.1.gz" | grep -q '^\.SH SE.ALES'
home="$scratch/home"
mkdir -p "$home/.local/share/glosandas" "$scratch/shared"
printf 'P>isla\r\nD>Tierra rodeada de agua\r\nP>golfo\r\nD>Entrada grande del mar\r\n' \
  >"$home/.local/share/glosandas/propia.txt"
mkdir -p "$home/.config/glosandas"
printf '2\r\n2\r\nTrue x\r\npropia\r\n12\r\n' >"$home/.config/glosandas/glosandas.ini"
start_and_end env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" \
  XDG_DATA_DIRS="$scratch/shared" QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/glosandas"
ini="$home/.config/glosandas/glosandas.ini"
sed -n 4p "$ini" | grep -q '^propia = ' || { echo "the user's list was not restored:"; cat "$ini"; exit 1; }
[ ! -e "$scratch/root/usr/lib/glosandas/glosandas.ini" ]
echo "package $deb: no lintian error; the user's settings and list were kept in the user's home"
