#!/bin/sh
# Builds the Debian packages, lints them and installs them into a clean Debian 12 root made by
# debootstrap, with their dependencies from the archive, as a user's `apt install` would. Then
# runs the installed command line there: its version and a check of the bundled sample.
#
# Without root, or when debootstrap cannot fetch the base system (no network), the packages are
# unpacked into a directory instead, the command is run from there, and every shared library it
# links is checked to come from a package named in Depends. TABULEX_PACKAGE_TEST=unpack asks for
# that quicker form directly.
#
# Everything lives under build/package-test/ (removed when the test passes).
set -eu
cd "$(dirname "$0")/../.."
started=$(date +%s)
work=build/package-test
sample=/usr/share/doc/tabulex/examples/opis-sample.docx

step() { echo "== $*"; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Lintian tags accepted, each for a reason:
#   initial-upload-closes-no-bugs: the packages are not uploaded to Debian, so there is no
#     bug asking for them to close.
accepted_tags=initial-upload-closes-no-bugs

step "building the packages"
sh scripts/package.sh >/dev/null
cli_deb=$(ls build/packages/tabulex_*.deb)
debs=$(ls build/packages/*.deb)

step "lintian"
# shellcheck disable=SC2086
lintian --fail-on error,warning --suppress-tags "$accepted_tags" $debs

# Removes a directory tree without descending into anything mounted below it (debootstrap
# mounts /proc and /sys inside the root while it works).
remove_tree() {
    if [ -d "$1" ]; then
        for mounted in $(findmnt -rn -o TARGET | grep "^$(realpath "$1")/" | sort -r); do
            umount "$mounted"
        done
        rm -rf --one-file-system "$1"
    fi
}

remove_tree "$work"
mkdir -p "$work"

# The check of the sample exits 1: the sample holds deliberate faults. 2 or more is a failure.
expect_checked() {
    status=$1
    [ "$status" -le 1 ] || fail "tabulex check exited with $status"
}

root=$work/root

# Makes the clean root; fails (without stopping the test) when the base system cannot be fetched.
make_clean_root() {
    # The mirror this machine's apt uses, so the test needs nothing configured of its own.
    mirror=$(apt-cache policy | sed -n 's|^ *[0-9-]* \([a-z]*://[^ ]*\) bookworm/main .*|\1|p' | head -n 1)
    [ -n "$mirror" ] || return 1
    step "debootstrap --variant=minbase bookworm from the machine's mirror"
    if ! debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1; then
        tail -n 20 "$work/debootstrap.log" >&2
        return 1
    fi
}

install_into_chroot() {
    [ -f /etc/resolv.conf ] && cp /etc/resolv.conf "$root/etc/resolv.conf"
    mkdir -p "$root/tmp/packages"
    # shellcheck disable=SC2086
    cp $debs "$root/tmp/packages/"

    step "apt-get install of the packages in the clean root"
    chroot "$root" apt-get update -q >"$work/apt.log" 2>&1 || {
        tail -n 20 "$work/apt.log" >&2
        fail "apt-get update in the clean root"
    }
    chroot "$root" env DEBIAN_FRONTEND=noninteractive \
        sh -c 'apt-get install -y -q --no-install-recommends /tmp/packages/*.deb' >>"$work/apt.log" 2>&1 ||
        {
            tail -n 30 "$work/apt.log" >&2
            fail "the packages do not install into a clean Debian 12"
        }

    step "running the installed command"
    chroot "$root" tabulex --version | grep -q "^tabulex " || fail "tabulex --version"
    status=0
    chroot "$root" sh -c "cd /tmp && tabulex check $sample --report-dir reports" >"$work/check.log" 2>&1 ||
        status=$?
    [ "$status" -le 1 ] || tail -n 20 "$work/check.log" >&2
    expect_checked "$status"
    [ -s "$root/tmp/reports/Tabulex_Report.txt" ] || fail "no report written"
    [ -s "$root/tmp/reports/Tabulex_Report.docx" ] || fail "no report document written"
    for page in tabulex tabulex-check; do
        [ -s "$root/usr/share/man/man1/$page.1.gz" ] || fail "no manual page $page(1)"
    done
    if [ -e "$root/usr/bin/tabulex-gui" ]; then
        ! chroot "$root" ldd /usr/bin/tabulex-gui | grep "not found" ||
            fail "tabulex-gui misses libraries in a clean Debian 12"
        desktop-file-validate "$root"/usr/share/applications/*.desktop
    fi
}

# The package's Depends must name the package of every shared library the program links
# directly (what those libraries need, their own packages bring).
check_dependency_list() {
    deb=$1
    program=$2
    depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *\([^ (|]*\).*/\1/')
    for needed in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        # the dynamic loader is listed by its path alone ("/lib64/ld-linux-x86-64.so.2 (0x...)")
        lib=$(ldd "$program" | awk -v name="$needed" '$1 == name { print $3 } $1 ~ ("/" name "$") { print $1 }' |
            head -n 1)
        [ -n "$lib" ] || fail "$program needs $needed, which ldd does not find"
        # with merged /usr a library may be registered under /lib or /usr/lib
        owner=$(dpkg-query -S "$lib" "/usr$lib" "${lib#/usr}" 2>/dev/null | head -n 1 | cut -d: -f1)
        [ -n "$owner" ] || fail "no package holds $lib"
        echo "$depends" | grep -qx "$owner" ||
            fail "$program links $lib of $owner, which Depends does not name"
    done
    for package in $depends; do
        apt-cache show "$package" >/dev/null 2>&1 || fail "Depends names $package, which apt does not know"
    done
}

install_by_unpacking() {
    unpacked=$work/unpacked
    step "unpacking the packages into $unpacked and checking their dependency lists"
    for deb in $debs; do
        dpkg-deb -x "$deb" "$unpacked"
    done
    check_dependency_list "$cli_deb" "$unpacked/usr/bin/tabulex"
    for deb in $debs; do
        if [ "$(dpkg-deb -f "$deb" Package)" = tabulex-gui ]; then
            check_dependency_list "$deb" "$unpacked/usr/bin/tabulex-gui"
        fi
    done
    "$unpacked/usr/bin/tabulex" --version | grep -q "^tabulex " || fail "tabulex --version"
    status=0
    (cd "$work" && unpacked/usr/bin/tabulex check "unpacked$sample" --report-dir reports) \
        >"$work/check.log" 2>&1 || status=$?
    [ "$status" -le 1 ] || tail -n 20 "$work/check.log" >&2
    expect_checked "$status"
    [ -s "$work/reports/Tabulex_Report.txt" ] || fail "no report written"
}

if [ "${TABULEX_PACKAGE_TEST:-}" != unpack ] && [ "$(id -u)" = 0 ] && make_clean_root; then
    install_into_chroot
    how="installed into a clean Debian 12 root"
else
    [ "${TABULEX_PACKAGE_TEST:-}" = unpack ] ||
        echo "NOTE: no clean Debian 12 root (needs root and the archive): unpacking instead"
    remove_tree "$root"
    install_by_unpacking
    how="unpacked, dependency list checked"
fi
remove_tree "$work"
echo "Package test passed ($how) in $(($(date +%s) - started)) s."
