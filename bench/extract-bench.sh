#!/bin/sh
# Times tunzip x against "unzip -o -q", "7z x", "bsdtar -x" and a bare
# read+inflate+CRC+write loop (bench_bare_inflate with an output directory)
# in one run on:
#   (a) one large compressible file (SIZE_MB, default 256),
#   (b) many small files (FILES, default 20000),
#   (c) the same two archives encrypted (no bare loop: it does not decrypt),
# and prints the ratios, plus tunzip's peak memory on (a). Every run
# extracts into a directory of its own that did not exist before; the
# commands take turns, RUNS rounds (default 3), and each one's best time
# counts, wall-clock and CPU (user + system) separately. Dirty pages are
# written back (sync) before every timed run. BENCH_TMP (default /tmp)
# chooses where the archives and outputs go (/dev/shm takes the disk out).
#   bench/extract-bench.sh [build dir]   (default: build/native-release)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/native-release}" && pwd)
tunzip=$build/tools/tunzip/tunzip
bare=$build/bench/bench_bare_inflate
size_mb=${SIZE_MB:-256}
files=${FILES:-20000}
work=$(mktemp -d -p "${BENCH_TMP:-/tmp}")
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

timed=$root/bench/timed.py
runs=${RUNS:-3}
fresh=0
# One timed run of a run_* function below with OUT a new, empty directory;
# leaves "wall cpu" seconds in $last.
once() {
  fresh=$((fresh + 1)); OUT=$work/out$fresh; mkdir "$OUT"; sync
  last=$(python3 "$timed" sh -c ". '$work/cmd.sh'; $1") || { echo "failed: $1 on $a.zip" >&2; exit 1; }
  # A run that leaves out files does not count.
  case $a in a*) want=1;; *) want=$files;; esac
  got=$(find "$OUT" -type f | wc -l)
  [ "$got" = "$want" ] || { echo "$1 on $a.zip wrote $got files, not $want" >&2; exit 1; }
  rm -rf "$OUT"
}
# The commands, run by a child shell that reads them with the current
# archive, password and output directory.
commands() {
  cat > "$work/cmd.sh" <<EOF2
run_tunzip() { "$tunzip" x -q -o $pw "$a.zip" -d "\$OUT"; }
run_unzip() { unzip -o -q $pw "$a.zip" -d "\$OUT"; }
run_7z() { 7z x -y $pw7 -o"\$OUT" "$a.zip"; }
run_bsdtar() { bsdtar -x $pwt -f "$a.zip" -C "\$OUT"; }
run_bare() { "$bare" "$a.zip" "\$OUT"; }
EOF2
}
# best "wall cpu" "wall cpu": the lower of each.
best() { python3 -c "import sys; a, b = sys.argv[1:]; print(b if not a else ' '.join('%.3f' % min(float(x), float(y)) for x, y in zip(a.split(), b.split())))" "$1" "$2"; }
col() { echo "$1" | cut -d' ' -f"$2"; }
ratio() { python3 -c "import sys; a, b = sys.argv[1:]; print('-' if '-' in (a, b) else '%.2f' % (float(a) / float(b)))" "$1" "$2"; }

for a in a b ae be; do
  pw=""; pw7=""; pwt=""
  case $a in *e) pw="-P benchpw"; pw7="-pbenchpw"; pwt="--passphrase benchpw";; esac
  commands
  export OUT
  t=""; u=""; s=""; x=""; b=""
  for i in $(seq "$runs"); do
    once run_tunzip; t=$(best "$t" "$last")
    once run_unzip; u=$(best "$u" "$last")
    once run_7z; s=$(best "$s" "$last")
    once run_bsdtar; x=$(best "$x" "$last")
    if [ -z "$pw" ]; then once run_bare; b=$(best "$b" "$last"); else b="- -"; fi
  done
  eval "r_$a='$t|$u|$s|$x|$b'"
done
for k in 1 2; do
  [ $k = 1 ] && echo "wall-clock seconds, best of $runs" || echo "CPU seconds (user + system), best of $runs"
  printf '%-8s %8s %8s %8s %8s %8s %10s %9s %10s %9s\n' archive tunzip unzip 7z bsdtar bare tun/unzip tun/7z tun/bsdtar tun/bare
  for a in a b ae be; do
    eval "r=\$r_$a"
    t=$(col "$(echo "$r" | cut -d'|' -f1)" $k); u=$(col "$(echo "$r" | cut -d'|' -f2)" $k)
    s=$(col "$(echo "$r" | cut -d'|' -f3)" $k); x=$(col "$(echo "$r" | cut -d'|' -f4)" $k)
    b=$(col "$(echo "$r" | cut -d'|' -f5)" $k)
    printf '%-8s %8s %8s %8s %8s %8s %10s %9s %10s %9s\n' "$a.zip" "$t" "$u" "$s" "$x" "$b" \
      "$(ratio "$t" "$u")" "$(ratio "$t" "$s")" "$(ratio "$t" "$x")" "$(ratio "$t" "$b")"
  done
done
mkdir "$work/rss"
rss=$( { /usr/bin/time -f '%M' "$tunzip" x -q -o a.zip -d "$work/rss" > /dev/null; } 2>&1 | tail -1)
echo "tunzip peak RSS extracting the ${size_mb} MB entry: ${rss} KB"
echo "targets: a.zip tun/bare at most 1.10 and tun/bsdtar at most 1.00; b.zip every ratio below 1.00"
