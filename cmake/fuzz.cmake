# libFuzzer needs clang while the host build uses g++, so the fuzz target is
# compiled by a command of its own.
find_program(CLANGXX NAMES clang++ clang++-14 REQUIRED)
set(FUZZ_SOURCES ${PROJECT_SOURCE_DIR}/tests/fuzz/numbering_fuzz.cpp)
foreach(source ${NUMBERING_SOURCES})
  list(APPEND FUZZ_SOURCES ${PROJECT_SOURCE_DIR}/${source})
endforeach()
set(FUZZ_BINARY ${PROJECT_BINARY_DIR}/numbering_fuzzer)
add_custom_command(
  OUTPUT ${FUZZ_BINARY}
  COMMAND ${CLANGXX} -std=c++17 -g -O1 -Wall -Wextra -Werror
          -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
          -I${PROJECT_SOURCE_DIR} ${FUZZ_SOURCES} -o ${FUZZ_BINARY}
  DEPENDS ${FUZZ_SOURCES} ${PROJECT_SOURCE_DIR}/numbering/sequence_text.h
          ${PROJECT_SOURCE_DIR}/numbering/digit_filter.h
  COMMENT "Building the fuzz target with clang")
add_custom_target(numbering_fuzz ALL DEPENDS ${FUZZ_BINARY})

set(FUZZ_SECONDS 60 CACHE STRING "How long CTest runs the fuzz target")
add_test(NAME numbering_fuzz
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/fuzz/run_fuzz.sh ${FUZZ_BINARY} ${FUZZ_SECONDS})
set_tests_properties(numbering_fuzz PROPERTIES LABELS fuzz TIMEOUT 300)
