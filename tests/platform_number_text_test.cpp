#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/number_text.h"
#include "platform/runtime_error.h"

using platform::NumberToText;
using platform::TextToNumber;

TEST(NumberToText, DropsTrailingZerosAndSeparator) {
  EXPECT_EQ(NumberToText(7.5), "7.5");
  EXPECT_EQ(NumberToText(5.0), "5");
  EXPECT_EQ(NumberToText(2.84), "2.84");
  EXPECT_EQ(NumberToText(0.5), "0.5");
  EXPECT_EQ(NumberToText(-12.62), "-12.62");
  EXPECT_EQ(NumberToText(0.0), "0");
  EXPECT_EQ(NumberToText(-0.0), "0");
}

TEST(NumberToText, FifteenSignificantDigits) {
  EXPECT_EQ(NumberToText(0.17453292519943295), "0.174532925199433");
  EXPECT_EQ(NumberToText(28.64788975654116), "28.6478897565412");
  EXPECT_EQ(NumberToText(4.980000000000002), "4.98");
  EXPECT_EQ(NumberToText(123456789012345.0), "123456789012345");
}

TEST(NumberToText, ScientificOutsideThePlainRange) {
  EXPECT_EQ(NumberToText(1e15), "1E+15");
  EXPECT_EQ(NumberToText(-2.5e20), "-2.5E+20");
  EXPECT_EQ(NumberToText(0.0001), "0.0001");
  EXPECT_EQ(NumberToText(0.00002), "2E-05");
}

TEST(NumberToText, UsesTheGivenSeparator) {
  EXPECT_EQ(NumberToText(2.505, ','), "2,505");
  EXPECT_EQ(NumberToText(-0.25, ','), "-0,25");
  EXPECT_EQ(NumberToText(1.5e-7, ','), "1,5E-07");
}

TEST(TextToNumber, LeadingNumberRule) {
  EXPECT_EQ(TextToNumber("3"), 3.0);
  EXPECT_EQ(TextToNumber("3.5"), 3.5);
  EXPECT_EQ(TextToNumber("3,5"), 3.0);
  EXPECT_EQ(TextToNumber(" 3"), 3.0);
  EXPECT_EQ(TextToNumber("1 0"), 10.0);
  EXPECT_EQ(TextToNumber("\t-\n2.5x"), -2.5);
  EXPECT_EQ(TextToNumber("+.5"), 0.5);
  EXPECT_EQ(TextToNumber("5."), 5.0);
  EXPECT_EQ(TextToNumber("1.2.3"), 1.2);
}

TEST(TextToNumber, NoNumberGivesZero) {
  EXPECT_EQ(TextToNumber(""), 0.0);
  EXPECT_EQ(TextToNumber("abc"), 0.0);
  EXPECT_EQ(TextToNumber("-"), 0.0);
  EXPECT_EQ(TextToNumber("."), 0.0);
  EXPECT_EQ(TextToNumber("e5"), 0.0);
  EXPECT_EQ(TextToNumber("inf"), 0.0);
  EXPECT_EQ(TextToNumber("nan"), 0.0);
}

TEST(TextToNumber, Exponents) {
  EXPECT_EQ(TextToNumber("1e3"), 1000.0);
  EXPECT_EQ(TextToNumber("2.5E-2"), 0.025);
  EXPECT_EQ(TextToNumber("1 e + 2"), 100.0);
  EXPECT_EQ(TextToNumber("3e"), 3.0);
  EXPECT_EQ(TextToNumber("3e+"), 3.0);
  EXPECT_EQ(TextToNumber("3ex"), 3.0);
  EXPECT_EQ(TextToNumber("1e308"), 1e308);
}

TEST(TextToNumber, OutOfRange) {
  try {
    TextToNumber("1e400");
    FAIL() << "1e400 must overflow";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Kind(), platform::ErrorKind::Overflow);
  }
  EXPECT_THROW(TextToNumber("-99999999999e300"), platform::RuntimeError);
  EXPECT_THROW(TextToNumber("1e99999999999999"), platform::RuntimeError);
  EXPECT_EQ(TextToNumber("1e-400"), 0.0);
  EXPECT_EQ(TextToNumber("0.0000001e-320"), 0.0);
  EXPECT_EQ(TextToNumber("0e999"), 0.0);
  EXPECT_TRUE(std::signbit(TextToNumber("-1e-400")));
}

TEST(NumberToText, AgreesWithFifteenDigitGeneralFormat) {
  // The reference: printf's %.15g, with the exponent letter in upper case.
  const auto reference = [](double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", x);
    std::string s = text;
    for (char& c : s) c = c == 'e' ? 'E' : c;
    return s;
  };
  std::uint64_t state = 88172645463325252ull;
  for (int i = 0; i < 200000; ++i) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    double x = 0.0;
    std::memcpy(&x, &state, sizeof x);
    if (!std::isfinite(x) || x == 0.0) continue;
    ASSERT_EQ(NumberToText(x), reference(x)) << x;
    const double tiny = x / 1e300;  // subnormals too
    if (tiny != 0.0) {
      ASSERT_EQ(NumberToText(tiny), reference(tiny)) << tiny;
    }
    // Values as the program shows them: rounded to a few places, of every size.
    const double shown = std::round(std::ldexp(static_cast<double>(state % 1000000), i % 60 - 30) *
                                    1000.0) / 1000.0;
    if (shown != 0.0) {
      ASSERT_EQ(NumberToText(shown), reference(shown)) << shown;
    }
  }
}
