# Speed of the core, the drawing and the window; see README.md for how to run
# them and what they measured. Included from CMakeLists.txt after find_package(benchmark).

# The benchmarks run the procedures on the same headless form as the tests.
add_executable(calc_bench calc_bench.cpp)
target_link_libraries(calc_bench PRIVATE shocks::core shocks_cli_lib benchmark::benchmark)
target_include_directories(calc_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)

if(SHOCKS_BUILD_GUI)
  add_executable(render_bench render_bench.cpp)
  target_link_libraries(render_bench PRIVATE shocks::render Qt6::Gui benchmark::benchmark)
  target_include_directories(render_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)

  add_executable(chart_bench chart_bench.cpp)
  target_link_libraries(chart_bench PRIVATE shocks::chart_qt benchmark::benchmark)
  target_include_directories(chart_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)

  add_executable(window_bench window_bench.cpp)
  target_link_libraries(window_bench PRIVATE shocks::app benchmark::benchmark)
endif()

# shocks-cli --batch over 100 000 exact cases.
add_executable(batch_bench batch_bench.cpp)
target_link_libraries(batch_bench PRIVATE shocks_cli_lib benchmark::benchmark)
