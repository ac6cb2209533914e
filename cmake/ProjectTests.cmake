# SPDX-License-Identifier: GPL-3.0-or-later
# What the tests are built with, looked for only when BUILD_TESTING is on:
# GoogleTest for the plain code, Qt Test for the windows, minizip for
# reading workbooks back.
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)
# Unzips the .xlsx workbooks the program writes, to read their cells back.
find_package(PkgConfig REQUIRED)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
include(GoogleTest)

# GoogleTest executables: every test case becomes a CTest test of its own.
# LIBS names GTest::gtest_main, or GTest::gtest for a main() of the test's own.
function(dl_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;INCLUDES;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${ARG_INCLUDES})
  dl_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${ARG_PROPERTIES})
endfunction()

# Qt Test executables: offscreen platform, a runtime folder, a data folder
# (the program's journals) and a configuration folder of the test's own (its
# remembered settings) under the build tree, never the user's, and a hard
# time limit.
function(dl_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  dl_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=60000;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/xdg-data;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/xdg-config/${name};LC_ALL=C.UTF-8;QT_LOGGING_RULES=qt.qpa.*=false")
endfunction()

# Gives a Qt test an offscreen screen of the given size in place of the
# plugin's default one.
function(dl_set_qt_test_screen test width height)
  set(config ${CMAKE_BINARY_DIR}/offscreen-screens/${width}x${height}.json)
  file(WRITE ${config} "{ \"screens\": [ { \"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": ${width}, \"height\": ${height}, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
  set_property(TEST ${test} PROPERTY ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:offscreen:configfile=${config}")
endfunction()

# Runs a Qt test once more, as <name>_<width>x<height>, on a screen of that size.
function(dl_add_qt_test_run_on_screen name width height)
  get_test_property(${name} ENVIRONMENT environment)
  add_test(NAME ${name}_${width}x${height} COMMAND ${name})
  set_tests_properties(${name}_${width}x${height} PROPERTIES TIMEOUT 120 ENVIRONMENT "${environment}")
  dl_set_qt_test_screen(${name}_${width}x${height} ${width} ${height})
endfunction()

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
include(cmake/FuzzTarget.cmake)
