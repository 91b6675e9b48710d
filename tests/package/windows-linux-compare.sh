#!/bin/sh
# The Windows build gives what the Linux build gives: `tabulex check` (the report text and the
# report document) and `tabulex fix` (the repaired document) on the sample, the test fixtures and
# the corpus beside the clone, compared file by file. Documents are compared entry by entry
# (names, order, bytes), since a zip stamps the entries it writes with the time of the save.
# Usage: windows-linux-compare.sh LINUX_TABULEX WINDOWS_TABULEX.exe [DOCUMENT...]
# (WINEPREFIX set; without documents: the sample, tests/fixtures and ../shared/corpus.)
set -eu
linux=$(realpath "$1")
windows=$(realpath "$2")
shift 2
source=$(cd "$(dirname "$0")/../.." && pwd)
work=$(dirname "$windows")/../linux-compare
wine="$source/scripts/windows/wine-run.sh $WINEPREFIX"
if [ $# -eq 0 ]; then
    set -- "$source/examples/opis-sample.docx"
    # One name a line: corpus names hold spaces.
    found=$(find "$source/tests/fixtures" "$source/../shared/corpus" -name '*.docx' 2>/dev/null | sort)
    saved_ifs=$IFS
    IFS='
'
    for f in $found; do
        set -- "$@" "$f"
    done
    IFS=$saved_ifs
fi

same_documents() {
    python3 - "$1" "$2" <<'PY'
import sys, zipfile
def entries(path):
    with zipfile.ZipFile(path) as z:
        return [(i.filename, z.read(i.filename)) for i in z.infolist()]
a, b = entries(sys.argv[1]), entries(sys.argv[2])
if a != b:
    names = [n for (n, x), (m, y) in zip(a, b) if n != m or x != y]
    print("   differ in", names[:5] if names else "the entry list")
    sys.exit(1)
PY
}

compared=0
differences=0
rm -rf "$work"
for document in "$@"; do
    rm -rf "$work/run"
    mkdir -p "$work/run/linux" "$work/run/windows"
    cp "$document" "$work/run/opis.docx"
    for side in linux windows; do
        if [ $side = linux ]; then run=$linux; else run="$wine $windows"; fi
        # Relative names, so that the reports name the file alike.
        (cd "$work/run" &&
            { $run check opis.docx --report-dir $side/report --quiet >/dev/null 2>&1 || true
              $run fix opis.docx --delete-empty-rows --delete-numbering-rows --number-cases \
                  --no-row-breaks --format-headings -o $side/fixed.docx >/dev/null 2>&1 || true; })
    done
    compared=$((compared + 1))
    for f in report/Tabulex_Report.txt report/Tabulex_Report.docx fixed.docx; do
        a=$work/run/linux/$f
        b=$work/run/windows/$f
        [ -f "$a" ] || [ -f "$b" ] || continue
        case $f in
        *.txt) same() { cmp -s "$a" "$b"; } ;;
        *) same() { same_documents "$a" "$b"; } ;;
        esac
        if ! { [ -f "$a" ] && [ -f "$b" ] && same; }; then
            echo "DIFFERENT: $f of $document"
            differences=$((differences + 1))
        fi
    done
done
echo "Compared $compared documents; $differences outputs differ."
[ "$differences" -eq 0 ] && rm -rf "$work"
[ "$differences" -eq 0 ]
