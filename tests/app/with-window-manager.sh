#!/bin/sh
# Runs a program on the X server of $DISPLAY with openbox managing its windows, as on a desktop:
# frames, placement and activation then behave as users see them. Without openbox the program
# runs alone.
set -u
if command -v openbox >/dev/null 2>&1; then
    openbox --sm-disable >/dev/null 2>&1 &
    manager=$!
    sleep 1  # until it manages the screen
    "$@"
    status=$?
    kill "$manager" 2>/dev/null
    wait "$manager" 2>/dev/null
    exit $status
fi
exec "$@"
