# Warnings are errors in our own code: both builds stay -Wall -Wextra clean.
function(tavo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 at -O2 reports overlapping copies inside std::string's own
  # operator+ and insert (-Wrestrict) where none can happen; the warning
  # comes from the library's inlined code, not from ours.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()
