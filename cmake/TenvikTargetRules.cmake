# tenvik_check_target_rules(): run once, after every target is added. Stops the configure
# step when a target of ours
#  - does not link tenvik_warnings (tenvik_set_warnings), so it would build with fewer
#    warnings and without Qt's conversion guards, or
#  - names the source root as an include folder, which would let it and every target that
#    links it include any header of the tree (tenvik_publish_headers says how instead).
# Targets of other projects built here (GoogleTest from its sources) are left alone.
function(tenvik_check_target_rules)
  set(problems "")
  set(folders ${PROJECT_SOURCE_DIR})
  while(folders)
    list(POP_FRONT folders folder)
    get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    list(APPEND folders ${subfolders})
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR ${folder} NORMALIZE ours)
    if(NOT ours)
      continue()
    endif()

    get_property(folder_includes DIRECTORY ${folder} PROPERTY INCLUDE_DIRECTORIES)
    if(PROJECT_SOURCE_DIR IN_LIST folder_includes)
      string(APPEND problems "\n  ${folder}: include_directories() names the source root")
    endif()

    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "UTILITY")
        continue()
      endif()
      get_target_property(includes ${target} INCLUDE_DIRECTORIES)
      get_target_property(public_includes ${target} INTERFACE_INCLUDE_DIRECTORIES)
      if(PROJECT_SOURCE_DIR IN_LIST includes OR PROJECT_SOURCE_DIR IN_LIST public_includes)
        string(APPEND problems "\n  ${target}: names the source root as an include folder; "
          "call tenvik_publish_headers(${target}) in its folder instead")
      endif()
      if(NOT type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(links ${target} LINK_LIBRARIES)
        if(NOT "tenvik_warnings" IN_LIST links)
          string(APPEND problems "\n  ${target}: builds without the project's warnings; "
            "call tenvik_set_warnings(${target})")
        endif()
      endif()
    endforeach()
  endwhile()
  if(problems)
    message(FATAL_ERROR "Targets that break the build's rules:${problems}")
  endif()
endfunction()
