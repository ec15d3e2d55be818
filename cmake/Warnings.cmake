# Strict warnings for the project's own targets. Warnings are errors only when
# MIENLORE_WERROR is on (every build the tests and CI make); a user's build
# never fails on a warning that another compiler version happens to give.
option(MIENLORE_WERROR "Treat compiler warnings as errors" OFF)

function(mienlore_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(MIENLORE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
    # GCC 12 at -O2/-O3 reports -Wrestrict inside std::string's operator+
    # ("text" + std::string&&), a false positive of its inliner (GCC bug
    # 105329). It stays a warning there instead of failing the build.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${target} PRIVATE -Wno-error=restrict)
    endif()
  endif()
endfunction()
