# Source lists, gathered by folder so that a new file needs no edit here.
function(festorin_glob out)
    file(GLOB found CONFIGURE_DEPENDS ${ARGN})
    list(FILTER found EXCLUDE REGEX "_test\\.cpp$")
    set(${out} ${found} PARENT_SCOPE)
endfunction()

festorin_glob(FESTORIN_PLATFORM_SOURCES ${CMAKE_SOURCE_DIR}/platform/*.cpp)
festorin_glob(FESTORIN_CORE_SOURCES
    ${CMAKE_SOURCE_DIR}/book/*.cpp
    ${CMAKE_SOURCE_DIR}/reminders/*.cpp
    ${CMAKE_SOURCE_DIR}/address_book/*.cpp
    ${CMAKE_SOURCE_DIR}/app/*.cpp)
list(FILTER FESTORIN_CORE_SOURCES EXCLUDE REGEX "/app/main_win32\\.cpp$")
festorin_glob(FESTORIN_HEADLESS_SOURCES ${CMAKE_SOURCE_DIR}/platform/headless/*.cpp)
# The system's files and code pages: Windows' own in every Windows build,
# POSIX's and iconv's in the native ones.
list(FILTER FESTORIN_HEADLESS_SOURCES EXCLUDE REGEX "_posix\\.cpp$")
set(FESTORIN_POSIX_SYSTEM_SOURCES ${CMAKE_SOURCE_DIR}/platform/headless/files_posix.cpp
    ${CMAKE_SOURCE_DIR}/platform/headless/code_pages_posix.cpp)
festorin_glob(FESTORIN_WIN32_SOURCES ${CMAKE_SOURCE_DIR}/platform/win32/*.cpp)
list(FILTER FESTORIN_WIN32_SOURCES EXCLUDE REGEX "/(files|code_pages)_win32\\.cpp$")
set(FESTORIN_WIN32_SYSTEM_SOURCES ${CMAKE_SOURCE_DIR}/platform/win32/files_win32.cpp
    ${CMAKE_SOURCE_DIR}/platform/win32/code_pages_win32.cpp)

file(GLOB FESTORIN_TEST_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/platform/*_test.cpp
    ${CMAKE_SOURCE_DIR}/book/*_test.cpp
    ${CMAKE_SOURCE_DIR}/reminders/*_test.cpp
    ${CMAKE_SOURCE_DIR}/address_book/*_test.cpp
    ${CMAKE_SOURCE_DIR}/app/*_test.cpp
    ${CMAKE_SOURCE_DIR}/test_support/*.cpp)
