#!/bin/sh
# Checks the window's desktop integration before anything is installed: the desktop entry and
# the AppStream metadata validate, and they agree with each other and with the icon.
# Usage: desktop-test.sh <packaging/linux folder>
set -eu
dir=$1
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for entry in "$dir"/*.desktop; do
    id=$(basename "$entry" .desktop)
    metainfo=$dir/$id.metainfo.xml
    desktop-file-validate "$entry" || fail "$entry does not validate"
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" || fail "$metainfo does not validate"
    fi
    grep -q "<id>$id</id>" "$metainfo" || fail "$metainfo names another id than $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "$metainfo does not launch $id.desktop"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$dir/$icon.svg" ] || fail "the icon $icon.svg of $entry is missing"
    # Every document type the entry opens is announced to software centres, and the reverse.
    entry_types=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | grep . | sort)
    metainfo_types=$(sed -n 's|.*<mediatype>\(.*\)</mediatype>.*|\1|p' "$metainfo" | sort)
    for type in $entry_types; do
        echo "$metainfo_types" | grep -qx "$type" ||
            fail "$type opens from the menu but $metainfo does not provide it"
    done
    for type in $metainfo_types; do
        echo "$entry_types" | grep -qx "$type" || fail "$metainfo provides $type, which $entry does not open"
    done
done
[ "$failures" -eq 0 ]
