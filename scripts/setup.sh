#!/bin/sh
# Installs whatever Debian packages are missing, then configures and builds.
# Safe to run again: it only installs what is absent and builds incrementally.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake args...]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-"$ROOT/build"}
[ $# -gt 0 ] && shift

PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-wqy-microhei xvfb xauth x11-utils
xdotool imagemagick lua5.4 python3 libqt6svg6 qt6-qpa-plugins"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    echo "正在安装缺少的软件包:$missing"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
fi

if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja "$@"
fi
cmake --build "$BUILD" -j"$(nproc)"
