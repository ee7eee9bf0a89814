#!/bin/sh
# Lists an archive of ENTRIES tiny entries (default 1 000 000) in two
# layouts, in order and with the central directory (offsets and names)
# reversed, with tunzip l, Info-ZIP "unzip -Z1" and "7z l", all in one run,
# and prints the best times, the ratios and each tool's peak memory, per
# entry too; wall-clock and CPU (user + system) times, each the best of RUNS
# (default 3). A command that runs past LIMIT seconds (default 1200) is
# shown as ">LIMIT" and not run again.
#   bench/list-bench.sh [path/to/tunzip]   (default: build/native-release)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
tunzip=$(realpath "${1:-$root/build/native-release/tools/tunzip/tunzip}")
entries=${ENTRIES:-1000000}
runs=${RUNS:-3}
limit=${LIMIT:-1200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for layout in inorder reversed; do
  python3 "$root/bench/make_many_entries.py" "$work/$layout.zip" "$entries" "$layout"
done

# "wall cpu" seconds for one run of the command, or ">limit -".
once() { python3 "$root/bench/timed.py" --limit "$limit" "$@"; }
# Best of $runs, wall-clock and CPU each; a run past the limit ends the series.
best() {
  b=""
  for i in $(seq "$runs"); do
    t=$(once "$@")
    case $t in ">"*) echo "$t"; return;; esac
    b=$(python3 -c "import sys; a, t = sys.argv[1:]; print(t if not a else ' '.join('%.3f' % min(float(x), float(y)) for x, y in zip(a.split(), t.split())))" "$b" "$t")
  done
  echo "$b"
}
# Peak resident memory in KB of one run.
peak() { /usr/bin/time -f '%M' -o "$work/peak" timeout "$limit" "$@" > /dev/null 2>&1; tail -1 "$work/peak"; }
ratio() { python3 -c "import sys; a, b = sys.argv[1:]; print('-' if '>' in a + b else '%.2f' % (float(a) / float(b)))" "$1" "$2"; }
perentry() { python3 -c "import sys; print('%.0f' % (int(sys.argv[1]) * 1024 / int(sys.argv[2])))" "$1" "$entries"; }

echo "entries: $entries; best of $runs runs; archives: $(stat -c %s "$work/inorder.zip") and $(stat -c %s "$work/reversed.zip") bytes"
printf '%-9s %-10s %10s %10s %12s %14s\n' layout tool "wall s" "CPU s" "peak KB" "bytes/entry"
for layout in inorder reversed; do
  a=$work/$layout.zip
  tt=$(best "$tunzip" l "$a"); tu=$(best unzip -Z1 "$a"); ts=$(best 7z l "$a")
  for tool in tunzip unzip 7z; do
    case $tool in
      tunzip) t=$tt; set -- "$tunzip" l "$a";;
      unzip) t=$tu; set -- unzip -Z1 "$a";;
      7z) t=$ts; set -- 7z l "$a";;
    esac
    # No second wait for a command that has already run past the limit.
    case $t in ">"*) m=-; e=-;; *) m=$(peak "$@"); e=$(perentry "$m");; esac
    printf '%-9s %-10s %10s %10s %12s %14s\n' "$layout" "$tool" "${t% *}" "${t#* }" "$m" "$e"
  done
  eval "t_$layout='${tt% *}'"
  echo "  $layout wall-clock: tunzip/unzip -Z1 $(ratio "${tt% *}" "${tu% *}"), tunzip/7z $(ratio "${tt% *}" "${ts% *}")"
done
echo "tunzip reversed/in-order: $(ratio "$t_reversed" "$t_inorder") (target: at most 1.5, and ahead of unzip -Z1)"
