# What an installation carries: the data files pass their validators, the
# manual pages say what --help says, and an installed tree works on its own.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(SHOCKS_BUILD_GUI AND DESKTOP_FILE_VALIDATE)
  add_test(NAME data_desktop_entry
           COMMAND ${DESKTOP_FILE_VALIDATE} ${PROJECT_SOURCE_DIR}/data/shocks.desktop)
  # desktop-file-validate succeeds on hints; any output at all is a finding.
  set_tests_properties(data_desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION ".")
endif()
if(SHOCKS_BUILD_GUI AND APPSTREAMCLI)
  add_test(NAME data_metainfo
           COMMAND ${APPSTREAMCLI} validate --no-net
                   ${PROJECT_SOURCE_DIR}/data/metainfo/invalid.shocks.Shocks.metainfo.xml)
  set_tests_properties(data_metainfo PROPERTIES FAIL_REGULAR_EXPRESSION "^[EW]:|\n[EW]:")
endif()

add_test(NAME man_page_shocks_cli
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/man_page_test.sh $<TARGET_FILE:shocks-cli>
                 ${PROJECT_SOURCE_DIR}/data/man/shocks-cli.1)
if(SHOCKS_BUILD_GUI)
  add_test(NAME man_page_shocks
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/man_page_test.sh $<TARGET_FILE:shocks>
                   ${PROJECT_SOURCE_DIR}/data/man/shocks.1)
endif()

add_test(NAME install_tree
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install_tree_test.sh ${PROJECT_BINARY_DIR}
                 $<$<TARGET_EXISTS:shocks_python>:${SHOCKS_PYTHON_INTERPRETER}>)
set_tests_properties(install_tree PROPERTIES TIMEOUT 120)
