#!/bin/sh
# Checks Zandor Bingo as it installs and as it is packaged.
#
#   check-package.sh --build BUILD_DIR   installs the build into a temporary DESTDIR (prefix
#                                        /usr) and checks that tree, then builds the .deb from
#                                        the same build with cpack in a temporary folder and
#                                        checks it and the tree it holds
#   check-package.sh --deb FILE.deb      checks a built package and the tree it holds
#
# The tree: its files and modes, desktop file, AppStream metadata, command line
# and a start by its menu entry (installed-run.py); the package: name, control fields,
# permissions, a stripped program and lintian. Exits 1 at the first fault, 2 on wrong usage.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
APP_ID=io.github.zandorbingo.ZandorBingo
VERSION=$(sed -n 's/^project(ZandorBingo VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
ARCH=$(dpkg --print-architecture)

fail() {
    echo "FAIL: $*"
    exit 1
}
step() { echo "== $*"; }

usage() {
    sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
}

[ $# -eq 2 ] || usage
case "$1" in
--build) build=$(cd "$2" && pwd) deb="" ;;
--deb) build="" deb=$(cd "$(dirname "$2")" && pwd)/$(basename "$2") ;;
*) usage ;;
esac

tmp=$(mktemp -d "${TMPDIR:-/tmp}/zandor-package-XXXXXX")
trap 'rm -rf "$tmp"' EXIT INT TERM

# --- the installed tree ---------------------------------------------------------------------

# The files a tree must hold, relative to its root, sorted.
expected_files() {
    {
        echo usr/games/zandor-bingo
        for f in "$source_dir"/assets/sounds/*.wav "$source_dir"/assets/pictures/*.png \
            "$source_dir"/assets/help/*; do
            kind=$(basename "$(dirname "$f")")
            echo "usr/share/games/zandor-bingo/$kind/$(basename "$f")"
        done
        echo "usr/share/applications/$APP_ID.desktop"
        echo "usr/share/metainfo/$APP_ID.metainfo.xml"
        for f in "$source_dir"/assets/pictures/icon-*.png; do
            size=$(basename "$f" .png | sed 's/^icon-//')
            echo "usr/share/icons/hicolor/${size}x$size/apps/zandor-bingo.png"
        done
        echo usr/share/icons/hicolor/scalable/apps/zandor-bingo.svg
        echo usr/share/man/man6/zandor-bingo.6.gz
        echo usr/share/doc/zandor-bingo/copyright
        echo usr/share/doc/zandor-bingo/changelog.gz
        echo usr/share/lintian/overrides/zandor-bingo
    } | LC_ALL=C sort
}

# check_files ROOT: every expected file and no other
check_files() {
    root=$1
    step "files in the tree"
    (cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$tmp/found"
    expected_files >"$tmp/expected"
    if ! diff -u "$tmp/expected" "$tmp/found" >"$tmp/diff"; then
        cat "$tmp/diff"
        fail "the tree under $root differs from the expected files (- missing, + extra)"
    fi
    for f in "$root"/usr/share/icons/hicolor/*x*/apps/zandor-bingo.png; do
        size=$(basename "$(dirname "$(dirname "$f")")")
        file "$f" | grep -q "PNG image data, ${size%x*} x ${size#*x}," ||
            fail "$f is not a $size PNG: $(file -b "$f")"
    done
}

# check_tree ROOT PERMISSIONS(yes|no)
check_tree() {
    root=$1
    check_files "$root"
    if [ "$2" = yes ]; then
        bad=$( (cd "$root" && find . -type d ! -perm 0755 && find . -type f ! -perm 0644 \
            ! -path ./usr/games/zandor-bingo && find ./usr/games/zandor-bingo ! -perm 0755))
        [ -z "$bad" ] ||
            fail "wrong permissions (directories and the program 0755, files 0644): $bad"
    fi

    step "desktop file"
    desktop="$root/usr/share/applications/$APP_ID.desktop"
    desktop-file-validate "$desktop" || fail "desktop-file-validate reports the above"
    grep -qx 'Icon=zandor-bingo' "$desktop" || fail "Icon is not zandor-bingo"
    grep -qx 'Categories=Game;CardGame;' "$desktop" || fail "Categories is not Game;CardGame;"

    step "AppStream metadata"
    metainfo="$root/usr/share/metainfo/$APP_ID.metainfo.xml"
    # --strict: warnings and notes fail too; the tree check also finds the desktop file.
    for what in "validate --no-net --strict --pedantic $metainfo" \
        "validate-tree --no-net --strict $root"; do
        # shellcheck disable=SC2086
        appstreamcli $what --no-color >"$tmp/appstream" 2>&1 ||
            { cat "$tmp/appstream"; fail "appstreamcli $what reports the above"; }
    done
    grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
        fail "the metadata does not launch $APP_ID.desktop"
    grep -q "<release version=\"$VERSION\"" "$metainfo" ||
        fail "the metadata has no release $VERSION"

    step "command line"
    program="$root/usr/games/zandor-bingo"
    home="$tmp/home"
    mkdir -p "$home"
    # No display needed for these; a program that starts the game instead is stopped (code 124).
    mkdir -m 0700 "$home/runtime"
    run() { env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/config" \
        XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
        timeout -k 5 20 "$program" "$@"; }
    # exit code|argument|what it prints (standard output and error), as a pattern
    for case in "0|--version|^zandor-bingo $VERSION\$" "0|--help|^Usage: .*zandor-bingo \[options\]" \
        "1|--no-such-option|Unknown option 'no-such-option'" \
        "1|stray-argument|Unexpected argument 'stray-argument'"; do
        want=${case%%|*} rest=${case#*|}
        code=0
        out=$(run "${rest%%|*}" 2>&1) || code=$?
        [ "$code" -eq "$want" ] && echo "$out" | grep -q -- "${rest#*|}" ||
            fail "zandor-bingo ${rest%%|*} gave exit code $code and: $out"
    done

    step "started by its menu entry, under Xvfb"
    python3 "$here/installed-run.py" "$desktop" "$root/usr/games:$root/usr/bin" ||
        fail "the installed program did not start and close as it should"
}

if [ -n "$build" ]; then
    step "cmake --install $build, DESTDIR=$tmp/root, prefix /usr"
    DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >"$tmp/install.log" 2>&1 ||
        { cat "$tmp/install.log"; fail "cmake --install failed"; }
    check_tree "$tmp/root" yes

    step "cpack in $tmp/deb"
    (cd "$build" && cpack --config CPackConfig.cmake -B "$tmp/deb") >"$tmp/cpack.log" 2>&1 ||
        { cat "$tmp/cpack.log"; fail "cpack failed"; }
    deb="$tmp/deb/zandor-bingo_${VERSION}_$ARCH.deb"
    [ -f "$deb" ] || fail "cpack made no $(basename "$deb"): $(ls "$tmp/deb")"
fi

# --- the package ----------------------------------------------------------------------------

step "package $(basename "$deb")"
[ "$(basename "$deb")" = "zandor-bingo_${VERSION}_$ARCH.deb" ] ||
    fail "the package is named $(basename "$deb"), not zandor-bingo_${VERSION}_$ARCH.deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = zandor-bingo ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "Version is $(field Version)"
[ "$(field Architecture)" = "$ARCH" ] || fail "Architecture is $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
[ "$(field Description | wc -l)" -gt 2 ] || fail "no long description"
depends=$(field Depends)
for dep in qt6-qpa-plugins libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libsndfile1 \
    libc6; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$dep\b" || fail "Depends lacks $dep: $depends"
done
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qx './md5sums' || fail "no md5sums"
for script in preinst postinst prerm postrm config; do
    dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qx "./$script" && fail "has a $script script"
done

dpkg-deb -x "$deb" "$tmp/extracted"
file "$tmp/extracted/usr/games/zandor-bingo" | grep -q ', stripped' ||
    fail "the program is not stripped: $(file -b "$tmp/extracted/usr/games/zandor-bingo")"
if [ -z "$build" ]; then
    check_tree "$tmp/extracted" no
else
    check_files "$tmp/extracted"
fi

step "lintian"
code=0
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" \
    >"$tmp/lintian" 2>&1 || code=$?
grep -v '^running with root privileges is not recommended!$' "$tmp/lintian" || true
[ "$code" -eq 0 ] || fail "lintian reports errors or warnings"

echo "PASS"
