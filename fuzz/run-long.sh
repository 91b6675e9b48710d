#!/bin/sh
# Runs each fuzzer for SECONDS (default 180) from its seeds, one after the other, with the inputs CI
# uses, and prints one line per target: executions, coverage (edges and features) and corpus size.
# Build first: sh scripts/fuzz-ci.sh (or the commands of fuzz/README.md). Findings: fuzz-work/findings/.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-180}"
fixtures=tests/fixtures
mkdir -p fuzz-work/findings
run() {
    target=$1
    maxlen=$2
    shift 2
    rm -rf "fuzz-work/$target" && mkdir -p "fuzz-work/$target"
    "build-fuzz/bin/$target" -max_total_time="$seconds" -max_len="$maxlen" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix=fuzz-work/findings/ "$@" "fuzz-work/$target" >"fuzz-work/$target.log" 2>&1
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "fuzz-work/$target.log")
    last=$(grep -E '^#[0-9]+' "fuzz-work/$target.log" | tail -1)
    cov=$(echo "$last" | sed -n 's/.*cov: \([0-9]*\).*/\1/p')
    ft=$(echo "$last" | sed -n 's/.*ft: \([0-9]*\).*/\1/p')
    corp=$(echo "$last" | sed -n 's/.*corp: \([0-9]*\).*/\1/p')
    echo "| $target | $seconds s | $execs | $cov | $ft | $corp |"
}
echo "| target | time | executions | edges (cov) | features (ft) | corpus |"
echo "|---|---:|---:|---:|---:|---:|"
run fuzz_package 262144 "$fixtures/docx" "$fixtures/docx-host" "$fixtures/numbering"
run fuzz_document_xml 65536 -dict=fuzz/docx.dict fuzz/corpus/document_xml
run fuzz_numbering_styles 65536 -dict=fuzz/docx.dict fuzz/corpus/numbering_styles
run fuzz_check_row 65536 fuzz/corpus/check_row
