#!/bin/bash
# Start-up of the window against the Qt floor, measured in the same run.
#   bench/startup/run.sh MEASURE_STARTUP QUANTIVO QT_FLOOR [ROUNDS]
# Starts its own Xvfb (xvfb-run) unless DISPLAY is set. For each way of running
# (without a session bus, then with one), one warm-up run of each program, then
# ROUNDS rounds (default 15) in which the floor, Quantivo in the C locale and
# Quantivo in German (its translation loaded) start in turn, each with a fresh
# settings folder; prints the medians and the ratios.
# Environment:
#   STARTUP_BUS  none, session or both (the default)
#   STARTUP_WM   a window manager to start on the server first (openbox, icewm...)
#   STARTUP_LANG the second language (default de_DE.UTF-8; empty for none)
#   STARTUP_BEFORE another build of Quantivo, started in each round too, to
#                measure a change against the program before it
set -eu
# The programs must open real windows on the X server, even when the caller (a
# test run with QT_QPA_PLATFORM=offscreen, say) picked another platform.
unset QT_QPA_PLATFORM
measure=$1 quantivo=$2 floor=$3 rounds=${4:-15}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$0" "$@"
fi
buses=${STARTUP_BUS:-both}
[ "$buses" = both ] && buses="none session"
language=${STARTUP_LANG-de_DE.UTF-8}
out=$(mktemp)
pids=()
cleanup() {
  rm -f "$out"
  [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null || true
}
trap cleanup EXIT

# A server whose last client leaves starts over, and compiles its keymap again
# (60 ms of work on this machine) just as the next program connects: a desktop's
# server never does, so one client stays connected for the whole run.
xprop -root -spy >/dev/null 2>&1 &
pids+=($!)

if [ -n "${STARTUP_WM:-}" ]; then
  "$STARTUP_WM" >/dev/null 2>&1 &
  pids+=($!)
  # The manager owns the screen once it has named itself on the root window.
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
fi

one() {  # bus label title lang program
  local home line
  home=$(mktemp -d)
  chmod 700 "$home"
  if line=$(env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
      XDG_RUNTIME_DIR="$home" LANG="$4" LC_ALL="$4" LANGUAGE= \
      "$measure" --title "$3" -- "$5"); then
    echo "$1 $2 $line" >> "$out"
  else
    echo "startup: $2 did not show its window (bus $1)" >&2
  fi
  rm -rf "$home"
}

for bus in $buses; do
  if [ "$bus" = session ]; then
    # One session bus for the run, as a desktop session has; the accessibility bus
    # is started on it by the first program that asks.
    address=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$out.pid")
    pids+=($(cat "$out.pid"))
    rm -f "$out.pid"
    export DBUS_SESSION_BUS_ADDRESS=$address
  else
    # No bus, as on a bare X server: no address, and no socket in the runtime folder
    # (each program gets a fresh one). Whether D-Bus then tries to start one is the
    # program's affair, measured with the rest.
    unset DBUS_SESSION_BUS_ADDRESS
  fi
  one "$bus" warmup "Qt floor" C "$floor"
  one "$bus" warmup Quantivo C "$quantivo"
  for _ in $(seq 1 "$rounds"); do
    one "$bus" floor "Qt floor" C "$floor"
    one "$bus" quantivo Quantivo C "$quantivo"
    [ -z "$language" ] || one "$bus" "quantivo-${language%%_*}" Quantivo "$language" "$quantivo"
    [ -z "${STARTUP_BEFORE:-}" ] || one "$bus" before Quantivo C "$STARTUP_BEFORE"
  done
done

awk '
  $2 == "warmup" { next }
  {
    key = $1 SUBSEP $2
    if (!(key in n)) order[++names] = key
    i = ++n[key]
    split($3, m, "="); split($4, p, "="); split($5, k, "=")
    map[key, i] = m[2]; paint[key, i] = p[2]; peak[key, i] = k[2] / 1024
  }
  function median(a, key, count,   i, j, t, v) {
    for (i = 1; i <= count; i++) v[i] = a[key, i]
    for (i = 1; i <= count; i++) for (j = i + 1; j <= count; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return count % 2 ? v[(count + 1) / 2] : (v[count / 2] + v[count / 2 + 1]) / 2
  }
  END {
    failed = names == 0
    for (o = 1; o <= names; o++) {
      key = order[o]; split(key, part, SUBSEP); bus = part[1]; name = part[2]
      mm[key] = median(map, key, n[key]); pm[key] = median(paint, key, n[key])
      km[key] = median(peak, key, n[key])
      printf "bus=%-8s %-12s runs=%d map_ms=%.1f paint_ms=%.1f peak_mib=%.1f\n", bus, name, n[key], mm[key], pm[key], km[key]
      if (mm[key] <= 0 || pm[key] <= 0) failed = 1
      if (name ~ /^quantivo-/) language[bus] = key
      buses[bus] = 1
    }
    for (bus in buses) {
      f = bus SUBSEP "floor"; q = bus SUBSEP "quantivo"
      if (!(f in pm) || !(q in pm)) { failed = 1; continue }
      printf "bus=%-8s ratio        map=%.2f paint=%.2f peak_diff_mib=%.1f", bus, mm[q] / mm[f], pm[q] / pm[f], km[q] - km[f]
      if (bus in language) printf " %s/C paint=%.3f", substr(language[bus], length(bus) + 2), pm[language[bus]] / pm[q]
      b = bus SUBSEP "before"
      if (b in pm) printf " before: map=%.2f paint=%.2f peak_diff_mib=%.1f", mm[b] / mm[f], pm[b] / pm[f], km[b] - km[f]
      printf "\n"
    }
    exit failed
  }' "$out"
