#!/bin/sh
# Installs the build into a scratch root and checks the desktop integration and documents that land there.
#
#   check-install.sh stage    CMAKE BUILD-DIR STAGE [CONFIG]
#   check-install.sh files    STAGE BINDIR DATADIR APP-ID SIZE...
#   check-install.sh metainfo STAGE DATADIR APP-ID
#   check-install.sh desktop  STAGE DATADIR APP-ID
#
# BINDIR and DATADIR are relative to STAGE (bin, share).  The validators are
# optional tools: without them the step exits 77, which CTest reports as
# skipped rather than passed.

set -u

skipped=77
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Width and height of a PNG, from its IHDR chunk: "W H", or nothing when the
# file is not a PNG.
png_size() {
    # The split into one argument per byte is the point here.
    # shellcheck disable=SC2046
    set -- $(od -An -tu1 -N24 "$1")
    [ $# -eq 24 ] || return 0
    [ "$1 $2 $3 $4 $5 $6 $7 $8" = "137 80 78 71 13 10 26 10" ] || return 0
    shift 16
    echo "$(( ($1 << 24) | ($2 << 16) | ($3 << 8) | $4 )) $(( ($5 << 24) | ($6 << 16) | ($7 << 8) | $8 ))"
}

# Value of KEY in the [Desktop Entry] group of a desktop file.
desktop_value() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1" | head -n 1
}

stage() {
    cmake=$1 build=$2 root=$3 config=${4:-}
    rm -rf "$root"
    # Every install writes the build's install_manifest.txt; the one of a
    # real install (perhaps root's, after sudo) is set aside and put back, so
    # that the README's uninstall still finds it after the tests.
    manifest=$build/install_manifest.txt
    kept=$build/install_manifest.txt.kept-by-install-check
    [ -e "$manifest" ] && mv -f "$manifest" "$kept"
    status=0
    if [ -n "$config" ]; then
        "$cmake" --install "$build" --prefix "$root" --config "$config" || status=1
    else
        "$cmake" --install "$build" --prefix "$root" || status=1
    fi
    rm -f "$manifest"
    [ -e "$kept" ] && mv -f "$kept" "$manifest"
    exit $status
}

files() {
    root=$1 bindir=$2 datadir=$3 id=$4
    shift 4
    share=$root/$datadir
    desktop=$share/applications/$id.desktop
    metainfo=$share/metainfo/$id.metainfo.xml

    [ -f "$desktop" ] || fail "menu entry missing: $desktop"
    [ -f "$metainfo" ] || fail "AppStream file missing: $metainfo"

    for size in "$@"; do
        icon=$share/icons/hicolor/${size}x$size/apps/$id.png
        if [ ! -f "$icon" ]; then
            fail "icon missing: $icon"
            continue
        fi
        actual=$(png_size "$icon")
        [ "$actual" = "$size $size" ] || fail "$icon is '${actual:-not a PNG}', want '$size $size'"
    done
    svg=$share/icons/hicolor/scalable/apps/$id.svg
    if [ ! -f "$svg" ]; then
        fail "scalable icon missing: $svg"
    elif ! grep -q '<svg[ >]' "$svg"; then
        fail "$svg holds no <svg> element"
    fi

    if [ -f "$desktop" ]; then
        icon=$(desktop_value "$desktop" Icon)
        [ "$icon" = "$id" ] || fail "menu entry names icon '$icon', installed icons are '$id'"
        exec=$(desktop_value "$desktop" Exec)
        program=${exec%% *}
        [ -x "$root/$bindir/$program" ] || fail "menu entry runs '$program', not found in $root/$bindir"
    fi
    if [ -f "$metainfo" ]; then
        grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
            fail "$metainfo does not launch $id.desktop"
        grep -q "<binary>${program:-}</binary>" "$metainfo" ||
            fail "$metainfo does not provide the binary '${program:-}'"
    fi

    # The manual page and the changelog, compressed, and the copyright notice.
    docs=$share/doc/${program:-pellwick-sudoku}
    for file in "$share/man/man6/${program:-pellwick-sudoku}.6.gz" "$docs/changelog.gz"; do
        if [ ! -f "$file" ]; then
            fail "missing: $file"
            continue
        fi
        magic=$(od -An -tx1 -N2 "$file" | tr -d ' ')
        [ "$magic" = 1f8b ] || fail "$file starts with '$magic', want gzip's '1f8b'"
    done
    format="Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
    if [ ! -f "$docs/copyright" ]; then
        fail "missing: $docs/copyright"
    else
        first=$(head -n 1 "$docs/copyright")
        [ "$first" = "$format" ] || fail "$docs/copyright starts with '$first', want '$format'"
    fi

    [ "$failures" -eq 0 ] || exit 1
    echo "installed menu entry, AppStream file, $(($# + 1)) icons, manual page, copyright and changelog are in place"
}

metainfo() {
    command -v appstreamcli >/dev/null 2>&1 || { echo "appstreamcli not found (package appstream)"; exit $skipped; }
    appstreamcli validate --no-net --pedantic "$1/$2/metainfo/$3.metainfo.xml" || exit 1
}

desktop() {
    command -v desktop-file-validate >/dev/null 2>&1 || { echo "desktop-file-validate not found (package desktop-file-utils)"; exit $skipped; }
    file=$1/$2/applications/$3.desktop
    desktop-file-validate "$file" || exit 1
    echo "$file: valid"
}

command=${1:-}
[ $# -gt 0 ] && shift
case $command in
    stage) [ $# -eq 3 ] || [ $# -eq 4 ] && stage "$@" ;;
    files) [ $# -ge 5 ] && files "$@" ;;
    metainfo) [ $# -eq 3 ] && metainfo "$@" ;;
    desktop) [ $# -eq 3 ] && desktop "$@" ;;
    *) false ;;
esac || { echo "usage: see the head of $0" >&2; exit 2; }
