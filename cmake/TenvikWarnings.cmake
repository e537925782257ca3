# Every target of ours compiles with the same warnings; CI turns them into errors.
function(tenvik_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(TENVIK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
