#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "calc/calc_state.h"
#include "platform/number_text.h"

TEST(CalcState, StartUpFillsOnlyTheConstants) {
  calc::CalcState state;
  calc::FillConstants(state);
  EXPECT_EQ(state.Pi, 4 * std::atan(1.0));
  EXPECT_EQ(state.DegToRad, state.Pi / 180);
  EXPECT_EQ(platform::NumberToText(state.DegToRad), "0.0174532925199433");

  calc::CalcState untouched;
  untouched.Pi = state.Pi;
  untouched.DegToRad = state.DegToRad;
  EXPECT_EQ(std::memcmp(&untouched, &state, sizeof state), 0) << "only Pi and DegToRad change";
}

TEST(CalcState, DegreeRadianConversions) {
  calc::CalcState state;
  calc::FillConstants(state);
  EXPECT_EQ(platform::NumberToText(10 * state.DegToRad), "0.174532925199433");
  EXPECT_EQ(platform::NumberToText(0.5 / state.DegToRad), "28.6478897565412");
}
