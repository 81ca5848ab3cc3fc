# The Debian package, made by `cpack -G DEB` in a build configured with
# -DCMAKE_INSTALL_PREFIX=/usr (scripts/build-deb does both). Its library
# dependencies come from dpkg-shlibdeps; the ones no linker sees are named here.
include(GNUInstallDirs)

# The documentation a Debian package carries, compressed as Debian wants it.
set(package_doc ${CMAKE_INSTALL_DATADIR}/doc/shocks)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
  COMMAND gzip -9n < ${CMAKE_CURRENT_LIST_DIR}/changelog > ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  VERBATIM)
add_custom_target(shocks_package_docs ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${package_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME shocks)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Shocks team")
set(CPACK_PACKAGE_CONTACT "The Shocks team <maintainers@shocks.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "intersection of oblique shocks of different families")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Python module is built for one interpreter version and imports NumPy.
if(TARGET shocks_python)
  execute_process(
    COMMAND ${SHOCKS_PYTHON_INTERPRETER} -c
            "import sys; v = sys.version_info; print(f'{v[0]}.{v[1]}', f'{v[0]}.{v[1] + 1}')"
    OUTPUT_VARIABLE python_versions OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(python_versions)
  list(GET python_versions 0 python_this)
  list(GET python_versions 1 python_next)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "python3 (>= ${python_this}~), python3 (<< ${python_next}), python3-numpy")
endif()
# The PNG pictures' letters need a font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
# The long description: CPack puts the summary above it and indents it.
set(CPACK_PACKAGE_DESCRIPTION
    "Two oblique shocks of opposite families cross in a uniform supersonic
stream. Shocks solves the crossing: every region's shock angle, Mach
number and pressure, the direction of the slip line, each step of the
slip-line search, and the pressure-deflection diagram with the shock
polars.

The package holds the window (shocks), the command line (shocks-cli),
which writes text, JSON, SVG and PNG, and the Python module shocks.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
