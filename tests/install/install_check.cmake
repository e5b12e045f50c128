# Installs the build into a temporary DESTDIR, as a package does, and checks what a desktop needs of it: every file in its place, the
# modules and starter data where the installed program looks for them, the
# menu entry naming the installed program and icon, both the desktop
# entry and the AppStream metainfo passing their validators, and each
# package's changelog opening with the version the program reports.
#
#   cmake -DBUILD=<build folder> -DWORK=<scratch folder> -DPREFIX=<install prefix>
#         -DMODULE_RELATIVE=<path> -DSTARTER_RELATIVE=<path> -DBINDIR=<bin>
#         -DDATADIR=<share> -DMANDIR=<man> -DSYSCONFDIR=<full etc path>
#         -P install_check.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/checkfailures.cmake)

file(REMOVE_RECURSE "${WORK}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${WORK} ${CMAKE_COMMAND} --install ${BUILD}
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

set(root "${WORK}${PREFIX}")
set(bin "${root}/${BINDIR}")
set(share "${root}/${DATADIR}")
set(expected
  "${bin}/stridewell"
  "${bin}/stridewell-contentserver"
  "${bin}/${STARTER_RELATIVE}/exercises.lst"
  "${share}/applications/org.stridewell.Stridewell.desktop"
  "${share}/metainfo/org.stridewell.Stridewell.metainfo.xml"
  "${share}/icons/hicolor/scalable/apps/stridewell.svg"
  "${root}/${MANDIR}/man1/stridewell.1.gz"
  "${root}/${MANDIR}/man1/stridewell-contentserver.1.gz"
  "${share}/doc/stridewell/copyright"
  "${share}/doc/stridewell-contentserver/copyright"
  "${share}/stridewell-contentserver/sample/newcircuits.lst"
  "${root}/lib/systemd/system/stridewell-contentserver.service"
  "${WORK}${SYSCONFDIR}/default/stridewell-contentserver")
# Every module the build made, where the installed program looks for it.
file(GLOB modules RELATIVE "${BUILD}/bin" "${BUILD}/bin/libstridewell_*.so")
if(NOT modules)
  fail("no modules in ${BUILD}/bin")
endif()
foreach(module IN LISTS modules)
  list(APPEND expected "${bin}/${MODULE_RELATIVE}/${module}")
endforeach()
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected "${share}/icons/hicolor/${size}x${size}/apps/stridewell.png")
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${path}")
    fail("missing: ${path}")
  endif()
endforeach()
file(GLOB starter_circuits "${bin}/${STARTER_RELATIVE}/Circuits/*.cir")
if(NOT starter_circuits)
  fail("no starter circuits in ${bin}/${STARTER_RELATIVE}/Circuits")
endif()
# Nothing of the build's own (tests, benchmarks, libraries) may come along.
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${WORK}" "${WORK}/*")
foreach(path IN LISTS installed)
  if(path MATCHES "(_tests|_bench|\\.a|startupprobe)$")
    fail("installed by mistake: ${path}")
  endif()
endforeach()

# The menu entry and each of its actions start the installed program, and
# the entry names an installed icon.
file(STRINGS "${share}/applications/org.stridewell.Stridewell.desktop" execs REGEX "^Exec=")
file(STRINGS "${share}/applications/org.stridewell.Stridewell.desktop" icon REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" icon "${icon}")
foreach(exec IN LISTS execs)
  string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
  if(NOT EXISTS "${bin}/${exec}")
    fail("the menu entry runs '${exec}', which is not in ${bin}")
  endif()
endforeach()
if(NOT EXISTS "${share}/icons/hicolor/scalable/apps/${icon}.svg")
  fail("the menu entry's icon '${icon}' is not installed")
endif()

# The installed program answers from where it was installed.
execute_process(COMMAND "${bin}/stridewell" --version
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
if(NOT status EQUAL 0 OR NOT out MATCHES "^stridewell [0-9]")
  fail("installed stridewell --version: exit ${status}, '${out}${err}'")
endif()

# Each release keeps its own notes: the newest one listed is the version the
# program reports, so a new version without notes is caught here.
file(READ "${share}/metainfo/org.stridewell.Stridewell.metainfo.xml" metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" newest "${metainfo}")
set(newest "${CMAKE_MATCH_1}")
if(NOT out STREQUAL "stridewell ${newest}\n")
  fail("the newest release in the metainfo is '${newest}', the program says '${out}'")
endif()

# The changelogs are made from the metainfo's releases: the newest entry is
# the version the program reports, under each package's own name.
foreach(package stridewell stridewell-contentserver)
  execute_process(COMMAND gzip -dc "${share}/doc/${package}/changelog.gz"
    RESULT_VARIABLE status OUTPUT_VARIABLE changelog ERROR_VARIABLE err)
  string(REGEX MATCH "^[^\n]*" first_line "${changelog}")
  if(NOT status EQUAL 0 OR NOT first_line MATCHES "^${package} \\(${newest}\\) ")
    fail("${package}'s changelog opens with '${first_line}', not version ${newest}: ${err}")
  endif()
endforeach()

foreach(check
    "desktop-file-validate;${share}/applications/org.stridewell.Stridewell.desktop"
    "appstreamcli;validate;--no-net;${share}/metainfo/org.stridewell.Stridewell.metainfo.xml")
  list(GET check 0 tool)
  find_program(tool_path ${tool} NO_CACHE)
  if(NOT tool_path)
    fail("${tool} is not installed (scripts/install-deps.sh installs it)")
    continue()
  endif()
  list(POP_FRONT check)
  execute_process(COMMAND ${tool_path} ${check}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  # desktop-file-validate prints hints and still passes; an error fails it.
  if(NOT status EQUAL 0 OR out MATCHES "error:" OR err MATCHES "error:")
    fail("${tool} failed (${status}):\n${out}${err}")
  endif()
  unset(tool_path)
endforeach()

# The type of exported circuits: known by name and by content once the
# desktop's database takes the installed file in.
find_program(update_mime update-mime-database NO_CACHE)
if(update_mime)
  file(MAKE_DIRECTORY "${WORK}/mime/packages")
  file(COPY_FILE "${share}/mime/packages/org.stridewell.Stridewell.xml"
       "${WORK}/mime/packages/org.stridewell.Stridewell.xml")
  execute_process(COMMAND ${update_mime} "${WORK}/mime"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  file(READ "${WORK}/mime/globs2" globs)
  # The magic file is binary: only its lines naming the type are read.
  file(STRINGS "${WORK}/mime/magic" magic REGEX "x-stridewell-circuit")
  if(NOT status EQUAL 0 OR NOT globs MATCHES "application/x-stridewell-circuit:[*][.]stridewell"
     OR NOT magic MATCHES "application/x-stridewell-circuit")
    fail("the circuit file type is not taken in (${status}): ${out}${err}")
  endif()
else()
  fail("update-mime-database is not installed (scripts/install-deps.sh installs it)")
endif()
file(READ "${share}/applications/org.stridewell.Stridewell.desktop" entry)
if(NOT entry MATCHES "\nMimeType=application/x-stridewell-circuit;\n" OR NOT entry MATCHES "\nExec=stridewell %f\n")
  fail("the menu entry does not open circuit files")
endif()

file(REMOVE_RECURSE "${WORK}")
if(failures)
  message(FATAL_ERROR "install layout:${failures}")
endif()
message(STATUS "install layout: every file in its place, both validators pass")
