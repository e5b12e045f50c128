# Rates the content server's service unit as built with
# `systemd-analyze security --offline=true`: its overall exposure must stay at
# 1.0 or below (of 10), so loosening a sandbox setting fails here. Skipped
# where systemd-analyze (package systemd) is missing.
#
#   cmake -DUNIT=<unit file> -P service_check.cmake
cmake_minimum_required(VERSION 3.25)

find_program(analyze systemd-analyze NO_CACHE)
if(NOT analyze)
  message("SKIPPED: not installed: systemd-analyze (scripts/install-deps.sh installs systemd)")
  return()
endif()

execute_process(COMMAND ${analyze} security --offline=true --no-pager "${UNIT}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
message("${out}${err}")
# "→ Overall exposure level for stridewell-contentserver.service: 0.9 SAFE 😀"
if(NOT status EQUAL 0 OR NOT out MATCHES "Overall exposure level for [^:]*: ([0-9]+)\\.([0-9])")
  message(FATAL_ERROR "systemd-analyze security failed (exit ${status})")
endif()
set(exposure "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}")
math(EXPR tenths "${CMAKE_MATCH_1} * 10 + ${CMAKE_MATCH_2}")
# A unit systemd would refuse or half-ignore is no sandbox, whatever its score.
if(err MATCHES "[Ii]gnoring|[Uu]nknown|not valid|bad unit")
  message(FATAL_ERROR "systemd-analyze warns about the unit:\n${err}")
endif()
if(tenths GREATER 10)
  message(FATAL_ERROR "exposure ${exposure} is above 1.0")
endif()
message(STATUS "service exposure ${exposure}, at most 1.0")
