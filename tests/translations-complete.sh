#!/bin/sh
# Fails while any text of the game lacks a translation, or a .ts file is not
# up to date with the sources.
#
#   translations-complete.sh LUPDATE SOURCE-FOLDER TS-FILE...
#
# lupdate reads the sources into copies of the .ts files; a text it marks
# unfinished has no translation yet (new, or changed in the sources), and a
# copy that differs from the file in the repository means the file needs
# `cmake --build <dir> --target update_translations`.
set -u
lupdate=$1
sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for ts in "$@"; do cp "$ts" "$work/"; done
(cd "$work" && "$lupdate" -silent -locations none -no-obsolete "$sources" -ts ./*.ts) || exit 1

status=0
for ts in "$@"; do
    copy=$work/$(basename "$ts")
    unfinished=$(grep -c 'type="unfinished"' "$copy")
    if [ "$unfinished" -ne 0 ]; then
        echo "FAIL: $(basename "$ts"): $unfinished text(s) without a translation:"
        awk '/<source>/ { source = $0 } /type="unfinished"/ { print "   " source }' "$copy" |
            sed 's/ *<source>/    /; s/<\/source>//'
        status=1
    elif ! cmp -s "$ts" "$copy"; then
        echo "FAIL: $(basename "$ts") is not up to date with the sources: build the target update_translations"
        diff -u "$ts" "$copy" | head -n 40
        status=1
    else
        echo "$(basename "$ts"): every text translated"
    fi
done
exit $status
