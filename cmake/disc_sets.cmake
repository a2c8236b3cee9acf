# Turns data/disc-sets.txt into the program's table of games on several discs:
#   cmake -DINPUT=data/disc-sets.txt -DOUTPUT=disc_sets_table.inc -P disc_sets.cmake
# Each disc ID is packed in a number (its prefix's place among the prefixes,
# then its 5 digits), the numbers sorted with each disc's game beside it, and
# the games' titles (UTF-8) kept in one pool in the file's order. A line that
# is not a title, a TAB and disc IDs, or an ID given twice, stops the build.
cmake_minimum_required(VERSION 3.25)
set(number_bits 17)  # 99999 fits
set(id_form "[A-Z][A-Z][A-Z][A-Z]-[0-9][0-9][0-9][0-9][0-9]")

function(refuse line)
  string(JOIN "" why ${ARGN})
  message(FATAL_ERROR "${INPUT}:${line}: ${why}")
endfunction()

# Read whole, not with file(STRINGS), which would split a title at a ';'.
file(READ "${INPUT}" text)
set(line 0)
set(game 0)
set(entries "")
set(prefixes "")
set(titles "")
set(title_ends "")
set(pool_size 0)
while(NOT text STREQUAL "")
  math(EXPR line "${line} + 1")
  string(FIND "${text}" "\n" end)
  if(end EQUAL -1)
    set(row "${text}")
    set(text "")
  else()
    string(SUBSTRING "${text}" 0 ${end} row)
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${text}" ${end} -1 text)
  endif()
  string(REGEX REPLACE "\r$" "" row "${row}")
  if(row STREQUAL "" OR row MATCHES "^#")
    continue()
  endif()
  string(FIND "${row}" "\t" tab)
  if(tab LESS 1)
    refuse(${line} "expected a title, a TAB, then the disc IDs")
  endif()
  string(SUBSTRING "${row}" 0 ${tab} title)
  math(EXPR tab "${tab} + 1")
  string(SUBSTRING "${row}" ${tab} -1 ids)
  if(NOT ids MATCHES "^${id_form}( ${id_form})*$")
    refuse(${line} "expected disc IDs such as SLUS-00776 after the TAB, "
                   "separated by single spaces, found \"${ids}\"")
  endif()
  string(REPLACE " " ";" ids "${ids}")
  foreach(id IN LISTS ids)
    if(DEFINED line_of_${id})
      refuse(${line} "${id} is already on line ${line_of_${id}}")
    endif()
    set(line_of_${id} ${line})
    string(SUBSTRING "${id}" 0 4 prefix)
    list(APPEND prefixes ${prefix})
    list(APPEND entries "${id}=${game}")
  endforeach()
  string(LENGTH "${title}" length)
  math(EXPR pool_size "${pool_size} + ${length}")
  list(APPEND title_ends ${pool_size})
  string(REPLACE "\\" "\\\\" title "${title}")
  string(REPLACE "\"" "\\\"" title "${title}")
  string(APPEND titles "    u8\"${title}\"\n")
  math(EXPR game "${game} + 1")
endwhile()
if(game EQUAL 0)
  refuse(${line} "no game in the file")
endif()

# With the prefixes in order, the packed numbers sort as the IDs do.
list(REMOVE_DUPLICATES prefixes)
list(SORT prefixes)
list(SORT entries)
set(discs "")
set(games "")
foreach(entry IN LISTS entries)
  string(REGEX MATCH "^(....)-0*([0-9]+)=([0-9]+)$" _ "${entry}")
  list(FIND prefixes ${CMAKE_MATCH_1} place)
  math(EXPR packed "(${place} << ${number_bits}) | ${CMAKE_MATCH_2}")
  string(APPEND discs "${packed}, ")
  string(APPEND games "${CMAKE_MATCH_3}, ")
endforeach()
list(JOIN prefixes "\", \"" prefixes)
list(JOIN title_ends ", " title_ends)

file(WRITE "${OUTPUT}" "// Made from ${INPUT} by cmake/disc_sets.cmake.
constexpr int kNumberBits = ${number_bits};
constexpr std::string_view kPrefixes[] = {\"${prefixes}\"};
constexpr std::uint32_t kDiscs[] = {${discs}};
constexpr std::uint16_t kGames[] = {${games}};
constexpr std::uint32_t kTitleEnds[] = {${title_ends}};
constexpr char8_t kTitles[] =
${titles};
")
