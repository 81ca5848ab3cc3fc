#include <gtest/gtest.h>

#include <limits>

#include "platform/real.h"

using platform::ErrorKind;
using platform::Real;
using platform::RuntimeError;

namespace {

template <typename F>
ErrorKind KindOf(F&& f) {
  try {
    f();
  } catch (const RuntimeError& e) {
    return e.Kind();
  }
  ADD_FAILURE() << "no error raised";
  return ErrorKind::Overflow;
}

}  // namespace

TEST(CheckedArithmetic, UndefinedOperationsRaiseTheirKind) {
  EXPECT_EQ(KindOf([] { platform::Sqrt(-1e-300); }), ErrorKind::InvalidArgument);
  EXPECT_EQ(KindOf([] { Real(1) / Real(0); }), ErrorKind::DivisionByZero);
  EXPECT_EQ(KindOf([] { Real(0) / Real(-0.0); }), ErrorKind::DivisionByZero);
  EXPECT_EQ(KindOf([] { platform::Pow(1e200, 2); }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { Real(1e308) * 10; }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { Real(1.7e308) + 1.7e308; }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { Real(1e300) / 1e-300; }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { Real(std::numeric_limits<double>::quiet_NaN()) + 1; }),
            ErrorKind::InvalidArgument);
}

TEST(CheckedArithmetic, DefinedOperationsAreTheIeeeOnes) {
  EXPECT_EQ((Real(0.1) + 0.2).value(), 0.1 + 0.2);
  EXPECT_EQ((Real(1) / 3).value(), 1.0 / 3.0);
  EXPECT_EQ(platform::Sqrt(0).value(), 0.0);
  EXPECT_EQ(platform::Pow(3, 2).value(), 9.0);
  EXPECT_EQ((-Real(2)).value(), -2.0);
}

TEST(RuntimeErrorPlace, OuterCallersPrependTheirPlace) {
  RuntimeError e(ErrorKind::InvalidArgument);
  e.AddPlace("shock C");
  e.AddPlace("slip-line step 22");
  EXPECT_EQ(e.Where(), "slip-line step 22, shock C");
  EXPECT_EQ(platform::KindName(e.Kind()), "invalid-argument");
  EXPECT_STREQ(e.what(), "invalid argument");
}

TEST(CheckedArithmetic, SinglePrecisionForTheSurface) {
  EXPECT_EQ(platform::ToSingle(2.0544479651940457), 2.054448f);
  EXPECT_EQ(platform::ToSingle(-3.4e38), -3.4e38f);
  EXPECT_EQ(platform::ToSingle(1e-50), 0.0f);
  EXPECT_EQ(KindOf([] { platform::ToSingle(3.5e38); }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { platform::ToSingle(-1e300); }), ErrorKind::Overflow);
}
