#!/usr/bin/env bash
# Peak memory and time of opening large list files (1 and 10 million lines), measured
# with /usr/bin/time -v around bench_open_memory, which opens a file as File > Open does.
# The allowance is twice the file's size plus 16 bytes a line, on top of what the
# process holds before it opens anything (measured on an empty file).
#
#   bench/open-memory.sh [path/to/bench_open_memory] [lines ...]
set -euo pipefail

probe=${1:-build-bench/bin/bench_open_memory}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000000 10000000)

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

peak_kib() { # peak resident memory of one open, in KiB
  /usr/bin/time -v "$probe" "$1" 2>&1 >"$folder/out" | awk -F: '/Maximum resident/ { print $2 + 0 }'
}

: >"$folder/empty.slf"
base=$(peak_kib "$folder/empty.slf")
printf '%-10s %12s %10s %10s %10s %9s\n' lines file_bytes peak_KiB open_KiB allow_KiB open_ms
for lines in "${sizes[@]}"; do
  file="$folder/list-$lines.slf"
  "$probe" --make "$lines" "$file"
  bytes=$(stat -c %s "$file")
  peak=$(peak_kib "$file")
  ms=$(awk '/open_ms/ { print $2 }' "$folder/out")
  allow=$(((2 * bytes + 16 * lines) / 1024))
  printf '%-10s %12s %10s %10s %10s %9s\n' "$lines" "$bytes" "$peak" $((peak - base)) "$allow" "$ms"
  rm -f "$file"
done
echo "(process before opening: $base KiB)"
