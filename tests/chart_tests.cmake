# The chart's numbers; the chart window's tests are in gui_tests.cmake.
shocks_add_test(chart_test chart_data_test.cpp)
