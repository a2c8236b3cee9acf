#!/bin/bash
# Checks that an executable is a Windows GUI program of the build's kind that
# imports only DLLs shipped with Windows, that its embedded manifest names its
# own processor and a version of four numbers and makes it system DPI aware,
# and, for the 32-bit build, that it imports no function newer than Windows XP
# SP3. Wine forgives all of them; Windows refuses to start such a program, or,
# without the DPI setting, stretches its windows, blurred, at 125% and more.
#
#   check-exe.sh win32|win64 EXE
set -euo pipefail
arch=$1 exe=$2
# Only KnownDLLs of Windows 7 and every later Windows, which Windows never
# takes from the program's folder. WINMM, UXTHEME, VERSION and the like would
# be: load them from System32 at run time. COMCTL32 too, though the manifest
# binds it: imported, it starts before main and loads uxtheme by name, from
# the program's folder (seen under Wine).
allowed='^(ADVAPI32|CLBCATQ|COMDLG32|DIFXAPI|GDI32|IMAGEHLP|IMM32|KERNEL32|MSCTF|MSVCRT|NORMALIZ|NSI|OLE32|OLEAUT32|PSAPI|RPCRT4|SECHOST|SETUPAPI|SHELL32|SHLWAPI|USER32|WLDAP32|WS2_32)\.DLL$'

case $arch in
  win32) kind='PE32 executable (GUI) Intel 80386' cpu=i686 manifest_arch=x86 ;;
  win64) kind='PE32+ executable (GUI) x86-64' cpu=x86_64 manifest_arch=amd64 ;;
  *) echo "check-exe: no such build: $arch" >&2 && exit 2 ;;
esac
description=$(file -b "$exe")
[[ $description == "$kind"* ]] || {
  echo "check-exe: $exe is not a $kind: $description" >&2
  exit 1
}
table=$("$cpu-w64-mingw32-objdump" -p "$exe")
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$table" | tr '[:lower:]' '[:upper:]')
[[ -n $imports ]] || {
  echo "check-exe: $exe: no import table found" >&2
  exit 1
}
bad=$(grep -Ev "$allowed" <<<"$imports") && {
  echo "check-exe: $exe imports DLLs that are not part of Windows:" $bad >&2
  exit 1
}

# The embedded manifest (resource type 24), as its text.
manifest=$("$cpu-w64-mingw32-windres" -i "$exe" -O rc |
  sed -n '/ 24 \/\* RT_MANIFEST/,/^END/ s/^ *"\(.*\)"$/\1/p' | tr -d '\n' |
  sed 's/""/"/g; s/\\n/\n/g')
# It names a processor for the program and for each assembly it binds: each
# must be the build's own, or "*".
architectures=$(grep -o 'processorArchitecture="[^"]*"' <<<"$manifest" |
  sed 's/.*="\(.*\)"/\1/' | sort -u | xargs)
[[ -n $architectures && " $manifest_arch * " == *" ${architectures// /* } "* ]] || {
  echo "check-exe: $exe: its manifest names the processors '$architectures'," \
    "not $manifest_arch" >&2
  exit 1
}
# Windows refuses to start a program whose own assembly version is not four
# numbers of 0-65535.
version=$(tr '\n' ' ' <<<"$manifest" | grep -o '<assemblyIdentity [^>]*>' | head -n 1 |
  sed -n 's/.* version="\([^"]*\)".*/\1/p')
[[ $version =~ ^[0-9]{1,5}(\.[0-9]{1,5}){3}$ ]] &&
  (IFS=.; for part in $version; do ((10#$part <= 65535)) || exit 1; done) || {
  echo "check-exe: $exe: its manifest's version '$version' is not four numbers of 0-65535" >&2
  exit 1
}
# System DPI aware: Windows scales the program's windows by the screen's DPI
# itself, which the program lays out for, and never stretches them blurred.
# A dpiAwareness element would take dpiAware's place from Windows 10 on.
grep -Eqi '<dpiAware( [^>]*)?>\s*true\s*</dpiAware>' <<<"$manifest" &&
  ! grep -q '<dpiAwareness' <<<"$manifest" || {
  echo "check-exe: $exe: its manifest does not make it system DPI aware" \
    "(dpiAware true)" >&2
  exit 1
}

# Windows XP SP3 is the 32-bit build's floor. A function that the mingw-w64
# headers declare for Windows 10 but not for XP is newer than XP; so are the
# few below that the headers declare for every version (their minimum from
# Microsoft's documentation).
unguarded=(
  SetThreadErrorMode             # Windows 7
  SetDefaultDllDirectories       # Windows 8, or 7 with KB2533623
  AddDllDirectory                # the same
  RemoveDllDirectory             # the same
  RegGetValueA RegGetValueW      # Vista
  RegDeleteKeyExA RegDeleteKeyExW # Vista
  GetSystemTimePreciseAsFileTime # Windows 8
)
if [[ $arch == win32 ]]; then
  declared_for() {
    printf '#include <%s>\n' windows.h shellapi.h commctrl.h commdlg.h imagehlp.h \
      ole2.h olectl.h mmsystem.h dbt.h |
      "$cpu-w64-mingw32-gcc" -E -P -x c -D_WIN32_WINNT="$1" -DWINVER="$1" - |
      grep -oE '\b[A-Za-z_][A-Za-z0-9_]*\b' | sort -u
  }
  functions=$(awk '/DLL Name/ {inside = 1; next} inside && NF == 3 {print $3}' <<<"$table" |
    sort -u)
  newer=$(comm -13 <(declared_for 0x0501) <(declared_for 0x0A00)
    printf '%s\n' "${unguarded[@]}")
  too_new=$(comm -12 <(sort -u <<<"$newer") <(echo "$functions") | xargs)
  [[ -z $too_new ]] || {
    echo "check-exe: $exe imports functions that Windows XP lacks: $too_new" >&2
    exit 1
  }
fi
echo "check-exe: $(basename "$exe"): $kind, manifest for $architectures, version" \
  "$version, DPI aware, imports only Windows DLLs:" $imports
