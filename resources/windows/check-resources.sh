#!/bin/sh
# Compiles the configured Windows resource script with MinGW-w64's windres, as
# a Windows build would link it, reads the object back and checks what
# Windows will find in the program: the icon group, the version information
# and the manifest.
#
#   check-resources.sh WINDRES CPP MINGW-INCLUDE RC OUT-DIR ICO VERSION PRODUCT COMPANY COPYRIGHT INCLUDE-DIR...
#
# VERSION is the four-part version (1.0.0.0). windres preprocesses the script
# with the host's cpp and the MinGW-w64 headers (Debian's mingw-w64-x86-64-dev),
# which spares the whole MinGW-w64 compiler. Without windres, cpp or the
# headers the check exits 77, which CTest reports as skipped; under CI (CI set
# and not "false") a missing tool fails instead, so that CI cannot pass
# without having compiled the script.

set -u

[ $# -ge 11 ] || { echo "usage: see the head of $0" >&2; exit 2; }
windres=$1 cpp=$2 mingw_include=$3 rc=$4 out=$5 ico=$6 version=$7 product=$8 company=$9
shift 9
copyright=$1
shift

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

missing() {
    if [ -n "${CI:-}" ] && [ "${CI:-}" != false ]; then
        echo "FAIL: $1 (CI must compile the resource script)" >&2
        exit 1
    fi
    echo "$1: skipped"
    exit 77
}
[ -x "$windres" ] || missing "x86_64-w64-mingw32-windres not found (package binutils-mingw-w64-x86-64)"
[ -x "$cpp" ] || missing "cpp not found (package cpp)"
[ -f "$mingw_include/windows.h" ] || missing "MinGW-w64 headers not found (package mingw-w64-x86-64-dev)"

rm -rf "$out"
mkdir -p "$out" || exit 1
object=$out/pellwick-sudoku-rc.o

# The remaining arguments are the folders the script's files are found in:
# turn each into an --include-dir option, in place.
count=$#
for dir; do
    set -- "$@" --include-dir="$dir"
done
shift "$count"
# The preprocessor sees what MinGW-w64's own would: a Windows target, the
# resource compiler's RC_INVOKED, and no header of the host.
if ! "$windres" --preprocessor="$cpp" --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED \
    --preprocessor-arg=-D_WIN32 --preprocessor-arg=-D_WIN64 --preprocessor-arg=-nostdinc \
    --preprocessor-arg=-isystem"$mingw_include" "$@" \
    -i "$rc" -O coff -o "$object"; then
    echo "FAIL: windres could not compile $rc" >&2
    exit 1
fi
echo "compiled $rc into $object"

# The object read back as a resource script.
listing=$out/pellwick-sudoku-rc.txt
"$windres" -J coff -i "$object" -O rc -o "$listing" || { echo "FAIL: windres could not read back $object" >&2; exit 1; }

# expect WHAT EXPECTED SEEN
expect() {
    if [ "$2" = "$3" ]; then
        echo "ok: $1: $3"
    else
        fail "$1: expected '$2', seen '$3'"
    fi
}

# Images in the .ico file: the little-endian count at bytes 4 and 5.
# shellcheck disable=SC2046 # one argument per byte
set -- $(od -An -tu1 -j4 -N2 "$ico")
ico_images=$(($1 + 256 * $2))
group=$(sed -n 's/^ *0, 1, \([0-9]*\),.*Has [0-9]* elements.*/\1/p' "$listing" | head -n 1)
expect "icon group AAA is the program's first icon group" '"AAA" 14 /* RT_GROUP_ICON */' \
    "$(grep -m1 ' 14 /\* RT_GROUP_ICON \*/' "$listing")"
expect "images in the icon group (as in $(basename "$ico"))" "$ico_images" "${group:-none}"
expect "icon images compiled in" "$ico_images" "$(grep -c ' 3 /\* RT_ICON \*/' "$listing")"

commas=$(echo "$version" | sed 's/\./, /g')
value() { sed -n "s/^ *VALUE \"$1\", \"\(.*\)\"\$/\1/p" "$listing" | head -n 1; }
expect "FILEVERSION" "$commas" "$(sed -n 's/^ *FILEVERSION //p' "$listing")"
expect "PRODUCTVERSION" "$commas" "$(sed -n 's/^ *PRODUCTVERSION //p' "$listing")"
expect "FileVersion" "$version" "$(value FileVersion)"
expect "ProductVersion" "$version" "$(value ProductVersion)"
expect "ProductName" "$product" "$(value ProductName)"
expect "FileDescription" "$product" "$(value FileDescription)"
expect "CompanyName" "$company" "$(value CompanyName)"
expect "LegalCopyright" "$copyright" "$(value LegalCopyright)"
expect "OriginalFilename" "pellwick-sudoku.exe" "$(value OriginalFilename)"

# The manifest: resource 1 of type 24, which Windows reads when it starts the program.
expect "manifest resource" "1 24 /* RT_MANIFEST */" "$(grep -m1 ' 24 /\* RT_MANIFEST \*/' "$listing")"
identity=$(sed -n '/RT_MANIFEST/,$s/.*<assemblyIdentity type=""win32"" name=""\([^"]*\)"" version=""\([^"]*\)"".*/\2/p' \
    "$listing" | head -n 1)
expect "version in the manifest" "$version" "$identity"
description=$(sed -n '/RT_MANIFEST/,$s/.*<description>\(.*\)<\/description>.*/\1/p' "$listing" | head -n 1)
expect "description in the manifest" "$product" "$description"

[ "$failures" -eq 0 ] || exit 1
echo "the resource script compiles with its icon group, version information and manifest"
