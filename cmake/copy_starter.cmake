# Puts the starter exercise library and sample circuits into an application
# folder without ever touching a file the user already has there:
#
#   cmake -DSOURCE=<starter folder> -DDEST=<application folder> -P copy_starter.cmake
#
# SOURCE holds exercises.lst and Circuits/*.cir, and the same for other languages
# in folders of their own (de/exercises.lst, ...). DEST/Circuits is created when
# missing. A file that already exists in DEST is left exactly as it is, even if
# it differs from the starter copy.
cmake_minimum_required(VERSION 3.21)

if(NOT SOURCE OR NOT DEST)
  message(FATAL_ERROR "usage: cmake -DSOURCE=<starter folder> -DDEST=<application folder> -P copy_starter.cmake")
endif()
if(NOT IS_DIRECTORY "${SOURCE}")
  message(FATAL_ERROR "starter folder not found: ${SOURCE}")
endif()

# Copies under a temporary name and renames without replacing, so a half
# copied file never appears and a file that turned up meanwhile still wins.
function(copy_if_missing from to)
  if(EXISTS "${to}" OR IS_SYMLINK "${to}")
    return()
  endif()
  set(partial "${to}.part")
  file(COPY_FILE "${from}" "${partial}")
  file(RENAME "${partial}" "${to}" NO_REPLACE RESULT renamed)
  # A renaming that may not replace is done by linking on some systems, which
  # leaves the temporary name behind; it is removed in every case.
  file(REMOVE "${partial}")
endfunction()

file(MAKE_DIRECTORY "${DEST}/Circuits")
copy_if_missing("${SOURCE}/exercises.lst" "${DEST}/exercises.lst")

file(GLOB circuits LIST_DIRECTORIES false "${SOURCE}/Circuits/*.cir")
foreach(circuit IN LISTS circuits)
  get_filename_component(name "${circuit}" NAME)
  copy_if_missing("${circuit}" "${DEST}/Circuits/${name}")
endforeach()

# The starter data in other languages, each in a folder of its own ("de/"), for
# a new data folder a program started from here seeds in the user's language.
file(GLOB languages LIST_DIRECTORIES true "${SOURCE}/*")
foreach(language IN LISTS languages)
  if(NOT IS_DIRECTORY "${language}" OR NOT EXISTS "${language}/exercises.lst")
    continue()
  endif()
  get_filename_component(code "${language}" NAME)
  file(MAKE_DIRECTORY "${DEST}/${code}/Circuits")
  copy_if_missing("${language}/exercises.lst" "${DEST}/${code}/exercises.lst")
  file(GLOB circuits LIST_DIRECTORIES false "${language}/Circuits/*.cir")
  foreach(circuit IN LISTS circuits)
    get_filename_component(name "${circuit}" NAME)
    copy_if_missing("${circuit}" "${DEST}/${code}/Circuits/${name}")
  endforeach()
endforeach()
