#!/bin/sh
# Installs the Debian 12 packages needed to build, test, fuzz and benchmark Zandor Bingo.
# Silent and quick when everything is already there; apt-get as root, sudo otherwise.
set -eu

PACKAGES="
build-essential
cmake
ninja-build
pkg-config
clang
clang-format
libclang-rt-14-dev
libgtest-dev
libgmock-dev
libbenchmark-dev
qt6-base-dev
qt6-multimedia-dev
qt6-svg-dev
qt6-gtk-platformtheme
libsndfile1-dev
qt6-qpa-plugins
fonts-dejavu-core
xvfb
xauth
xdotool
openbox
wmctrl
x11-utils
imagemagick
pulseaudio
pulseaudio-utils
cups
printer-driver-cups-pdf
poppler-utils
bc
python3
dbus
dbus-x11
at-spi2-core
python3-pyatspi
gir1.2-atspi-2.0
lintian
desktop-file-utils
appstream
dpkg-dev
fakeroot
file
man-db
sox
valgrind
git
weston
qt6-wayland
orca
speech-dispatcher
"

missing=""
for pkg in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
    "install ok installed") ;;
    *) missing="$missing $pkg" ;;
    esac
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "install-deps: missing packages:$missing (run as root or install sudo)" >&2
    exit 1
fi

echo "install-deps: installing$missing"
export DEBIAN_FRONTEND=noninteractive
APT="apt-get -o DPkg::Lock::Timeout=600 -q -y"
$SUDO env DEBIAN_FRONTEND=noninteractive $APT update >/dev/null
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive $APT install --no-install-recommends $missing >/dev/null
