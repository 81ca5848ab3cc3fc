#pragma once

#include <cmath>
#include <limits>

#include "platform/runtime_error.h"

namespace platform {

// A double whose every operation is checked, so that no NaN or infinity can
// come out of a formula: an undefined operation raises its run-time error at
// the operation itself. Each operator is exactly one IEEE operation, so a
// formula written with Real keeps the order of evaluation it is written in.
class Real {
 public:
  constexpr Real(double v = 0.0) : v_(v) {}  // NOLINT: literals mix in freely

  constexpr double value() const { return v_; }

  friend Real operator+(Real a, Real b) { return Checked(a.v_ + b.v_); }
  friend Real operator-(Real a, Real b) { return Checked(a.v_ - b.v_); }
  friend Real operator*(Real a, Real b) { return Checked(a.v_ * b.v_); }
  friend Real operator/(Real a, Real b) {
    if (b.v_ == 0.0) throw RuntimeError(ErrorKind::DivisionByZero);
    return Checked(a.v_ / b.v_);
  }
  friend Real operator-(Real a) { return Real(-a.v_); }

  friend bool operator<(Real a, Real b) { return a.v_ < b.v_; }
  friend bool operator>(Real a, Real b) { return a.v_ > b.v_; }
  friend bool operator==(Real a, Real b) { return a.v_ == b.v_; }

  // A result that is not finite: infinity is an overflow; NaN can only come
  // from an operand that was already undefined, which counts as invalid.
  static Real Checked(double r) {
    if (std::isnan(r)) throw RuntimeError(ErrorKind::InvalidArgument);
    if (std::isinf(r)) throw RuntimeError(ErrorKind::Overflow);
    return Real(r);
  }

 private:
  double v_;
};

inline Real Sqrt(Real x) {
  if (x.value() < 0.0) throw RuntimeError(ErrorKind::InvalidArgument);
  return Real(std::sqrt(x.value()));
}
// x raised to a power, as the power operator of the formulas (x^2).
inline Real Pow(Real x, double e) { return Real::Checked(std::pow(x.value(), e)); }
inline Real Abs(Real x) { return Real(std::fabs(x.value())); }
inline Real Sin(Real x) { return Real::Checked(std::sin(x.value())); }
inline Real Cos(Real x) { return Real::Checked(std::cos(x.value())); }
inline Real Tan(Real x) { return Real::Checked(std::tan(x.value())); }
inline Real Atan(Real x) { return Real::Checked(std::atan(x.value())); }

// A position or length handed to the drawing surface, which takes single
// precision: a value beyond the range of a float is an overflow, not an
// infinity on the screen.
inline float ToSingle(Real x) {
  if (std::fabs(x.value()) > static_cast<double>(std::numeric_limits<float>::max())) {
    throw RuntimeError(ErrorKind::Overflow);
  }
  return static_cast<float>(x.value());
}

}  // namespace platform
