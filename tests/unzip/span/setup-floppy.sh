#!/usr/bin/env bash
# Gives the spanned-archive tests' own Wine prefix a floppy drive A: whose
# contents live in a host folder: the drive letter is a link in the prefix's
# dosdevices, its type comes from HKLM\Software\Wine\Drives, and the file
# ".windows-label" in its root is its volume label. Wine reads the drive
# table when its server starts, so the script waits for the server to end.
#   setup-floppy.sh <wine prefix> <folder for the floppy's contents>
set -euo pipefail
prefix=$1
root=$2
repo=$(cd "$(dirname "$0")/../../.." && pwd)
export TAVO_WINEPREFIX=$prefix WINEPREFIX=$prefix

wineserver -w 2>/dev/null || true
rm -rf "$root"
mkdir -p "$root"
echo VOL_002 > "$root/.windows-label"
reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
printf '%s\r\n' 'REGEDIT4' '' '[HKEY_LOCAL_MACHINE\Software\Wine\Drives]' '"a:"="floppy"' '' > "$reg"
# The first run of wine-run also makes the prefix.
"$repo/scripts/wine-run" regedit "Z:${reg//\//\\}" >/dev/null 2>&1
mkdir -p "$prefix/dosdevices"
ln -sfn "$root" "$prefix/dosdevices/a:"
wineserver -w 2>/dev/null || true
echo "floppy ready in $prefix"
