# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake \
#     -DTENVIK_BUILD_UI=OFF -DTENVIK_BUILD_TESTS=ON
#
# Only the libraries without Qt and their tests build this way; scripts/check-windows does
# it and runs the tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix flavour: its libstdc++ has std::thread and std::mutex, which the win32 flavour
# lacks.
set(TENVIK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TENVIK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TENVIK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TENVIK_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TENVIK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static C++ runtime and winpthreads: a test program needs no MinGW DLL beside it, so Wine
# (or a Windows machine) runs it as it is.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# CTest runs each test program through this, and GoogleTest's test discovery too. The
# script insists on a private WINEPREFIX, so no test ever touches a user's own ~/.wine.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/run-under-wine)
endif()
