#!/bin/sh
# Installs the Debian package on this machine as a user would, starts the installed game once
# from its menu entry and removes it again:
#
#   install-check.sh build/package/zandor-bingo_2.0.0_amd64.deb
#
# 1. apt-get install ./FILE.deb (as root; through sudo otherwise);
# 2. man finds its page;
# 3. the installed menu entry's Exec line is started on a desktop session's PATH under a
#    private Xvfb (installed-run.py);
# 4. apt-get purge zandor-bingo: every file of the package is gone.
# Leaves the package purged, also when a step fails or one was installed before.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
# What a desktop session searches (Debian's /etc/profile for users): root's PATH lacks games.
SESSION_PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
APP_ID=io.github.zandorbingo.ZandorBingo

fail() {
    echo "FAIL: $*"
    exit 1
}
step() { echo "== $*"; }

[ $# -eq 1 ] && [ -f "$1" ] || {
    sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
}
deb=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    fail "installing a package needs root or sudo"
fi
APT="$SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -q -y"

installed=""
purge() {
    $APT purge zandor-bingo >"$tmp/purge.log" 2>&1 || {
        cat "$tmp/purge.log"
        return 1
    }
}
tmp=$(mktemp -d "${TMPDIR:-/tmp}/zandor-install-XXXXXX")
cleanup() {
    [ -z "$installed" ] || purge || true
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A copy left by an interrupted run (or installed by hand) goes first, so that the check sees
# this package's own install and removal. (dpkg ignores a package that is not installed.)
$SUDO dpkg --purge zandor-bingo >"$tmp/purge.log" 2>&1 ||
    { cat "$tmp/purge.log"; fail "could not purge the zandor-bingo installed before"; }

step "apt-get install $deb"
# The lists may be old on a machine that has not needed apt for a while: refresh them once
# when the first attempt cannot find a dependency.
installed=yes
if ! $APT install "$deb" >"$tmp/install.log" 2>&1; then
    $APT update >/dev/null 2>&1 || true
    $APT install "$deb" >"$tmp/install.log" 2>&1 ||
        { cat "$tmp/install.log"; fail "apt-get install failed"; }
fi
dpkg -L zandor-bingo | while read -r path; do [ -d "$path" ] || echo "$path"; done \
    | LC_ALL=C sort >"$tmp/files"

# The files and --version are check-package.sh's, run on the same package first (make
# package-install-check); the session's PATH is installed-run.py's.
step "manual page"
man -w 6 zandor-bingo >/dev/null || fail "man does not find zandor-bingo(6)"

step "started from the installed menu entry"
python3 "$here/installed-run.py" "/usr/share/applications/$APP_ID.desktop" "$SESSION_PATH" ||
    fail "the installed game did not start and close as it should"

step "apt-get purge zandor-bingo"
purge || fail "apt-get purge failed"
installed=""
left=$(while read -r path; do [ ! -e "$path" ] || echo "$path"; done <"$tmp/files")
[ -z "$left" ] || fail "left behind after purging: $left"
[ ! -e /usr/share/games/zandor-bingo ] || fail "/usr/share/games/zandor-bingo is left behind"

echo "PASS"
