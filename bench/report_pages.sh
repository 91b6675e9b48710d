#!/usr/bin/env bash
# Pages of the report document: an inventory whose every case row carries a fault (the longest
# report there is) is checked, and its report is written twice, with columns fitted to their
# contents and with equal fixed columns. LibreOffice converts both to PDF and the pages are
# counted. Prints the two counts and their ratio (the fitted report should take at most a third).
#
#   bench/report_pages.sh [ROWS]     # 2400 rows by default
#
# Environment: BUILD_DIR (default build), BENCH_TMP (default a new temporary folder), SEED.
set -eu
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
BIN="$BUILD_DIR/bin"
ROWS="${1:-2400}"
SEED="${SEED:-7}"
WORK="${BENCH_TMP:-$(mktemp -d)}"
mkdir -p "$WORK"

"$BIN/make_inventory_tool" --rows "$ROWS" --faults 1000 --seed "$SEED" "$WORK/worst.docx" >/dev/null
"$BIN/tabulex" check "$WORK/worst.docx" --report-dir "$WORK/fitted" -q --no-report-docx || true
mkdir -p "$WORK/fixed"
cp "$WORK/fitted/Tabulex_Report.txt" "$WORK/fixed/"
"$BIN/report_document_tool" "$WORK/fitted/Tabulex_Report.txt"
"$BIN/report_document_tool" --fixed "$WORK/fixed/Tabulex_Report.txt"

pages() {
    local folder="$1"
    HOME="$WORK/home" soffice --headless --norestore --convert-to pdf --outdir "$folder" \
        "$folder/Tabulex_Report.docx" >/dev/null 2>&1
    # A page object of the PDF, not the page tree (/Pages).
    grep -a -c -E '/Type ?/Page([^s]|$)' "$folder/Tabulex_Report.pdf"
}
FITTED=$(pages "$WORK/fitted")
FIXED=$(pages "$WORK/fixed")
echo "report of $ROWS rows: fitted $FITTED pages, equal columns $FIXED pages, ratio" \
    "$(awk -v a="$FITTED" -v b="$FIXED" 'BEGIN { printf "%.2f", a / b }')"
