# libFuzzer targets for the readers of every data file (clang only), their
# seeds, a short pass for the test command and the long runs.
file(GLOB FESTORIN_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
set(FESTORIN_FUZZ_CORPUS ${CMAKE_SOURCE_DIR}/fuzz/corpus)
set(FESTORIN_FUZZ_RUNNER ${CMAKE_SOURCE_DIR}/fuzz/run_fuzzer.cmake)
set(FESTORIN_FUZZ_SHORT_SECONDS 5 CACHE STRING "Seconds each fuzz target runs in the test pass")
set(FESTORIN_FUZZ_LONG_SECONDS 60 CACHE STRING "Seconds each fuzz target runs in fuzz_long")

enable_testing()
set(long_runs)
foreach(source ${FESTORIN_FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    string(REGEX REPLACE "_fuzz$" "" reader ${name})
    add_executable(${name} ${source} ${FESTORIN_HEADLESS_SOURCES} ${FESTORIN_POSIX_SYSTEM_SOURCES}
        $<TARGET_OBJECTS:festorin_core>)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)

    add_test(NAME ${name}
        COMMAND ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}>
            -DSEEDS=${FESTORIN_FUZZ_CORPUS}/${reader} -DWORK=${CMAKE_BINARY_DIR}/short/${reader}
            -DSECONDS=${FESTORIN_FUZZ_SHORT_SECONDS} -DFRESH=ON -DSEED=1 -P ${FESTORIN_FUZZ_RUNNER})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)

    # The test pass tries the same inputs on every run, so that it never fails
    # by chance; finding new ones is for the long runs, which keep what they find
    # in the build folder from one run to the next.
    list(APPEND long_runs
        COMMAND ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}>
            -DSEEDS=${FESTORIN_FUZZ_CORPUS}/${reader} -DWORK=${CMAKE_BINARY_DIR}/long/${reader}
            -DSECONDS=${FESTORIN_FUZZ_LONG_SECONDS} -P ${FESTORIN_FUZZ_RUNNER})
    list(APPEND fuzz_targets ${name})
endforeach()

add_custom_target(fuzz_long ${long_runs} DEPENDS ${fuzz_targets} USES_TERMINAL
    COMMENT "Each fuzz target for ${FESTORIN_FUZZ_LONG_SECONDS} s")

# Writes the seeds into the repository; run it again when a file format changes.
add_executable(make_seeds ${CMAKE_SOURCE_DIR}/fuzz/make_seeds.cpp ${FESTORIN_HEADLESS_SOURCES}
    ${FESTORIN_POSIX_SYSTEM_SOURCES} $<TARGET_OBJECTS:festorin_core>)
target_link_options(make_seeds PRIVATE -fsanitize=address,undefined)
add_custom_target(fuzz_seeds COMMAND make_seeds ${FESTORIN_FUZZ_CORPUS} USES_TERMINAL
    COMMENT "Seeds of the fuzz targets into ${FESTORIN_FUZZ_CORPUS}")
