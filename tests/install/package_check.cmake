# Makes both Debian packages from the build folder, as scripts/package.sh
# does, and has them judged: lintian --pedantic may report no error and no
# warning, and hardening-check must find in each executable a stack protector,
# read-only relocations bound at start and position-independent code, and
# fortified libc calls in the program. Skipped where lintian or
# hardening-check (package devscripts) is missing.
#
# The packages are Debian's, installing to /usr: a build for another prefix
# (cmake's default is /usr/local) is skipped as well.
#
#   cmake -DBUILD=<build folder> -DPREFIX=<install prefix> -DWORK=<scratch folder>
#         -DCPACK=<cpack> -P package_check.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT PREFIX STREQUAL "/usr")
  message("SKIPPED: this build installs to ${PREFIX}; configure with -DCMAKE_INSTALL_PREFIX=/usr")
  return()
endif()

set(missing "")
foreach(tool lintian hardening-check)
  string(MAKE_C_IDENTIFIER "${tool}" var)
  find_program(${var} ${tool} NO_CACHE)
  if(NOT ${var})
    list(APPEND missing ${tool})
  endif()
endforeach()
if(missing)
  message("SKIPPED: not installed: ${missing} (scripts/install-deps.sh installs them)")
  return()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/checkfailures.cmake)

file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${CPACK} -G DEB -B "${WORK}" --config "${BUILD}/CPackConfig.cmake"
  WORKING_DIRECTORY "${BUILD}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB packages "${WORK}/*.deb")
list(LENGTH packages count)
if(NOT status EQUAL 0 OR NOT count EQUAL 2)
  message(FATAL_ERROR "cpack made ${count} packages (exit ${status}):\n${out}${err}")
endif()

# Errors and warnings fail; info (I:) and pedantic (P:) tags are shown as
# advice.
execute_process(COMMAND ${lintian} --pedantic --display-info --fail-on error,warning ${packages}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 300)
message("lintian:\n${out}")
if(NOT status EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
  fail("lintian (exit ${status}):\n${out}${err}")
endif()

# Only the executables are asked: a module with no array on its stack has no
# canary to find. Fortify is asked of the program alone: the content server
# only reads into and copies buffers whose size the compiler cannot know (a
# std::string's), so it has no call to check, built with _FORTIFY_SOURCE or
# not, and both tools call it unprotected at some optimisation levels.
# Control-flow protection is not among Debian 12's hardening flags.
set(fortified FALSE)
foreach(package IN LISTS packages)
  get_filename_component(name "${package}" NAME_WE)
  set(tree "${WORK}/${name}")
  execute_process(COMMAND dpkg-deb -x "${package}" "${tree}" RESULT_VARIABLE status)
  file(GLOB binaries "${tree}/usr/bin/*")
  if(NOT status EQUAL 0 OR NOT binaries)
    fail("${name}: no executable unpacked (exit ${status})")
    continue()
  endif()
  execute_process(COMMAND ${hardening_check} --nofortify --nocfprotection ${binaries}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("hardening-check:\n${out}")
  if(NOT status EQUAL 0)
    fail("hardening-check ${name}:\n${out}${err}")
  endif()
  if(out MATCHES "/usr/bin/stridewell:\n[^/]*Fortify Source functions: yes")
    set(fortified TRUE)
  endif()
endforeach()
if(NOT fortified)
  fail("hardening-check finds no fortified libc call in the program (_FORTIFY_SOURCE)")
endif()

file(REMOVE_RECURSE "${WORK}")
if(failures)
  message(FATAL_ERROR "packages:${failures}")
endif()
message(STATUS "packages: lintian reports no error or warning; the executables are hardened")
