#!/bin/bash
# Start-up of the window against the Qt floor, measured in the same run.
#   bench/startup/run.sh MEASURE_STARTUP QUANTIVO QT_FLOOR [RUNS]
# Starts its own Xvfb (xvfb-run) unless DISPLAY is set; each run gets a fresh
# settings folder. One warm-up run of each, then RUNS runs (default 9) taken in turn;
# prints the medians and the ratios to the floor.
set -eu
# The programs must open real windows on the X server, even when the caller (a
# test run with QT_QPA_PLATFORM=offscreen, say) picked another platform.
unset QT_QPA_PLATFORM
measure=$1 quantivo=$2 floor=$3 runs=${4:-9}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
one() {  # name title program
  local home
  home=$(mktemp -d)
  chmod 700 "$home"
  echo "$1 $(HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache \
    XDG_RUNTIME_DIR=$home "$measure" --title "$2" -- "$3")" >> "$out"
  rm -rf "$home"
}
one warmup "Qt floor" "$floor"
one warmup Quantivo "$quantivo"
for _ in $(seq 1 "$runs"); do
  one floor "Qt floor" "$floor"
  one quantivo Quantivo "$quantivo"
done
awk '
  $1 == "warmup" { next }
  { split($2, m, "="); split($3, p, "="); split($4, k, "=");
    map[$1, ++n[$1]] = m[2]; paint[$1, n[$1]] = p[2]; peak[$1, n[$1]] = k[2] }
  function median(a, name, count,   i, j, t, v) {
    for (i = 1; i <= count; i++) v[i] = a[name, i]
    for (i = 1; i <= count; i++) for (j = i + 1; j <= count; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return count % 2 ? v[(count + 1) / 2] : (v[count / 2] + v[count / 2 + 1]) / 2
  }
  END {
    for (name in n) {
      mm[name] = median(map, name, n[name]); pm[name] = median(paint, name, n[name])
      km[name] = median(peak, name, n[name])
      printf "%-9s runs=%d map_ms=%.1f paint_ms=%.1f peak_mib=%.1f\n", name, n[name], mm[name], pm[name], km[name] / 1024
    }
    printf "ratio     map=%.2f paint=%.2f\n", mm["quantivo"] / mm["floor"], pm["quantivo"] / pm["floor"]
    if (mm["quantivo"] <= 0 || pm["quantivo"] <= 0) exit 1
  }' "$out"
