# Tests of this area are added here with shocks_add_test.
shocks_add_test(diagram_test
  diagram_test.cpp
  user_mapping_test.cpp
)

# The raster surface paints with Qt: it links the render library and runs
# without a display.
if(SHOCKS_BUILD_GUI)
  add_executable(raster_surface_test raster_surface_test.cpp)
  target_link_libraries(raster_surface_test PRIVATE shocks::render GTest::gtest_main)
  gtest_discover_tests(raster_surface_test
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
