#!/usr/bin/env bash
# Gives the chooser tests' own Wine prefix the drives they need: extra drive
# letters are links in the prefix's dosdevices, their types come from
# HKLM\Software\Wine\Drives, and a ".windows-label" file in a drive's root
# is its volume label. Wine reads all of it when its server starts, so the
# script waits for the server to end before the tests run.
#   setup-drives.sh <wine prefix> <folder for the drives' contents>
set -euo pipefail
prefix=$1
root=$2
repo=$(cd "$(dirname "$0")/../../.." && pwd)
export TAVO_WINEPREFIX=$prefix WINEPREFIX=$prefix

wineserver -w 2>/dev/null || true
rm -rf "$root"
mkdir -p "$root/floppy" "$root/hd" "$root/cdrom" "$root/net"
echo MyDisc > "$root/cdrom/.windows-label"
echo Data_Vol > "$root/hd/.windows-label"
echo NetShare > "$root/net/.windows-label"

reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
printf '%s\r\n' 'REGEDIT4' '' '[HKEY_LOCAL_MACHINE\Software\Wine\Drives]' \
  '"a:"="floppy"' '"e:"="cdrom"' '"h:"="hd"' '"m:"="cdrom"' '"n:"="network"' '' > "$reg"
# The first run of wine-run also makes the prefix.
"$repo/scripts/wine-run" regedit "Z:${reg//\//\\}" >/dev/null 2>&1

mkdir -p "$prefix/dosdevices"
ln -sfn "$root/floppy" "$prefix/dosdevices/a:"
ln -sfn "$root/cdrom" "$prefix/dosdevices/e:"
ln -sfn "$root/hd" "$prefix/dosdevices/h:"
# m: is a CD drive with no disc: its link leads nowhere.
ln -sfn "$root/no-disc" "$prefix/dosdevices/m:"
ln -sfn "$root/net" "$prefix/dosdevices/n:"
wineserver -w 2>/dev/null || true
echo "drives ready in $prefix"
