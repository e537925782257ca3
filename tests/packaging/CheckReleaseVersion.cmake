# cmake -DMETAINFO=<file> -DCHANGELOG=<file> -DVERSION=<x.y.z> -P CheckReleaseVersion.cmake
# Software centres show the newest <release> of the metainfo as the installed version, and
# dpkg the newest entry of the changelog, so both have to move with the project's version.
file(READ "${METAINFO}" metainfo)
string(REGEX MATCH "<release[^>]* version=\"([^\"]*)\"" found "${metainfo}")
if(NOT found)
  message(FATAL_ERROR "${METAINFO} lists no release; add <release version=\"${VERSION}\" date=\"YYYY-MM-DD\"/>")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "${METAINFO}: the newest release is ${CMAKE_MATCH_1}, the project is ${VERSION}; "
    "add a <release version=\"${VERSION}\"/> above the others")
endif()
message(STATUS "metainfo release ${CMAKE_MATCH_1} matches the project version")

file(STRINGS "${CHANGELOG}" first_line LIMIT_COUNT 1)
if(NOT first_line MATCHES "^tenvik \\(([^)]*)\\)")
  message(FATAL_ERROR "${CHANGELOG} does not begin with a 'tenvik (VERSION) ...' entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "${CHANGELOG}: the newest entry is ${CMAKE_MATCH_1}, the project is ${VERSION}; "
    "add an entry for ${VERSION} on top")
endif()
message(STATUS "changelog entry ${CMAKE_MATCH_1} matches the project version")
