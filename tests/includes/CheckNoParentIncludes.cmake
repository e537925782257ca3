# cmake -DROOT=<source root> -P CheckNoParentIncludes.cmake
# A quoted include is looked up beside the including file before the include folders, so
# "../ui/Main.h" from settings/ would reach past the folders a library may see. The
# libraries, programs, benchmarks and fuzzers spell every include from the root instead.
file(GLOB_RECURSE sources RELATIVE ${ROOT}
  ${ROOT}/core/*.h ${ROOT}/core/*.cpp
  ${ROOT}/settings/*.h ${ROOT}/settings/*.cpp
  ${ROOT}/export/*.h ${ROOT}/export/*.cpp
  ${ROOT}/records/*.h ${ROOT}/records/*.cpp
  ${ROOT}/bridge/*.h ${ROOT}/bridge/*.cpp
  ${ROOT}/print/*.h ${ROOT}/print/*.cpp
  ${ROOT}/ui/*.h ${ROOT}/ui/*.cpp
  ${ROOT}/app/*.h ${ROOT}/app/*.cpp
  ${ROOT}/bench/*.cpp ${ROOT}/fuzz/*.h ${ROOT}/fuzz/*.cpp)
if(NOT sources)
  message(FATAL_ERROR "no sources found under ${ROOT}")
endif()
set(found "")
foreach(source IN LISTS sources)
  file(STRINGS ${ROOT}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]\\.\\.")
  foreach(line IN LISTS lines)
    string(APPEND found "\n  ${source}: ${line}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "Includes that reach into a parent folder; spell them from the root:${found}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files include nothing through a parent folder")
