#!/bin/sh
# Opens and reads every row of one synthetic inventory with Tabulex's document host and with
# `pandoc -f docx -t plain`, side by side in one run, and prints the speed ratio and Tabulex's peak
# memory against the size of word/document.xml.
#   sh bench/compare_read.sh [ROWS]        (default 100000; BUILD=build by default)
set -eu

BUILD=${BUILD:-build}
ROWS=${1:-100000}
for tool in make_synthetic_docx_tool read_rows_tool; do
    if [ ! -x "$BUILD/bin/$tool" ]; then
        echo "build $tool first: cmake --build $BUILD --target $tool" >&2
        exit 2
    fi
done
if ! env time -f '%e' true >/dev/null 2>&1; then
    echo "GNU time is needed (package 'time')" >&2
    exit 2
fi

DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
FILE="$DIR/inventory.docx"
XML_BYTES=$("$BUILD/bin/make_synthetic_docx_tool" "$FILE" "$ROWS")

# Prints "seconds peak_kb" of a command.
measure() {
    env time -f '%e %M' -o "$DIR/time" "$@" >"$DIR/out" 2>&1 || {
        cat "$DIR/out" >&2
        return 1
    }
    cat "$DIR/time"
}

set -- $(measure "$BUILD/bin/read_rows_tool" "$FILE")
OURS_S=$1
OURS_KB=$2
echo "rows: $ROWS   word/document.xml: $XML_BYTES bytes   file: $(wc -c <"$FILE") bytes"
echo "tabulex open + every row's text: ${OURS_S} s, peak ${OURS_KB} KB"

if command -v pandoc >/dev/null 2>&1; then
    set -- $(measure pandoc -f docx -t plain "$FILE")
    echo "pandoc -f docx -t plain:         ${1} s, peak ${2} KB"
    awk -v a="$1" -v b="$OURS_S" 'BEGIN { if (b < 0.01) b = 0.01; printf "speed: tabulex is %.1f times faster (target: at least 10)\n", a / b }'
else
    echo "pandoc is not installed: no speed comparison"
fi
awk -v kb="$OURS_KB" -v xml="$XML_BYTES" \
    'BEGIN { printf "memory: peak %.2f times word/document.xml (target: under 4)\n", kb * 1024 / xml }'
