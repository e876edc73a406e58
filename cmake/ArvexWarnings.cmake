# Warnings are errors in our own code; Qt's headers are system headers and stay quiet.
function(arvex_strict_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
