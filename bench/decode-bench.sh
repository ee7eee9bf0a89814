#!/bin/sh
# Times the engine's decoders against Info-ZIP unzip on the same archives,
# side by side in one run: a large shrunk, a large imploded and a large
# deflated archive. "ours" is `tunzip x -o -q -d` (every entry extracted to
# files, CRC-checked); "unzip" is `unzip -o -q -d`. The "test" rows decode
# without writing (`tunzip t -q` against `unzip -tq`). Prints the best of
# three runs and the ratio ours/unzip (below 1.00: we are faster).
#
# Usage: bench/decode-bench.sh [SIZE_MB]   (default 48)
# Builds build/native-release (preset native-release) for tunzip and uses
# build/native (preset native, tests on) for the test encoders.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
size_mb=${1:-48}
release=$root/build/native-release
native=$root/build/native
[ -d "$release" ] || cmake --preset native-release -B "$release" >/dev/null
cmake --build "$release" -j2 --target tunzip >/dev/null
[ -d "$native" ] || cmake --preset native -B "$native" >/dev/null
cmake --build "$native" -j2 --target make_legacy_zip >/dev/null
ours=$release/tools/tunzip/tunzip
make=$native/tests/unzip/codec/make_legacy_zip

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/data" "$size_mb" <<'PY'
import random, sys
random.seed(7)
words = [''.join(random.choice('etaoinshrdlucmfwypvbgkjqxz') for _ in range(random.randint(2, 9)))
         for _ in range(3000)]
target = int(sys.argv[2]) << 20
with open(sys.argv[1], 'w') as f:
    n = 0
    while n < target:
        line = ' '.join(random.choice(words) for _ in range(random.randint(5, 14))) + '\n'
        f.write(line)
        n += len(line)
PY
"$make" 1 0 "$work/data" "$work/shrunk.zip" >/dev/null
"$make" 6 6 "$work/data" "$work/imploded.zip" >/dev/null
(cd "$work" && cp data data.txt && zip -q -9 deflated.zip data.txt)

best() {  # best of three runs of "$@": "wall cpu" seconds (cpu = user + system)
  bw=""; bc=""
  for i in 1 2 3; do
    rm -rf "$work/out" && mkdir "$work/out"
    /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" >/dev/null 2>&1 || { echo "FAILED: $*" >&2; exit 1; }
    read -r w u s < "$work/time"
    c=$(echo "$u + $s" | bc)
    if [ -z "$bw" ] || [ "$(echo "$w < $bw" | bc)" = 1 ]; then bw=$w; fi
    if [ -z "$bc" ] || [ "$(echo "$c < $bc" | bc)" = 1 ]; then bc=$c; fi
  done
  echo "$bw $bc"
}

# The machine may be shared: CPU time is the steadier measure, wall time
# is printed beside it.
printf '%-10s %-8s %9s %9s %6s   %9s %9s %6s\n' archive mode "ours-wall" "unzip" ratio "ours-cpu" "unzip" ratio
for a in shrunk imploded deflated; do
  z=$work/$a.zip
  for mode in extract test; do
    if [ $mode = extract ]; then
      set -- $(best "$ours" x -o -q -d "$work/out" "$z") $(best unzip -o -q "$z" -d "$work/out")
    else
      set -- $(best "$ours" t -q "$z") $(best unzip -tq "$z")
    fi
    printf '%-10s %-8s %8.3fs %8.3fs %6.2f   %8.3fs %8.3fs %6.2f\n' $a $mode "$1" "$3" "$(echo "$1 / $3" | bc -l)" \
      "$2" "$4" "$(echo "$2 / $4" | bc -l)"
  done
done
