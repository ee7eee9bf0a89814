#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that is not part of Windows
# itself, i.e. one that would have to be shipped beside it.
# usage: check-imports.sh <objdump> <program.exe>
set -euo pipefail
objdump=$1 program=$2
system='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|mpr|msimg32|msvcrt|version|winmm|uxtheme|ntdll)\.dll$'
mapfile -t dlls < <("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ ${#dlls[@]} -gt 0 ] || { echo "check-imports: $program imports nothing: not a Windows program?" >&2; exit 1; }
status=0
for dll in "${dlls[@]}"; do
  if ! [[ $dll =~ $system ]]; then
    echo "check-imports: $program needs $dll beside it" >&2
    status=1
  fi
done
[ $status -eq 0 ] && echo "check-imports: $(basename "$program") imports only Windows' own DLLs: ${dlls[*]}"
exit $status
