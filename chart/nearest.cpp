#include "chart/nearest.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "exact/polar_curve.h"

namespace chart {

namespace {

using exact::kDegree;


struct Pixels {
  double x, y;
};
Pixels ToPixels(double theta, double p, const PixelScale& s) { return {theta * s.per_degree, p * s.per_p}; }

}  // namespace

std::optional<NearestCurvePoint> NearestOnCurves(const ChartData& chart, const Point& at,
                                                 const PixelScale& scale) {
  // The drawn segment nearest to the place, and where along it the place projects.
  const Polar* polar = nullptr;
  Branch branch = Branch::Weak;
  double beta = 0.0;   // shock angle there, interpolated, degrees
  double side = 1.0;   // +1 above the upstream direction, -1 below
  double nearest = INFINITY;
  const Pixels c = ToPixels(at.theta, at.p, scale);
  for (const Polar& candidate : chart.polars) {
    for (const Curve* curve : {&candidate.weak, &candidate.strong}) {
      const std::vector<CurvePoint>& q = curve->points;
      for (std::size_t i = 0; i + 1 < q.size(); ++i) {
        const Pixels a = ToPixels(q[i].theta, q[i].p, scale);
        const Pixels b = ToPixels(q[i + 1].theta, q[i + 1].p, scale);
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        const double t =
            length2 > 0.0 ? std::clamp(((c.x - a.x) * dx + (c.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
        const double distance = std::hypot(a.x + t * dx - c.x, a.y + t * dy - c.y);
        if (distance >= nearest) continue;
        nearest = distance;
        polar = &candidate;
        branch = curve->branch;
        beta = q[i].beta + t * (q[i + 1].beta - q[i].beta);
        side = q[i].theta + t * (q[i + 1].theta - q[i].theta) < candidate.upstream.theta ? -1.0 : 1.0;
      }
    }
  }
  if (polar == nullptr) return std::nullopt;
  // The point itself from the closed-form relations at that shock angle.
  const exact::PolarPoint q =
      exact::PolarPointAt(exact::ShockPolar(polar->M, polar->gamma), beta * kDegree);
  NearestCurvePoint out;
  out.region = polar->region;
  out.branch = branch;
  out.point = {polar->upstream.theta + side * q.theta / kDegree, polar->upstream.p * q.pressure_ratio,
               q.beta / kDegree, q.M2};
  const Pixels p = ToPixels(out.point.theta, out.point.p, scale);
  out.distance = std::hypot(p.x - c.x, p.y - c.y);
  return out;
}

std::optional<std::size_t> NearestMark(const ChartData& chart, const Point& at, const PixelScale& scale,
                                       double within) {
  std::optional<std::size_t> best;
  double best_distance = within;
  const Pixels c = ToPixels(at.theta, at.p, scale);
  for (std::size_t i = 0; i < chart.marks.size(); ++i) {
    const Pixels m = ToPixels(chart.marks[i].at.theta, chart.marks[i].at.p, scale);
    const double distance = std::hypot(m.x - c.x, m.y - c.y);
    if (distance <= best_distance) {
      best = i;
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace chart
