# Windows build: Festorin.exe, the unit tests as a Windows program, and the
# end-to-end tests that drive the real Festorin.exe. All run under Wine.
enable_language(RC)
add_compile_definitions(WINVER=0x0600 _WIN32_WINNT=0x0600 _WIN32_IE=0x0600)

add_executable(Festorin WIN32 ${CMAKE_SOURCE_DIR}/app/main_win32.cpp
    ${CMAKE_SOURCE_DIR}/app/festorin.rc ${FESTORIN_WIN32_SOURCES}
    ${FESTORIN_WIN32_SYSTEM_SOURCES} $<TARGET_OBJECTS:festorin_core>)
target_link_libraries(Festorin PRIVATE comctl32 comdlg32 shell32 ole32 gdi32 user32 kernel32)
# MinGW-w64's 64-bit comctl32 import library lacks GetWindowSubclass: the
# 64-bit build links it from an import library of its own.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(FESTORIN_SUBCLASS_IMPORTS ${CMAKE_BINARY_DIR}/libcomctl32_subclass.a)
    add_custom_command(OUTPUT ${FESTORIN_SUBCLASS_IMPORTS}
        COMMAND ${CMAKE_DLLTOOL} --input-def ${CMAKE_SOURCE_DIR}/cmake/comctl32_subclass.def
                --output-lib ${FESTORIN_SUBCLASS_IMPORTS}
        DEPENDS ${CMAKE_SOURCE_DIR}/cmake/comctl32_subclass.def
        VERBATIM)
    add_custom_target(festorin_subclass_imports DEPENDS ${FESTORIN_SUBCLASS_IMPORTS})
    add_dependencies(Festorin festorin_subclass_imports)
    target_link_libraries(Festorin PRIVATE ${FESTORIN_SUBCLASS_IMPORTS})
endif()
# windres reads these while it compiles the resources; CMake does not see that.
set_source_files_properties(${CMAKE_SOURCE_DIR}/app/festorin.rc PROPERTIES OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/app/festorin.ico;${CMAKE_SOURCE_DIR}/app/festorin.manifest;${CMAKE_SOURCE_DIR}/app/version.h")

set(FESTORIN_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
# The Windows of the tests' prefixes: a 64-bit build's programs need wine64,
# under which the end-to-end tests have taken close to 900 s on a busy
# machine of two cores.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(FESTORIN_WINEARCH win64)
    set(FESTORIN_E2E_TIMEOUT 1800)
else()
    set(FESTORIN_WINEARCH win32)
    set(FESTORIN_E2E_TIMEOUT 900)
endif()

# The handlers' tests over the scripted controls, with Windows' own files.
add_executable(festorin_tests ${FESTORIN_TEST_SOURCES} ${FESTORIN_HEADLESS_SOURCES}
    ${FESTORIN_WIN32_SYSTEM_SOURCES} $<TARGET_OBJECTS:festorin_core>)
target_link_libraries(festorin_tests PRIVATE gtest_main gmock)
# Real exports of address books, which the readers' tests read, through
# Wine's drive of the whole Unix file system.
target_compile_definitions(festorin_tests PRIVATE
    FESTORIN_TEST_FILES="Z:${CMAKE_SOURCE_DIR}/address_book/test_files/")
add_test(NAME windows_unit_tests COMMAND ${FESTORIN_WINE_RUN} $<TARGET_FILE:festorin_tests>)
# Each build folder's tests run in Wine prefixes of its own, on a
# Windows-1252 system (Wine's en-US for the C locale) whose Unix file names
# are UTF-8, so that files named in Cyrillic exist on the disk.
set(FESTORIN_TEST_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set_tests_properties(windows_unit_tests PROPERTIES
    ENVIRONMENT "FESTORIN_WINEPREFIX=${FESTORIN_TEST_PREFIX};LC_ALL=C.UTF-8")

file(GLOB FESTORIN_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/e2e/*.cpp)
set(FESTORIN_E2E_HARNESS_SOURCES ${FESTORIN_E2E_SOURCES})
list(FILTER FESTORIN_E2E_HARNESS_SOURCES EXCLUDE REGEX "_test\\.cpp$")
if(FESTORIN_E2E_SOURCES)
    add_executable(festorin_e2e ${FESTORIN_E2E_SOURCES})
    target_link_libraries(festorin_e2e PRIVATE gtest_main comctl32 shell32 gdi32 user32)
    add_dependencies(festorin_e2e Festorin)
    add_test(NAME end_to_end COMMAND ${FESTORIN_WINE_RUN} $<TARGET_FILE:festorin_e2e>)
    set_tests_properties(end_to_end PROPERTIES
        ENVIRONMENT "FESTORIN_EXE=$<TARGET_FILE:Festorin>;FESTORIN_WINEPREFIX=${FESTORIN_TEST_PREFIX};LC_ALL=C.UTF-8"
        TIMEOUT ${FESTORIN_E2E_TIMEOUT})
    # Runs on one prefix take turns; tests in prefixes of their own run beside them.
    set_tests_properties(windows_unit_tests end_to_end PROPERTIES
        RESOURCE_LOCK ${FESTORIN_TEST_PREFIX})
    # Two PCs sharing one synced data folder, in two prefixes of their own so
    # that they never wait for the other end-to-end tests: the peer drives the
    # second PC's Festorin.
    add_executable(festorin_e2e_peer ${CMAKE_SOURCE_DIR}/e2e/peer/peer_main.cpp
        ${FESTORIN_E2E_HARNESS_SOURCES})
    target_link_libraries(festorin_e2e_peer PRIVATE comctl32 shell32 gdi32 user32)
    add_test(NAME end_to_end_two_pcs COMMAND ${CMAKE_SOURCE_DIR}/scripts/two-pcs.sh
        $<TARGET_FILE:festorin_e2e_peer> $<TARGET_FILE:festorin_e2e>)
    set_tests_properties(end_to_end_two_pcs PROPERTIES TIMEOUT 900 ENVIRONMENT
        "FESTORIN_EXE=$<TARGET_FILE:Festorin>;FESTORIN_WINEPREFIX=${CMAKE_BINARY_DIR}/prefix-first-pc;FESTORIN_PEER_PREFIX=${CMAKE_BINARY_DIR}/prefix-second-pc")
    # The same windows at 144 DPI, as a laptop at 150 % shows them, in a
    # prefix of its own and on a screen they fit on.
    add_test(NAME end_to_end_144_dpi
        COMMAND ${FESTORIN_WINE_RUN} $<TARGET_FILE:festorin_e2e> --gtest_filter=ScreenScaleTest.*)
    set_tests_properties(end_to_end_144_dpi PROPERTIES TIMEOUT 300 ENVIRONMENT
        "FESTORIN_EXE=$<TARGET_FILE:Festorin>;FESTORIN_DPI=144;FESTORIN_SCREEN=1600x1000;FESTORIN_WINEPREFIX=${CMAKE_BINARY_DIR}/prefix-144-dpi")
endif()

# The system's converters on a Windows whose ANSI code page is UTF-8 ("Use
# Unicode UTF-8 for worldwide language support"), in a prefix of its own.
# Wine takes its code pages from the Unix locale, not from the registry's
# ACP: a locale that Windows gives no ANSI code page of its own (Hindi) makes
# it 65001. The locale is compiled into the build folder.
find_program(FESTORIN_LOCALEDEF localedef)
if(FESTORIN_LOCALEDEF AND EXISTS /usr/share/i18n/locales/hi_IN)
    set(FESTORIN_UTF8_LOCALES ${CMAKE_BINARY_DIR}/locales)
    add_custom_command(OUTPUT ${FESTORIN_UTF8_LOCALES}/hi_IN.UTF-8/LC_CTYPE
        COMMAND ${CMAKE_COMMAND} -E make_directory ${FESTORIN_UTF8_LOCALES}
        COMMAND ${FESTORIN_LOCALEDEF} -i hi_IN -f UTF-8 ${FESTORIN_UTF8_LOCALES}/hi_IN.UTF-8
        COMMENT "Compiling the hi_IN.UTF-8 locale of the UTF-8 prefix")
    add_custom_target(festorin_utf8_locale ALL
        DEPENDS ${FESTORIN_UTF8_LOCALES}/hi_IN.UTF-8/LC_CTYPE)
    add_test(NAME windows_code_pages_utf8 COMMAND ${FESTORIN_WINE_RUN}
        $<TARGET_FILE:festorin_tests> --gtest_filter=CodePages.AUtf8AnsiCodePageKeepsEveryCharacter)
    set_tests_properties(windows_code_pages_utf8 PROPERTIES TIMEOUT 300 ENVIRONMENT
        "LOCPATH=${FESTORIN_UTF8_LOCALES};LC_ALL=hi_IN.UTF-8;FESTORIN_ANSI_CODE_PAGE=65001;FESTORIN_WINEPREFIX=${CMAKE_BINARY_DIR}/prefix-utf8")
else()
    message(WARNING "No localedef, or no locale sources (Debian's locales): the test "
                    "windows_code_pages_utf8 is left out")
endif()

# Start-up time and memory of the real Festorin.exe at the table's limit; run
# by scripts/performance.sh, not a test.
add_executable(festorin_start_up_probe ${CMAKE_SOURCE_DIR}/bench/wine/start_up_probe.cpp
    ${FESTORIN_E2E_HARNESS_SOURCES})
target_link_libraries(festorin_start_up_probe PRIVATE psapi comctl32 shell32 gdi32 user32)
add_dependencies(festorin_start_up_probe Festorin)

# Every test above runs in prefixes of the build's own Windows.
get_property(festorin_wine_tests DIRECTORY PROPERTY TESTS)
foreach(wine_test ${festorin_wine_tests})
    set_property(TEST ${wine_test} APPEND PROPERTY ENVIRONMENT
                 "FESTORIN_WINEARCH=${FESTORIN_WINEARCH}")
endforeach()

# The installer and its test are the shipped 32-bit program's; the 64-bit
# build, made only to run the tests where 32-bit code cannot run, has neither.
if(NOT FESTORIN_WINEARCH STREQUAL "win32")
    return()
endif()

# Festorin-Setup.exe beside Festorin.exe, with the version of app/version.h,
# the one place that Festorin.exe's version information comes from too.
find_program(FESTORIN_MAKENSIS makensis REQUIRED)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/version.h)
file(STRINGS ${CMAKE_SOURCE_DIR}/app/version.h festorin_version_lines
     REGEX "^#define FESTORIN_VERSION_")
set(FESTORIN_FILE_VERSION "")
foreach(part MAJOR MINOR PATCH BUILD)
    if(NOT festorin_version_lines MATCHES "FESTORIN_VERSION_${part} ([0-9]+)")
        message(FATAL_ERROR "app/version.h defines no FESTORIN_VERSION_${part}")
    endif()
    list(APPEND FESTORIN_FILE_VERSION ${CMAKE_MATCH_1})
endforeach()
list(JOIN FESTORIN_FILE_VERSION "." FESTORIN_FILE_VERSION)
if(NOT festorin_version_lines MATCHES "FESTORIN_VERSION_TEXT \"([^\"]+)\"")
    message(FATAL_ERROR "app/version.h defines no FESTORIN_VERSION_TEXT")
endif()
set(FESTORIN_VERSION ${CMAKE_MATCH_1})

set(FESTORIN_SETUP ${CMAKE_BINARY_DIR}/Festorin-Setup.exe)
set(FESTORIN_SETUP_SCRIPT ${CMAKE_SOURCE_DIR}/installer/festorin_setup.nsi)
add_custom_command(OUTPUT ${FESTORIN_SETUP}
    COMMAND ${FESTORIN_MAKENSIS} -V2 -WX -DVERSION=${FESTORIN_VERSION}
            -DFILE_VERSION=${FESTORIN_FILE_VERSION} -DFESTORIN_EXE=$<TARGET_FILE:Festorin>
            -DOUTFILE=${FESTORIN_SETUP} ${FESTORIN_SETUP_SCRIPT}
    DEPENDS Festorin ${FESTORIN_SETUP_SCRIPT} ${CMAKE_SOURCE_DIR}/app/festorin.ico
            ${CMAKE_SOURCE_DIR}/app/version.h
    COMMENT "Making Festorin-Setup.exe"
    VERBATIM)
add_custom_target(festorin_setup ALL DEPENDS ${FESTORIN_SETUP})

# The installer's test runs in a Wine prefix of its own, removed and made
# anew at each run, so that nothing of an earlier install is left in it.
add_executable(festorin_setup_test ${CMAKE_SOURCE_DIR}/installer/festorin_setup_test.cpp
    ${FESTORIN_E2E_HARNESS_SOURCES})
target_link_libraries(festorin_setup_test PRIVATE gtest_main ole32 uuid version comctl32
    shell32 gdi32 user32)
add_dependencies(festorin_setup_test festorin_setup)
add_test(NAME installer
    COMMAND sh -c "rm -rf \"$FESTORIN_WINEPREFIX\" && exec \"$0\" \"$1\""
            ${FESTORIN_WINE_RUN} $<TARGET_FILE:festorin_setup_test>)
set_tests_properties(installer PROPERTIES TIMEOUT 300 ENVIRONMENT
    "FESTORIN_WINEPREFIX=${CMAKE_BINARY_DIR}/installer-prefix;FESTORIN_EXE=$<TARGET_FILE:Festorin>;FESTORIN_SETUP=${FESTORIN_SETUP}")
