#!/bin/bash
# Completes command lines with the bash completion of tabulex, reading the built program's help,
# and compares the candidates offered. Usage: completion-test.sh <folder of the built tabulex>
# (not under set -u: bash-completion's own functions read unset variables)
here=$(cd "$(dirname "$0")" && pwd)
completion=$here/../../packaging/bash-completion/tabulex
bash_completion=/usr/share/bash-completion/bash_completion
if [ ! -f "$bash_completion" ]; then
    echo "bash-completion is not installed"
    exit 77
fi
PATH="$(cd "$1" && pwd):$PATH"
export PATH
# shellcheck disable=SC1090
source "$bash_completion"
# shellcheck disable=SC1090
source "$completion"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/shelf"
touch "$scratch/opis.docx" "$scratch/opis.odt" "$scratch/notes.txt"
cd "$scratch" || exit 1

failures=0
# expect "<command line, the last word being completed>" "<candidates, sorted, space-separated>"
expect() {
    local line=$1 wanted=$2
    read -r -a COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _tabulex tabulex "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sed 's|/$||' | sort | tr '\n' ' ' | sed 's/ $//')
    if [[ $got != "$wanted" ]]; then
        echo "FAIL: '$line' offers '$got', expected '$wanted'"
        failures=$((failures + 1))
    fi
}

expect "tabulex " "check fix preface"
expect "tabulex fix --in" "--in-place"
expect "tabulex --ver" "--version"
expect "tabulex check --enc" "--encoding"
expect "tabulex check --no-" "--no-certification-check --no-hints --no-report-docx --no-warnings"
expect "tabulex check --encoding " "cp1251 utf-8"
expect "tabulex check --format=" "json text"
expect "tabulex check --format j" "json"
expect "tabulex check --columns " "auto skip: standard"
expect "tabulex check --report-dir " "shelf"
expect "tabulex check --jobs " ""
expect "tabulex check " "opis.docx opis.odt shelf"
expect "tabulex check --quiet opis.docx " "opis.docx opis.odt shelf"

[ "$failures" -eq 0 ] && echo "bash completion: all cases pass"
[ "$failures" -eq 0 ]
