#!/bin/bash
# Writes the linker script that places together the functions the window program
# runs from its start until its window is drawn.
#   bench/startup/order.sh QUANTIVO [OUT]
# QUANTIVO is a build of the program made with -ffunction-sections (every build of
# this tree is); OUT defaults to src/ui/startup_functions.ld. Runs the program once
# under callgrind (apt-get install valgrind) on a server of its own, in the C locale
# with a fresh settings folder, and takes the names of the functions of the program
# it ran. A function renamed or added since the script was written is only placed
# with the rest: run this again when start-up code has changed much.
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

env HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
  XDG_RUNTIME_DIR="$work" LANG=C LC_ALL=C LANGUAGE= DBUS_SESSION_BUS_ADDRESS=disabled: \
  valgrind --tool=callgrind --demangle=no --callgrind-out-file="$work/profile.%p" \
  "$program" >/dev/null 2>&1 &
pid=$!
# Drawn: the window is on the screen, and a moment has passed for its first drawing.
for _ in $(seq 1 600); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Quantivo"' && break
  sleep 0.1
done
sleep 3
callgrind_control -d "$pid" >/dev/null
sleep 1
kill -9 "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

python3 - "$work" "$(basename "$program")" "$out" <<'PY'
import glob, re, sys
work, name, out = sys.argv[1:]
objects, functions, ran, current = {}, {}, [], None
profile = [f for f in glob.glob(f'{work}/profile.*') if re.search(r'\.\d+$', f)][0]
for line in open(profile):
    m = re.match(r'^(c?)(ob|fn)=\((\d+)\)(?: (.*))?$', line.rstrip('\n'))
    if not m:
        continue
    table = objects if m.group(2) == 'ob' else functions
    if m.group(4):
        table[m.group(3)] = m.group(4)
    if m.group(1):
        continue
    if m.group(2) == 'ob':
        current = table[m.group(3)]
    elif current.endswith('/' + name) and table[m.group(3)].startswith('_Z'):
        ran.append(table[m.group(3)])
# A constructor or destructor runs under one of its names; its code lies in the
# section of the other.
names = []
for f in dict.fromkeys(ran):
    names.append(f)
    for a, b in (('C1E', 'C2E'), ('C2E', 'C1E'), ('D1E', 'D2E'), ('D2E', 'D1E')):
        if a in f:
            names.append(f.replace(a, b, 1))
with open(out, 'w') as script:
    script.write('/* The functions the window program runs from its start until its window is\n'
                 '   drawn, placed together ahead of the rest of its code, so that starting\n'
                 '   maps a few pages of the program rather than all of it. Written by\n'
                 '   bench/startup/order.sh. */\n'
                 'SECTIONS\n{\n  .text.quantivo_start :\n  {\n'
                 '    *(.text.startup .text.startup.*)\n')
    for n in dict.fromkeys(names):
        script.write(f'    *(.text.{n})\n')
    script.write('  }\n}\nINSERT BEFORE .text;\n')
print(f'{out}: {len(dict.fromkeys(ran))} functions')
PY
