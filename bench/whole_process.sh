#!/usr/bin/env bash
# Times `greetcard-cli render NAME -o FILE.bmp` as a whole process (start-up,
# font loading, picture pass, caption, file write) and measures its peak
# resident memory.
#   bench/whole_process.sh [CLI] [RUNS] [NAME]
# CLI defaults to build/src/greetcard-cli, RUNS to 15, NAME to "ana novak".
# Needs GNU time (/usr/bin/time, Debian package "time").
set -euo pipefail
cd "$(dirname "$0")/.."

cli=${1:-build/src/greetcard-cli}
runs=${2:-15}
name=${3:-ana novak}

if [ ! -x "$cli" ]; then
    echo "whole_process.sh: no greetcard-cli at '$cli'; build it first or pass its path" >&2
    exit 2
fi
if [ ! -x /usr/bin/time ]; then
    echo "whole_process.sh: /usr/bin/time is missing; install the Debian package 'time'" >&2
    exit 2
fi
case "$runs" in
'' | *[!0-9]* | 0) echo "whole_process.sh: RUNS must be a whole number of at least 1, got '$runs'" >&2; exit 2 ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
card="$work/card.bmp"

# Median, minimum and maximum of numbers, one a line.
stats() { sort -n | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
                                               printf "%.1f %.1f %.1f\n", m, v[1], v[NR] }'; }

# One run first, so that every timed run finds the program and its libraries
# and fonts in the page cache.
"$cli" render "$name" -o "$card"

# Wall time without the measuring wrapper, to leave its own start-up out.
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$cli" render "$name" -o "$card"
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
done | awk '{ print $1 / 1000 }' >"$work/ms"

for _ in $(seq "$runs"); do
    /usr/bin/time -f %M -o "$work/kb" "$cli" render "$name" -o "$card"
    awk '{ print $1 / 1024 }' "$work/kb"
done >"$work/mib"

read -r t_med t_min t_max < <(stats <"$work/ms")
read -r m_med m_min m_max < <(stats <"$work/mib")
printf 'greetcard-cli render "%s" -o card.bmp, %d runs each, %d cores, %s\n' "$name" "$runs" "$(nproc)" "$(date -u +%FT%TZ)"
printf '%-24s %10s %10s %10s\n' "" median min max
printf '%-24s %10s %10s %10s\n' "wall time (ms)" "$t_med" "$t_min" "$t_max"
printf '%-24s %10s %10s %10s\n' "peak resident (MiB)" "$m_med" "$m_min" "$m_max"
