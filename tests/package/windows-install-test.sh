#!/bin/sh
# Installs the Windows installer silently under Wine (as `Tabulex-*-win64.exe /S` would on Windows),
# checks the bundled sample with the installed tabulex.exe and, when the installer carries the
# window, its Qt files, help, Start menu entry and "Открыть в Табулексе" on each document type; then
# runs the uninstaller silently and checks that all of it is gone. Usage: windows-install-test.sh INSTALLER.exe (WINEPREFIX set; a prefix of its
# own is made beside the installer when not).
set -eu
installer=$(realpath "$1")
packages=$(dirname "$installer")
work=$packages/install-test
export WINEPREFIX="${WINEPREFIX:-$packages/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No menu entries of the build machine's desktop for the Start menu entries made inside the prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
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

types=".docx .doc .rtf .odt"
association() { echo "HKLM\\Software\\Classes\\SystemFileAssociations\\$1\\shell\\Tabulex"; }
# The Start menu entries of all users: the installer runs as an administrator.
start_menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Tabulex
with_window=no
[ -f "$unix_folder/tabulex-gui.exe" ] && with_window=yes
if [ "$with_window" = yes ]; then
    step "the window's files, Start menu entry and file associations"
    for file in tabulex-gui.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
        styles/qwindowsvistastyle.dll translations/qtbase_ru.qm libstdc++-6.dll libgcc_s_seh-1.dll \
        libwinpthread-1.dll help/topic10.html; do
        [ -f "$unix_folder/$file" ] || fail "$file is not installed"
    done
    [ -f "$start_menu/Табулекс.lnk" ] || fail "no Start menu entry for the window"
    for type in $types; do
        key=$(association "$type")
        "$wine" reg export "$key" "Z:$work/association.reg" /y >/dev/null 2>&1 || fail "no association for $type"
        # reg writes UTF-16.
        iconv -f UTF-16 -t UTF-8 "$work/association.reg" >"$work/association.txt"
        grep -q '@="Открыть в Табулексе"' "$work/association.txt" || fail "the verb on $type is not named"
        grep -q 'tabulex-gui.exe' "$work/association.txt" || fail "the verb on $type does not start the window"
    done
fi

step "uninstalling silently"
"$wine" "$folder\\Uninstall.exe" /S
# The uninstaller runs a copy of itself from the temporary folder and returns at once.
/usr/lib/wine/wineserver -w
[ ! -e "$unix_folder/tabulex.exe" ] || fail "tabulex.exe is still installed"
[ ! -e "$unix_folder/examples/opis-sample.docx" ] || fail "the sample is still installed"
if [ "$with_window" = yes ]; then
    [ ! -e "$unix_folder/tabulex-gui.exe" ] || fail "tabulex-gui.exe is still installed"
    [ ! -e "$unix_folder/platforms/qwindows.dll" ] || fail "the Qt plugins are still installed"
    [ ! -e "$start_menu/Табулекс.lnk" ] || fail "the Start menu entry is still there"
    for type in $types; do
        if "$wine" reg query "$(association "$type")" >/dev/null 2>&1; then
            fail "the association on $type is still registered"
        fi
    done
fi
rm -rf "$work"
echo "The installer installs (window: $with_window), the installed program checks the sample, the uninstaller removes it."
