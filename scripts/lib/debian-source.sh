# Fetches Debian's own source packages with `apt-get source`, through a private apt configuration
# with the source entries of the system's own Debian suites, so that the system's sources, lists and
# cache are never touched. Sourced by the scripts that build libraries from source; they set
#   APT_DIR   the folder of the private configuration (kept: its lists are fetched once)
#   SRC_DIR   where the sources are unpacked

apt_private() {
    apt-get -q -o Dir::Etc::sourcelist="$APT_DIR/sources.list" -o Dir::Etc::sourceparts="$APT_DIR/sources.list.d" \
        -o Dir::State::lists="$APT_DIR/lists" -o Dir::Cache="$APT_DIR/cache" \
        -o APT::Sandbox::User=root "$@"
}

prepare_apt() {
    [ -f "$APT_DIR/updated" ] && return
    mkdir -p "$APT_DIR/sources.list.d" "$APT_DIR/lists/partial" "$APT_DIR/cache/archives/partial"
    : >"$APT_DIR/sources.list"
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list >>"$APT_DIR/sources.list"
    fi
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        sed 's/^Types:.*$/Types: deb-src/' "$f" >"$APT_DIR/sources.list.d/$(basename "$f")"
    done
    for f in /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        sed -n 's/^deb \(.*\)$/deb-src \1/p' "$f" >"$APT_DIR/sources.list.d/$(basename "$f")"
    done
    apt_private update >/dev/null || return 1
    touch "$APT_DIR/updated"
}

# The suites of the private sources, the release itself first.
source_suites() {
    { sed -n 's/^Suites://p' "$APT_DIR"/sources.list.d/*.sources 2>/dev/null
      awk '$1 == "deb-src" { print $3 }' "$APT_DIR/sources.list" "$APT_DIR"/sources.list.d/*.list 2>/dev/null
    } | tr ' ' '\n' | grep -v '^$' | awk '{ print length, $0 }' | sort -n | cut -d' ' -f2 | uniq
}

# fetch_source SOURCE_PACKAGE: unpacks it under SRC_DIR and prints its folder; fails with apt's
# output on standard error when it cannot. A mirror may lack the newest update's source files; the
# release's own version is taken then.
fetch_source() {
    mkdir -p "$SRC_DIR"
    prepare_apt || return 1
    rm -rf "$SRC_DIR/$1"-[0-9]* "$SRC_DIR/$1"_*
    if ! (cd "$SRC_DIR" && apt_private source --only-source "$1" >"$SRC_DIR/$1.log" 2>&1); then
        for suite in $(source_suites); do
            (cd "$SRC_DIR" && apt_private source --only-source "$1/$suite" >"$SRC_DIR/$1.log" 2>&1) && break
        done
    fi
    folder=$(find "$SRC_DIR" -maxdepth 1 -type d -name "$1-[0-9]*" | sort | tail -n 1)
    if [ -z "$folder" ]; then
        cat "$SRC_DIR/$1.log" >&2
        return 1
    fi
    echo "$folder"
}
