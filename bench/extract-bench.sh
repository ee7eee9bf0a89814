#!/bin/sh
# Times tunzip x against "unzip -o -q", "7z x" and a bare read+inflate+CRC
# loop (bench_bare_inflate, no output) in one run on:
#   (a) one large compressible file (SIZE_MB, default 256),
#   (b) many small files (FILES, default 20000),
#   (c) the same two archives encrypted,
# and prints the ratios, plus tunzip's peak memory on (a). RUNS=n takes the
# best of n runs of each command.
#   bench/extract-bench.sh [build dir]   (default: build/native-release)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/native-release}" && pwd)
tunzip=$build/tools/tunzip/tunzip
bare=$build/bench/bench_bare_inflate
size_mb=${SIZE_MB:-256}
files=${FILES:-20000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 - "$size_mb" "$files" <<'PY'
import os, random, sys
random.seed(1)
words = [b'queue ', b'number ', b'call ', b'centre ', b'tavo ', b'window ', b'\n', b'1234 ', b'installer ']
mb, files = int(sys.argv[1]), int(sys.argv[2])
os.makedirs('big', exist_ok=True)
chunk = b''.join(random.choice(words) for _ in range(200000))
with open('big/big.txt', 'wb') as f:
    left = mb << 20
    while left > 0:
        piece = chunk[:left]
        f.write(piece)
        left -= len(piece)
        chunk = chunk[7:] + chunk[:7]
for i in range(files):
    d = 'small/d%03d' % (i % 200)
    os.makedirs(d, exist_ok=True)
    with open('%s/f%05d.txt' % (d, i), 'wb') as f:
        f.write(b''.join(random.choice(words) for _ in range(random.randint(50, 800))))
PY
(cd big && zip -q -r ../a.zip .) && (cd small && zip -q -r ../b.zip .)
(cd big && zip -q -r -P benchpw ../ae.zip .) && (cd small && zip -q -r -P benchpw ../be.zip .)

now() { python3 -c 'import time; print(time.perf_counter())'; }
runs=${RUNS:-1}
timeit() {  # command... ; prints the best of $runs times in seconds
  best=""
  for i in $(seq "$runs"); do
    rm -rf out; t0=$(now); "$@" > /dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }; t1=$(now)
    best=$(python3 -c "t = $t1 - $t0; b = '$best'; print('%.3f' % (t if not b or t < float(b) else float(b)))")
  done
  echo "$best"
}
ratio() { python3 -c "print('%.2f' % ($1 / $2))"; }

printf '%-14s %9s %9s %9s %9s %10s %10s %10s\n' archive tunzip unzip 7z bare tun/unzip tun/7z tun/bare
for a in a b ae be; do
  pw=""; pw7=""
  case $a in *e) pw="-P benchpw"; pw7="-pbenchpw";; esac
  t=$(timeit "$tunzip" x -q -o $pw "$a.zip" -d out)
  u=$(timeit unzip -o -q $pw "$a.zip" -d out)
  s=$(timeit 7z x -y $pw7 -oout "$a.zip")
  if [ -z "$pw" ] && [ -x "$bare" ]; then b=$(timeit "$bare" "$a.zip"); rb=$(ratio "$t" "$b"); else b="-"; rb="-"; fi
  printf '%-14s %9s %9s %9s %9s %10s %10s %10s\n' "$a.zip" "$t" "$u" "$s" "$b" "$(ratio "$t" "$u")" "$(ratio "$t" "$s")" "$rb"
done
rm -rf out
rss=$( { /usr/bin/time -f '%M' "$tunzip" x -q -o a.zip -d out > /dev/null; } 2>&1 | tail -1)
echo "tunzip peak RSS extracting the ${size_mb} MB entry: ${rss} KB"
