# SPDX-License-Identifier: GPL-3.0-or-later
# The suite's programs built for Windows, included by the top-level list in place of tests/ when
# it builds for Windows; scripts/run-windows-tests runs them under Wine on Qt's offscreen platform.
# Left out, because they test what only Linux has or need what Qt for Windows lacks here:
#   the file store of the record (store/file_record_store_test: the file and its folder's
#     permissions, links and full disks, in forked children; Windows keeps the record in the
#     registry, tested by store/registry_record_store_test),
#   history's HistoryFile test (the XDG data folder; Windows uses the application data folder),
#   store/replace_file_test, history/faults_test and history/paths_test (Linux permissions,
#     owners of links and a small full disk, in forked children), companions/donate_reminder_test (the INI file that Linux keeps),
#   assets (the artwork's files, the same on every platform, checked with Qt SVG, which is not
#     built for Windows), translations (the .ts files, checked with the host's lupdate),
#   e2e, package and fuzz (the Linux desktop, the Debian package, libFuzzer); the Windows
#     end-to-end game is scripts/windows-e2e.
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest's sources, built here for Windows (Debian: the googletest package)")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
find_package(Qt6 REQUIRED COMPONENTS Test)

set(tests ${PROJECT_SOURCE_DIR}/tests)
set(marnelok_windows_tests "")
# marnelok_windows_test(NAME [SKIP gtest-filter] SOURCES... LIBRARIES...)
function(marnelok_windows_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SKIP" "SOURCES;LIBRARIES")
  add_executable(${name} EXCLUDE_FROM_ALL ${arg_SOURCES})
  target_include_directories(${name} PRIVATE ${tests}/common)
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(line ${name}.exe)
  if(arg_SKIP)
    string(APPEND line " --gtest_filter=-${arg_SKIP}")
  endif()
  set(marnelok_windows_tests ${marnelok_windows_tests} ${line} PARENT_SCOPE)
endfunction()

marnelok_windows_test(game_tests
  SOURCES ${tests}/game/cards_test.cpp ${tests}/game/hand_test.cpp ${tests}/game/board_test.cpp
          ${tests}/game/game_flow_test.cpp ${tests}/game/position_test.cpp
  LIBRARIES marnelok_game GTest::gtest_main)
marnelok_windows_test(advisor_tests
  SOURCES ${tests}/advisor/advisor_test.cpp LIBRARIES marnelok_advisor GTest::gtest_main)
marnelok_windows_test(store_tests
  SOURCES ${tests}/store/settings_record_test.cpp ${tests}/store/name_text_test.cpp
          ${tests}/store/top_five_test.cpp ${tests}/store/registry_record_store_test.cpp
  LIBRARIES marnelok_store advapi32 GTest::gtest_main)
marnelok_windows_test(history_tests SKIP HistoryFile.*
  SOURCES ${tests}/history/test_main.cpp ${tests}/history/history_fixture.cpp
          ${tests}/history/recording_test.cpp ${tests}/history/statistics_test.cpp
          ${tests}/history/schema_test.cpp
  LIBRARIES marnelok_history GTest::gtest)
marnelok_windows_test(review_tests
  SOURCES ${tests}/review/judging_test.cpp LIBRARIES marnelok_review Qt6::Test GTest::gtest)
marnelok_windows_test(chart_windows_tests
  SOURCES ${tests}/chart_windows/test_main.cpp ${tests}/chart_windows/statistics_window_test.cpp
          ${tests}/chart_windows/review_window_test.cpp
  LIBRARIES marnelok_chart_windows marnelok_table Qt6::Test GTest::gtest)
target_compile_definitions(chart_windows_tests PRIVATE
  "MARNELOK_STATISTICS_MODULE_FILE=\"$<TARGET_FILE:marnelok_chart_windows_module>\"")
marnelok_windows_test(companions_tests
  SOURCES ${tests}/companions/test_main.cpp ${tests}/companions/desktop_helpers_test.cpp
          ${tests}/companions/help_test.cpp ${tests}/companions/splash_form_test.cpp
          ${tests}/companions/donate_form_test.cpp ${tests}/companions/command_line_test.cpp
          ${tests}/companions/language_test.cpp
  LIBRARIES marnelok_companions marnelok_store marnelok_translations Qt6::Test GTest::gtest)
target_compile_definitions(companions_tests PRIVATE
  "MARNELOK_ASSETS_DIR=\"${PROJECT_SOURCE_DIR}/assets\"")
file(GLOB painter_tests CONFIGURE_DEPENDS ${tests}/painter/*_test.cpp)
marnelok_windows_test(painter_tests
  SOURCES ${tests}/painter/test_main.cpp ${tests}/painter/table_fixture.cpp ${painter_tests}
  LIBRARIES marnelok_painter GTest::gtest)
set_source_files_properties(${tests}/painter/data/probe.png PROPERTIES QT_RESOURCE_ALIAS MiXedProbe)
qt_add_resources(painter_tests painter_test_bitmaps PREFIX "/bitmaps" BASE ${tests}/painter/data
  FILES ${tests}/painter/data/probe.png ${tests}/painter/data/ExtProbe.png)
file(GLOB table_tests CONFIGURE_DEPENDS ${tests}/table/*_test.cpp)
marnelok_windows_test(table_tests
  SOURCES ${tests}/table/test_main.cpp ${table_tests}
  LIBRARIES marnelok_table Qt6::Test Qt6::GuiPrivate GTest::gtest)

set(test_targets ${marnelok_windows_tests})
list(TRANSFORM test_targets REPLACE "\\.exe.*" "")
add_custom_target(windows_tests DEPENDS ${test_targets})
# The list that scripts/run-windows-tests runs, in this order: each program with what it skips.
string(REPLACE ";" "\n" test_list "${marnelok_windows_tests}")
file(WRITE ${CMAKE_BINARY_DIR}/tests/windows-tests.txt "${test_list}\n")
