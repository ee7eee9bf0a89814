#!/bin/sh
# Times the engine's decoders against Info-ZIP unzip on the same archives,
# side by side in one run: a large shrunk, a large imploded and a large
# deflated archive. "ours" is bench_decode (the engine's data pipeline and
# decoders extracting every entry to files, CRC-checked); "unzip" is
# `unzip -o -q -d`. The "test" rows decode without writing (bench_decode
# --no-output against `unzip -tq`). Prints the best of three runs and the
# ratio ours/unzip (below 1.00: we are faster).
#
# Usage: bench/decode-bench.sh [SIZE_MB]   (default 48)
# Builds build/C-release (preset native-release) for bench_decode and uses
# build/C-native (preset native, tests on) for the test encoders.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
size_mb=${1:-48}
release=$root/build/C-release
native=$root/build/C-native
[ -d "$release" ] || cmake --preset native-release -B "$release" >/dev/null
cmake --build "$release" -j2 --target bench_decode >/dev/null
[ -d "$native" ] || cmake --preset native -B "$native" >/dev/null
cmake --build "$native" -j2 --target make_legacy_zip >/dev/null
ours=$release/bench/bench_decode
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

best() {  # best of three wall-clock seconds for the command "$@"
  b=""
  for i in 1 2 3; do
    rm -rf "$work/out" && mkdir "$work/out"
    s=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || { echo "FAILED: $*" >&2; exit 1; }
    e=$(date +%s.%N)
    t=$(echo "$e - $s" | bc)
    if [ -z "$b" ] || [ "$(echo "$t < $b" | bc)" = 1 ]; then b=$t; fi
  done
  echo "$b"
}

printf '%-16s %-8s %10s %10s %7s\n' archive mode ours unzip ratio
for a in shrunk imploded deflated; do
  z=$work/$a.zip
  o=$(best "$ours" "$z" "$work/out")
  u=$(best unzip -o -q "$z" -d "$work/out")
  printf '%-16s %-8s %9.3fs %9.3fs %7.2f\n' $a extract "$o" "$u" "$(echo "$o / $u" | bc -l)"
  o=$(best "$ours" "$z" --no-output)
  u=$(best unzip -tq "$z")
  printf '%-16s %-8s %9.3fs %9.3fs %7.2f\n' $a test "$o" "$u" "$(echo "$o / $u" | bc -l)"
done
