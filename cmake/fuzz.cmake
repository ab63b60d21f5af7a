# libFuzzer targets for the readers of every data file (clang only).
file(GLOB FESTORIN_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
foreach(source ${FESTORIN_FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source} ${FESTORIN_HEADLESS_SOURCES} ${FESTORIN_POSIX_FILES_SOURCES}
        $<TARGET_OBJECTS:festorin_core>)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
endforeach()
