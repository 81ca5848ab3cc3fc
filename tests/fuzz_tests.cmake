# The fuzz corpus as a regular test: every saved input through the checks of
# the fuzz target, with the normal compiler. The libFuzzer target itself is in
# fuzz/fuzzer.cmake.
add_library(shocks_fuzz_check STATIC fuzz/calculation_check.cpp fuzz/calculation_check.h)
target_link_libraries(shocks_fuzz_check PUBLIC shocks_cli_lib)

add_executable(fuzz_corpus_test fuzz/corpus_test.cpp)
target_link_libraries(fuzz_corpus_test PRIVATE shocks_fuzz_check)
add_test(NAME FuzzCorpus COMMAND fuzz_corpus_test ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus)

# Inputs the fuzz target failed on, and the checks themselves.
shocks_add_test(fuzz_regression_test fuzz_regression_test.cpp)
target_link_libraries(fuzz_regression_test PRIVATE shocks_fuzz_check)

include(fuzz/fuzzer.cmake)
