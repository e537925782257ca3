# cmake -DMETAINFO=<file> -DVERSION=<x.y.z> -P CheckReleaseVersion.cmake
# Software centres show the newest <release> of the metainfo as the installed version, so
# it has to move with the project's version.
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
