# Joins the simulator's data files into the one file ksw-sim reads by default: the main file
# first, then every file of data/forms/ in name order, each introduced by a comment naming it.
# Called at build time with OUT and FILES (a ;-separated list).
set(merged "# Generated at build time from the files named below; edit those, not this one.\n")
foreach(file IN LISTS FILES)
    file(READ "${file}" text)
    string(APPEND merged "\n# ==== ${file}\n${text}")
    if(NOT text MATCHES "\n$")
        string(APPEND merged "\n")
    endif()
endforeach()
file(WRITE "${OUT}.tmp" "${merged}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
