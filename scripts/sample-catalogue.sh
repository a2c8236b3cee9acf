#!/bin/bash
# Writes a sample catalogue of a few games and a blank card for each, for the
# run command and the benchmarks:
#
#   sample-catalogue.sh GAMES_TXT CARDS_DIR CARDS_DIR_AS_WINDOWS_SEES_IT
#
# SLUS-00453, "Sample Game", is the one scripts/sample/system.cnf boots.
set -euo pipefail
games_txt=$1 cards=$2 cards_win=$3
games=("SLUS-00067 Castlevania: Symphony of the Night" "SCUS-94900 Crash Bandicoot"
  "SCUS-94163 Final Fantasy VII" "SLUS-00594 Metal Gear Solid"
  "SLUS-00453 Sample Game" "SLUS-00707 Silent Hill" "SCUS-94228 Spyro the Dragon")
mkdir -p "$cards"
: >"$games_txt"
for game in "${games[@]}"; do
  title=${game#* }
  file=${title//:/}.mem # a file name holds no colon
  printf '%s\t%s\\%s\r\n' "$game" "$cards_win" "$file" >>"$games_txt"
  # A blank card: the "VgsM" header, then zeros to 131,136 bytes.
  {
    printf 'VgsM\001\000\000\000\001\000\000\000\001\000\000\000\000\002'
    head -c $((131136 - 18)) /dev/zero
  } >"$cards/$file"
done
