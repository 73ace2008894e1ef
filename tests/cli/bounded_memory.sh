#!/usr/bin/env bash
# Files of a few bytes that claim billions of zones or a 4 GB text must be
# refused at once, even when the process may not use more than a small
# amount of memory: nothing is allocated from a length the file cannot hold.
set -u
cli="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

empty_texts() { for _ in $(seq 1 "$1"); do printf '\0\0\0\0'; done; }

printf '\xff\xff\xff\xff0123' > "$work/huge_text.prj"
{ empty_texts 16; printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0'; printf '\xff\xff\xff\xff'; } > "$work/huge_zone_count.prj"
{ empty_texts 16; printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0'; printf '\x01\0\0\0'; printf '\xfe\xff\xff\xff'; head -c 60 /dev/zero; } > "$work/huge_zone_text.prj"
{ empty_texts 9; head -c 23 /dev/zero; printf '\xf0\xff\xff\xff'; } > "$work/huge_position_count.xcmp"
{ head -c 60 /dev/zero; printf '\xff'; head -c 23 /dev/zero; } > "$work/many_records.kst"

failures=0
for file in "$work"/*; do
  # 256 MiB of address space: a 4 GB buffer or billions of zones cannot fit.
  output="$( (ulimit -v 262144; "$cli" info "$file") 2>&1 >/dev/null)"
  code=$?
  # Refused as damaged, not as out of memory after trying to allocate.
  if [ "$code" -ne 1 ] || [[ "$output" != *已损坏* ]]; then
    echo "FAIL $(basename "$file"): exit $code, message: $output"
    failures=$((failures + 1))
  else
    echo "ok   $(basename "$file"): $output"
  fi
done
exit "$failures"
