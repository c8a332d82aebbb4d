# The facts of the release, each kept in one file of the source, read for the
# manual page, the Debian package and the Windows resources. Included from
# resources/CMakeLists.txt, so the variables land in its scope; the ones the
# packaging needs also go to the top level.
#
#   CHANGELOG (Debian's changelog format): its newest entry must be this very
#     version, so the package, its changelog and the manual page never
#     disagree. Gives PELLWICK_RELEASE_DATE (YYYY-MM-DD) and
#     PELLWICK_RELEASE_MAINTAINER (who signed the entry).
#   LICENSE: gives PELLWICK_COPYRIGHT_LINE ("Copyright (c) 2026 ...") and
#     its parts copyright_years and copyright_holder.
#   project(VERSION): PELLWICK_VERSION_DOTS and PELLWICK_VERSION_COMMAS, the
#     four-part version Windows wants (1.0.0.0 and 1, 0, 0, 0).

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/CHANGELOG ${PROJECT_SOURCE_DIR}/LICENSE)
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^pellwick-sudoku \\(([^)]+)\\) ")
    message(FATAL_ERROR "CHANGELOG does not start with a Debian changelog entry of pellwick-sudoku: '${changelog_head}'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The newest entry of CHANGELOG is version ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}: "
        "add an entry for ${PROJECT_VERSION} to CHANGELOG")
endif()
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT changelog_trailer MATCHES "  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "The newest entry of CHANGELOG has no date: '${changelog_trailer}'")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
if(month EQUAL -1)
    message(FATAL_ERROR "The newest entry of CHANGELOG has no month in English: '${changelog_trailer}'")
endif()
string(REGEX REPLACE "^0" "" day "${day}")
math(EXPR month "${month} + 1")
if(month LESS 10)
    string(PREPEND month 0)
endif()
if(day LESS 10)
    string(PREPEND day 0)
endif()
set(PELLWICK_RELEASE_DATE ${year}-${month}-${day})
string(REGEX REPLACE "^ -- (.*>)  .*$" "\\1" PELLWICK_RELEASE_MAINTAINER "${changelog_trailer}")
set(PELLWICK_RELEASE_MAINTAINER "${PELLWICK_RELEASE_MAINTAINER}" PARENT_SCOPE)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE PELLWICK_COPYRIGHT_LINE REGEX "^Copyright " LIMIT_COUNT 1)
if(NOT PELLWICK_COPYRIGHT_LINE MATCHES "^Copyright \\([cC]\\) ([0-9, -]+) (.+)$")
    message(FATAL_ERROR "LICENSE has no line 'Copyright (c) YEAR HOLDER'")
endif()
set(copyright_years ${CMAKE_MATCH_1})
set(copyright_holder ${CMAKE_MATCH_2})

set(version_parts)
foreach(part IN ITEMS MAJOR MINOR PATCH TWEAK)
    if(PROJECT_VERSION_${part} STREQUAL "")
        list(APPEND version_parts 0)
    else()
        list(APPEND version_parts ${PROJECT_VERSION_${part}})
    endif()
endforeach()
list(JOIN version_parts ", " PELLWICK_VERSION_COMMAS)
list(JOIN version_parts "." PELLWICK_VERSION_DOTS)
