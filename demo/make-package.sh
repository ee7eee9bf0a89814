#!/usr/bin/env bash
# Stages the demo product tree and packs it into "tavo.ex_" the way the
# product's package is made: Info-ZIP zip, traditional encryption with the
# installer's password, deflated and stored entries, a read-only file and
# Chinese names stored as code page 936 bytes (as an archiver on a Chinese
# Windows system stores them).
# usage: make-package.sh <output tavo.ex_> <Manager.exe> <Backend.exe> <DbLaunch.exe> <postinst.bat>
set -euo pipefail
out=$1 manager=$2 backend=$3 dblaunch=$4 postinst=$5
stage=$(mktemp -d)
trap 'chmod -R u+w "$stage"; rm -rf "$stage"' EXIT

mkdir -p "$stage/tavo/data/sounds" "$stage/tavo/config" "$stage/docs"
cp "$manager" "$stage/tavo/Manager.exe"
cp "$backend" "$stage/tavo/Backend.exe"
cp "$dblaunch" "$stage/tavo/DbLaunch.exe"
cp "$postinst" "$stage/postinst.bat"

python3 - "$stage" <<'PY'
import os, random, sys
stage = sys.argv[1].encode()
rnd = random.Random(4720136)
def write(rel, data):
    path = os.path.join(stage, rel)
    with open(path, "wb") as f:
        f.write(data)
# Compressible text and incompressible data, so both deflate and store occur.
write(b"tavo/config/queue.ini",
      "[Queue]\r\nWindows=8\r\nPrefix=A\r\nGreeting=\u8bf7\u5230\u67dc\u53f0\u529e\u7406\r\n".encode("gbk"))
write(b"tavo/data/sounds/ding.raw", bytes(rnd.getrandbits(8) for _ in range(48000)))
write(b"tavo/data/numbers.txt", "".join(f"{i:05d}\r\n" for i in range(20000)).encode())
write(b"docs/readme.txt", b"Call-centre queue system demo package.\r\n" * 50)
# Names in code page 936, as a Chinese system stores them.
write("docs/\u4f7f\u7528\u8bf4\u660e.txt".encode("gbk"),
      "\u53eb\u53f7\u7cfb\u7edf\u4f7f\u7528\u8bf4\u660e\r\n".encode("gbk") * 40)
write("tavo/data/\u58f0\u97f3\u8bbe\u7f6e.ini".encode("gbk"), b"[Sound]\r\nVolume=80\r\n")
write(b"tavo/config/license.dat", b"LICENSE-DEMO-0001\r\n")
PY
chmod a-w "$stage/tavo/config/license.dat"

rm -f "$out"
# -X: no Unix extra fields, as a Windows archiver writes; LC_ALL=C keeps the
# names as their raw bytes.
(cd "$stage" && LC_ALL=C zip -q -r -X -P 4720136 "$out.tmp" postinst.bat tavo docs)
mv "$out.tmp" "$out"
