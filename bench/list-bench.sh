#!/bin/sh
# Lists a 100 000-entry archive with tunzip and with Info-ZIP "unzip -l" in
# one run and prints the times, their ratio and tunzip's peak memory.
#   bench/list-bench.sh [path/to/tunzip]   (default: build/native-release)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
tunzip=$(realpath "${1:-$root/build/native-release/tools/tunzip/tunzip}")
entries=${ENTRIES:-100000}
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/many.zip" "$entries" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    for i in range(int(sys.argv[2])):
        z.writestr('dir%03d/file%06d.txt' % (i % 500, i), b'entry %d\n' % i)
PY
# Best of several runs of each, interleaved so that both see the same cache.
best() { sort -n | head -1; }
tt=""; tu=""
for i in $(seq "$runs"); do
  tt="$tt $(python3 -c 'import subprocess,sys,time; t=time.perf_counter(); subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True); print(time.perf_counter()-t)' "$tunzip" l "$work/many.zip")"
  tu="$tu $(python3 -c 'import subprocess,sys,time; t=time.perf_counter(); subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True); print(time.perf_counter()-t)' unzip -l "$work/many.zip")"
done
t_ours=$(echo $tt | tr ' ' '\n' | best)
t_unzip=$(echo $tu | tr ' ' '\n' | best)
rss=$( { /usr/bin/time -f '%M' "$tunzip" l "$work/many.zip" > /dev/null; } 2>&1 | tail -1)
size=$(stat -c %s "$work/many.zip")
echo "archive: $entries entries, $size bytes"
echo "tunzip l:  ${t_ours}s (best of $runs), peak RSS ${rss} KB"
echo "unzip -l:  ${t_unzip}s (best of $runs)"
python3 -c "import sys; print('ratio tunzip/unzip: %.2f' % (float(sys.argv[1]) / float(sys.argv[2])))" "$t_ours" "$t_unzip"
