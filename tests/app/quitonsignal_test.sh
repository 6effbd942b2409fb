#!/bin/sh
# The desktop program ends on SIGTERM and SIGINT as at a normal end: the lock of its account
# file is gone, so that the next start neither finds the file in use nor asks about a crash.
#   quitonsignal_test.sh PENVARO
set -eu
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for signal in TERM INT; do
    : > "$dir/giro.p11"
    QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data" \
        "$program" "$dir/giro.p11" &
    pid=$!
    waited=0
    while [ ! -e "$dir/.giro.p11.lock" ]; do
        waited=$((waited + 1))
        if [ "$waited" -gt 300 ]; then
            kill -KILL "$pid"
            echo "the program never locked the file" >&2
            exit 1
        fi
        sleep 0.1
    done
    kill -s "$signal" "$pid"
    wait "$pid" || true
    if [ -e "$dir/.giro.p11.lock" ]; then
        echo "SIG$signal left the lock file behind" >&2
        exit 1
    fi
done
