# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
set -eu
cd "$(dirname "$0")/.."

# Installs the Debian packages of the list that are not installed yet.
ensure_packages() {
  missing=""
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing="$missing $pkg"
  done
  [ -z "$missing" ] && return 0
  echo "Installing:$missing"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

BUILD_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libxml2-dev libicu-dev libsqlite3-dev libzip-dev libzstd-dev \
  fonts-dejavu-core fonts-liberation qt6-translations-l10n qt6-wayland"

build() {
  preset="$1"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
}
