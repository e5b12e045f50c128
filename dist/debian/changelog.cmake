# Writes a package's Debian changelog from the release notes in the AppStream
# metainfo, so each release's notes are written down once.
#
#   cmake -DMETAINFO=<metainfo.xml> -DPACKAGE=<package> -DMAINTAINER=<"Name <mail>">
#         -DOUTPUT=<changelog> -P changelog.cmake
#
# Every <release>, newest first as the metainfo lists them, becomes one entry:
# a paragraph becomes a "*" line, the items of a list after it "-" lines under
# it (items with no paragraph before them are "*" lines of their own), wrapped
# to 78 columns. The entry is signed at midnight UTC of the release's date.
#   <release version="1.1" date="2027-03-01"><description>
#     <p>Fixes:</p><ul><li>The clock keeps its digits &amp; colon</li></ul>
#   </description></release>
# becomes
#   stridewell (1.1) unstable; urgency=medium
#
#     * Fixes:
#       - The clock keeps its digits & colon
#
#    -- Stridewell maintainers <maintainers@stridewell.org>  Mon, 01 Mar 2027 00:00:00 +0000
cmake_minimum_required(VERSION 3.25)

foreach(arg METAINFO PACKAGE MAINTAINER OUTPUT)
  if(NOT DEFINED ${arg})
    message(FATAL_ERROR "changelog.cmake: -D${arg}=... is missing")
  endif()
endforeach()

# A list separator inside the text would split it: it stands in for ";" while
# the text is cut into words.
string(ASCII 31 semicolon)

# The element's text, one line: tags dropped, spaces joined, entities decoded.
function(plain_text out xml)
  string(REGEX REPLACE "<[^>]*>" "" text "${xml}")
  string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
  string(STRIP "${text}" text)
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&apos;" "'" text "${text}")
  string(REPLACE "&amp;" "&" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Appends <text> to <var>, wrapped to 78 columns: the first line starts with
# <first>, the others with as many spaces.
function(append_wrapped var first text)
  string(LENGTH "${first}" indent_width)
  string(REPEAT " " ${indent_width} indent)
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE " " ";" words "${text}")
  set(result "${${var}}")
  set(line "${first}")
  set(line_empty TRUE)
  foreach(word IN LISTS words)
    string(REPLACE "${semicolon}" ";" word "${word}")
    string(LENGTH "${line} ${word}" width)
    if(line_empty)
      string(APPEND line "${word}")
      set(line_empty FALSE)
    elseif(width GREATER 78)
      string(APPEND result "${line}\n")
      set(line "${indent}${word}")
    else()
      string(APPEND line " ${word}")
    endif()
  endforeach()
  string(APPEND result "${line}\n")
  set(${var} "${result}" PARENT_SCOPE)
endfunction()

# "2026-12-08" -> "Tue, 08 Dec 2026 00:00:00 +0000"
function(rfc2822_midnight out date)
  if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "changelog.cmake: release date '${date}' is not YYYY-MM-DD")
  endif()
  set(year ${CMAKE_MATCH_1})
  math(EXPR month "1${CMAKE_MATCH_2} - 100")
  set(day ${CMAKE_MATCH_3})
  math(EXPR day_number "1${day} - 100")
  # Sakamoto's rule for the day of the week, 0 = Sunday.
  set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET month_offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day_number}) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday} weekday_name)
  list(GET months ${index} month_name)
  set(${out} "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

file(READ "${METAINFO}" xml)
set(changelog "")
set(releases 0)
while(TRUE)
  string(FIND "${xml}" "<release " start)
  if(start EQUAL -1)
    break()
  endif()
  string(SUBSTRING "${xml}" ${start} -1 xml)
  string(FIND "${xml}" ">" head_end)
  string(SUBSTRING "${xml}" 0 ${head_end} head)
  if(head MATCHES "/$")
    set(body "")
    math(EXPR rest "${head_end} + 1")
  else()
    string(FIND "${xml}" "</release>" end)
    if(end EQUAL -1)
      message(FATAL_ERROR "changelog.cmake: a <release> of ${METAINFO} is not closed")
    endif()
    math(EXPR body_start "${head_end} + 1")
    math(EXPR body_length "${end} - ${body_start}")
    string(SUBSTRING "${xml}" ${body_start} ${body_length} body)
    math(EXPR rest "${end} + 10")
  endif()
  string(SUBSTRING "${xml}" ${rest} -1 xml)

  if(NOT head MATCHES "version=\"([^\"]+)\"")
    message(FATAL_ERROR "changelog.cmake: a <release> of ${METAINFO} has no version")
  endif()
  set(version "${CMAKE_MATCH_1}")
  if(NOT head MATCHES "date=\"([^\"]+)\"")
    message(FATAL_ERROR "changelog.cmake: release ${version} has no date")
  endif()
  rfc2822_midnight(signed "${CMAKE_MATCH_1}")

  string(APPEND changelog "${PACKAGE} (${version}) unstable; urgency=medium\n\n")
  set(lines 0)
  set(after_paragraph FALSE)
  # Paragraphs and list items in their order; a list ends the paragraph's reach.
  while(body MATCHES "<(p|li|/ul|/ol)>")
    set(tag "${CMAKE_MATCH_1}")
    string(FIND "${body}" "<${tag}>" at)
    string(LENGTH "<${tag}>" tag_length)
    math(EXPR at "${at} + ${tag_length}")
    string(SUBSTRING "${body}" ${at} -1 body)
    if(tag MATCHES "^/")
      set(after_paragraph FALSE)
      continue()
    endif()
    string(FIND "${body}" "</${tag}>" close)
    string(SUBSTRING "${body}" 0 ${close} element)
    string(SUBSTRING "${body}" ${close} -1 body)
    plain_text(text "${element}")
    if(tag STREQUAL "p")
      append_wrapped(changelog "  * " "${text}")
      set(after_paragraph TRUE)
    elseif(after_paragraph)
      append_wrapped(changelog "    - " "${text}")
    else()
      append_wrapped(changelog "  * " "${text}")
    endif()
    math(EXPR lines "${lines} + 1")
  endwhile()
  if(lines EQUAL 0)
    string(APPEND changelog "  * Version ${version}.\n")
  endif()
  string(APPEND changelog "\n -- ${MAINTAINER}  ${signed}\n\n")
  math(EXPR releases "${releases} + 1")
endwhile()

if(releases EQUAL 0)
  message(FATAL_ERROR "changelog.cmake: ${METAINFO} lists no release")
endif()
string(REGEX REPLACE "\n\n$" "\n" changelog "${changelog}")
file(WRITE "${OUTPUT}" "${changelog}")
