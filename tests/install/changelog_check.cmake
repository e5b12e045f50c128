# Runs dist/debian/changelog.cmake on release notes with what real ones may
# hold (entities, a ";", a translated paragraph, a release without notes, an
# item too long for one line, leap days) and checks the Debian changelog it
# writes: one entry per release in order, each signed on its date as
# `date -R` words it, text decoded, translations left out, no line over 80
# columns.
#
#   cmake -DSCRIPT=<changelog.cmake> -DWORK=<scratch folder> -P changelog_check.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/checkfailures.cmake)

file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/metainfo.xml" [[
<component>
  <releases>
    <release version="2.0" date="2028-02-29" type="stable">
      <description>
        <p>Circuits &amp; history; kept apart:</p>
        <p xml:lang="de">Zirkel und Verlauf:</p>
        <ul>
          <li>The big clock keeps its digits and its colon when the window moves to a screen of another pixel density</li>
          <li xml:lang="de">Die grosse Uhr</li>
          <li>Names like &lt;Warm-up&gt; show as typed</li>
        </ul>
        <p>Faster start.</p>
      </description>
    </release>
    <release version="1.0.1" date="2026-12-31"/>
    <release version="1.0" date="2026-03-01">
      <description><ul><li>First</li><li>Second</li></ul></description>
    </release>
  </releases>
</component>
]])
execute_process(COMMAND ${CMAKE_COMMAND} -DMETAINFO=${WORK}/metainfo.xml -DPACKAGE=stridewell
                        "-DMAINTAINER=Stridewell maintainers <maintainers@stridewell.org>"
                        -DOUTPUT=${WORK}/changelog -P ${SCRIPT}
  RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "changelog.cmake failed: ${err}")
endif()
file(READ "${WORK}/changelog" changelog)
message("${changelog}")

# Found lines go into lists, so their ";" become ",".
string(REPLACE ";" "," listable "\n${changelog}")
string(REGEX MATCHALL "\nstridewell \\([^)]*\\) unstable, urgency=medium\n" heads "${listable}")
string(REGEX MATCHALL "\n -- Stridewell maintainers <maintainers@stridewell.org>  [^\n]*" signatures
       "${listable}")
set(versions 2.0 1.0.1 1.0)
set(dates 2028-02-29 2026-12-31 2026-03-01)
list(LENGTH heads head_count)
list(LENGTH signatures signature_count)
if(NOT head_count EQUAL 3 OR NOT signature_count EQUAL 3)
  fail("${head_count} entries and ${signature_count} signatures, not 3 each")
else()
  foreach(i RANGE 2)
    list(GET versions ${i} version)
    list(GET dates ${i} date)
    list(GET heads ${i} head)
    list(GET signatures ${i} signature)
    if(NOT head MATCHES "stridewell \\(${version}\\)")
      fail("entry ${i} is '${head}', not version ${version}")
    endif()
    execute_process(COMMAND date -u -R -d "${date} 00:00:00 UTC"
      OUTPUT_VARIABLE expected OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REGEX REPLACE "^.*>  " "" signed "${signature}")
    if(NOT signed STREQUAL expected)
      fail("version ${version} is signed '${signed}', not '${expected}'")
    endif()
  endforeach()
endif()

foreach(wanted
    "\n  \\* Circuits & history; kept apart:\n"
    "\n    - The big clock keeps"
    "\n    - Names like <Warm-up> show as typed\n"
    "\n  \\* Faster start\\.\n"
    "\n  \\* Version 1\\.0\\.1\\.\n"
    "\n  \\* First\n  \\* Second\n")
  if(NOT changelog MATCHES "${wanted}")
    fail("no match for '${wanted}'")
  endif()
endforeach()
if(changelog MATCHES "Zirkel|grosse")
  fail("a translation came along")
endif()
string(REPLACE "\n" ";" lines "${listable}")
foreach(line IN LISTS lines)
  string(LENGTH "${line}" width)
  if(width GREATER 80 AND NOT line MATCHES "^ -- ")
    fail("line of ${width} columns: '${line}'")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
if(failures)
  message(FATAL_ERROR "changelog:${failures}")
endif()
message(STATUS "changelog: every release in order, signed on its date, decoded and wrapped")
