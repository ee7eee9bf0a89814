#!/usr/bin/env bash
# wine-run makes a prefix in a folder that already holds a drive link (as
# the installation tests' D: fixture leaves one before any program ran):
# the prefix comes out whole, the program runs, and the link is still there.
# Wine makes a whole prefix only in a folder it creates itself, so without
# the clearing step wineboot waits for ever and this check times out.
# usage: check-wine-prefix.sh <scratch folder> <win32|win64>
set -euo pipefail
scratch=$1 arch=$2
repo=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$scratch/wineprefix
drive=$scratch/drive-d
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
rm -rf "$scratch"
mkdir -p "$prefix/dosdevices" "$drive"
ln -s "$drive" "$prefix/dosdevices/d:"
echo here > "$drive/marker.txt"

status=0
fail() { echo "check-wine-prefix: $*" >&2; status=1; }
out=$(TAVO_WINEPREFIX=$prefix TAVO_WINEARCH=$arch timeout -k 10 500 "$repo/scripts/wine-run" cmd /c type 'D:\marker.txt' 2>&1) \
  || fail "the program did not run (exit $?): $out"
case "$out" in *here*) ;; *) fail "D:\\marker.txt not read through the kept drive: $out" ;; esac
[ -d "$prefix/drive_c/windows/system32" ] || fail "no drive C: in the prefix"
[ -f "$prefix/.tavo-ready-3" ] || fail "the prefix is not marked ready"
[ "$(readlink "$prefix/dosdevices/d:" || true)" = "$drive" ] || fail "the D: link was not kept"
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
[ $status -eq 0 ] && { echo "check-wine-prefix: a $arch prefix made over a folder with a D: link"; rm -rf "$scratch"; }
exit $status
