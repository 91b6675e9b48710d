#!/bin/sh
# Installs the Windows installer silently under Wine (as `Tabulex-*-win64.exe /S` would on Windows),
# checks the bundled sample with the installed tabulex.exe, then runs the uninstaller silently and
# checks that the programs are gone. Usage: windows-install-test.sh INSTALLER.exe (WINEPREFIX set; a prefix of its
# own is made beside the installer when not).
set -eu
installer=$(realpath "$1")
packages=$(dirname "$installer")
work=$packages/install-test
export WINEPREFIX="${WINEPREFIX:-$packages/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=/usr/lib/wine/wine64
step() { echo "== $*"; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work"
# Under Wine the build machine's folders are on Z:, and the prefix's C: is its drive_c.
folder='C:\Program Files\Tabulex'
unix_folder=$WINEPREFIX/drive_c/Program\ Files/Tabulex

step "installing silently"
"$wine" "$installer" /S
[ -f "$unix_folder/tabulex.exe" ] || fail "tabulex.exe is not in $folder"
[ -f "$unix_folder/examples/opis-sample.docx" ] || fail "the sample is not installed"
[ -f "$unix_folder/Uninstall.exe" ] || fail "no uninstaller"

step "the installed program checks the sample"
"$wine" "$folder\\tabulex.exe" --version
status=0
"$wine" "$folder\\tabulex.exe" check "$folder\\examples\\opis-sample.docx" --report-dir "Z:$work/report" \
    --quiet || status=$?
# The sample holds deliberate faults: 1. Anything above is a failure.
[ "$status" -eq 1 ] || fail "tabulex check of the sample exited with $status"
[ -s "$work/report/Tabulex_Report.txt" ] || fail "no report"
[ -s "$work/report/Tabulex_Report.docx" ] || fail "no report document"

step "uninstalling silently"
"$wine" "$folder\\Uninstall.exe" /S
# The uninstaller runs a copy of itself from the temporary folder and returns at once.
/usr/lib/wine/wineserver -w
[ ! -e "$unix_folder/tabulex.exe" ] || fail "tabulex.exe is still installed"
[ ! -e "$unix_folder/examples/opis-sample.docx" ] || fail "the sample is still installed"
rm -rf "$work"
echo "The installer installs, the installed program checks the sample, the uninstaller removes it."
