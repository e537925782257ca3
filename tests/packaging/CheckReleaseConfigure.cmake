# cmake -DSOURCE=<dir> -DWORK=<dir> -DGENERATOR=<name> -DCOMPILER=<c++> -P CheckReleaseConfigure.cmake
# A packager configures with no options on a machine that has the program's build
# dependencies and nothing else. That configure must succeed without GoogleTest and Google
# Benchmark, and build neither the tests, the benchmarks nor the picture tools.
# CMAKE_DISABLE_FIND_PACKAGE_<name> stands in for the missing packages: CMake refuses a
# required package that it disables, which the second configure here proves.
set(disabled -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)

# configure(<folder> <result> <output> [args...]): a fresh configure of SOURCE into WORK/<folder>.
function(configure folder result output)
  file(REMOVE_RECURSE ${WORK}/${folder})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/${folder} -G ${GENERATOR}
            -DCMAKE_CXX_COMPILER=${COMPILER} ${disabled} ${ARGN}
    RESULT_VARIABLE code
    OUTPUT_VARIABLE out
    ERROR_VARIABLE out)
  set(${result} ${code} PARENT_SCOPE)
  set(${output} "${out}" PARENT_SCOPE)
endfunction()

configure(release code out)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "A configure with no options fails without GoogleTest and Google Benchmark:\n${out}")
endif()
file(STRINGS ${WORK}/release/CMakeCache.txt options REGEX "^TENVIK_BUILD_(TESTS|BENCH|TOOLS):BOOL=")
foreach(option IN LISTS options)
  if(NOT option MATCHES "=OFF$")
    message(FATAL_ERROR "A configure with no options builds more than the programs: ${option}")
  endif()
endforeach()
list(LENGTH options count)
if(NOT count EQUAL 3)
  message(FATAL_ERROR "The cache names ${count} of the three options TENVIK_BUILD_TESTS, _BENCH, _TOOLS: ${options}")
endif()
foreach(folder tests bench tools)
  if(EXISTS ${WORK}/release/${folder})
    message(FATAL_ERROR "A configure with no options still configures ${folder}/")
  endif()
endforeach()
message(STATUS "a configure with no options succeeds without GoogleTest and Google Benchmark and builds only the programs")

# The tests do need GoogleTest: without this failure the first configure would prove nothing.
# Without the window, so that it takes a moment.
configure(tests code out -DTENVIK_BUILD_UI=OFF -DTENVIK_BUILD_TESTS=ON -DTENVIK_GTEST_SOURCE_DIR=)
if(code EQUAL 0 OR NOT out MATCHES "GTest")
  message(FATAL_ERROR "A configure with the tests on did not miss the disabled GoogleTest:\n${out}")
endif()
message(STATUS "with the tests on, the same configure misses GoogleTest")
file(REMOVE_RECURSE ${WORK})
