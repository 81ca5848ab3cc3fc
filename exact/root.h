#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <boost/math/tools/toms748_solve.hpp>

#include "exact/error.h"

// Bracketed root searches for the exact mode: Boost.Math's TOMS 748 (Alefeld,
// Potra and Shi), wrapped so that a search says how many evaluations it used,
// whether it met its tolerance, and what f was at the ends of its last bracket.
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

// Deflections (degrees) to a few units of the last digit, with an absolute
// part for roots at 0: the criteria and the lines of the domain map.
inline constexpr Tolerance kAngleTolerance{4 * std::numeric_limits<double>::epsilon(), 1e-300};

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

// A root at one end closes the bracket onto it.
inline void CollapseOntoZero(RootBracket& r) {
  if (r.f_lower == 0.0) {
    r.upper = r.lower;
    r.f_upper = 0.0;
  } else if (r.f_upper == 0.0) {
    r.lower = r.upper;
    r.f_lower = 0.0;
  }
}

}  // namespace detail

// Finds a root of f in [a, b], a <= b, given fa = f(a) and fb = f(b) of
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
  RootBracket out{a, b, fa, fb, 0, false};
  if (fa == 0.0 || fb == 0.0) {
    detail::CollapseOntoZero(out);
    out.converged = true;
    return out;
  }
  if (detail::Sign(fa) * detail::Sign(fb) > 0) {
    throw Error(ErrorKind::InvalidInput,
                "root search: no sign change on [" + NumberText(a) + ", " + NumberText(b) +
                    "]: f = " + NumberText(fa) + " and " + NumberText(fb));
  }
  out.converged = a == b || tol(a, b);
  if (out.converged || max_evaluations <= 0) return out;

  // Boost keeps the sign change inside its bracket at every step, so the same
  // bracket follows from the evaluations alone; keeping it here gives f at its
  // ends, which Boost does not return.
  const auto counted = [&](double x) {
    const double fx = f(x);
    ++out.evaluations;
    if (fx == 0.0) {
      out.lower = out.upper = x;
      out.f_lower = out.f_upper = 0.0;
    } else if (detail::Sign(fx) == detail::Sign(out.f_lower)) {
      out.lower = x;
      out.f_lower = fx;
    } else {
      out.upper = x;
      out.f_upper = fx;
    }
    return fx;
  };
  std::uintmax_t budget = static_cast<std::uintmax_t>(max_evaluations);
  boost::math::tools::toms748_solve(counted, a, b, fa, fb, tol, budget);
  detail::CollapseOntoZero(out);
  out.converged = out.f_lower == 0.0 || tol(out.lower, out.upper);
  return out;
}

// The same, evaluating f at both ends first; those two calls count in evaluations.
template <typename F, typename Tol>
RootBracket Toms748Solve(F&& f, double a, double b, Tol tol, int max_evaluations) {
  const double fa = f(a);
  const double fb = f(b);
  RootBracket r = Toms748Solve(f, a, b, fa, fb, tol, max_evaluations - 2);
  r.evaluations += 2;
  return r;
}

}  // namespace exact
