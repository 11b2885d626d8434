# Helpers that register the project's tests with CTest.
#
# Every test runs with its own configuration folder, so no test ever reads or
# writes the user's settings.
set(BM_TEST_HOME "${CMAKE_BINARY_DIR}/test-home")
set(BM_TEST_ENV
  "XDG_CONFIG_HOME=${BM_TEST_HOME}/config"
  "HOME=${BM_TEST_HOME}"
  "QT_QPA_PLATFORM=offscreen"
  "BM_TEST_DATA=${BM_DATA_DIR}")

function(bm_register_test name label)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS "${label}" ENVIRONMENT "${BM_TEST_ENV}")
endfunction()

# bm_add_engine_test(NAME source...): a GoogleTest executable over the engine.
function(bm_add_engine_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE boatmeet_engine bm_test_support GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE BM_TEST_DATA_DIR="${BM_DATA_DIR}")
  bm_register_test(${name} engine)
endfunction()

# bm_add_store_test(NAME source...): a GoogleTest executable over the settings
# store (QtCore, no GUI).
function(bm_add_store_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE boatmeet_store bm_test_support GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE BM_TEST_DATA_DIR="${BM_DATA_DIR}")
  bm_register_test(${name} store)
endfunction()

# The window tests' own font set (tests/data/fonts): its fonts and no other.
set(BM_TEST_FONTS_DIR "${BM_DATA_DIR}/fonts")
set(BM_TEST_FONTS_CACHE "${CMAKE_BINARY_DIR}/test-fonts/cache")
set(BM_TEST_FONTS_CONF "${CMAKE_BINARY_DIR}/test-fonts/fonts.conf")
configure_file("${BM_TEST_FONTS_DIR}/fonts.conf.in" "${BM_TEST_FONTS_CONF}" @ONLY)

# bm_add_gui_test(NAME source...): a Qt Test executable over the windows, with
# the paths of both real programs. It runs twice: with the machine's fonts,
# and again (NAME_testfonts) with the test font set alone, whose fixed-pitch
# family is not called so by the font database and whose "Courier" is
# proportional: the windows must not depend on the fonts a machine has.
function(bm_add_gui_test name)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE boatmeet_gui bm_test_support Qt6::Test)
  target_compile_definitions(${name} PRIVATE BM_TEST_DATA_DIR="${BM_DATA_DIR}"
    BM_MANUAL="${CMAKE_SOURCE_DIR}/docs/manual.html" QT_NO_CAST_FROM_ASCII
    BM_GUI_PATH="$<TARGET_FILE:boatmeet>" BM_CLI_PATH="$<TARGET_FILE:boatmeet-cli>")
  add_dependencies(${name} boatmeet boatmeet-cli)
  bm_register_test(${name} gui)
  add_test(NAME ${name}_testfonts COMMAND ${name})
  set_tests_properties(${name}_testfonts PROPERTIES LABELS "gui;fonts" ENVIRONMENT
    "${BM_TEST_ENV};FONTCONFIG_FILE=${BM_TEST_FONTS_CONF};BM_TEST_FONTS=1")
endfunction()

# bm_add_cli_test(NAME source...): GoogleTest over the CLI commands, with the
# path of the real binary for end-to-end runs.
function(bm_add_cli_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE boatmeet_cli bm_test_support GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE BM_TEST_DATA_DIR="${BM_DATA_DIR}"
    BM_CLI_PATH="$<TARGET_FILE:boatmeet-cli>")
  add_dependencies(${name} boatmeet-cli)
  bm_register_test(${name} cli)
endfunction()
