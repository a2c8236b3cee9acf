#!/bin/bash
# Makes (or updates) a private Wine prefix for Slotmate's tests.
#
#   make-prefix.sh PREFIX [--arch win32|win64] [--graphics null|x11] [--dpi N]
#                  [--cdrom LETTER:DIR]...
#
#   --arch            the kind of programs the prefix runs: win32 (the default)
#                     or win64.
#   --graphics null   windows work without any X server (HKCU\Software\Wine\
#                     Drivers\Graphics = null); x11 draws on $DISPLAY (Xvfb).
#   --dpi N           the screen's dots per inch (96 unless set; 120 is "125%").
#   --cdrom e:DIR     maps the folder DIR as drive E:, typed as a CD-ROM drive.
#                     Repeat for more drives. DIR must exist.
#
# Safe to run again on the same prefix: it only (re)applies the settings.
# A fresh prefix is copied from a template made once with wineboot (about 2 s
# instead of about 10); the template lives in SLOTMATE_WINE_TEMPLATE, by
# default ".wine-template-ARCH" beside PREFIX.
#
# Run Wine in the prefix with the same environment as here: WINEPREFIX=PREFIX
# and what wine_use ARCH of scripts/wine-env.sh sets. Wine's output goes to
# PREFIX.log (the template's to its own log); a step that fails is named, with
# the end of its log.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
source "$(dirname "$0")/steps.sh"

usage() {
  sed -n '2,12p' "$0" >&2
  exit 2
}

[[ $# -ge 1 ]] || usage
prefix=$1
shift
arch=win32
graphics=""
dpi=""
cdroms=()
while [[ $# -gt 0 ]]; do
  case $1 in
    --arch)
      [[ $# -ge 2 && ($2 == win32 || $2 == win64) ]] || usage
      arch=$2
      shift 2
      ;;
    --graphics)
      [[ $# -ge 2 && ($2 == null || $2 == x11) ]] || usage
      graphics=$2
      shift 2
      ;;
    --dpi)
      [[ $# -ge 2 && $2 =~ ^[0-9]+$ ]] || usage
      dpi=$2
      shift 2
      ;;
    --cdrom)
      [[ $# -ge 2 && $2 =~ ^[A-Za-z]:.+ ]] || usage
      cdroms+=("$2")
      shift 2
      ;;
    *) usage ;;
  esac
done

mkdir -p "$(dirname "$prefix")"
prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")

wine_use "$arch"

# Builds the template once; concurrent callers wait for the first.
ensure_template() {
  local template=$1
  exec {lock}>"$template.lock"
  flock "$lock"
  if [[ ! -f $template/.complete ]]; then
    rm -rf "$template" "$template.log"
    step_run "$template.log" "making a $arch Wine template in $template (wineboot, 10-20 s)" \
      env WINEPREFIX="$template" wineboot -i
    step_log "$template.log" "waiting for the template's Wine to end" \
      env WINEPREFIX="$template" wineserver -w
    touch "$template/.complete"
  fi
  exec {lock}>&-
}

if [[ ! -f $prefix/system.reg ]]; then
  template=${SLOTMATE_WINE_TEMPLATE:-$(dirname "$prefix")/.wine-template-$arch}
  ensure_template "$template"
  rm -rf "$prefix"
  cp -a "$template" "$prefix"
  # Debian records the server's socket directory here; a copy must get its own.
  rm -f "$prefix/wineserver" "$prefix/.complete"
fi

export WINEPREFIX=$prefix
log=$prefix.log
rm -f "$log"
grep -q "^#arch=$arch" "$prefix/system.reg" || {
  echo "make-prefix.sh: $prefix is not a $arch prefix" >&2
  exit 1
}
# A 64-bit prefix keeps drive types in its 64-bit view only.
reg_view=()
if [[ $arch == win64 ]]; then
  reg_view=(/reg:64)
fi

# One server for the reg calls below, ended with -k so the values are saved
# and take effect on the next start.
wineserver -p5 </dev/null >/dev/null 2>&1 || true

if [[ -n $graphics ]]; then
  step_log "$log" "setting the graphics driver" \
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$graphics" /f
fi

if [[ -n $dpi ]]; then
  step_log "$log" "setting the screen's dots per inch" \
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
fi

for mapping in "${cdroms[@]}"; do
  letter=${mapping:0:1}
  letter=${letter,,}
  dir=${mapping:2}
  [[ -d $dir ]] || {
    echo "make-prefix.sh: no folder $dir" >&2
    exit 1
  }
  dir=$(cd "$dir" && pwd)
  ln -sfn "$dir" "$prefix/dosdevices/$letter:"
  step_log "$log" "typing drive $letter: as a CD-ROM drive" \
    wine reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d cdrom /f "${reg_view[@]}"
done

wineserver -k || true
wineserver -w || true
