# What Windows reads from a program file beside its code: the icon Explorer and the task bar
# show, the manifest (no elevation, per-monitor DPI, themed common controls) and the version
# information of the file's Properties, all from project(VERSION).
function(tenvik_add_windows_resources target description)
  set(TENVIK_PROGRAM ${target})
  set(TENVIK_DESCRIPTION "${description}")
  set(TENVIK_ICON "${PROJECT_SOURCE_DIR}/resources/tenvik.ico")
  set(TENVIK_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
  set(TENVIK_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
  set(TENVIK_MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/tenvik.manifest")
  configure_file(${PROJECT_SOURCE_DIR}/app/windows/tenvik.manifest ${TENVIK_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/app/windows/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
