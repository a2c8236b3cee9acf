#!/bin/bash
# Slotmate's figures under Wine and Xvfb, each beside a baseline taken in the
# same run, printed as a Markdown table for the README:
#
#   bench/figures.sh            # about 3 minutes once the build is done
#
# - start-up: from `wine slotmate.exe` until its main window is mapped,
#   against a bare Win32 window (bench/bare_window.cpp), median of 5 each;
# - resident memory (VmRSS) of the running program with its catalogue loaded,
#   against the bare window;
# - executable size as built and stripped, against the bare window;
# - card switch latency: from writing a disc's SYSTEM.CNF into drive E:'s
#   folder until the stand-in emulator gets its first key, 10 insertions at
#   random moments, once found by the 3 s poll and once announced by
#   announce_media.exe (tests/e2e/announce_media.cpp);
# - the 32,767-row catalogue's load, scan and save (slotmate_win32_bench.exe).
#
# The table goes to standard output, progress to standard error, the raw
# figures to build/bench/figures.log. Everything runs in a private prefix
# (build/bench/prefix) on a private Xvfb display; every Wine process of that
# prefix and the display are ended on the way out.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_root=${SLOTMATE_BUILD:-$root/build}
source scripts/wine-env.sh
arch=$(wine_shown_arch) why=$(wine_cannot_run win32)
cpu=$(mingw_cpu "$arch")
build=$build_root/$arch
work=$build_root/bench
readonly STARTS=5 BIG_STARTS=3 INSERTIONS=10 ANNOUNCE_RUNS=5
readonly CAPTION="Slotmate 1.0c" BARE_CAPTION="Bare Window"
began=$SECONDS

say() { echo "[$((SECONDS - began))s] $*" >&2; }

for tool in Xvfb xdotool wine wineserver "$cpu-w64-mingw32-strip"; do
  command -v "$tool" >/dev/null || {
    echo "figures.sh: $tool is not installed (scripts/install-deps.sh installs it)" >&2
    exit 1
  }
done

say "measuring the ${arch#win}-bit build${why:+; not the 32-bit one: $why}"
say "building"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$cpu.cmake" >/dev/null
cmake --build "$build" -j2 --target slotmate slotmate_e2e stand_in_emulator \
  announce_media slotmate_win32_bench bare_window tray_holder >"$build_root/bench-build.log" 2>&1 || {
  cat "$build_root/bench-build.log" >&2
  exit 1
}

wine_use "$arch"
export WINEPREFIX=$work/prefix
rm -rf "$work"
mkdir -p "$work/disc" "$work/staging"
raw=$work/figures.log
: >"$raw"

xvfb=""
cleanup() {
  local status=$?
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [[ -n $xvfb ]]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and tells us its number.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
  3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 15 display <"$work/displayfd" || {
  echo "figures.sh: Xvfb did not start" >&2
  exit 1
}
export DISPLAY=:$display

say "making the prefix on display $DISPLAY"
SLOTMATE_WINE_TEMPLATE=$build_root/.wine-template-bench \
  scripts/make-prefix.sh "$WINEPREFIX" --arch "$arch" --graphics x11 --cdrom "e:$work/disc" \
  >"$work/make-prefix.log" 2>&1
# One persistent server, so that each program pays only its own start.
wineserver -p300 </dev/null >/dev/null 2>&1
app=$WINEPREFIX/drive_c/Slotmate
cards=$WINEPREFIX/drive_c/VGS/Cards
mkdir -p "$app" "$cards" "$WINEPREFIX/drive_c/Big" "$WINEPREFIX/drive_c/Bench"
cp "$build"/{slotmate,slotmate_e2e,bare_window,tray_holder,stand_in_emulator,announce_media}.exe \
  "$app/"
cp "$build/slotmate_win32_bench.exe" "$WINEPREFIX/drive_c/Bench/"

"$root/scripts/sample-catalogue.sh" "$app/games.txt" "$cards" 'C:\VGS\Cards'
sample_games=$(grep -c . "$app/games.txt")

# A sleep without a fork: waiting on a descriptor that never has data.
exec {never}<> <(:)
nap() { read -r -t "$1" -u "$never" || true; }

now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
maximum() { sort -n | tail -n 1; }

visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }

# start_once EXE CAPTION FOLDER: starts the program, prints milliseconds until
# its window is mapped and its VmRSS in kB a second later, then ends it.
start_once() {
  local exe=$1 caption=$2 folder=$3 t0 t1 id="" pid rss
  t0=$(now_ms)
  (cd "$folder" && exec wine "$exe" </dev/null >/dev/null 2>&1) &
  local launcher=$!
  for _ in $(seq 1500); do
    id=$(visible_window "$caption") && [[ -n $id ]] && break
    nap 0.01
  done
  t1=$(now_ms)
  [[ -n $id ]] || {
    echo "figures.sh: $exe showed no window \"$caption\"" >&2
    exit 1
  }
  # Wine records the Unix process behind each window.
  pid=$(xdotool getwindowpid "$id")
  nap 1
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  kill -KILL "$pid" 2>/dev/null || true
  wait "$launcher" 2>/dev/null || true
  # The window must be gone before the next start looks for it.
  for _ in $(seq 200); do [[ -z $(visible_window "$caption") ]] && break; nap 0.02; done
  echo "$((t1 - t0)) $rss"
}

# starts EXE CAPTION FOLDER RUNS LABEL: fills start_ms and rss_kb with medians.
starts() {
  local ms=() kb=() line
  for _ in $(seq "$4"); do
    line=$(start_once "$1" "$2" "$3")
    echo "$5 start: ${line% *} ms, VmRSS ${line#* } kB" >>"$raw"
    ms+=("${line% *}")
    kb+=("${line#* }")
  done
  start_ms=$(printf '%s\n' "${ms[@]}" | median)
  rss_kb=$(printf '%s\n' "${kb[@]}" | median)
}

# An icon that stays in the tray throughout, as on any desktop (see
# bench/tray_holder.cpp for what happens without it).
(cd "$app" && exec wine tray_holder.exe </dev/null >/dev/null 2>&1) &
for _ in $(seq 300); do [[ -n $(visible_window "Wine System Tray") ]] && break; nap 0.05; done

# A first start of each, not counted: Wine loads its own DLLs from disk once.
start_once bare_window.exe "$BARE_CAPTION" "$app" >/dev/null
start_once slotmate.exe "$CAPTION" "$app" >/dev/null

say "start-up and memory: $STARTS starts each, alternating"
bare_ms=() bare_kb=() slot_ms=() slot_kb=()
for _ in $(seq "$STARTS"); do
  line=$(start_once bare_window.exe "$BARE_CAPTION" "$app")
  echo "bare window start: ${line% *} ms, VmRSS ${line#* } kB" >>"$raw"
  bare_ms+=("${line% *}") bare_kb+=("${line#* }")
  line=$(start_once slotmate.exe "$CAPTION" "$app")
  echo "slotmate start ($sample_games games): ${line% *} ms, VmRSS ${line#* } kB" >>"$raw"
  slot_ms+=("${line% *}") slot_kb+=("${line#* }")
done
bare_start=$(printf '%s\n' "${bare_ms[@]}" | median)
bare_rss=$(printf '%s\n' "${bare_kb[@]}" | median)
slot_start=$(printf '%s\n' "${slot_ms[@]}" | median)
slot_rss=$(printf '%s\n' "${slot_kb[@]}" | median)

say "the 32,767-row catalogue: load, scan and save"
(cd "$WINEPREFIX/drive_c/Bench" && wine slotmate_win32_bench.exe </dev/null 2>&1) |
  tr -d '\r' >"$work/win32-bench.txt"
cat "$work/win32-bench.txt" >>"$raw"
# "LoadGames into the list   10.70 ms   plain  2.90 ms   ratio 3.69"
bench_figure() {
  awk -v what="$1" 'index($0, what) == 1 {
    for (i = 1; i <= NF; ++i) if ($i == "ms") { ms[++n] = $(i - 1) }
    print ms[1], ms[2]; exit }' "$work/win32-bench.txt"
}
read -r load_ms read_ms <<<"$(bench_figure LoadGames)"
read -r scan_ms plain_scan_ms <<<"$(bench_figure case-insensitive)"
read -r save_ms write_ms <<<"$(bench_figure SaveGames)"
[[ -n ${load_ms:-} && -n ${scan_ms:-} && -n ${save_ms:-} ]] || {
  cat "$work/win32-bench.txt" >&2
  echo "figures.sh: slotmate_win32_bench.exe printed no figures" >&2
  exit 1
}

say "start-up and memory with the 32,767-row catalogue: $BIG_STARTS starts"
# The benchmark left its catalogue beside itself.
cp "$build/slotmate.exe" "$WINEPREFIX/drive_c/Big/"
cp "$WINEPREFIX/drive_c/Bench/games.txt" "$WINEPREFIX/drive_c/Big/games.txt"
starts slotmate.exe "$CAPTION" "$WINEPREFIX/drive_c/Big" "$BIG_STARTS" "slotmate (32,767 games)"
big_start=$start_ms big_rss=$rss_kb

say "card switch latency: $INSERTIONS insertions found by the poll, $INSERTIONS announced"
keys=$work/keys.log
: >"$keys"
keys_windows="Z:${keys//\//\\}"
(cd "$app" && exec wine stand_in_emulator.exe "$keys_windows" </dev/null >/dev/null 2>&1) &
for _ in $(seq 300); do grep -qs ready "$keys" && break; nap 0.05; done
(cd "$app" && exec wine slotmate_e2e.exe </dev/null >/dev/null 2>&1) &
for _ in $(seq 300); do [[ -n $(visible_window "$CAPTION") ]] && break; nap 0.05; done

announce() { (cd "$app" && wine announce_media.exe "$@" </dev/null >/dev/null 2>&1) || true; }

printf 'BOOT = cdrom:\\SLUS_004.53;1\r\nTCB = 4\r\nEVENT = 10\r\nSTACK = 801FFFF0\r\n' \
  >"$work/system.cnf"

# insertions MODE: prints one latency in ms a line; MODE is "poll" or "announce".
insertions() {
  local t0 t1
  for _ in $(seq "$INSERTIONS"); do
    # The disc is out; the program must have seen it out before the next one
    # counts as new: at once when announced, within one 3 s poll otherwise.
    rm -f "$work/disc/SYSTEM.CNF"
    if [[ $1 == announce ]]; then announce E: --removed; else nap 3.2; fi
    nap "$((RANDOM % 3000 / 1000)).$(printf '%03d' $((RANDOM % 1000)))"
    : >"$keys"
    # Copied in full beside the drive, then moved in: the program never sees
    # a half-written file.
    cp "$work/system.cnf" "$work/staging/SYSTEM.CNF"
    t0=$(now_ms)
    mv "$work/staging/SYSTEM.CNF" "$work/disc/SYSTEM.CNF"
    [[ $1 == announce ]] && announce E:
    t1=""
    for _ in $(seq 1000); do
      if [[ -s $keys ]]; then t1=$(now_ms) && break; fi
      nap 0.005
    done
    [[ -n $t1 ]] || {
      echo "figures.sh: no key reached the stand-in within 5 s ($1)" >&2
      exit 1
    }
    echo "$((t1 - t0))"
    # The rest of the switch's keys arrive before the disc goes out.
    nap 0.5
  done
}
mapfile -t polled < <(insertions poll)
printf 'switch found by the poll: %s ms\n' "${polled[*]}" >>"$raw"
[[ ${#polled[@]} -eq $INSERTIONS ]] || exit 1
mapfile -t announced < <(insertions announce)
printf 'switch announced: %s ms\n' "${announced[*]}" >>"$raw"
[[ ${#announced[@]} -eq $INSERTIONS ]] || exit 1

# The announcement alone: announce_media.exe for a drive the program does not
# watch (a Wine program's start and one broadcast, no switch).
announce_alone=()
for _ in $(seq "$ANNOUNCE_RUNS"); do
  t0=$(now_ms)
  announce Q:
  announce_alone+=($(($(now_ms) - t0)))
done
printf 'announce_media.exe Q: alone: %s ms\n' "${announce_alone[*]}" >>"$raw"

size() { stat -c %s "$1"; }
stripped_size() {
  local copy
  copy=$(mktemp "$work/stripped.XXXXXX")
  "$cpu-w64-mingw32-strip" -o "$copy" "$1"
  size "$copy"
  rm -f "$copy"
}
slot_size=$(size "$build/slotmate.exe")
bare_size=$(size "$build/bare_window.exe")
slot_stripped=$(stripped_size "$build/slotmate.exe")
bare_stripped=$(stripped_size "$build/bare_window.exe")
echo "sizes: slotmate $slot_size / stripped $slot_stripped," \
  "bare window $bare_size / stripped $bare_stripped bytes" >>"$raw"

seconds() { awk -v ms="$1" 'BEGIN {printf "%.2f s", ms / 1000}'; }
megabytes() { awk -v kb="$1" 'BEGIN {printf "%.1f MB", kb / 1024}'; }
kilobytes() { awk -v b="$1" 'BEGIN {printf "%d KB", (b + 512) / 1024}'; }
millis() { awk -v ms="$1" 'BEGIN {printf "%.1f ms", ms}'; }
med_max() {
  local values=("$@")
  echo "median $(seconds "$(printf '%s\n' "${values[@]}" | median)")," \
    "max $(seconds "$(printf '%s\n' "${values[@]}" | maximum)")"
}

echo "The ${arch#win}-bit build (build/$arch)${why:+; not the 32-bit one: $why}:"
echo
cat <<EOF
| Figure | Slotmate | Baseline | How measured |
|---|---|---|---|
| Start-up to the main window shown | $(seconds "$slot_start") | $(seconds "$bare_start") (bare window) | from \`wine X.exe\` until its window is mapped (\`xdotool search --onlyvisible\`, every 10 ms); median of $STARTS starts each, alternating, persistent wineserver; $sample_games games in the catalogue |
| Start-up, 32,767 games | $(seconds "$big_start") | $(seconds "$bare_start") (bare window) | the same with the largest catalogue (2.4 MB); median of $BIG_STARTS |
| Resident memory | $(megabytes "$slot_rss") | $(megabytes "$bare_rss") (bare window) | VmRSS of the running process (from \`/proc\`) 1 s after its window shows, $sample_games games loaded; median of $STARTS |
| Resident memory, 32,767 games | $(megabytes "$big_rss") | $(megabytes "$bare_rss") (bare window) | the same with the largest catalogue |
| Executable size | $(kilobytes "$slot_size") | $(kilobytes "$bare_size") (bare window) | \`slotmate.exe\` as built (Release, static C++ runtime) |
| Executable size, stripped | $(kilobytes "$slot_stripped") | $(kilobytes "$bare_stripped") (bare window) | a copy stripped with \`$cpu-w64-mingw32-strip\` |
| Card switch, disc found by the poll | $(med_max "${polled[@]}") | median 1.50 s, max 3.00 s (a 3 s poll's wait alone, expected) | from moving \`SYSTEM.CNF\` into E:'s folder until the stand-in emulator logs its first key; $INSERTIONS insertions, each 0-3 s (random) after the program saw the previous disc out; \`slotmate_e2e.exe\` |
| Card switch, disc announced | $(med_max "${announced[@]}") | $(med_max "${announce_alone[@]}") (\`announce_media.exe\` alone) | the same, with \`announce_media.exe E:\` run right after the file is written (\`--removed\` after each eject); baseline: the announcement for a drive the program does not watch, $ANNOUNCE_RUNS runs |
| Load 32,767 games into the list | $(millis "$load_ms") | $(millis "$read_ms") (plain read) | \`slotmate_win32_bench.exe\`: \`LoadGames\` with the real list box, median of 7 |
| Scan them for a missing ID | $(millis "$scan_ms") | $(millis "$plain_scan_ms") (plain scan of the text) | the card switcher's lookup, median of 7 |
| Save them | $(millis "$save_ms") | $(millis "$write_ms") (plain write) | \`SaveGames\` (replaces \`games.txt\` in one step), median of 7 |
EOF
say "done in $((SECONDS - began)) s; raw figures in $raw"
