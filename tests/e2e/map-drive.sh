#!/usr/bin/env bash
# Maps drive D: of the tests' Wine prefix to a scratch folder, so that the
# installation tests can type "D:\Apps" as a user does. A D: that some
# other setting owns is left alone (the tests then report it unmapped).
# usage: map-drive.sh <scratch folder>
set -euo pipefail
scratch=$1
# The scratch folder lies in the build folder, beside that build's prefix.
prefix="${TAVO_WINEPREFIX:-$(cd "$(dirname "$scratch")" && pwd)/wineprefix}"
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
