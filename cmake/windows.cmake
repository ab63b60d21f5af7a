# Windows build: Festorin.exe, the unit tests as a Windows program, and the
# end-to-end tests that drive the real Festorin.exe. All run under Wine.
enable_language(RC)
add_compile_definitions(WINVER=0x0600 _WIN32_WINNT=0x0600 _WIN32_IE=0x0600)

add_executable(Festorin WIN32 ${CMAKE_SOURCE_DIR}/app/main_win32.cpp
    ${CMAKE_SOURCE_DIR}/app/festorin.rc ${FESTORIN_WIN32_SOURCES}
    ${FESTORIN_WIN32_FILES_SOURCES} $<TARGET_OBJECTS:festorin_core>)
target_link_libraries(Festorin PRIVATE comctl32 shell32 gdi32 user32 kernel32)

set(FESTORIN_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)

# The handlers' tests over the scripted controls, with Windows' own files.
add_executable(festorin_tests ${FESTORIN_TEST_SOURCES} ${FESTORIN_HEADLESS_SOURCES}
    ${FESTORIN_WIN32_FILES_SOURCES} $<TARGET_OBJECTS:festorin_core>)
target_link_libraries(festorin_tests PRIVATE gtest_main gmock)
add_test(NAME windows_unit_tests COMMAND ${FESTORIN_WINE_RUN} $<TARGET_FILE:festorin_tests>)

file(GLOB FESTORIN_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/e2e/*.cpp)
set(FESTORIN_E2E_HARNESS_SOURCES ${FESTORIN_E2E_SOURCES})
list(FILTER FESTORIN_E2E_HARNESS_SOURCES EXCLUDE REGEX "_test\\.cpp$")
if(FESTORIN_E2E_SOURCES)
    add_executable(festorin_e2e ${FESTORIN_E2E_SOURCES})
    target_link_libraries(festorin_e2e PRIVATE gtest_main comctl32 shell32 gdi32 user32)
    add_dependencies(festorin_e2e Festorin)
    add_test(NAME end_to_end COMMAND ${FESTORIN_WINE_RUN} $<TARGET_FILE:festorin_e2e>)
    set_tests_properties(end_to_end PROPERTIES
        ENVIRONMENT "FESTORIN_EXE=$<TARGET_FILE:Festorin>" TIMEOUT 900)
endif()

# Start-up time and memory of the real Festorin.exe at the table's limit; run
# by scripts/performance.sh, not a test.
add_executable(festorin_start_up_probe ${CMAKE_SOURCE_DIR}/bench/wine/start_up_probe.cpp
    ${FESTORIN_E2E_HARNESS_SOURCES})
target_link_libraries(festorin_start_up_probe PRIVATE psapi comctl32 shell32 gdi32 user32)
add_dependencies(festorin_start_up_probe Festorin)
