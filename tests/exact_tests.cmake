# Tests of this area are added here with shocks_add_test.
shocks_add_test(exact_test
  exact_shock_test.cpp
  exact_interaction_test.cpp
  exact_polar_curve_test.cpp
  exact_near_sonic_test.cpp
  exact_mach_test.cpp
  exact_domain_map_test.cpp
)
