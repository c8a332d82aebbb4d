#!/usr/bin/env bash
# Start-up time and peak memory of the game beside a plain window, run side by side
# (on the offscreen platform unless QT_QPA_PLATFORM names another).
#
# Usage: bench/measure-startup.sh [RUNS] [PROBE_DIR]
#   RUNS       runs of each probe (default 30)
#   PROBE_DIR  where startup_probe_game and startup_probe_bare were built
#              (default: build/bench under the source tree)
#
# Each round runs both probes once, in alternating order, so that both
# share whatever the machine is doing at the time; one untimed round first
# warms the page cache and the font cache. Wall time is taken by the shell
# around each run, so exec, dynamic linking and exit are in it; each probe
# also prints its own time from the top of main and its peak resident
# memory (VmHWM), so nothing beyond bash and awk is needed.
#
# Targets: the game's median wall time at most 1.3 times the plain window's,
# and its median peak memory at most 6 MiB above it. Exit status 0 when both
# are met, 1 when one is missed, 2 when a probe fails to run.
set -euo pipefail

runs=${1:-30}
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
probe_dir=${2:-$source_dir/build/bench}
game=$probe_dir/startup_probe_game
bare=$probe_dir/startup_probe_bare

if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "RUNS must be a positive whole number, not '$runs'" >&2
    exit 2
fi
for probe in "$game" "$bare"; do
    if [[ ! -x $probe ]]; then
        echo "no probe at $probe: build the targets startup_probe_game and startup_probe_bare, or give PROBE_DIR" >&2
        exit 2
    fi
done

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

results=$(mktemp)
output_file=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$results" "$output_file" "$errors"' EXIT

# One run: prints "<name> <wall_us> <cpu_us> <main_us> <peak_kib>". The
# wall time is read around the probe's fork, exec, run and exit; the
# shell's own `time` adds its processor time (user and system, to the
# millisecond), which suffers less from other work on the machine.
run_probe() {
    local name=$1 probe=$2 timing output
    if ! timing=$( {
        TIMEFORMAT='%3U %3S'
        start=$EPOCHREALTIME
        time "$probe" >"$output_file" 2>"$errors"
        status=$?
        end=$EPOCHREALTIME
        echo "${start/./} ${end/./}"
        exit $status
    } 2>&1 ); then
        echo "$name failed: $(<"$output_file")" >&2
        cat "$errors" >&2
        return 1
    fi
    output=$(<"$output_file")
    [[ $output =~ startup_us=([0-9]+)\ peak_kib=([0-9]+) ]] || {
        echo "$name printed no figures: $output" >&2
        return 1
    }
    # shellcheck disable=SC2086 # four numbers, split on purpose
    set -- $timing
    awk -v name="$name" -v user="$1" -v sys="$2" -v start="$3" -v end="$4" \
        -v main="${BASH_REMATCH[1]}" -v peak="${BASH_REMATCH[2]}" \
        'BEGIN { printf "%s %d %d %d %d\n", name, end - start, int((user + sys) * 1e6 + 0.5), main, peak }'
}

run_probe bare "$bare" >/dev/null || exit 2
run_probe game "$game" >/dev/null || exit 2

for ((round = 1; round <= runs; ++round)); do
    if ((round % 2)); then
        run_probe game "$game" >>"$results" || exit 2
        run_probe bare "$bare" >>"$results" || exit 2
    else
        run_probe bare "$bare" >>"$results" || exit 2
        run_probe game "$game" >>"$results" || exit 2
    fi
done

# The median of column $2 for the probe named $1.
median() {
    awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$results" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

game_wall=$(median game 2)
bare_wall=$(median bare 2)
game_cpu=$(median game 3)
bare_cpu=$(median bare 3)
game_main=$(median game 4)
bare_main=$(median bare 4)
game_peak=$(median game 5)
bare_peak=$(median bare 5)

awk -v runs="$runs" \
    -v gw="$game_wall" -v bw="$bare_wall" -v gc="$game_cpu" -v bc="$bare_cpu" \
    -v gm="$game_main" -v bm="$bare_main" -v gp="$game_peak" -v bp="$bare_peak" 'BEGIN {
    ratio = gw / bw
    extra = (gp - bp) / 1024
    printf "Medians of %d runs each, %s platform, interleaved\n", runs, ENVIRON["QT_QPA_PLATFORM"]
    printf "%-30s %12s %12s %8s\n", "", "game", "plain window", "ratio"
    printf "%-30s %9.2f ms %9.2f ms %8.2f\n", "wall time (exec to exit)", gw / 1000, bw / 1000, ratio
    printf "%-30s %9.2f ms %9.2f ms %8.2f\n", "processor time (user+system)", gc / 1000, bc / 1000, gc / bc
    printf "%-30s %9.2f ms %9.2f ms %8.2f\n", "top of main to first paint", gm / 1000, bm / 1000, gm / bm
    printf "%-30s %8.2f MiB %8.2f MiB %+7.2f MiB\n", "peak resident memory", gp / 1024, bp / 1024, extra
    printf "\n"
    time_ok = ratio <= 1.3
    memory_ok = extra <= 6
    printf "time:   game / plain window = %.2f (target at most 1.30): %s\n", ratio, time_ok ? "PASS" : "FAIL"
    printf "memory: game - plain window = %.2f MiB (target at most 6 MiB): %s\n", extra, memory_ok ? "PASS" : "FAIL"
    exit (time_ok && memory_ok) ? 0 : 1
}'
