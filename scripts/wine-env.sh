# shellcheck shell=bash
# Which Wine runs a Windows build on this machine, and its environment.
# Sourced by every script that starts a Windows program.
#
#   wine_arch_of EXE     win32 or win64, read from the executable's header
#   wine_cannot_run ARCH prints why this machine cannot run ARCH's programs,
#                        nothing when it can
#   wine_use ARCH        exports the environment for ARCH's programs
#   wine_shown_arch      the build to show or measure here: the 32-bit one,
#                        which players on any Windows take, where it runs
#   mingw_cpu ARCH       the build's processor as mingw-w64 names it (i686 or
#                        x86_64): cmake/mingw-CPU.cmake, CPU-w64-mingw32-strip
#
# Some Linux kernels refuse 32-bit programs, and Wine's 32-bit loader with
# them; the 64-bit loader runs everywhere. SLOTMATE_WINE_ARCH=win64 takes the
# 64-bit path on any machine, so that it can be checked anywhere.

WINE_ENV_SHIMS=$(cd "$(dirname "${BASH_SOURCE[0]}")/wine64" && pwd)

wine_arch_of() {
  case $(file -b "$1") in
    PE32+*) echo win64 ;;
    PE32*) echo win32 ;;
    *)
      echo "wine-env: $1 is not a Windows executable" >&2
      return 1
      ;;
  esac
}

wine_cannot_run() {
  case $1 in
    win64)
      [[ -x /usr/lib/wine/wine64 ]] || echo "Wine's 64-bit loader is not installed"
      ;;
    win32)
      if [[ ${SLOTMATE_WINE_ARCH:-} == win64 ]]; then
        echo "SLOTMATE_WINE_ARCH=win64 asks for the 64-bit path"
      elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
        echo "this kernel does not run 32-bit programs"
      fi
      ;;
    *) echo "no such build: $1" ;;
  esac
}

wine_use() {
  export WINEARCH=$1 WINEDEBUG=-all
  # No Mono or Gecko prompts, no menu entries, no crash debugger that could
  # hang a test or turn a crash into a zero exit code.
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winedbg.exe="
  PATH=${PATH//$WINE_ENV_SHIMS:/}
  if [[ $1 == win64 ]]; then
    export WINELOADER=/usr/lib/wine/wine64 PATH=$WINE_ENV_SHIMS:$PATH
  else
    unset WINELOADER
  fi
}

wine_shown_arch() {
  if [[ -z $(wine_cannot_run win32) ]]; then echo win32; else echo win64; fi
}

mingw_cpu() {
  if [[ $1 == win32 ]]; then echo i686; else echo x86_64; fi
}
