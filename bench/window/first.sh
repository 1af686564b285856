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
awk '
  { for (i = 1; i <= NF; i++) { split($i, kv, "="); v[kv[1], NR] = kv[2]; names[kv[1]] = i } }
  function median(name,   i, j, t, a) {
    for (i = 1; i <= NR; i++) a[i] = v[name, i]
    for (i = 1; i <= NR; i++) for (j = i + 1; j <= NR; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    return NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2
  }
  END {
    printf "runs=%d", NR
    for (name in names) order[names[name]] = name
    for (i = 1; i in order; i++) printf " %s=%.2f", order[i], median(order[i])
    printf "\n"
  }' "$out"
