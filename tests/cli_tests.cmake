# Tests of this area are added here with shocks_add_test.
