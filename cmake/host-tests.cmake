find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
enable_testing()

add_library(numbering STATIC ${NUMBERING_SOURCES})
target_include_directories(numbering PUBLIC ${PROJECT_SOURCE_DIR})

add_executable(numbering_tests tests/unit/sequence_text_test.cpp
               tests/unit/digit_filter_test.cpp tests/unit/sequence_oracle_test.cpp)
target_link_libraries(numbering_tests PRIVATE numbering GTest::gtest_main)
add_test(NAME numbering_tests COMMAND numbering_tests)
set_tests_properties(numbering_tests PROPERTIES LABELS unit)

add_executable(sequence_text_bench tests/bench/sequence_text_bench.cpp)
target_link_libraries(sequence_text_bench PRIVATE numbering benchmark::benchmark)

include(cmake/fuzz.cmake)

# The window-facing code, compiled against our own declarations of the
# Windows API with the recording fake behind them.
add_library(window_side STATIC ${WINDOW_SIDE_SOURCES} tests/fake/fake_windows.cpp)
target_link_libraries(window_side PUBLIC numbering)

add_executable(window_side_tests tests/unit/hotkey_paste_test.cpp
               tests/unit/main_window_test.cpp tests/unit/number_field_filter_test.cpp)
target_link_libraries(window_side_tests PRIVATE window_side GTest::gtest_main)
add_test(NAME window_side_tests COMMAND window_side_tests)
set_tests_properties(window_side_tests PROPERTIES LABELS unit)

# The shipped program's headers, imports and size; needs the Windows presets built.
add_test(NAME program_binary COMMAND bash ${PROJECT_SOURCE_DIR}/tests/binary/check_binary.sh)
set_tests_properties(program_binary PROPERTIES LABELS unit)
add_test(NAME icon_matches_picture COMMAND python3 ${PROJECT_SOURCE_DIR}/scripts/make_icon.py --check)
set_tests_properties(icon_matches_picture PROPERTIES LABELS unit)

add_test(NAME lint COMMAND bash ${PROJECT_SOURCE_DIR}/tests/lint.sh)
set_tests_properties(lint PROPERTIES LABELS lint)

# The 64-bit program under Wine on a private display; needs the win64 preset built.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME e2e COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/e2e/test_e2e.py)
set_tests_properties(e2e PROPERTIES LABELS e2e TIMEOUT 900
  ENVIRONMENT "ZANTOPO_WIN64_BUILD=${PROJECT_SOURCE_DIR}/build/win64")
