#!/usr/bin/env bash
# Packs one product tree with Chinese file names the way today's archivers
# store them, for the installation tests:
#   <out>/python.ex_   Python's zipfile: UTF-8 names flagged by bit 11, not
#                      encrypted (zipfile cannot encrypt);
#   <out>/infozip.ex_  Info-ZIP zip in a UTF-8 locale with the installer's
#                      password: whatever this zip writes for such names
#                      (zip 3.0 writes the raw UTF-8 bytes, unflagged, from
#                      a Unix host), reported on the way;
#   <out>/reference/   the tree itself, with UTF-8 names as Wine shows them.
# usage: make-name-packages.sh <out> <Manager.exe> <Backend.exe> <DbLaunch.exe> <postinst.bat>
set -euo pipefail
out=$1 manager=$2 backend=$3 dblaunch=$4 postinst=$5
if [ -d "$out" ]; then chmod -R u+w "$out"; rm -rf "$out"; fi
ref=$out/reference
mkdir -p "$ref/tavo"
cp "$manager" "$ref/tavo/Manager.exe"
cp "$backend" "$ref/tavo/Backend.exe"
cp "$dblaunch" "$ref/tavo/DbLaunch.exe"
cp "$postinst" "$ref/postinst.bat"

python3 - "$ref" <<'PY'
import os, sys
ref = sys.argv[1]
def write(rel, text):
    path = os.path.join(ref, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(text.encode("gbk"))
write("文档/使用说明.txt", "叫号系统使用说明\r\n" * 40)
write("tavo/数据/声音设置.ini", "[Sound]\r\nVolume=80\r\n")
# 淺 is 0xDC 0x5C in code page 936: its second byte is a backslash.
write("tavo/配置/淺色主题.ini", "[Theme]\r\nColor=Light\r\n")
write("tavo/配置/queue.ini", "[Queue]\r\nGreeting=请到柜台办理\r\n")
PY

python3 - "$ref" "$out/python.ex_" <<'PY'
import os, sys, zipfile
ref, package = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(package, "w", zipfile.ZIP_DEFLATED) as z:
    for dirpath, dirnames, filenames in sorted(os.walk(ref)):
        dirnames.sort()
        for name in sorted(filenames):
            path = os.path.join(dirpath, name)
            z.write(path, os.path.relpath(path, ref))
with zipfile.ZipFile(package) as z:
    flagged = [i.filename for i in z.infolist() if i.flag_bits & 0x800]
    if len(flagged) != 4:
        sys.exit(f"Python's zipfile flagged {len(flagged)} names as UTF-8, expected 4")
PY

(cd "$ref" && LC_ALL=C.UTF-8 zip -q -r -P 4720136 "$(realpath "$out")/infozip.ex_" postinst.bat tavo 文档)

python3 - "$out/infozip.ex_" <<'PY'
import struct, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    forms = set()
    for i in z.infolist():
        raw = i.orig_filename.encode("cp437") if not i.flag_bits & 0x800 else None
        if raw is None:
            forms.add("bit 11")
            continue
        try:
            raw.decode("ascii")
            continue
        except UnicodeDecodeError:
            pass
        extra, tags = i.extra, []
        while len(extra) >= 4:
            tag, size = struct.unpack("<HH", extra[:4])
            tags.append(tag)
            extra = extra[4 + size:]
        if 0x7075 in tags:
            forms.add("Unicode path field")
        else:
            raw.decode("utf-8")  # raises: neither form nor raw UTF-8
            forms.add(f"raw UTF-8 (host {i.create_system})")
print("Info-ZIP zip stored the Chinese names as:", ", ".join(sorted(forms)))
PY
