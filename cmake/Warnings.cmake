# Strict warnings for the project's own targets. Warnings are errors only when
# MIENLORE_WERROR is on (every build the tests and CI make); a user's build
# never fails on a warning that another compiler version happens to give.
option(MIENLORE_WERROR "Treat compiler warnings as errors" OFF)

function(mienlore_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(MIENLORE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
