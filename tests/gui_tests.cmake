# Window tests: Qt Test executables against the window library, run on the
# offscreen platform in the C locale (so shown numbers use ".").
find_package(Qt6 REQUIRED COMPONENTS Test)

# shocks_add_gui_test(NAME SOURCES... [ENVIRONMENT VAR=VALUE...]): one Qt Test
# executable; extra variables join the environment of its run.
function(shocks_add_gui_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "ENVIRONMENT")
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  # Qt Test's test classes are QObjects.
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE shocks::app Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;${arg_ENVIRONMENT}"
    TIMEOUT 120)
endfunction()

shocks_add_gui_test(gui_layout_test gui_layout_test.cpp)
shocks_add_gui_test(gui_form1_test gui_form1_test.cpp)
shocks_add_gui_test(gui_about_test gui_about_test.cpp)
# The diagram on a screen of twice the pixel density.
shocks_add_gui_test(gui_density_test gui_density_test.cpp ENVIRONMENT QT_SCALE_FACTOR=2)
# Closing windows ends the program only with the last one.
shocks_add_gui_test(gui_lifetime_test gui_lifetime_test.cpp)
# Settings go to a folder of the build, never to the user's own.
shocks_add_gui_test(gui_calculation_test gui_calculation_test.cpp
  ENVIRONMENT XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/gui-settings)
# The chart window: opened from the main window, zoom, pan, resize, readout, export.
shocks_add_gui_test(gui_chart_test gui_chart_test.cpp)
# The domain map window, its pictures and the triple-point panel.
shocks_add_gui_test(gui_mach_test gui_mach_test.cpp)
# The icon files in data/icons against the icon the program draws.
find_package(Qt6 REQUIRED COMPONENTS Svg)
shocks_add_gui_test(gui_icon_files_test gui_icon_files_test.cpp)
target_link_libraries(gui_icon_files_test PRIVATE Qt6::Svg)
target_compile_definitions(gui_icon_files_test PRIVATE
  SHOCKS_ICON_DIR="${PROJECT_SOURCE_DIR}/data/icons/hicolor")
