# Native build: the core and the handlers over the headless platform.
include(GoogleTest)

add_executable(festorin_tests ${FESTORIN_TEST_SOURCES} ${FESTORIN_HEADLESS_SOURCES}
    ${FESTORIN_POSIX_SYSTEM_SOURCES} $<TARGET_OBJECTS:festorin_core>)
target_link_libraries(festorin_tests PRIVATE GTest::gtest_main GTest::gmock)
# Real exports of address books, which the readers' tests read.
target_compile_definitions(festorin_tests PRIVATE
    FESTORIN_TEST_FILES="${CMAKE_SOURCE_DIR}/address_book/test_files/")
gtest_discover_tests(festorin_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
file(GLOB FESTORIN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(benchmark_FOUND AND FESTORIN_BENCH_SOURCES)
    # The literal sort is the reference both the tests and the benchmark measure against.
    add_executable(festorin_bench ${FESTORIN_BENCH_SOURCES} ${FESTORIN_HEADLESS_SOURCES}
        ${FESTORIN_POSIX_SYSTEM_SOURCES} ${CMAKE_SOURCE_DIR}/test_support/literal_sort.cpp
        $<TARGET_OBJECTS:festorin_core>)
    target_link_libraries(festorin_bench PRIVATE benchmark::benchmark_main)
endif()

# The set-up scripts' own decisions, over stand-ins: no root, no network, no Wine.
add_test(NAME install_deps_decisions COMMAND ${CMAKE_SOURCE_DIR}/scripts/install-deps_test.sh)
add_test(NAME wine_run_refuses_a_folder_it_did_not_make
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run_test.sh)

include(cmake/calendar_check.cmake)
