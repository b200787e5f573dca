#!/usr/bin/env bash
# Soak of the station road with faults, about half an hour: a headless Wetterpult on the simulated
# station while the simulator is killed and started again CYCLES times (every fifth pause longer
# than two minutes), then a second one as client of the station server while the server is
# restarted. Afterwards the weather logs are checked: a line in every minute of good data, no line
# of stale data (written more than two minutes after the station time it shows) and none of zero
# data. Usage: scripts/soak-station.sh [BUILD_DIR]   (default build/dev; env CYCLES, UP, DOWN,
# LONG_DOWN, SERVER_RUNS in seconds or counts). Exit code 0 when every check holds.
set -uo pipefail
cd "$(dirname "$0")/.."
b="${1:-build/dev}"
CYCLES="${CYCLES:-10}" UP="${UP:-75}" DOWN="${DOWN:-15}" LONG_DOWN="${LONG_DOWN:-140}"
SERVER_RUNS="${SERVER_RUNS:-3}"
work="$(mktemp -d /tmp/wetterpult-soak.XXXXXX)"
link="$work/station"
port=$((20000 + RANDOM % 20000))
pids=()
echo "Arbeitsordner: $work"

stop_pid() { [ -n "${1:-}" ] && kill "$1" 2>/dev/null && wait "$1" 2>/dev/null; }
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; }
trap cleanup EXIT

sim_pid=""
start_sim() {  # the simulator on a new pseudo-terminal, linked to the station's fixed path
    "$b/tools/sim/wetterpult-sim" --pty --seed "$1" >"$work/sim.out" 2>>"$work/sim.err" &
    sim_pid=$!
    pids+=("$sim_pid")
    for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
    ln -sfn "$(head -n1 "$work/sim.out")" "$link"
}

make_folder() {  # a program folder with a log line every minute
    mkdir -p "$1"
    printf '[Wetterlog]\r\nLogInterval=60000\r\n' >"$1/wetterpult.ini"
}

# Notes the moment each new log line appears: "epoch-seconds<TAB>line".
watch_log() {
    local folder=$1 out=$2 count=0 n last
    while :; do
        last=$(ls -t "$folder"/t*.txt 2>/dev/null | head -n1)
        if [ -n "$last" ]; then
            n=$(cat "$folder"/t*.txt | wc -l)
            if [ "$n" -gt "$count" ]; then
                count=$n
                printf '%s\t%s\n' "$(date +%s)" "$(tail -n1 "$last" | tr -d '\r')" >>"$out"
            fi
        fi
        sleep 1
    done
}

# Up intervals are noted as "start end" lines; each log line with the moment it appeared.
check() {
    local name=$1 lines=$2 ups=$3 fail=0
    awk -v name="$name" -F'\t' '
        NR == FNR { split($0, w, " "); up_s[++u] = w[1]; up_e[u] = w[2]; next }
        $2 ~ /Datum/ { next }
        {
            n = split($2, f, " +")
            if (f[1] == "") { for (i = 1; i < n; ++i) f[i] = f[i + 1]; --n }
            split(f[1], d, "."); split(f[2], t, ":")
            cmd = sprintf("date -d \"%s-%s-%s %s:%s:%s\" +%%s", d[3], d[2], d[1], t[1], t[2], t[3])
            cmd | getline station; close(cmd)
            age = $1 - station
            ++lines
            if (age > 135) { ++stale; print name ": alte Daten (" age " s): " $2 }
            if (f[3] + 0 == 0 || f[10] + 0 == 0) { ++zero; print name ": Nullzeile: " $2 }
            written[lines] = $1
        }
        END {
            # From the first line on, a line comes every minute; a longer gap is allowed only
            # across a pause in which the data grew older than two minutes.
            for (j = 2; j <= lines; ++j) {
                gap = written[j] - written[j - 1]
                if (gap <= 70) { if (gap > widest) widest = gap; continue }
                ok = 0
                for (k = 1; k < u; ++k)
                    if (up_s[k + 1] - up_e[k] > 120 && written[j - 1] <= up_s[k + 1] + 30 &&
                        written[j] >= up_e[k] + 115) ok = 1
                if (ok) ++skipped
                else { ++missing; print name ": Lücke von " gap " s nach " written[j - 1] }
            }
            last = up_e[u] - written[lines]
            if (lines == 0 || last > 70) { ++missing; print name ": keine Zeile in der letzten Minute" }
            printf "%s: %d Zeilen, größter Abstand %d s, %d Lücke(n) über langen Pausen, " \
                   "%d unerklärte Lücke(n), %d alt, %d Null\n", name, lines, widest, skipped,
                   missing, stale, zero
            exit (stale + zero + missing) > 0
        }' "$ups" "$lines" || fail=1
    return $fail
}

# One phase: the program with these options while restart_<kind> is called RUNS times with
# pauses between (the pauses named in long_pause are LONG_DOWN, the others DOWN).
phase() {
    local name=$1 runs=$2 long_every=$3 prog watcher; shift 3
    make_folder "$work/$name"
    "$b/src/app/wetterpult" --headless --folder "$work/$name" --activate "$@" 2>"$work/$name.err" &
    prog=$!
    pids+=("$prog")
    watch_log "$work/$name" "$work/$name.lines" &
    watcher=$!
    pids+=("$watcher")
    : >"$work/$name.ups"
    local up_start pause
    up_start=$(date +%s)
    for run in $(seq "$runs"); do
        sleep "$UP"
        echo "$up_start $(date +%s)" >>"$work/$name.ups"
        "stop_$name"
        pause=$DOWN
        [ $((run % long_every)) -eq 0 ] && pause=$LONG_DOWN
        echo "$name: Station beendet ($run/$runs), Pause $pause s"
        sleep "$pause"
        "start_$name" "$run"
        up_start=$(date +%s)
    done
    sleep "$UP"
    echo "$up_start $(date +%s)" >>"$work/$name.ups"
    stop_pid "$prog"
    stop_pid "$watcher"
}

# Serial road: the simulator killed and started again (every fifth pause a long one).
stop_seriell() { stop_pid "$sim_pid"; }
start_seriell() { start_sim $(($1 + 1)); }
start_sim 1
phase seriell "$CYCLES" 5 --port "$link"

# Client road: the station server restarted (the last pause a long one).
server_pid=""
stop_client() { stop_pid "$server_pid"; }
start_client() {
    "$b/tools/server/wetterpult-server" --serial "$link" --listen "$port" >>"$work/server.out" 2>&1 &
    server_pid=$!
    pids+=("$server_pid")
    sleep 1
}
start_client 0
phase client "$SERVER_RUNS" "$SERVER_RUNS" --client "127.0.0.1:$port"
stop_pid "$server_pid"
stop_pid "$sim_pid"

status=0
check seriell "$work/seriell.lines" "$work/seriell.ups" || status=1
check client "$work/client.lines" "$work/client.ups" || status=1
for side in seriell client; do
    echo "--- Meldungen ($side):"
    sort "$work/$side.err" | uniq -c
done
exit $status
