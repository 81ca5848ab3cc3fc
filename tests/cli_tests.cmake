# The command-line front: options, report output, pictures, and the programs themselves.
shocks_add_test(cli_test cli_options_test.cpp cli_report_test.cpp export_test.cpp)
target_link_libraries(cli_test PRIVATE shocks_cli_lib)

if(SHOCKS_BUILD_GUI)
  add_test(NAME CliPrograms COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cli_program_test.sh ${PROJECT_BINARY_DIR})
endif()

# The configuration object of the exact method's JSON report.
shocks_add_test(cli_configuration_test cli_configuration_json_test.cpp)
target_link_libraries(cli_configuration_test PRIVATE shocks_cli_lib)
