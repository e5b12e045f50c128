# Debian's hardening flags, taken from dpkg-buildflags as every Debian package
# takes them: a stack protector, fortified libc calls (_FORTIFY_SOURCE), the
# format checks, relocations made read-only and bound at start (relro, now),
# and position-independent executables (the compiler's default on Debian).
# They apply to every target, so the tests run the code the packages ship.
#
# The build type keeps the say over optimisation and debug information: -O and
# -g are left out. _FORTIFY_SOURCE only works in an optimised build and gets in
# the sanitizers' way, so a Debug build and a sanitizer or fuzz build go
# without it (and say so).
find_program(STRIDEWELL_DPKG_BUILDFLAGS dpkg-buildflags)
if(STRIDEWELL_DPKG_BUILDFLAGS)
  set(hardening_default ON)
else()
  set(hardening_default OFF)
endif()
option(STRIDEWELL_HARDENING
  "Compile and link with Debian's hardening flags from dpkg-buildflags (package dpkg-dev)"
  ${hardening_default})
if(NOT STRIDEWELL_HARDENING)
  return()
endif()
if(NOT STRIDEWELL_DPKG_BUILDFLAGS)
  message(FATAL_ERROR "STRIDEWELL_HARDENING needs dpkg-buildflags (package dpkg-dev)")
endif()

# bindnow is off in Debian's defaults: "+all" turns every hardening feature on.
# Run from the source folder, the reproducible-build flags map its path to ".".
function(stridewell_dpkg_buildflags out kind)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${STRIDEWELL_DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE flags ERROR_VARIABLE err
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed: ${err}")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O.*|g)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

stridewell_dpkg_buildflags(hardening_cppflags CPPFLAGS)
stridewell_dpkg_buildflags(hardening_cxxflags CXXFLAGS)
stridewell_dpkg_buildflags(hardening_ldflags LDFLAGS)

string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
if(NOT build_type MATCHES "^(RELEASE|RELWITHDEBINFO|MINSIZEREL)$"
   OR STRIDEWELL_SANITIZE OR STRIDEWELL_BUILD_FUZZ)
  list(FILTER hardening_cppflags EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
  message(STATUS "Hardening: without _FORTIFY_SOURCE (an unoptimised or sanitizer build)")
endif()

add_compile_options(${hardening_cppflags} ${hardening_cxxflags})
add_link_options(${hardening_ldflags})
string(JOIN " " shown ${hardening_cppflags} ${hardening_cxxflags} ${hardening_ldflags})
message(STATUS "Hardening: ${shown}")
