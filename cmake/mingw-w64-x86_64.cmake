# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake \
#     -DTENVIK_BUILD_UI=OFF -DTENVIK_BUILD_TESTS=ON
#
# Without Qt only the libraries without Qt and their tests build this way; with
# -DTENVIK_QT_WINDOWS the whole program does. scripts/check-windows builds it and runs the
# tests under Wine.
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

# Qt for Windows as scripts/build-qt-windows builds it: -DTENVIK_QT_WINDOWS=<its folder>
# builds the whole program; Debian's own Qt gives the host tools (moc, rcc, uic).
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TENVIK_QT_WINDOWS)
if(TENVIK_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${TENVIK_QT_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${TENVIK_QT_WINDOWS})
  set(QT_HOST_PATH /usr CACHE PATH "Qt for this machine, whose tools the Windows build runs")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake CACHE PATH "")
else()
  # Without Qt, a static C++ runtime and winpthreads: a test program needs no MinGW DLL
  # beside it, so Wine (or a Windows machine) runs it as it is. With Qt the programs share
  # the runtime DLLs with Qt's, which scripts/deploy-windows puts beside them.
  set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
endif()

# CTest runs each test program through this, and GoogleTest's test discovery too. The
# script insists on a private WINEPREFIX, so no test ever touches a user's own ~/.wine.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/run-under-wine)
endif()
