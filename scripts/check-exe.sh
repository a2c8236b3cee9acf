#!/bin/bash
# Checks that an executable is a 32-bit Windows GUI program that imports only
# DLLs shipped with Windows.
set -euo pipefail
exe=$1
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|SHELL32|ADVAPI32|WINMM|OLE32|OLEAUT32|IMAGEHLP|MSVCRT|SHLWAPI|UXTHEME|VERSION)\.DLL$'

file "$exe" | grep -q 'PE32 executable (GUI) Intel 80386' || {
  echo "check-exe: $exe is not a PE32 GUI executable for Intel 80386: $(file -b "$exe")" >&2
  exit 1
}
bad=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' |
  tr '[:lower:]' '[:upper:]' | grep -Ev "$allowed" || true)
if [[ -n $bad ]]; then
  echo "check-exe: $exe imports DLLs that are not part of Windows: $bad" >&2
  exit 1
fi
echo "check-exe: $(basename "$exe"): PE32 GUI, Intel 80386, imports only Windows DLLs"
