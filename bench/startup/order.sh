#!/bin/bash
# Writes the linker script that places together the functions the window program
# runs from its start until its window is drawn, in the C locale and in German.
#   bench/startup/order.sh QUANTIVO [OUT]
# QUANTIVO is a build of the program made with -ffunction-sections (every build of
# this tree is); OUT defaults to src/ui/startup_functions.ld. Runs the program under
# callgrind (apt-get install valgrind) on a server of its own, once in each language
# with a fresh settings folder, and takes the names of the program's functions it ran.
# A function renamed or added since the script was written is only placed with the
# rest: run this again when start-up code has changed much.
# ORDER_SETTLE: seconds to let the program run once its window is on the screen
# (default 3; a longer wait found the same functions).
set -eu
program=$1
out=${2:-$(dirname "$0")/../../src/ui/startup_functions.ld}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi
command -v valgrind >/dev/null || { echo "order.sh: valgrind is needed" >&2; exit 1; }
unset QT_QPA_PLATFORM
work=$(mktemp -d)
chmod 700 "$work"
trap 'rm -rf "$work"' EXIT

# One start in the given language: the profile of it, once its window is drawn, in
# $work/TAG.PID.1. No session bus, as on a bare X server (the runtime folder has no
# bus socket), so that the program's own way of meeting that is profiled too.
profile_start() {  # language tag
  unset DBUS_SESSION_BUS_ADDRESS
  local home=$work/$2 pid dump size
  mkdir -m 700 "$home"
  env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
    XDG_RUNTIME_DIR="$home" LANG="$1" LC_ALL="$1" LANGUAGE= \
    valgrind --tool=callgrind --demangle=no --callgrind-out-file="$work/$2.%p" \
    "$program" >/dev/null 2>&1 &
  pid=$!
  # Drawn: the window is on the screen, and a moment has passed for its first drawing.
  for _ in $(seq 1 600); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Quantivo"' && break
    sleep 0.1
  done
  sleep "${ORDER_SETTLE:-3}"
  callgrind_control -d "$pid" >/dev/null
  # The dump is written once callgrind has taken the request: wait for it to be whole.
  for _ in $(seq 1 300); do
    dump=$(ls "$work/$2".*.1 2>/dev/null || true)
    if [ -n "$dump" ]; then
      size=$(stat -c %s "$dump")
      sleep 0.5
      [ "$size" -gt 0 ] && [ "$size" = "$(stat -c %s "$dump")" ] && break
    else
      sleep 0.1
    fi
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  # Gone from the screen before the next start looks for its window.
  for _ in $(seq 1 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Quantivo"' || break
    sleep 0.1
  done
}

# A start in the C locale, and one in German, whose translation is read at start.
profile_start C c
profile_start de_DE.UTF-8 de

# The program's own functions, by the names of its symbols: callgrind names some of
# them after no object once they lie outside the section called .text. The C
# runtime's entry and set-up code, which every start runs, comes first.
nm --defined-only "$program" | awk '$2 ~ /^[tTwW]$/ { print $3 }' > "$work/own"
python3 - "$work" "$out" <<'PY'
import glob, re, sys
work, out = sys.argv[1:]
own = set(open(f'{work}/own').read().split())
ran, starts = set(), 0
# The dumps taken once the window was drawn (TAG.PID.1), not the empty files the
# killed runs leave.
for profile in glob.glob(f'{work}/*.*.1'):
    functions = {}
    starts += 1
    for line in open(profile):
        m = re.match(r'^(c?)fn=\((\d+)\)(?: (.*))?$', line.rstrip('\n'))
        if not m:
            continue
        if m.group(3):
            functions[m.group(2)] = m.group(3)
        name = functions[m.group(2)]
        if not m.group(1) and name in own and name.startswith('_Z'):
            ran.add(name)
# A constructor or destructor runs under one of its names; its code lies in the
# section of the other (a constructor template's too).
# Sorted, so that the list changes only where the functions do.
names = []
for f in sorted(ran):
    names.append(f)
    for a, b in (('C1E', 'C2E'), ('C2E', 'C1E'), ('C1I', 'C2I'), ('C2I', 'C1I'),
                 ('D1E', 'D2E'), ('D2E', 'D1E')):
        if a in f:
            names.append(f.replace(a, b, 1))
with open(out, 'w') as script:
    script.write('/* The functions the window program runs from its start until its window is\n'
                 '   drawn, placed together ahead of the rest of its code, so that starting\n'
                 '   maps a few pages of the program rather than all of it. Written by\n'
                 '   bench/startup/order.sh. */\n'
                 'SECTIONS\n{\n  .text.quantivo_start :\n  {\n'
                 '    *Scrt1.o(.text) *crt1.o(.text) *crtbeginS.o(.text) *crtbegin.o(.text)\n'
                 '    *(.text.startup .text.startup.*)\n')
    for n in dict.fromkeys(names):
        script.write(f'    *(.text.{n})\n')
    script.write('  }\n}\nINSERT BEFORE .text;\n'
                 '/* The translations, read only by a start in another language than\n'
                 '   English, after the constant data every start reads. */\n'
                 'SECTIONS\n{\n  .rodata.quantivo_translations :\n  {\n'
                 '    *(.rodata._ZL16qt_resource_data)\n  }\n}\nINSERT AFTER .rodata;\n')
print(f'{out}: {len(ran)} functions in {starts} starts')
PY
