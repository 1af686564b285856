#!/bin/bash
# quantivo-convert in a script's hands: one batch of LINES conversions (default
# 1,000,000), start-up included, and the median of RUNS single invocations.
#   bench/cli/run.sh QUANTIVO_CONVERT [LINES] [RUNS]
set -eu
tool=$1 lines=${2:-1000000} runs=${3:-21}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
# Length, mile to kilometer, with a value that changes on every line.
awk -v n="$lines" 'BEGIN { for (i = 1; i <= n; i++) printf "Length\tmile\tkilometer\t%d.%d\n", i % 1000, i % 97 }' > "$input"

# One batch of the lines in $input, labelled: lines a second, start-up included.
# Microseconds from bash's own clock, read without starting a process.
batch() {
  local label=$1 start results elapsed
  start=${EPOCHREALTIME/./}
  results=$(LC_ALL=C "$tool" --batch < "$input" | wc -l)
  elapsed=$(( (10#${EPOCHREALTIME/./} - 10#$start) * 1000 ))
  [ "$results" -eq "$lines" ] || { echo "expected $lines results, got $results" >&2; exit 1; }
  awk -v label="$label" -v n="$lines" -v ns="$elapsed" 'BEGIN { printf "%-9s lines=%d seconds=%.3f per_second=%.0f\n", label, n, ns / 1e9, n / (ns / 1e9) }'
}
batch batch
# Symbols and loose spellings, with the category and without it.
awk -v n="$lines" 'BEGIN { split("km mi ft m in cm yd MILES Metres kilom", w, " "); for (i = 1; i <= n; i++) printf "Length\t%s\t%s\t%d.%d\n", w[i % 10 + 1], w[(i * 7) % 10 + 1], i % 1000, i % 97 }' > "$input"
batch loose
sed 's/^Length//' "$input" > "$input.2" && mv "$input.2" "$input"
batch nocat

# The median of single runs of a command, and of /bin/true as the floor: what starting
# any program costs on this machine.
single() {  # label command...
  local label=$1 times=() start
  shift
  for _ in $(seq 1 "$runs"); do
    start=${EPOCHREALTIME/./}
    LC_ALL=C "$@" > /dev/null
    times+=( $(( (10#${EPOCHREALTIME/./} - 10#$start) * 1000 )) )
  done
  printf '%s\n' "${times[@]}" | sort -n |
    awk -v label="$label" '{ v[NR] = $1 } END { printf "%-9s runs=%d median_ms=%.2f\n", label, NR, v[int((NR + 1) / 2)] / 1e6 }'
}
single single "$tool" Length 1 mile kilometer
single true /bin/true
