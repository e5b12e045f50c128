# Runs the program's command line the way a shell does, with no display at
# all: every answer here must come before any window system is touched (with
# the X11 platform and no DISPLAY, touching it would abort the program).
#
#   cmake -DPROGRAM=<stridewell> -DVERSION=<x.y> -DWORK=<scratch folder> -P commandline_check.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")
macro(fail what)
  string(APPEND failures "\n  ${what}")
endmacro()

# PLATFORM may be set before a call; the X11 platform by default.
function(run_program)
  if(NOT PLATFORM)
    set(PLATFORM xcb)
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=LANGUAGE
            LC_ALL=C QT_QPA_PLATFORM=${PLATFORM} ${PROGRAM} ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  set(status "${status}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run_program(--version)
if(NOT status EQUAL 0 OR NOT out STREQUAL "stridewell ${VERSION}\n")
  fail("--version: exit ${status}, stdout '${out}'")
endif()

run_program(--help)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^Usage: stridewell \\[OPTION\\]\\.\\.\\.\n")
  fail("--help: exit ${status}, stdout '${out}', stderr '${err}'")
endif()
# An answer that cannot be written is a failure, never a success.
if(EXISTS /dev/full)
  foreach(option --version --help)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
              sh -c "exec \"$0\" $1 >/dev/full" ${PROGRAM} ${option}
      RESULT_VARIABLE status ERROR_VARIABLE err TIMEOUT 20)
    if(NOT status EQUAL 1 OR NOT err MATCHES "^stridewell: write error: [^\n]+\n$")
      fail("${option} >/dev/full: exit ${status}, stderr '${err}' (want 1 and the write error)")
    endif()
  endforeach()
endif()

# --help speaks the language --lang or the environment names, before any
# window system; an unknown code is English.
set(english "${out}")
foreach(language "--lang;de" "--lang=pl" "--help;--lang;de")
  run_program(${language} --help)
  if(NOT status EQUAL 0 OR out STREQUAL english OR NOT out MATCHES "--data-dir")
    fail("'${language} --help': exit ${status}, stdout '${out}' (want a translation)")
  endif()
endforeach()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=LC_ALL LANGUAGE=fr LANG=fr_FR.UTF-8
          ${PROGRAM} --help
  RESULT_VARIABLE status OUTPUT_VARIABLE localised TIMEOUT 20)
if(NOT status EQUAL 0 OR localised STREQUAL english)
  fail("--help under LANGUAGE=fr: exit ${status}, stdout '${localised}' (want French)")
endif()
run_program(--lang xx --help)
if(NOT out STREQUAL english)
  fail("'--lang xx --help' is not English: '${out}'")
endif()
set(out "${english}")

foreach(option --data-dir --plan --help --version)
  string(FIND "${out}" "${option}" found)
  if(found EQUAL -1)
    fail("--help does not name ${option}")
  endif()
endforeach()

foreach(arguments "--bogus" "-x" "stray;other" "--data-dir" "--data-dir=" "--data-dir;a;--data-dir;b"
    "--export" "--export;Legs" "--import" "--print;Legs" "--export;A;b;--import;c" "--import;a;stray"
    "--plan;a;--import;b" "--run;A;stray")
  run_program(${arguments})
  if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^stridewell: [^\n]+\n$")
    fail("'${arguments}': exit ${status}, stdout '${out}', stderr '${err}' (want 2 and one line on stderr)")
  endif()
endforeach()

# "--" ends the options: what follows is a file to import, never an option.
run_program(-- --version --help)
if(NOT status EQUAL 2 OR NOT err MATCHES "unexpected argument '--help'")
  fail("'-- --version --help': exit ${status}, stderr '${err}' (want 2, an unexpected argument)")
endif()

# --data-dir reaches the data folder rule before any window: a folder that
# cannot be made is told on stderr, by name, and ends the program. With no
# display (X11) or a platform no one can answer a box on (offscreen), no
# window is tried: the program neither aborts nor waits.
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/plainfile" "not a folder")
foreach(PLATFORM xcb offscreen)
  run_program(--data-dir "${WORK}/plainfile/stridewell")
  string(FIND "${err}" "stridewell: cannot use the data folder ${WORK}/plainfile/stridewell: " named)
  if(NOT status EQUAL 1 OR NOT named EQUAL 0)
    fail("unusable --data-dir on ${PLATFORM}: exit ${status}, stderr '${err}'")
  endif()
endforeach()
unset(PLATFORM)
file(REMOVE_RECURSE "${WORK}")

# --plan prints any circuit file's phases without a display or a data folder;
# a file it cannot read, or a bad key, is one line on stderr naming file, line
# and key, and exit 1.
file(MAKE_DIRECTORY "${WORK}")
set(tab "\t")
file(WRITE "${WORK}/tabata.cir"
  "Tabata\r\nUpper Body\r\n20 rounds=2 warmup=60\r\n10\r\nSquat\r\nLunge\tsides=2 reps=12\r\n")
run_program(--plan "${WORK}/tabata.cir")
string(CONCAT want
  "warmup${tab}60${tab}${tab}\n"
  "rest${tab}10${tab}1${tab}Squat\nwork${tab}20${tab}1${tab}Squat\n"
  "rest${tab}10${tab}1${tab}Lunge\nreps${tab}20${tab}1${tab}Lunge\nreps${tab}20${tab}1${tab}Lunge\n"
  "rest${tab}10${tab}2${tab}Squat\nwork${tab}20${tab}2${tab}Squat\n"
  "rest${tab}10${tab}2${tab}Lunge\nreps${tab}20${tab}2${tab}Lunge\nreps${tab}20${tab}2${tab}Lunge\n"
  "total${tab}210\n")
if(NOT status EQUAL 0 OR NOT out STREQUAL want OR NOT err STREQUAL "")
  fail("--plan: exit ${status}, stdout '${out}', stderr '${err}'")
endif()
file(WRITE "${WORK}/bad.cir" "Bad\r\nUpper Body\r\n20\r\n10\r\nSquat\r\nPlank\twork=0\r\n")
foreach(file bad.cir missing.cir)
  run_program(--plan=${WORK}/${file})
  if(NOT status EQUAL 1 OR NOT out STREQUAL "" OR NOT err MATCHES "^stridewell: ${WORK}/${file}[^\n]+\n$")
    fail("--plan ${file}: exit ${status}, stdout '${out}', stderr '${err}' (want 1 and one line)")
  endif()
endforeach()
if(NOT err MATCHES "File not found")
  fail("--plan of a missing file does not say so: '${err}'")
endif()
run_program(--plan "${WORK}/bad.cir")
if(NOT err MATCHES "line 6: \"work\"")
  fail("--plan of a bad key does not name its line and key: '${err}'")
endif()
file(REMOVE_RECURSE "${WORK}")

# A circuit to start is looked up before any window: an unknown name, or no
# circuit run yet, is one line on stderr and exit 1, and the folder is left
# as it was.
file(MAKE_DIRECTORY "${WORK}/data/Circuits")
file(WRITE "${WORK}/data/exercises.lst" "")
foreach(asked "--run;Nope" "--run-last")
  run_program(--data-dir=${WORK}/data ${asked})
  if(NOT status EQUAL 1 OR NOT err MATCHES "^stridewell: [^\n]+\n$")
    fail("'${asked}': exit ${status}, stderr '${err}' (want 1 and one line)")
  endif()
endforeach()
file(GLOB left RELATIVE "${WORK}/data" "${WORK}/data/*")
if(NOT left STREQUAL "Circuits;exercises.lst")
  fail("an unknown circuit changed the data folder: ${left}")
endif()
foreach(wrong "--run" "--run=" "--run;A;--history" "--history;--run-last")
  run_program(${wrong})
  if(NOT status EQUAL 2)
    fail("'${wrong}' is not refused: exit ${status}, stderr '${err}'")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")

# A circuit goes from one data folder to another as one file, and its card
# to a PDF, all without a display; each thing done is a line on stdout. A
# refusal is one line on stderr and exit 1, and changes nothing.
file(MAKE_DIRECTORY "${WORK}/from/Circuits")
file(WRITE "${WORK}/from/exercises.lst"
  "7\r\nSquat\r\nLower Body\r\nSit back.\r\n1\r\n9\r\nLunge\r\nLower Body\r\nStep.\r\n0\r\n")
file(WRITE "${WORK}/from/Circuits/Legs.cir"
  "Legs\r\nLower Body\r\n30 rounds=3\r\n10\r\nSquat\r\nLunge\tsides=2\r\n")
run_program(--data-dir "${WORK}/from" --export Legs "${WORK}/Legs.stridewell")
file(READ "${WORK}/Legs.stridewell" bundle)
if(NOT status EQUAL 0 OR NOT out STREQUAL "exported 'Legs' to ${WORK}/Legs.stridewell\n"
   OR NOT bundle MATCHES "^Stridewell circuit 1\ncircuit 6\n")
  fail("--export: exit ${status}, stdout '${out}', stderr '${err}', file '${bundle}'")
endif()
file(MAKE_DIRECTORY "${WORK}/to/Circuits")
file(WRITE "${WORK}/to/exercises.lst" "3\r\nSquat\r\nLegs\r\nMine.\r\n0\r\n")
foreach(want "added circuit 'Legs'\nadded exercise 'Lunge'\n" "added circuit 'Legs (2)'\n")
  run_program(--data-dir=${WORK}/to --import "${WORK}/Legs.stridewell")
  if(NOT status EQUAL 0 OR NOT out STREQUAL want OR NOT err STREQUAL "")
    fail("--import: exit ${status}, stdout '${out}', stderr '${err}' (want '${want}')")
  endif()
endforeach()
# (file(READ) gives the lines without their CRs.)
file(READ "${WORK}/to/exercises.lst" library)
if(NOT library STREQUAL "3\nSquat\nLegs\nMine.\n0\n4\nLunge\nLower Body\nStep.\n0\n")
  fail("--import changed the library to '${library}'")
endif()
# Another timer's export goes through the import module, loaded for it.
file(WRITE "${WORK}/morning.json"
  "{\"title\":\"Morning\",\"sets\":[{\"repetitions\":2,\"exercises\":[{\"name\":\"Hops\",\"duration\":30},{\"name\":\"Rest\",\"duration\":10}]}]}")
run_program(--data-dir=${WORK}/to --import "${WORK}/morning.json")
if(NOT status EQUAL 0 OR NOT out STREQUAL "added circuit 'Morning'\nadded exercise 'Hops'\n")
  fail("--import of another timer's export: exit ${status}, stdout '${out}', stderr '${err}'")
endif()
file(READ "${WORK}/to/Circuits/Morning.cir" morning)
if(NOT morning STREQUAL "Morning\nMultiple Area Workout\n30 rounds=2\n10\nHops\n")
  fail("another timer's workout became '${morning}'")
endif()
file(WRITE "${WORK}/cut.stridewell" "Stridewell circuit 1\ncircuit 4\nCut\nx\n30\n")
file(WRITE "${WORK}/foreign.json" "{\"not\": \"a workout\"}")
file(GLOB before RELATIVE "${WORK}/to" "${WORK}/to/*" "${WORK}/to/Circuits/*")
foreach(refused "--import;${WORK}/cut.stridewell" "--import;${WORK}/foreign.json"
    "--import;${WORK}/missing.stridewell" "--export;Nope;${WORK}/nope.stridewell"
    "--export;Legs;${WORK}/to/exercises.lst" "--print;Nope;${WORK}/nope.pdf")
  run_program(--data-dir=${WORK}/to ${refused})
  if(NOT status EQUAL 1 OR NOT out STREQUAL "" OR NOT err MATCHES "^stridewell: [^\n]+\n$")
    fail("'${refused}': exit ${status}, stdout '${out}', stderr '${err}' (want 1 and one line)")
  endif()
endforeach()
file(GLOB after RELATIVE "${WORK}/to" "${WORK}/to/*" "${WORK}/to/Circuits/*")
if(NOT before STREQUAL after OR EXISTS "${WORK}/nope.stridewell" OR EXISTS "${WORK}/nope.pdf")
  fail("a refused command changed files: '${before}' became '${after}'")
endif()
run_program(--data-dir=${WORK}/to --print "Legs (2)" "${WORK}/legs.pdf")
file(STRINGS "${WORK}/legs.pdf" pdf LIMIT_COUNT 1)
if(NOT status EQUAL 0 OR NOT out STREQUAL "printed 'Legs (2)' to ${WORK}/legs.pdf\n" OR NOT pdf MATCHES "^%PDF-")
  fail("--print: exit ${status}, stdout '${out}', stderr '${err}', file '${pdf}'")
endif()
file(REMOVE_RECURSE "${WORK}")

if(failures)
  message(FATAL_ERROR "command line:${failures}")
endif()
message(STATUS "command line: all answers as expected")
