#include "exact/polar_crossings.h"

#include <numbers>
#include <optional>
#include <vector>

#include "exact/polar_curve.h"

namespace exact {

namespace {

// Points per branch: near-tangent curves aside, finer than any crossing the
// information needs.
constexpr int kPoints = 48;

struct Point {
  double direction;  // radians
  double p;          // unit of p1
};

struct Branches {
  std::vector<Point> weak, strong;
};

// The half of the polar behind an incident shock of deflection teta that the
// next shock uses: `turn` = -1 turns the flow back towards the B side (C),
// +1 towards the A side (D).
std::optional<Branches> Half(const ShockPolar& free_stream, double teta, double origin,
                             double turn) {
  if (!(teta >= 0.0) || teta > free_stream.MaxDeflection().theta) return std::nullopt;
  const ShockSolution incident = free_stream.Weak(teta);
  if (!(incident.M2 > 1.0)) return std::nullopt;
  const PolarBranches curve = PolarCurve(ShockPolar(incident.M2, free_stream.Gamma()), kPoints);
  const auto place = [&](const std::vector<PolarPoint>& points) {
    std::vector<Point> out;
    out.reserve(points.size());
    for (const PolarPoint& q : points) {
      out.push_back({origin + turn * q.theta, incident.pressure_ratio * q.pressure_ratio});
    }
    return out;
  };
  return Branches{place(curve.weak), place(curve.strong)};
}

double Cross(Point o, Point a, Point b) {
  return (a.direction - o.direction) * (b.p - o.p) - (a.p - o.p) * (b.direction - o.direction);
}

bool SegmentsCross(Point a, Point b, Point c, Point d) {
  const double d1 = Cross(c, d, a), d2 = Cross(c, d, b);
  const double d3 = Cross(a, b, c), d4 = Cross(a, b, d);
  return ((d1 > 0.0) != (d2 > 0.0)) && ((d3 > 0.0) != (d4 > 0.0)) && d1 != 0.0 && d2 != 0.0 &&
         d3 != 0.0 && d4 != 0.0;
}

bool PolylinesCross(const std::vector<Point>& u, const std::vector<Point>& v) {
  for (std::size_t i = 0; i + 1 < u.size(); ++i) {
    for (std::size_t j = 0; j + 1 < v.size(); ++j) {
      if (SegmentsCross(u[i], u[i + 1], v[j], v[j + 1])) return true;
    }
  }
  return false;
}

}  // namespace

PolarCrossings FindPolarCrossings(const ShockPolar& free_stream, double TetaA, double TetaB) {
  const double ta = TetaA * kDegree, tb = TetaB * kDegree;
  const std::optional<Branches> c = Half(free_stream, ta, ta, -1.0);
  const std::optional<Branches> d = Half(free_stream, tb, -tb, 1.0);
  PolarCrossings out;
  if (!c || !d) return out;
  out.weak_weak = PolylinesCross(c->weak, d->weak);
  out.weak_strong = PolylinesCross(c->weak, d->strong);
  out.strong_weak = PolylinesCross(c->strong, d->weak);
  out.strong_strong = PolylinesCross(c->strong, d->strong);
  return out;
}

}  // namespace exact
