#!/usr/bin/env bash
# Whole-command benchmarks: tabulex check beside pandoc, python-docx and the floor (inflate
# word/document.xml and parse it with expat, keeping nothing) on synthetic inventories of 1 000 to
# 1 000 000 rows,
# then the repairs one by one beside a python-docx script that numbers the cases (bench/number_cases.py),
# then the batch check of a folder of 100 inventories on all cores and serially, the annotated
# copy (check --annotate) of 100 000 rows beside the check alone, and the repair commands
# (tabulex fix) against the check of the same file. Prints a Markdown
# table of medians and peak memory, with the ratios the performance targets are stated in.
#
#   bench/run_benchmarks.sh            # 1 000, 10 000, 100 000 and 1 000 000 rows
#   bench/run_benchmarks.sh --quick    # without 1 000 000 rows
#   bench/run_benchmarks.sh --peers-1m # also run pandoc and python-docx on 1 000 000 rows (slow,
#                                      # pandoc needs tens of GB there)
#   bench/run_benchmarks.sh --batch    # only the batch of 100 inventories
#
# Environment: BUILD_DIR (default build), BENCH_TMP (default a new temporary folder), SEED,
# BATCH_PAIRS (interleaved pairs of batch runs, default 7).
# pandoc and python-docx are optional (apt-get install pandoc python3-docx); missing: "n/a".

set -u
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
SEED="${SEED:-7}"
SIZES=(1000 10000 100000 1000000)
PEERS_1M=0
BATCH_FILES=100
BATCH_ROWS=2000
BATCH_PAIRS="${BATCH_PAIRS:-7}"
# A command slower than this (seconds) on its first run is not repeated.
SLOW=20

for arg in "$@"; do
    case "$arg" in
        --quick) SIZES=(1000 10000 100000) ;;
        --full) SIZES=(1000 10000 100000 1000000) ;;
        --peers-1m) PEERS_1M=1 ;;
        --batch) SIZES=() ;;
        -h | --help)
            sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'
            exit 0
            ;;
        *)
            echo "unknown argument: $arg" >&2
            exit 2
            ;;
    esac
done

say() { echo "$*" >&2; }

if [ ! -x /usr/bin/time ]; then
    say "/usr/bin/time is needed (apt-get install time)"
    exit 2
fi

# --- build -------------------------------------------------------------------------------------
if [ -f "$BUILD_DIR/CMakeCache.txt" ]; then
    if grep -Eq '^CMAKE_BUILD_TYPE:[A-Z]+=Debug$|^TABULEX_SANITIZE:BOOL=ON$' "$BUILD_DIR/CMakeCache.txt"; then
        say "$BUILD_DIR is a Debug or sanitizer build; use BUILD_DIR=build-bench $0"
        exit 2
    fi
else
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
fi
say "building in $BUILD_DIR ..."
for target in tabulex make_inventory_tool floor_scan_tool; do
    cmake --build "$BUILD_DIR" -j"$(nproc)" --target "$target" >/dev/null 2>&1 ||
        say "  target $target did not build; its columns will read n/a"
done
BIN="$BUILD_DIR/bin"
if [ ! -x "$BIN/make_inventory_tool" ]; then
    say "make_inventory_tool is missing: nothing to measure"
    exit 2
fi

HAVE_CHECK=0
"$BIN/tabulex" check --help >/dev/null 2>&1 && HAVE_CHECK=1
HAVE_NO_DOCX=0
[ $HAVE_CHECK = 1 ] && "$BIN/tabulex" check --help 2>&1 | grep -q -- '--no-report-docx' && HAVE_NO_DOCX=1
HAVE_ANNOTATE=0
[ $HAVE_CHECK = 1 ] && "$BIN/tabulex" check --help 2>&1 | grep -q -- '--annotate' && HAVE_ANNOTATE=1
HAVE_JOBS=0
[ $HAVE_CHECK = 1 ] && "$BIN/tabulex" check --help 2>&1 | grep -q -- '--jobs' && HAVE_JOBS=1
HAVE_FIX=0
"$BIN/tabulex" fix --help >/dev/null 2>&1 && HAVE_FIX=1
# The repair commands measured: the row clean-up, the numbering and the headings, saved to a new file.
FIX_FLAGS=(--delete-empty-rows --delete-numbering-rows --number-cases --format-headings)
HAVE_PANDOC=0
command -v pandoc >/dev/null 2>&1 && HAVE_PANDOC=1
HAVE_PYDOCX=0
/usr/bin/python3 -c 'import docx' >/dev/null 2>&1 && HAVE_PYDOCX=1
HAVE_FLOOR=0
[ -x "$BIN/floor_scan_tool" ] && HAVE_FLOOR=1
HAVE_XMLLINT=0
command -v xmllint >/dev/null 2>&1 && command -v unzip >/dev/null 2>&1 && HAVE_XMLLINT=1
[ $HAVE_PANDOC = 1 ] || say "pandoc not found (apt-get install pandoc): n/a"
[ $HAVE_PYDOCX = 1 ] || say "python-docx not found (apt-get install python3-docx): n/a"

TMP="${BENCH_TMP:-$(mktemp -d)}"
mkdir -p "$TMP"
[ -z "${BENCH_TMP:-}" ] && trap 'rm -rf "$TMP"' EXIT

LOAD_START=$(cut -d' ' -f1-3 /proc/loadavg)

# --- measuring -----------------------------------------------------------------------------------
# measure RUNS CMD...: runs CMD up to RUNS times (once when the first run is slow) and sets
# MEDIAN (seconds, 3 decimals) and PEAK (largest resident set, KiB); MEDIAN=fail when CMD exits
# with 2 or more (tabulex check exits 1 when it found errors, which is a completed check).
measure() {
    local runs=$1
    shift
    local times=() peak=0 k start end rc mem
    for ((k = 0; k < runs; k++)); do
        start=$(date +%s%N)
        /usr/bin/time -f "%M" -o "$TMP/mem" "$@" >/dev/null 2>"$TMP/err"
        rc=$?
        end=$(date +%s%N)
        if [ $rc -ge 2 ]; then
            say "  failed ($rc): $* -- $(tail -c 300 "$TMP/err")"
            MEDIAN=fail
            PEAK=0
            return
        fi
        mem=$(tail -n 1 "$TMP/mem")
        [ "$mem" -gt "$peak" ] && peak=$mem
        times+=($(((end - start) / 1000000)))
        [ $((end - start)) -gt $((SLOW * 1000000000)) ] && break
    done
    MEDIAN=$(printf '%s\n' "${times[@]}" | sort -n | awk '{v[NR]=$1} END {m=v[int((NR+1)/2)]; printf "%.3f", m/1000}')
    PEAK=$peak
}

runs_for() { # rows -> repetitions
    if [ "$1" -le 10000 ]; then echo 5; elif [ "$1" -le 100000 ]; then echo 3; else echo 1; fi
}

ratio() { # a b -> a/b with 1 decimal, or n/a
    awk -v a="$1" -v b="$2" 'BEGIN { if (a ~ /^[0-9.]+$/ && b ~ /^[0-9.]+$/ && b > 0) printf "%.1f", a / b; else printf "n/a" }'
}
mib() { awk -v k="$1" 'BEGIN { printf "%.0f", k / 1024 }'; }
mib1() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
cell() { # seconds peak-KiB -> "1.234 s, 56 MiB" or n/a
    if [[ "$1" =~ ^[0-9.]+$ ]]; then echo "$1 s, $(mib "$2") MiB"; else echo "$1"; fi
}
# seconds [peak-KiB] floor-seconds -> "1.234 s (2.1 floors)[, 56 MiB]": a time beside the floor of the
# same file in the same run.
floored() {
    local t=$1 mem=$2 floor=$3
    if [[ ! "$t" =~ ^[0-9.]+$ ]]; then
        echo "$t"
        return
    fi
    local out="$t s"
    [[ "$floor" =~ ^[0-9.]+$ ]] && out+=" ($(ratio "$t" "$floor") floors)"
    [ -n "$mem" ] && out+=", $(mib "$mem") MiB"
    echo "$out"
}

declare -A XMLLINT CHECK CHECK_MEM NODOCX PANDOC PANDOC_MEM PYDOCX PYDOCX_MEM FLOOR XML FIX FIX_MEM
# Each repair alone, saved to a new file, beside the python-docx script that numbers the cases.
REPAIRS=(--delete-empty-rows --delete-numbering-rows --number-cases --auto-number-cases --lists-to-text
    --tables-to-text --no-row-breaks --delete-graphics --format-headings)
declare -A REPAIR REPAIR_MEM PYNUMBER PYNUMBER_MEM
ANNOTATE_ROWS=100000 ANNOTATE_CHECK=n/a ANNOTATE=n/a ANNOTATED_ROWS=n/a

for rows in "${SIZES[@]}"; do
    file="$TMP/inventory-$rows.docx"
    say "rows $rows: generating ..."
    "$BIN/make_inventory_tool" --rows "$rows" --seed "$SEED" "$file" >/dev/null || exit 2
    XML[$rows]=$(unzip -l "$file" word/document.xml | awk '$4 == "word/document.xml" {print $1}')
    runs=$(runs_for "$rows")
    mkdir -p "$TMP/report-$rows"

    CHECK[$rows]=n/a NODOCX[$rows]=n/a PANDOC[$rows]=n/a PYDOCX[$rows]=n/a FLOOR[$rows]=n/a
    CHECK_MEM[$rows]=0 PANDOC_MEM[$rows]=0 PYDOCX_MEM[$rows]=0
    if [ $HAVE_CHECK = 1 ]; then
        say "  tabulex check"
        measure "$runs" "$BIN/tabulex" check "$file" --quiet --report-dir "$TMP/report-$rows"
        CHECK[$rows]=$MEDIAN CHECK_MEM[$rows]=$PEAK
        if [ $HAVE_NO_DOCX = 1 ]; then
            say "  tabulex check --no-report-docx"
            measure "$runs" "$BIN/tabulex" check "$file" --quiet --no-report-docx --report-dir "$TMP/report-$rows"
            NODOCX[$rows]=$MEDIAN
        fi
    fi
    FIX[$rows]=n/a FIX_MEM[$rows]=0
    if [ $HAVE_FIX = 1 ]; then
        say "  tabulex fix ${FIX_FLAGS[*]} -o"
        measure "$runs" "$BIN/tabulex" fix "$file" "${FIX_FLAGS[@]}" --quiet -o "$TMP/fixed-$rows.docx"
        FIX[$rows]=$MEDIAN FIX_MEM[$rows]=$PEAK
        rm -f "$TMP/fixed-$rows.docx"
    fi
    if [ $HAVE_FLOOR = 1 ]; then
        say "  floor"
        measure "$runs" "$BIN/floor_scan_tool" "$file"
        FLOOR[$rows]=$MEDIAN
    fi
    XMLLINT[$rows]=n/a
    if [ $HAVE_XMLLINT = 1 ]; then
        say "  unzip -p | xmllint --stream"
        measure "$runs" bash -c 'unzip -p "$1" word/document.xml | xmllint --stream --noout -' _ "$file"
        XMLLINT[$rows]=$MEDIAN
    fi
    peers=1
    [ "$rows" -gt 100000 ] && [ $PEERS_1M = 0 ] && peers=0
    if [ $HAVE_FIX = 1 ]; then
        for repair in "${REPAIRS[@]}"; do
            say "  tabulex fix $repair -o"
            measure "$runs" "$BIN/tabulex" fix "$file" "$repair" --quiet -o "$TMP/fixed-$rows.docx"
            REPAIR[$rows$repair]=$MEDIAN REPAIR_MEM[$rows$repair]=$PEAK
            rm -f "$TMP/fixed-$rows.docx"
        done
    fi
    PYNUMBER[$rows]=n/a PYNUMBER_MEM[$rows]=0
    if [ $HAVE_PYDOCX = 1 ] && [ $peers = 1 ]; then
        say "  python-docx numbering"
        measure "$runs" /usr/bin/python3 "$ROOT/bench/number_cases.py" "$file" "$TMP/pynumbered-$rows.docx"
        PYNUMBER[$rows]=$MEDIAN PYNUMBER_MEM[$rows]=$PEAK
        rm -f "$TMP/pynumbered-$rows.docx"
    fi
    if [ $HAVE_PANDOC = 1 ] && [ $peers = 1 ]; then
        say "  pandoc"
        measure "$runs" pandoc -f docx -t plain "$file" -o /dev/null
        PANDOC[$rows]=$MEDIAN PANDOC_MEM[$rows]=$PEAK
    fi
    [ $peers = 0 ] && PANDOC[$rows]="not run" && PYDOCX[$rows]="not run"
    if [ $HAVE_PYDOCX = 1 ] && [ $peers = 1 ]; then
        say "  python-docx"
        measure "$runs" /usr/bin/python3 "$ROOT/bench/read_cells.py" "$file"
        PYDOCX[$rows]=$MEDIAN PYDOCX_MEM[$rows]=$PEAK
    fi
    if [ $HAVE_ANNOTATE = 1 ] && [ "$rows" = $ANNOTATE_ROWS ]; then
        # The check alone and the check writing the annotated copy, measured one after the other.
        say "  tabulex check --annotate"
        measure "$runs" "$BIN/tabulex" check "$file" --quiet --no-report-docx --report-dir "$TMP/report-$rows"
        ANNOTATE_CHECK=$MEDIAN
        measure "$runs" "$BIN/tabulex" check "$file" --quiet --no-report-docx --report-dir "$TMP/report-$rows" \
            --annotate "$TMP/annotated-$rows.docx"
        ANNOTATE=$MEDIAN
        ANNOTATED_ROWS=$(unzip -p "$TMP/annotated-$rows.docx" word/comments.xml | grep -o '<w:comment ' | wc -l)
        rm -f "$TMP/annotated-$rows.docx"
    fi
    rm -f "$file"
done

# --- batch ---------------------------------------------------------------------------------------
# The batch on all cores and serially, in interleaved pairs (the order alternating), so that a change
# of the machine's load touches both alike; the ratio is the median of the pairs' ratios. Beside the
# wall times: the CPU time (user + system) and how busy the machine was, as the load average and as
# the share of each run's wall time in which some task waited for a CPU (/proc/pressure/cpu).
cpu_waited() { # microseconds some task waited for a CPU since boot, or nothing
    awk '$1 == "some" { for (k = 2; k <= NF; k++) if ($k ~ /^total=/) print substr($k, 7) }' /proc/pressure/cpu 2>/dev/null
}
# batch_run CMD...: sets RUN_WALL and RUN_CPU (seconds) and RUN_WAITED (percent or n/a); RUN_WALL=fail
# when CMD exits with 2 or more.
batch_run() {
    local start end rc before after
    before=$(cpu_waited)
    start=$(date +%s%N)
    /usr/bin/time -f "%U %S" -o "$TMP/cpu" "$@" >/dev/null 2>"$TMP/err"
    rc=$?
    end=$(date +%s%N)
    after=$(cpu_waited)
    if [ $rc -ge 2 ]; then
        say "  failed ($rc): $* -- $(tail -c 300 "$TMP/err")"
        RUN_WALL=fail
        return
    fi
    RUN_WALL=$(awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }')
    RUN_CPU=$(tail -n 1 "$TMP/cpu" | awk '{ printf "%.3f", $1 + $2 }')
    RUN_WAITED=n/a
    [ -n "$before" ] && [ -n "$after" ] &&
        RUN_WAITED=$(awk -v w=$((after - before)) -v ns=$((end - start)) 'BEGIN { printf "%.0f", 100 * w * 1000 / ns }')
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { if (NR) printf "%s", v[int((NR + 1) / 2)]; else printf "n/a" }'; }

BATCH_ALL=n/a BATCH_SERIAL=n/a BATCH_RATIO=n/a BATCH_ALL_CPU=n/a BATCH_SERIAL_CPU=n/a
BATCH_ALL_WAITED=n/a BATCH_SERIAL_WAITED=n/a BATCH_LOADS=n/a BATCH_RATIOS=n/a
ratios=()
if [ $HAVE_CHECK = 1 ]; then
    say "batch: $BATCH_FILES inventories of $BATCH_ROWS rows, $BATCH_PAIRS interleaved pairs ..."
    mkdir -p "$TMP/batch"
    for ((k = 1; k <= BATCH_FILES; k++)); do
        "$BIN/make_inventory_tool" --rows "$BATCH_ROWS" --seed "$k" "$TMP/batch/opis-$k.docx" >/dev/null || exit 2
    done
    rm -rf "$TMP/batch-reports"
    ALL_CMD=("$BIN/tabulex" check "$TMP/batch" --quiet --report-dir "$TMP/batch-reports")
    if [ $HAVE_JOBS = 1 ]; then
        SERIAL_CMD=("$BIN/tabulex" check "$TMP/batch" --quiet --jobs 1 --report-dir "$TMP/batch-reports")
    else
        SERIAL_CMD=(bash -c 'for f in "$1"/*.docx; do "$2" check "$f" --quiet --report-dir "$3/$(basename "$f" .docx)"; done; true'
            _ "$TMP/batch" "$BIN/tabulex" "$TMP/batch-reports")
    fi
    # Once untimed: the report folders exist and the files are in the page cache for every pair.
    batch_run "${ALL_CMD[@]}"
    walls_all=() walls_serial=() cpus_all=() cpus_serial=() waited_all=() waited_serial=() loads=()
    for ((k = 0; k < BATCH_PAIRS; k++)); do
        loads+=("$(cut -d' ' -f1 /proc/loadavg)")
        for which in $(if ((k % 2)); then echo serial all; else echo all serial; fi); do
            if [ "$which" = all ]; then batch_run "${ALL_CMD[@]}"; else batch_run "${SERIAL_CMD[@]}"; fi
            [ "$RUN_WALL" = fail ] && break 2
            if [ "$which" = all ]; then
                all=$RUN_WALL
                walls_all+=("$RUN_WALL") cpus_all+=("$RUN_CPU") waited_all+=("$RUN_WAITED")
            else
                serial=$RUN_WALL
                walls_serial+=("$RUN_WALL") cpus_serial+=("$RUN_CPU") waited_serial+=("$RUN_WAITED")
            fi
        done
        ratios+=("$(awk -v a="$all" -v b="$serial" 'BEGIN { printf "%.2f", a / b }')")
    done
    if [ ${#ratios[@]} -gt 0 ]; then
        BATCH_ALL=$(median "${walls_all[@]}") BATCH_SERIAL=$(median "${walls_serial[@]}")
        BATCH_RATIO=$(median "${ratios[@]}")
        BATCH_ALL_CPU=$(median "${cpus_all[@]}") BATCH_SERIAL_CPU=$(median "${cpus_serial[@]}")
        BATCH_ALL_WAITED=$(median "${waited_all[@]}") BATCH_SERIAL_WAITED=$(median "${waited_serial[@]}")
        BATCH_LOADS="$(median "${loads[@]}") (from $(printf '%s\n' "${loads[@]}" | sort -n | head -n 1) to $(printf '%s\n' "${loads[@]}" | sort -n | tail -n 1))"
        BATCH_RATIOS="${ratios[*]}"
    fi
fi

# --- table ---------------------------------------------------------------------------------------
batch_lines() {
    echo "Batch of $BATCH_FILES inventories of $BATCH_ROWS rows: all cores $BATCH_ALL s, serial $BATCH_SERIAL s," \
        "ratio $BATCH_RATIO (target at most 0.55; $(nproc) cores)."
    echo "Batch, medians of ${#ratios[@]} interleaved pairs (ratios $BATCH_RATIOS): CPU time (user + system) all" \
        "cores $BATCH_ALL_CPU s, serial $BATCH_SERIAL_CPU s; load average $BATCH_LOADS; some task of the machine" \
        "waited for a CPU during $BATCH_SERIAL_WAITED % of the serial runs (near 0 on a quiet machine) and" \
        "$BATCH_ALL_WAITED % of the all-cores runs (whose own workers, two per core, also wait for one another)."
}
echo
if [ ${#SIZES[@]} -eq 0 ]; then
    echo "Machine: $(nproc) cores (nproc); load average $LOAD_START at the start, $(cut -d' ' -f1-3 /proc/loadavg) at the end."
    batch_lines
    exit 0
fi
echo "Machine: $(nproc) cores (nproc); load average $LOAD_START at the start, $(cut -d' ' -f1-3 /proc/loadavg) at the end."
echo "Each time is followed by its multiple of the floor (the same file, the same run)."
echo
echo "| rows | document.xml | floor | unzip -p \| xmllint --stream | tabulex check | check without report .docx | report .docx / check | pandoc -t plain | python-docx, every cell | pandoc / check | check memory / document.xml |"
echo "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|"
for rows in "${SIZES[@]}"; do
    docx_share=n/a
    [[ "${CHECK[$rows]}" =~ ^[0-9.]+$ && "${NODOCX[$rows]}" =~ ^[0-9.]+$ ]] &&
        docx_share=$(awk -v a="${CHECK[$rows]}" -v b="${NODOCX[$rows]}" 'BEGIN { printf "%.2f", (a - b) / a }')
    printf '| %s | %s MiB | %s | %s | %s | %s | %s | %s | %s | %s | %s |\n' \
        "$rows" "$(mib1 $((XML[$rows] / 1024)))" \
        "$( [[ "${FLOOR[$rows]}" =~ ^[0-9.]+$ ]] && echo "${FLOOR[$rows]} s" || echo "${FLOOR[$rows]}")" \
        "$(floored "${XMLLINT[$rows]}" "" "${FLOOR[$rows]}")" \
        "$(floored "${CHECK[$rows]}" "${CHECK_MEM[$rows]}" "${FLOOR[$rows]}")" \
        "$(floored "${NODOCX[$rows]}" "" "${FLOOR[$rows]}")" \
        "$docx_share" \
        "$(floored "${PANDOC[$rows]}" "${PANDOC_MEM[$rows]}" "${FLOOR[$rows]}")" \
        "$(floored "${PYDOCX[$rows]}" "${PYDOCX_MEM[$rows]}" "${FLOOR[$rows]}")" \
        "$(ratio "${PANDOC[$rows]}" "${CHECK[$rows]}")" \
        "$(ratio "${CHECK_MEM[$rows]}" "$((XML[$rows] / 1024))")"
done
echo "Targets: the report .docx at most 0.10 of the check; the check at most 1.2 floors and 2 times document.xml."
echo
lin=n/a
[ -n "${CHECK[1000000]:-}" ] && lin=$(ratio "${CHECK[1000000]}" "${CHECK[100000]:-}")
echo "Linearity, check of 1 000 000 rows / 100 000 rows: $lin (target at most 11)."
batch_lines
echo "Annotated copy of $ANNOTATE_ROWS rows ($ANNOTATED_ROWS comments): check without report .docx $ANNOTATE_CHECK s," \
    "with --annotate $ANNOTATE s, ratio $(ratio "$ANNOTATE" "$ANNOTATE_CHECK") (target at most 3)."
echo
echo "Repair commands: \`tabulex fix FILE ${FIX_FLAGS[*]} -o OUT.docx\` beside \`tabulex check FILE\`."
echo
echo "| rows | floor | tabulex check | tabulex fix | fix / check |"
echo "|---:|---:|---:|---:|---:|"
for rows in "${SIZES[@]}"; do
    printf '| %s | %s | %s | %s | %s |\n' "$rows" "${FLOOR[$rows]} s" \
        "$(floored "${CHECK[$rows]}" "${CHECK_MEM[$rows]}" "${FLOOR[$rows]}")" \
        "$(floored "${FIX[$rows]}" "${FIX_MEM[$rows]}" "${FLOOR[$rows]}")" "$(ratio "${FIX[$rows]}" "${CHECK[$rows]}")"
done
echo
fixlin=n/a
[ -n "${FIX[1000000]:-}" ] && fixlin=$(ratio "${FIX[1000000]}" "${FIX[100000]:-}")
echo "Linearity, fix of 1 000 000 rows / 100 000 rows: $fixlin (target at most 11); fix / check at 100 000" \
    "rows: $(ratio "${FIX[100000]:-}" "${CHECK[100000]:-}") (target at most 3)."
echo
echo "Each repair alone (\`tabulex fix FILE REPAIR -o OUT.docx\`) beside \`bench/number_cases.py\` (python-docx numbering"
echo "the cases and saving); the ratio is the repair's time over the script's, memory over document.xml."
echo
header="| rows | floor | python-docx numbering |"
rule="|---:|---:|---:|"
for repair in "${REPAIRS[@]}"; do header+=" $repair |"; rule+="---:|"; done
echo "$header"
echo "$rule"
for rows in "${SIZES[@]}"; do
    line="| $rows | ${FLOOR[$rows]} s | $(floored "${PYNUMBER[$rows]}" "${PYNUMBER_MEM[$rows]}" "${FLOOR[$rows]}") |"
    for repair in "${REPAIRS[@]}"; do
        t="${REPAIR[$rows$repair]:-n/a}"
        if [[ "$t" =~ ^[0-9.]+$ ]]; then
            line+=" $t s ($(ratio "$t" "${PYNUMBER[$rows]}")), $(mib "${REPAIR_MEM[$rows$repair]}") MiB ($(ratio "${REPAIR_MEM[$rows$repair]}" "$((XML[$rows] / 1024))")) |"
        else
            line+=" $t |"
        fi
    done
    echo "$line"
done
echo "Targets: every repair at most 0.2 times the script's time and 3 times document.xml in memory."
if [ -n "${CHECK[1000000]:-}" ]; then
    line="Linearity of each repair, 1 000 000 rows / 100 000 rows (target at most 11):"
    for repair in "${REPAIRS[@]}"; do
        line+=" $repair $(ratio "${REPAIR[1000000$repair]:-}" "${REPAIR[100000$repair]:-}");"
    done
    echo "${line%;}."
fi
echo
echo "Times are medians of 5 runs (1 000 and 10 000 rows), 3 (100 000) and 1 (1 000 000); a command" \
    "slower than $SLOW s is run once. Memory is the peak resident set."
