#!/bin/sh
# Makes archives whose entries have Chinese names, with the archivers that
# packages come from: Python's zipfile (UTF-8 flag) and Info-ZIP zip in a
# UTF-8 locale (unmarked UTF-8 names from a Unix host).
#   make-name-archives.sh OUTDIR
set -e
out=$1
rm -rf "$out"
mkdir -p "$out/tree/目录"
printf 'one\n' > "$out/tree/目录/中文名.txt"
printf 'two\n' > "$out/tree/测试文件.txt"
(cd "$out/tree" && LC_ALL=zh_CN.UTF-8 zip -qr ../infozip.zip 目录 测试文件.txt)
python3 - "$out/py.zip" <<'PY'
import sys
import zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("目录/中文名.txt", "one\n")
    z.writestr("测试文件.txt", "two\n")
PY
rm -rf "$out/tree"
