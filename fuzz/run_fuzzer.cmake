# Runs one fuzz target for a bounded time over its seeds. New inputs go into
# WORK only, so the seeds in the repository are never written.
#   cmake -DFUZZER=<exe> -DSEEDS=<dir> -DWORK=<dir> -DSECONDS=<n> [-DFRESH=ON]
#         [-DSEED=<n>] -P run_fuzzer.cmake
# A SEED makes the run try the same inputs each time, as far as its time
# goes; without one, each run tries new ones.
foreach(arg FUZZER SEEDS WORK SECONDS)
    if(NOT DEFINED ${arg})
        message(FATAL_ERROR "run_fuzzer.cmake needs -D${arg}=")
    endif()
endforeach()

if(FRESH)
    file(REMOVE_RECURSE ${WORK})
endif()
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
set(seed_option)
if(DEFINED SEED)
    set(seed_option -seed=${SEED})
endif()

# A crash, a leak, a hang of 10 s or more or 2 GB of memory ends the run with
# the input that caused it in ${WORK}/artifacts.
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
            -detect_leaks=1 -print_final_stats=1 -artifact_prefix=${WORK}/artifacts/ ${seed_option}
            ${WORK}/corpus ${SEEDS}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}/artifacts")
endif()
