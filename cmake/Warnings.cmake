# Every target of ours compiles with the same warning set.
function(orbivale_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
