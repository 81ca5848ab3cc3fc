# The libFuzzer target, only with Clang. Configure a folder of its own so that
# the whole core carries the coverage and sanitizer instrumentation:
#   CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DSHOCKS_BUILD_GUI=OFF \
#     -DSHOCKS_BUILD_FUZZER=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
#     -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
#   cmake --build build-fuzz --target calculation_fuzzer
# Running it and merging what it finds into corpus/: see README.md here.
option(SHOCKS_BUILD_FUZZER "Build the libFuzzer target (Clang only)" OFF)

if(SHOCKS_BUILD_FUZZER)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "SHOCKS_BUILD_FUZZER needs Clang (libFuzzer)")
  endif()
  add_executable(calculation_fuzzer fuzz/calculation_fuzzer.cpp)
  target_link_libraries(calculation_fuzzer PRIVATE shocks_fuzz_check)
  target_compile_options(calculation_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(calculation_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
endif()
