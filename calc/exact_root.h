#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "calc/exact_error.h"

// A bracketed root search after Alefeld, Potra and Shi (ACM TOMS algorithm
// 748): inverse cubic and Newton-quadratic interpolation, a double-length
// secant step and bisection as the safeguard, so the bracket shrinks at every
// pass and the search ends within the budget even on an awkward function.
namespace exact {

// Stop once the bracket [a, b] is narrower than relative * min(|a|, |b|) +
// absolute; the absolute part lets a root at zero end too.
struct Tolerance {
  double relative = 1e-12;
  double absolute = 0.0;
  bool operator()(double a, double b) const {
    return std::abs(b - a) <= relative * std::min(std::abs(a), std::abs(b)) + absolute;
  }
};

// What a search ends with: the last bracket and f at its ends (a root lies in
// it), how many evaluations of f this search made, and whether the bracket met
// the tolerance (or f hit zero) before the budget ran out.
struct RootBracket {
  double lower = 0.0;
  double upper = 0.0;
  double f_lower = 0.0;
  double f_upper = 0.0;
  int evaluations = 0;
  bool converged = false;
};

namespace detail {

inline int Sign(double x) { return (x > 0.0) - (x < 0.0); }

// Takes c as the next point inside [a, b] and keeps the half with the sign
// change; d receives the end that was dropped.
template <typename F>
void Shrink(F& f, double& a, double& b, double c, double& fa, double& fb, double& d, double& fd,
            int& evaluations) {
  // Never evaluate at an end again: keep c a few units of rounding inside.
  constexpr double kTiny = std::numeric_limits<double>::min();
  const double margin_a = std::max(4 * std::numeric_limits<double>::epsilon() * std::abs(a), kTiny);
  const double margin_b = std::max(4 * std::numeric_limits<double>::epsilon() * std::abs(b), kTiny);
  if (b - a < 2 * (margin_a + margin_b)) {
    c = a + (b - a) / 2;
  } else if (c <= a + margin_a) {
    c = a + margin_a;
  } else if (c >= b - margin_b) {
    c = b - margin_b;
  }
  const double fc = f(c);
  ++evaluations;
  if (fc == 0.0) {
    a = c;
    fa = 0.0;
    d = 0.0;
    fd = 0.0;
    return;
  }
  if (Sign(fa) * Sign(fc) < 0) {
    d = b;
    fd = fb;
    b = c;
    fb = fc;
  } else {
    d = a;
    fd = fa;
    a = c;
    fa = fc;
  }
}

inline double SecantPoint(double a, double b, double fa, double fb) {
  const double c = a - fa / (fb - fa) * (b - a);
  if (!(c > a && c < b)) return a + (b - a) / 2;  // flat or rounding: bisect
  return c;
}

// Newton steps on the quadratic through (a, fa), (b, fb), (d, fd).
inline double QuadraticPoint(double a, double b, double d, double fa, double fb, double fd,
                             int steps) {
  const double B = (fb - fa) / (b - a);
  double A = (fd - fb) / (d - b);
  A = (A - B) / (d - a);
  if (A == 0.0 || !std::isfinite(A)) return SecantPoint(a, b, fa, fb);
  double c = Sign(A) * Sign(fa) > 0 ? a : b;
  for (int i = 0; i < steps; ++i) {
    c -= (fa + (B + A * (c - b)) * (c - a)) / (B + A * (2 * c - a - b));
  }
  if (!(c > a && c < b)) return SecantPoint(a, b, fa, fb);
  return c;
}

// Inverse cubic interpolation through four points.
inline double CubicPoint(double a, double b, double d, double e, double fa, double fb, double fd,
                         double fe) {
  const double q11 = (d - e) * fd / (fe - fd);
  const double q21 = (b - d) * fb / (fd - fb);
  const double q31 = (a - b) * fa / (fb - fa);
  const double d21 = (b - d) * fd / (fd - fb);
  const double d31 = (a - b) * fb / (fb - fa);
  const double q22 = (d21 - q11) * fb / (fe - fb);
  const double q32 = (d31 - q21) * fa / (fd - fa);
  const double d32 = (d31 - q21) * fd / (fd - fa);
  const double q33 = (d32 - q22) * fa / (fe - fa);
  const double c = q31 + q32 + q33 + a;
  if (!(c > a && c < b)) return QuadraticPoint(a, b, d, fa, fb, fd, 3);
  return c;
}

}  // namespace detail

// Finds a root of f in [a, b], a < b, given fa = f(a) and fb = f(b) of
// opposite signs (or one of them zero). Stops when tol(lower, upper) holds,
// f hits zero, or max_evaluations further calls of f are used up; then
// converged tells which. Throws Error(InvalidInput) for an empty bracket or one
// without a sign change, naming both ends and f there.
template <typename F, typename Tol>
RootBracket Toms748Solve(F&& f, double a, double b, double fa, double fb, Tol tol,
                         int max_evaluations) {
  if (!(a <= b)) {
    throw Error(ErrorKind::InvalidInput, "root search: the bracket [" + NumberText(a) + ", " +
                                             NumberText(b) + "] is empty");
  }
  RootBracket out;
  const auto finish = [&](bool converged) {
    if (fa == 0.0) {
      b = a;
      fb = fa;
    } else if (fb == 0.0) {
      a = b;
      fa = fb;
    }
    out.lower = a;
    out.upper = b;
    out.f_lower = fa;
    out.f_upper = fb;
    out.converged = converged;
    return out;
  };
  if (fa == 0.0 || fb == 0.0) return finish(true);
  if (detail::Sign(fa) * detail::Sign(fb) > 0) {
    throw Error(ErrorKind::InvalidInput,
                "root search: no sign change on [" + NumberText(a) + ", " + NumberText(b) +
                    "]: f = " + NumberText(fa) + " and " + NumberText(fb));
  }

  int& used = out.evaluations;
  const auto done = [&] { return fa == 0.0 || tol(a, b); };
  const auto budget_left = [&] { return used < max_evaluations; };
  if (done()) return finish(true);

  double d = 0.0, fd = 0.0, e = 0.0, fe = 0.0;
  // A secant step, then a quadratic one, gather the points the cubic needs.
  detail::Shrink(f, a, b, detail::SecantPoint(a, b, fa, fb), fa, fb, d, fd, used);
  if (done()) return finish(true);
  if (!budget_left()) return finish(false);
  e = d;
  fe = fd;
  detail::Shrink(f, a, b, detail::QuadraticPoint(a, b, d, fa, fb, fd, 2), fa, fb, d, fd, used);

  constexpr double kMu = 0.5;  // a pass must at least halve the bracket, else it bisects
  while (!done()) {
    if (!budget_left()) return finish(false);
    const double a0 = a;
    const double b0 = b;

    // Two interpolation steps: inverse cubic when the four values are distinct
    // enough to divide by their differences, else the quadratic.
    for (int steps = 2; steps <= 3; ++steps) {
      constexpr double kMinDiff = std::numeric_limits<double>::min() * 32;
      const bool crowded = std::abs(fa - fb) < kMinDiff || std::abs(fa - fd) < kMinDiff ||
                           std::abs(fa - fe) < kMinDiff || std::abs(fb - fd) < kMinDiff ||
                           std::abs(fb - fe) < kMinDiff || std::abs(fd - fe) < kMinDiff;
      const double c = crowded ? detail::QuadraticPoint(a, b, d, fa, fb, fd, steps)
                               : detail::CubicPoint(a, b, d, e, fa, fb, fd, fe);
      e = d;
      fe = fd;
      detail::Shrink(f, a, b, c, fa, fb, d, fd, used);
      if (done()) return finish(true);
      if (!budget_left()) return finish(false);
    }

    // A double-length secant step from the better end.
    const bool a_better = std::abs(fa) < std::abs(fb);
    const double u = a_better ? a : b;
    const double fu = a_better ? fa : fb;
    double c = u - 2 * (fu / (fb - fa)) * (b - a);
    if (std::abs(c - u) > (b - a) / 2) c = a + (b - a) / 2;
    e = d;
    fe = fd;
    detail::Shrink(f, a, b, c, fa, fb, d, fd, used);
    if (done()) return finish(true);
    if (!budget_left()) return finish(false);

    if (b - a < kMu * (b0 - a0)) continue;
    e = d;
    fe = fd;
    detail::Shrink(f, a, b, a + (b - a) / 2, fa, fb, d, fd, used);
  }
  return finish(true);
}

// The same, evaluating f at both ends first; those two calls count in evaluations.
template <typename F, typename Tol>
RootBracket Toms748Solve(F&& f, double a, double b, Tol tol, int max_evaluations) {
  const double fa = f(a);
  const double fb = f(b);
  RootBracket out = Toms748Solve(f, a, b, fa, fb, tol, max_evaluations - 2);
  out.evaluations += 2;
  return out;
}

}  // namespace exact
