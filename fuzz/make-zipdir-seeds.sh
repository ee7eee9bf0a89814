#!/bin/sh
# Writes the small seed corpus of the directory fuzzer into fuzz/corpus/zipdir:
# archives from Info-ZIP zip and Python's zipfile (plain, Zip64, comments,
# directories, data descriptors, Chinese names flagged as UTF-8, raw from a
# Unix host and in a Unicode path field) and a truncated one.
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
mkdir 文档 && printf 'names\n' > 文档/说明.txt
LC_ALL=C.UTF-8 zip -q -X rawutf8.zip 文档/说明.txt
python3 - <<'PY'
import struct, zipfile, zlib
with zipfile.ZipFile('utf8flag.zip', 'w') as z:
    z.writestr('文档/使用说明.txt', b'flagged')
# A code page 936 name with a Unicode path field (version 1, the CRC-32 of
# the stored name) holding the UTF-8 name.
stored = '声音.ini'.encode('gbk')
utf8 = '声音.ini'.encode('utf-8')
class RawName(zipfile.ZipInfo):
    # zipfile would store a non-ASCII name as flagged UTF-8: keep the bytes.
    __slots__ = ()
    def _encodeFilenameFlags(self):
        return stored, self.flag_bits
info = RawName('legacy.ini')
info.create_system = 0
info.extra = struct.pack('<HHBI', 0x7075, 5 + len(utf8), 1, zlib.crc32(stored)) + utf8
with zipfile.ZipFile('upath.zip', 'w') as z:
    z.writestr(info, b'unicode path')
PY
head -c 120 plain.zip > truncated.zip
for f in *.zip; do cp "$f" "$out/$f"; done
