#pragma once

#include <cstddef>
#include <optional>

#include "chart/chart_data.h"

namespace chart {

// How many pixels one unit of each axis takes on the screen, so that
// "nearest" means nearest to the eye.
struct PixelScale {
  double per_degree = 1.0;
  double per_p = 1.0;  // per unit of p / p1
};

// The point of a polar nearest to a place, on the curve itself (not just at
// its drawn points): the shock that leads there, from the closed-form relations.
struct NearestCurvePoint {
  int region = 0;          // whose polar
  Branch branch = Branch::Weak;
  CurvePoint point;        // degrees, p / p1, shock angle in degrees, Mach number behind
  double distance = 0.0;   // from the place, pixels
};

// None when the chart has no polar.
std::optional<NearestCurvePoint> NearestOnCurves(const ChartData& chart, const Point& at,
                                                 const PixelScale& scale);

// The index in chart.marks of the mark nearest to `at` within `within` pixels.
std::optional<std::size_t> NearestMark(const ChartData& chart, const Point& at,
                                       const PixelScale& scale, double within);

}  // namespace chart
