# SQLite for records/: the system's (Debian's libsqlite3-dev, found by CMake's FindSQLite3),
# or, where there is none (the Windows build), SQLite's amalgamation compiled here into a
# static library from a folder holding sqlite3.c and sqlite3.h: TENVIK_SQLITE_SOURCE_DIR.
# Either way the records library links SQLite::SQLite3. tenvik_sqlite_found tells whether
# there is one; a cross build without one leaves records/ out and says so.
set(TENVIK_SQLITE_SOURCE_DIR "" CACHE PATH
  "A folder with SQLite's amalgamation (sqlite3.c, sqlite3.h) to build in; empty: the system's SQLite")

set(tenvik_sqlite_found OFF)
if(TENVIK_SQLITE_SOURCE_DIR)
  if(NOT EXISTS ${TENVIK_SQLITE_SOURCE_DIR}/sqlite3.c OR NOT EXISTS ${TENVIK_SQLITE_SOURCE_DIR}/sqlite3.h)
    message(FATAL_ERROR "TENVIK_SQLITE_SOURCE_DIR=${TENVIK_SQLITE_SOURCE_DIR} holds no sqlite3.c and sqlite3.h. "
      "In SQLite's source tree (Debian: apt-get source sqlite3), `./configure && make sqlite3.c` makes them.")
  endif()
  enable_language(C)
  add_library(tenvik_sqlite3 STATIC ${TENVIK_SQLITE_SOURCE_DIR}/sqlite3.c)
  # SQLite's own code, not ours: its header is a system header, so our warnings stop at it.
  target_include_directories(tenvik_sqlite3 SYSTEM PUBLIC ${TENVIK_SQLITE_SOURCE_DIR})
  target_compile_definitions(tenvik_sqlite3 PRIVATE
    SQLITE_DQS=0
    SQLITE_THREADSAFE=1
    SQLITE_DEFAULT_FOREIGN_KEYS=1
    SQLITE_OMIT_LOAD_EXTENSION
    SQLITE_OMIT_DEPRECATED)
  if(NOT WIN32)
    find_package(Threads REQUIRED)
    target_link_libraries(tenvik_sqlite3 PRIVATE Threads::Threads ${CMAKE_DL_LIBS} m)
  endif()
  # The project's warnings are C++ only; linking them keeps the target rules whole.
  tenvik_set_warnings(tenvik_sqlite3)
  add_library(SQLite::SQLite3 ALIAS tenvik_sqlite3)
  set(tenvik_sqlite_found ON)
else()
  find_package(SQLite3 QUIET)
  if(SQLite3_FOUND)
    set(tenvik_sqlite_found ON)
  elseif(CMAKE_CROSSCOMPILING)
    message(WARNING "No SQLite for the target: records/ and its tests are left out. "
      "Name SQLite's amalgamation with -DTENVIK_SQLITE_SOURCE_DIR=<folder>.")
  else()
    message(FATAL_ERROR "SQLite 3 not found: install libsqlite3-dev, or name SQLite's amalgamation with "
      "-DTENVIK_SQLITE_SOURCE_DIR=<folder>.")
  endif()
endif()
