#!/bin/sh
# Writes the seed corpora of the decoder fuzz targets into fuzz/corpus/
# (Unshrink, Unreduce, Explode, Inflate), made by our test encoders.
# Usage: fuzz/make-decode-seeds.sh BUILD_DIR   (a native build with tests,
# where tests/unzip/codec/make_legacy_zip is built)
set -e
make=${1:?usage: $0 BUILD_DIR}/tests/unzip/codec/make_legacy_zip
root=$(cd "$(dirname "$0")" && pwd)/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'a' > "$work/one"
printf 'abababababababababab hello hello hello, hello\n' > "$work/small"
python3 -c "import sys; sys.stdout.write(''.join('line %d of some text, repeated %s\n' % (i, 'x' * (i % 17)) for i in range(400)))" > "$work/text"
head -c 3000 /dev/zero > "$work/zeros"
for name in one small text zeros; do
  mkdir -p "$root/Unshrink" "$root/Unreduce" "$root/Explode" "$root/Inflate"
  "$make" 1 0 "$work/$name" "$root/Unshrink/$name" --fuzz-seed
  for m in 2 3 4 5; do "$make" $m 0 "$work/$name" "$root/Unreduce/$name-$m" --fuzz-seed; done
  for f in 0 2 4 6; do "$make" 6 $f "$work/$name" "$root/Explode/$name-$f" --fuzz-seed; done
  "$make" 8 0 "$work/$name" "$root/Inflate/$name" --fuzz-seed
done
