#!/bin/bash
# The first key press, the first Ctrl+K and the first F3 after start, each in a
# fresh process: medians over RUNS runs (default 15).
#   bench/window/first.sh WINDOW_BENCH [RUNS]
# Offscreen unless QT_QPA_PLATFORM says otherwise.
set -eu
bench=$1 runs=${2:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for _ in $(seq 1 "$runs"); do "$bench" --first >> "$out" 2>/dev/null; done
line="runs=$runs"
for name in $(head -n1 "$out" | tr ' ' '\n' | cut -d= -f1); do
  median=$(tr ' ' '\n' < "$out" | grep "^$name=" | cut -d= -f2 | sort -n |
    awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  line="$line $name=$median"
done
echo "$line"
