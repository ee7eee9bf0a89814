# Warnings are errors in our own code: both builds stay -Wall -Wextra clean.
function(tavo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
