#include "exact/three_shock.h"

#include <algorithm>
#include <boost/math/tools/minima.hpp>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "exact/polar_curve.h"
#include "exact/sampled_roots.h"

namespace exact {

namespace {

// Samples of the transmitted shock's angle along the weak branch of its polar:
// enough that no two neighbours straddle two crossings the extremum check
// between them would miss.
constexpr int kBetaSamples = 24;
// The transmitted shock's angle to a few units of the last digit.
constexpr Tolerance kBetaTolerance{4 * std::numeric_limits<double>::epsilon(), 0.0};
// A stem that turns the flow by less than this (degrees) stands normal to it.
constexpr double kStationaryDegrees = 1e-9;

// The region behind one incident shock, seen in the frame in which that shock
// turns the free stream the positive way, and the polar of its transmitted
// shock, which turns the flow back.
class Behind {
 public:
  Behind(const ShockPolar& free_stream, double teta, const ShockSolution& incident)
      : free_stream_(free_stream), teta_(teta), p_(incident.pressure_ratio), polar_(incident.M2,
                                                                                  free_stream.Gamma()) {}

  const ShockPolar& Polar() const { return polar_; }
  double Teta() const { return teta_; }
  double Pressure() const { return p_; }

  // Direction behind the transmitted shock at shock angle beta (radians).
  double Direction(const PolarPoint& c) const { return teta_ - c.theta; }

  // Pressure behind the transmitted shock at angle beta (radians) less the
  // pressure behind the stem turning the free stream to the same direction.
  // The transmitted shock turns the flow back by at most the largest
  // deflection of region 2's polar, which lies below the free stream's, so the
  // strong branch is always there to compare with.
  double Gap(double beta) const {
    const PolarPoint c = PolarPointAt(polar_, beta);
    return p_ * c.pressure_ratio - free_stream_.Strong(StemDeflection(c)).pressure_ratio;
  }

  double StemDeflection(const PolarPoint& c) const {
    return std::min(std::abs(Direction(c)), free_stream_.MaxDeflection().theta);
  }

  // Shock angles of the weak branch, from the Mach wave to the tip.
  std::vector<double> Samples() const {
    const double mach_angle = std::asin(1.0 / polar_.M1());
    const double tip = polar_.MaxDeflection().beta;
    std::vector<double> out;
    out.reserve(kBetaSamples + 1);
    for (int i = 0; i <= kBetaSamples; ++i) out.push_back(mach_angle + (tip - mach_angle) * i / kBetaSamples);
    return out;
  }

 private:
  const ShockPolar& free_stream_;
  double teta_;
  double p_;
  ShockPolar polar_;
};

// The flow behind an incident shock of deflection teta (radians), if a
// transmitted shock can stand in it.
std::optional<ShockSolution> SupersonicBehind(const ShockPolar& free_stream, double teta) {
  if (!(teta >= 0.0) || teta > free_stream.MaxDeflection().theta) return std::nullopt;
  const ShockSolution incident = free_stream.Weak(teta);
  if (!(incident.M2 > 1.0)) return std::nullopt;
  return incident;
}

TriplePoint Build(const ShockPolar& free_stream, const Behind& behind, double beta,
                  TripleSide side) {
  const PolarPoint c = PolarPointAt(behind.Polar(), beta);
  const double direction = behind.Direction(c);  // in the incident shock's frame
  const ShockSolution stem = free_stream.Strong(behind.StemDeflection(c));
  const double sign = side == TripleSide::A ? 1.0 : -1.0;
  const double slip = sign * direction / kDegree + 0.0;

  TriplePoint out;
  out.side = side;
  out.kind = direction / kDegree > kStationaryDegrees    ? TriplePointKind::Direct
             : direction / kDegree < -kStationaryDegrees ? TriplePointKind::Inverse
                                                         : TriplePointKind::Stationary;
  out.slip_line = slip;
  out.transmitted = {c.theta / kDegree, c.beta / kDegree};
  out.behind_transmitted = {c.M2, behind.Pressure() * c.pressure_ratio, slip};
  const double lean = direction >= 0.0 ? stem.beta : std::numbers::pi - stem.beta;
  out.stem_beta = lean / kDegree;
  out.behind_stem = {stem.M2, stem.pressure_ratio, slip};
  return out;
}

}  // namespace

std::string_view KindName(TriplePointKind kind) {
  switch (kind) {
    case TriplePointKind::Direct: return "direct";
    case TriplePointKind::Stationary: return "stationary";
    case TriplePointKind::Inverse: return "inverse";
  }
  return "unknown";
}

std::optional<TriplePoint> SolveTriplePoint(const ShockPolar& free_stream, double Teta,
                                            TripleSide side) {
  // A Mach wave's region polar is the free stream's own, which meets its
  // strong branch only at the common tip: no triple point.
  if (!(Teta > kMachWaveDegrees)) return std::nullopt;
  const double teta = Teta * kDegree;
  const std::optional<ShockSolution> incident = SupersonicBehind(free_stream, teta);
  if (!incident) return std::nullopt;
  const Behind behind(free_stream, teta, *incident);
  const auto gap = [&](double beta) { return behind.Gap(beta); };
  const std::vector<SampledRoot> roots = SampledRoots(gap, behind.Samples(), kBetaTolerance);
  if (roots.empty()) return std::nullopt;
  return Build(free_stream, behind, roots.front().x, side);
}

std::optional<TriplePoint> SolveTriplePoint(double M1, double Teta, TripleSide side,
                                            double gamma) {
  const ShockPolar free_stream(M1, gamma);
  return SolveTriplePoint(free_stream, Teta, side);
}

double ThreeShockMargin(const ShockPolar& free_stream, double Teta) {
  const double teta = Teta * kDegree;
  const std::optional<ShockSolution> incident = SupersonicBehind(free_stream, teta);
  // No transmitted shock: below zero, and at least one below so that no
  // bracket takes the edge of the supersonic range for a crossing.
  if (!incident) return -1.0;
  const Behind behind(free_stream, teta, *incident);
  const std::vector<double> samples = behind.Samples();
  std::size_t best = 0;
  double best_gap = -std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double g = behind.Gap(samples[i]);
    if (g > best_gap) best_gap = g, best = i;
  }
  // The largest gap lies within a sample of the best one.
  const double lo = samples[best == 0 ? 0 : best - 1];
  const double hi = samples[std::min(best + 1, samples.size() - 1)];
  std::uintmax_t budget = 60;
  const auto [beta, negative_gap] = boost::math::tools::brent_find_minima(
      [&](double beta) { return -behind.Gap(beta); }, lo, hi, 40, budget);
  (void)beta;
  return std::max(best_gap, -negative_gap);
}

}  // namespace exact
