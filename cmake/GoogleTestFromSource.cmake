# GoogleTest built with the project's own compiler from the sources Debian ships
# (libgtest-dev puts them in /usr/src/googletest): a cross build cannot use the
# host's prebuilt libraries. Its own build names the same targets as
# find_package(GTest) does: GTest::gtest, GTest::gtest_main.
set(HALVORA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
if(NOT EXISTS "${HALVORA_GOOGLETEST_SOURCE}/CMakeLists.txt")
    message(FATAL_ERROR "No GoogleTest sources in ${HALVORA_GOOGLETEST_SOURCE} (libgtest-dev)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory("${HALVORA_GOOGLETEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL
                 SYSTEM)
