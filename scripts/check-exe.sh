#!/bin/bash
# Checks that an executable is a 32-bit Windows GUI program that imports only
# DLLs shipped with Windows.
set -euo pipefail
exe=$1
# Only KnownDLLs of Windows 7 and every later Windows, which Windows never
# takes from the program's folder. WINMM, UXTHEME, VERSION and the like would
# be: load them from System32 at run time. COMCTL32 too, though the manifest
# binds it: imported, it starts before main and loads uxtheme by name, from
# the program's folder (seen under Wine).
allowed='^(ADVAPI32|CLBCATQ|COMDLG32|DIFXAPI|GDI32|IMAGEHLP|IMM32|KERNEL32|MSCTF|MSVCRT|NORMALIZ|NSI|OLE32|OLEAUT32|PSAPI|RPCRT4|SECHOST|SETUPAPI|SHELL32|SHLWAPI|USER32|WLDAP32|WS2_32)\.DLL$'

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
