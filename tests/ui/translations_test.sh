#!/bin/bash
# The .ts files hold exactly the window's texts, every one translated: none left
# unfinished, none kept from texts the sources no longer have. lupdate reads the
# sources into a copy of each file; a text the file lacks comes in there unfinished,
# one it has that the sources lost is marked vanished.
#   translations_test.sh LUPDATE TS_FILE... -- LUPDATE_ARGUMENTS...
set -eu
lupdate=$1
shift
files=()
while [ "$1" != "--" ]; do
  files+=("$1")
  shift
done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The source texts of the entries of a .ts file marked with one of the given types.
marked() {
  grep -B4 -E "<translation type=\"($2)\"" "$1" | grep -o '<source>.*</source>' || true
}

failed=0
for ts in "${files[@]}"; do
  name=$(basename "$ts")
  left=$(marked "$ts" 'unfinished|vanished|obsolete')
  if [ -n "$left" ]; then
    echo "$name: untranslated or obsolete entries:"
    echo "$left"
    failed=1
  fi
  cp "$ts" "$work/$name"
  if ! "$lupdate" "$@" -ts "$work/$name" > "$work/$name.log" 2>&1; then
    cat "$work/$name.log"
    failed=1
    continue
  fi
  missing=$(marked "$work/$name" 'unfinished')
  gone=$(marked "$work/$name" 'vanished|obsolete')
  if [ -n "$missing" ] || [ -n "$gone" ]; then
    echo "$name is behind the sources (build the target quantivo_update_translations):"
    [ -z "$missing" ] || printf 'texts of the sources without a translation:\n%s\n' "$missing"
    [ -z "$gone" ] || printf 'texts no longer in the sources:\n%s\n' "$gone"
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo ok
exit "$failed"
