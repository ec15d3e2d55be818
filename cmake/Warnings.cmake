# Strict warnings for the project's own targets.
function(mienlore_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
