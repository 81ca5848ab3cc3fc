# The Python module, tested with pytest by the interpreter it was built for;
# the tests compare it with the command line as well.
if(TARGET shocks_python)
  execute_process(COMMAND ${SHOCKS_PYTHON_INTERPRETER} -c "import pytest"
                  RESULT_VARIABLE pytest_missing OUTPUT_QUIET ERROR_QUIET)
  if(pytest_missing)
    message(STATUS "Python module tests left out: needs python3-pytest")
  else()
    add_test(NAME python_module
             COMMAND ${SHOCKS_PYTHON_INTERPRETER} -m pytest -q -p no:cacheprovider
                     ${CMAKE_CURRENT_SOURCE_DIR}/python)
    set_tests_properties(python_module PROPERTIES
      ENVIRONMENT "PYTHONPATH=$<TARGET_FILE_DIR:shocks_python>;SHOCKS_CLI=$<TARGET_FILE:shocks-cli>"
      TIMEOUT 120)
  endif()
endif()
