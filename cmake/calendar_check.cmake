# Calendars of random lists, read by libical and python3-icalendar.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBICAL REQUIRED IMPORTED_TARGET libical)
add_executable(generate_calendars ${CMAKE_SOURCE_DIR}/calendar_check/generate_calendars.cpp
    ${FESTORIN_HEADLESS_SOURCES} ${FESTORIN_POSIX_SYSTEM_SOURCES} $<TARGET_OBJECTS:festorin_core>)
add_executable(read_with_libical ${CMAKE_SOURCE_DIR}/calendar_check/read_with_libical.c)
target_link_libraries(read_with_libical PRIVATE PkgConfig::LIBICAL)
add_test(NAME calendar_read_by_libical_and_python_icalendar
    COMMAND ${CMAKE_SOURCE_DIR}/calendar_check/check.sh $<TARGET_FILE:generate_calendars>
        $<TARGET_FILE:read_with_libical>)
