#!/bin/sh
# Writes the small seed corpus of the directory fuzzer into fuzz/corpus/zipdir:
# archives from Info-ZIP zip and Python's zipfile (plain, Zip64, comments,
# directories, data descriptors) and a truncated one.
set -e
out=$(cd "$(dirname "$0")" && pwd)/corpus/zipdir
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf 'hello\n' > a.txt
mkdir d && printf 'nested text nested text\n' > d/b.txt
zip -q -X plain.zip a.txt d d/b.txt
echo comment | zip -q -X -z commented.zip a.txt
printf 'streamed' | zip -q -X streamed.zip -
zip -q -X -0 -P secret crypt.zip a.txt
python3 - <<'PY'
import zipfile
with zipfile.ZipFile('z64.zip', 'w', zipfile.ZIP_DEFLATED) as z:
    with z.open('x/y.txt', 'w', force_zip64=True) as f:
        f.write(b'zip64 ' * 20)
    z.comment = b'c'
PY
head -c 120 plain.zip > truncated.zip
for f in *.zip; do cp "$f" "$out/$f"; done
