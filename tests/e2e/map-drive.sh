#!/usr/bin/env bash
# Maps drive D: of the tests' Wine prefix to a scratch folder, so that the
# installation tests can type "D:\Apps" as a user does. A D: that some
# other setting owns is left alone (the tests then report it unmapped).
# usage: map-drive.sh <scratch folder>
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
prefix="${TAVO_WINEPREFIX:-$here/build/windows/wineprefix}"
scratch=$1
mkdir -p "$scratch" "$prefix/dosdevices"
link="$prefix/dosdevices/d:"
if [ -e "$link" ] || [ -L "$link" ]; then
  current=$(readlink "$link" || true)
  case "$current" in
    */e2e-drive-d) ;;
    *) echo "map-drive: $link is taken ($current)" >&2; exit 1 ;;
  esac
fi
ln -sfn "$scratch" "$link"
echo "map-drive: D: is $scratch"
