# Each library shows the targets that link it its own headers and nothing else. Sources
# spell an include from the root, "core/DayNumber.h", but the root is no include folder:
# every library publishes a folder of its own in the build tree,
#
#   build/include/<target>/<folder>/<Header>.h   containing   #include "<source>/<folder>/<Header>.h"
#
# so a target sees exactly the folders of the libraries it links (its own, and what they
# link in turn), and "settings/Settings.h" is not found from core/, however it is spelt.
# Qt's own build forwards its headers the same way; the compiler names the real file in
# every message. tests/includes/ proves that a forbidden include fails.

# tenvik_publish_headers(<target> [HEADERS <name>...]): the headers of the folder that
# calls it (all its *.h unless HEADERS names some) become visible to <target> and to the
# targets that link it, as "<folder>/<name>".
function(tenvik_publish_headers target)
  cmake_parse_arguments(ARG "" "" "HEADERS" ${ARGN})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_HEADERS)
    set(headers ${ARG_HEADERS})
  else()
    # Checked again at every build, so a new header is published without a manual reconfigure.
    file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()

  set(root ${PROJECT_BINARY_DIR}/include/${target})
  # A header that was removed or moved must not stay reachable through an old forwarder.
  file(GLOB published RELATIVE ${root}/${folder} ${root}/${folder}/*.h)
  foreach(name IN LISTS published)
    if(NOT name IN_LIST headers)
      file(REMOVE ${root}/${folder}/${name})
    endif()
  endforeach()
  foreach(name IN LISTS headers)
    # Written only when it changes, so a reconfigure rebuilds nothing.
    file(CONFIGURE OUTPUT ${root}/${folder}/${name}
      CONTENT "#include \"${CMAKE_CURRENT_SOURCE_DIR}/${name}\"\n")
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
  else()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endif()
endfunction()
