# shocks-cli --batch: reading, running and writing the rows, and the program.
shocks_add_test(cli_batch_test cli_batch_test.cpp)
target_link_libraries(cli_batch_test PRIVATE shocks_cli_lib)
add_test(NAME BatchProgram COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/batch_program_test.sh $<TARGET_FILE:shocks-cli>)
