#pragma once

#include <boost/math/tools/minima.hpp>
#include <cstdint>
#include <vector>

#include "exact/root.h"

// Every root of a function on an interval, where nothing guarantees a single
// one: the function is sampled, each sign change between neighbouring samples
// is a bracket, and a sample nearer zero than both neighbours on the same side
// is a hint of two roots close together (a polar that just touches another),
// settled by looking for the extremum between the neighbours with Brent's
// method. Each bracket is then narrowed with TOMS 748.
namespace exact {

// A root and the bracket it was narrowed to.
struct SampledRoot {
  double x = 0.0;       // the end of the last bracket nearer zero
  RootBracket bracket;  // the last bracket and f at its ends
};

// The roots of f at and between the sample points xs (ascending), in
// ascending order. f must be defined and continuous on [xs.front(),
// xs.back()]. A root that is a sample is reported once.
template <typename F, typename Tol>
std::vector<SampledRoot> SampledRoots(F&& f, const std::vector<double>& xs, Tol tol,
                                      int max_evaluations = 100) {
  std::vector<double> fs;
  fs.reserve(xs.size());
  for (double x : xs) fs.push_back(f(x));

  std::vector<SampledRoot> roots;
  const auto narrow = [&](double a, double b, double fa, double fb) {
    const RootBracket r = Toms748Solve(f, a, b, fa, fb, tol, max_evaluations);
    const double x = std::abs(r.f_lower) <= std::abs(r.f_upper) ? r.lower : r.upper;
    if (roots.empty() || roots.back().x != x) roots.push_back({x, r});
  };
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    const double fa = fs[i], fb = fs[i + 1];
    if (fa == 0.0) {
      narrow(xs[i], xs[i], fa, fa);
      continue;
    }
    if ((fa < 0.0) != (fb < 0.0) || fb == 0.0) {
      if (fb != 0.0) narrow(xs[i], xs[i + 1], fa, fb);
      continue;
    }
    // Same sign at both ends: two roots may hide where |f| dips between them.
    if (i == 0) continue;
    const double fp = fs[i - 1];
    const bool dips = (fp < 0.0) == (fa < 0.0) && std::abs(fa) <= std::abs(fp) &&
                      std::abs(fa) <= std::abs(fb);
    if (!dips) continue;
    const double side = fa < 0.0 ? -1.0 : 1.0;
    std::uintmax_t budget = 60;
    const auto [xm, fm_signed] = boost::math::tools::brent_find_minima(
        [&](double x) { return side * f(x); }, xs[i - 1], xs[i + 1], 40, budget);
    const double fm = side * fm_signed;
    if ((fm < 0.0) == (fa < 0.0) && fm != 0.0) continue;  // a near miss, no root
    if (fm == 0.0) {
      narrow(xm, xm, fm, fm);
      continue;
    }
    if (xm < xs[i]) {
      narrow(xs[i - 1], xm, fp, fm);
      narrow(xm, xs[i], fm, fa);
    } else {
      narrow(xs[i], xm, fa, fm);
      narrow(xm, xs[i + 1], fm, fb);
    }
  }
  return roots;
}

}  // namespace exact
