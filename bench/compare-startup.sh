#!/usr/bin/env bash
# Start-up measured side by side, in one run and on one X server (Xvfb, 1366x768): Penvaro
# opening an account file with 5000 bookings against a bare Qt Widgets window (time) and
# against HomeBank opening 5000 transactions (peak memory), when HomeBank is installed.
# Each program runs RUNS times, the programs taking turns so that a busy machine slows all of
# them alike; the table shows medians of the wall time from process start to the first window
# drawn and the end of the process, of the processor time it took (user and system; less
# disturbed by other work on the machine than the wall time) and of the peak memory (maximum
# resident set size).
#   bench/compare-startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail

build=$(realpath "${1:-build}")
runs=${2:-10}
penvaro=$build/src/app/penvaro
bare=$build/bench/startup/penvaro_bare_window
writer=$build/bench/ledger/penvaro_bench_account
cli=$build/src/cli/penvaro-cli
for program in "$penvaro" "$bare" "$writer" "$cli"; do
    if [ ! -x "$program" ]; then
        echo "Fehlt: $program (zuerst cmake --build $build)" >&2
        exit 1
    fi
done
if [ ! -x /usr/bin/time ] || ! command -v xvfb-run > /dev/null; then
    echo "Gebraucht werden /usr/bin/time (Paket time) und xvfb-run (Paket xvfb)." >&2
    exit 1
fi
if [ -z "${PENVARO_COMPARE_XVFB:-}" ]; then
    PENVARO_COMPARE_XVFB=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$build" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Nothing of the user's own settings is read or changed.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

"$writer" "$work/konto.p11"
# The start window would stand for three seconds.
printf 'Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro98]\n"StartB"=dword:00000000\n' \
    > "$work/start.reg"
"$cli" settings import "$work/start.reg"

homebank=$(command -v homebank || true)
hbwait=$(command -v xdotool || true)
if [ -n "$homebank" ] && [ -n "$hbwait" ]; then
    # 5000 transactions of one account in HomeBank's own file format; dates are GLib day numbers
    # (730120 is 1 January 2000), spread over eleven years like the account file's.
    awk -v n=5000 'BEGIN {
        srand(7)
        print "<?xml version=\"1.0\"?>"
        print "<homebank v=\"1.4\" d=\"050602\">"
        print "<properties title=\"Bench\" curr=\"1\"/>"
        print "<cur key=\"1\" flags=\"0\" iso=\"EUR\" name=\"Euro\" symb=\"€\" syprf=\"0\" dchar=\",\" gchar=\".\" frac=\"2\" rate=\"0\" mdate=\"0\"/>"
        print "<account key=\"1\" pos=\"1\" type=\"1\" curr=\"1\" name=\"Girokonto\" initial=\"100\" minimum=\"0\"/>"
        print "<pay key=\"1\" name=\"Stadtwerke Köln\"/>"
        print "<cat key=\"1\" name=\"Abbuchung\"/>"
        for (i = 1; i < n; i++)
            printf "<ope date=\"%d\" amount=\"%.2f\" account=\"1\" paymode=\"0\" st=\"%d\" flags=\"0\" payee=\"1\" category=\"1\" wording=\"Abschlag %d\"/>\n",
                730120 + int(rand() * 4018), i / 100.0, (i % 10 == 0 ? 0 : 2), i
        print "</homebank>"
    }' > "$work/konto.xhb"
else
    homebank=
    echo "HomeBank (und xdotool) nicht installiert: nur Penvaro und das leere Fenster." >&2
fi

now() { date +%s%N; }

# Runs the command once; appends "wall-milliseconds kilobytes cpu-milliseconds" to the file named
# first.
measure() {
    local out=$1
    shift
    local start end
    start=$(now)
    /usr/bin/time -f '%M %U %S' -o "$work/rss" "$@" > /dev/null 2>&1
    end=$(now)
    record "$out" $(((end - start) / 1000000))
}

record() {
    tail -n 1 "$work/rss" | awk -v ms="$2" '{ printf "%d %d %d\n", ms, $1, ($2 + $3) * 1000 }' >> "$1"
}

# HomeBank has no way to draw itself and end: it runs until its window with the file's name in
# the title is shown, gets half a second to draw it and is then ended. The time is up to the
# window shown, the half second not counted (its processor time includes it).
measure_homebank() {
    local out=$1
    local start shown timer
    start=$(now)
    /usr/bin/time -f '%M %U %S' -o "$work/rss" "$homebank" "$work/konto.xhb" > /dev/null 2>&1 &
    timer=$!
    if ! timeout 30 "$hbwait" search --sync --onlyvisible --name 'konto\.xhb' > /dev/null; then
        kill "$(pgrep -P "$timer")" || true
        echo "HomeBank zeigte in 30 Sekunden kein Fenster mit der Datei." >&2
        exit 1
    fi
    shown=$(now)
    sleep 0.5
    kill "$(pgrep -P "$timer")"
    wait "$timer" || true
    record "$out" $(((shown - start) / 1000000))
}

one_round() {
    measure "$work/bare" "$bare" --screenshot "$work/bare.png"
    measure "$work/penvaro" "$penvaro" --screenshot "$work/penvaro.png" "$work/konto.p11"
    if [ -n "$homebank" ]; then
        measure_homebank "$work/homebank"
    fi
}

# One round unmeasured, so that every program starts from the file cache.
one_round
rm -f "$work/bare" "$work/penvaro" "$work/homebank"
for ((i = 0; i < runs; i++)); do
    one_round
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
ms() { cut -d' ' -f1 "$work/$1" | median; }
kb() { cut -d' ' -f2 "$work/$1" | median; }
cpu() { cut -d' ' -f3 "$work/$1" | median; }

row() {
    printf '%-24s %8d %8d %8.1f\n' "$1" "$(ms "$2")" "$(cpu "$2")" \
        "$(kb "$2" | awk '{ print $1 / 1024 }')"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "Start-up with 5000 bookings, median of $runs runs"
printf '%-24s %8s %8s %8s\n' "" "ms" "cpu ms" "MB"
row "bare Qt window" bare
row "Penvaro" penvaro
if [ -n "$homebank" ]; then
    row "HomeBank (window shown)" homebank
fi
echo "Penvaro / bare Qt window, time:  $(ratio "$(ms penvaro)" "$(ms bare)") (target 1.3)," \
    "processor time: $(ratio "$(cpu penvaro)" "$(cpu bare)")"
if [ -n "$homebank" ]; then
    echo "Penvaro / HomeBank, memory:      $(ratio "$(kb penvaro)" "$(kb homebank)") (target 0.9)"
fi
