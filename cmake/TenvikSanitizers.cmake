# Sanitizer and fuzzing builds. Both instrument every target of the tree, libraries and
# tests alike, so that a fault shows where it happens and not only where it is noticed.
# Include this before the first target is added; the options are TENVIK_SANITIZE and
# TENVIK_FUZZ of the top-level CMakeLists.txt.

if(TENVIK_SANITIZE)
  # Undefined behaviour aborts like a memory fault does, so no test can pass over one.
  # GCC leaves float-cast-overflow out of "undefined"; day numbers are doubles cast to
  # integers, so it is asked for by name.
  set(TENVIK_SANITIZER_FLAGS
    -fsanitize=address,undefined,float-cast-overflow
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_compile_options(${TENVIK_SANITIZER_FLAGS})
  add_link_options(${TENVIK_SANITIZER_FLAGS})

  # CTest reads this before it runs any test, so a test run by hand in the sanitizer build
  # meets the same settings as one run by scripts/check-sanitizers. Settings already in
  # the environment win.
  set(TENVIK_SANITIZER_ENVIRONMENT ${CMAKE_BINARY_DIR}/TenvikSanitizerEnvironment.cmake)
  file(CONFIGURE OUTPUT ${TENVIK_SANITIZER_ENVIRONMENT} @ONLY CONTENT [[
if(NOT DEFINED ENV{ASAN_OPTIONS})
  set(ENV{ASAN_OPTIONS} "detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:\
strict_init_order=1:strict_string_checks=1")
endif()
if(NOT DEFINED ENV{UBSAN_OPTIONS})
  set(ENV{UBSAN_OPTIONS} "print_stacktrace=1")
endif()
if(NOT DEFINED ENV{LSAN_OPTIONS})
  set(ENV{LSAN_OPTIONS} "suppressions=@PROJECT_SOURCE_DIR@/cmake/lsan-suppressions.txt:print_suppressions=0")
endif()
]])
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${TENVIK_SANITIZER_ENVIRONMENT})
endif()

# TENVIK_FUZZ_ENABLED tells fuzz/ whether it can build; TENVIK_FUZZ only asks for it.
set(TENVIK_FUZZ_ENABLED OFF)
if(TENVIK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(WARNING
      "TENVIK_FUZZ: the fuzz targets are skipped, because libFuzzer needs Clang and this build "
      "uses ${CMAKE_CXX_COMPILER_ID}. Install the Debian packages clang and libclang-rt-14-dev "
      "and configure a fresh build folder with -DCMAKE_CXX_COMPILER=clang++.")
  else()
    include(CheckCXXSourceCompiles)
    set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
    check_cxx_source_compiles([[
      #include <cstddef>
      #include <cstdint>
      extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }
    ]] TENVIK_HAVE_LIBFUZZER)
    unset(CMAKE_REQUIRED_FLAGS)
    if(NOT TENVIK_HAVE_LIBFUZZER)
      message(WARNING
        "TENVIK_FUZZ: the fuzz targets are skipped, because Clang cannot link libFuzzer here. "
        "Install the Debian package libclang-rt-14-dev (the runtime of Debian's clang 14).")
    else()
      set(TENVIK_FUZZ_ENABLED ON)
      # Coverage feedback from the code under test; the fuzz targets add libFuzzer's main.
      add_compile_options(-fsanitize=fuzzer-no-link)
      add_link_options(-fsanitize=fuzzer-no-link)
    endif()
  endif()
endif()
