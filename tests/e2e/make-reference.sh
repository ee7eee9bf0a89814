#!/usr/bin/env bash
# Extracts a package with Info-ZIP unzip into a folder: the tree the
# installer must produce from the same package. Names stored as code page
# 936 bytes are renamed to UTF-8, the way Wine shows a Chinese system's
# file names on this host.
# usage: make-reference.sh <package> <password> <output folder>
set -euo pipefail
package=$(realpath "$1") password=$2 out=$3
if [ -d "$out" ]; then chmod -R u+w "$out"; rm -rf "$out"; fi
mkdir -p "$out"
(cd "$out" && LC_ALL=C unzip -q -P "$password" "$package")
python3 - "$out" <<'PY'
import os, sys
root = sys.argv[1].encode()
for dirpath, dirnames, filenames in os.walk(root, topdown=False):
    for name in dirnames + filenames:
        try:
            name.decode("utf-8")
            continue
        except UnicodeDecodeError:
            pass
        os.rename(os.path.join(dirpath, name), os.path.join(dirpath, name.decode("gbk").encode("utf-8")))
PY
