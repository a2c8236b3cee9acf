#!/bin/bash
# Checks that an executable is a Windows GUI program of the build's kind that
# imports only DLLs shipped with Windows.
#
#   check-exe.sh win32|win64 EXE
set -euo pipefail
arch=$1 exe=$2
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|SHELL32|ADVAPI32|WINMM|OLE32|OLEAUT32|IMAGEHLP|MSVCRT|SHLWAPI|UXTHEME|VERSION)\.DLL$'

case $arch in
  win32) kind='PE32 executable (GUI) Intel 80386' objdump=i686-w64-mingw32-objdump ;;
  win64) kind='PE32+ executable (GUI) x86-64' objdump=x86_64-w64-mingw32-objdump ;;
  *) echo "check-exe: no such build: $arch" >&2 && exit 2 ;;
esac
description=$(file -b "$exe")
[[ $description == "$kind"* ]] || {
  echo "check-exe: $exe is not a $kind: $description" >&2
  exit 1
}
imports=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:lower:]' '[:upper:]')
[[ -n $imports ]] || {
  echo "check-exe: $exe: no import table found" >&2
  exit 1
}
bad=$(grep -Ev "$allowed" <<<"$imports") && {
  echo "check-exe: $exe imports DLLs that are not part of Windows:" $bad >&2
  exit 1
}
echo "check-exe: $(basename "$exe"): $kind, imports only Windows DLLs:" $imports
