#include "exact/criteria.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "exact/interaction.h"
#include "exact/sampled_roots.h"
#include "exact/three_shock.h"

namespace exact {

namespace {

// Samples along TetaB: the margin changes sign once in all cases met, the
// samples only guard against a second change the first bracket would hide.
constexpr int kTetaBSamples = 12;
// Samples of TetaB between the ends of the von Neumann search.
constexpr int kVonNeumannSamples = 6;
// Where no supersonic flow is left behind an incident shock.
constexpr double kNoFlow = -1.0;

// The weak shock of the free stream for deflection teta (radians), if the
// flow behind it is supersonic.
std::optional<ShockSolution> Supersonic(const ShockPolar& free_stream, double teta) {
  if (!(teta >= 0.0) || teta > free_stream.MaxDeflection().theta) return std::nullopt;
  const ShockSolution s = free_stream.Weak(teta);
  if (!(s.M2 > 1.0)) return std::nullopt;
  return s;
}

// Ascending samples in (0, top]: squares of an even spacing, so that small
// values, where the patterns change quickly near a weak incident shock, are
// well covered.
std::vector<double> Samples(double top) {
  std::vector<double> out;
  out.reserve(kTetaBSamples + 1);
  out.push_back(top * 1e-9);
  for (int k = 1; k <= kTetaBSamples; ++k) {
    const double u = static_cast<double>(k) / kTetaBSamples;
    out.push_back(top * u * u);
  }
  return out;
}

// Where f, >= 0 at the first sample, first falls below zero: the end of the
// range in which the sampled property holds. The first sample below zero and
// the one before it bracket the fall. Empty where f never falls, or is below
// zero from the start.
template <typename F>
std::optional<double> FirstFall(F&& f, const std::vector<double>& xs) {
  double x0 = xs.front(), f0 = f(x0);
  if (f0 < 0.0) return std::nullopt;
  for (std::size_t k = 1; k < xs.size(); ++k) {
    const double x1 = xs[k], f1 = f(x1);
    if (f1 < 0.0) {
      const RootBracket r = Toms748Solve(f, x0, x1, f0, f1, kAngleTolerance, 100);
      return std::abs(r.f_lower) <= std::abs(r.f_upper) ? r.lower : r.upper;
    }
    x0 = x1;
    f0 = f1;
  }
  return std::nullopt;
}

}  // namespace

double RegularCrossingMargin(const ShockPolar& free_stream, double TetaA, double TetaB) {
  const double ta = TetaA * kDegree;
  const double tb = TetaB * kDegree;
  const std::optional<ShockSolution> A = Supersonic(free_stream, ta);
  const std::optional<ShockSolution> B = Supersonic(free_stream, tb);
  if (!A || !B) return kNoFlow;
  const ShockPolar polar2(A->M2, free_stream.Gamma());
  const ShockPolar polar3(B->M2, free_stream.Gamma());
  const double max2 = polar2.MaxDeflection().theta;
  const double max3 = polar3.MaxDeflection().theta;
  // The slip-line directions at which C and D are both attached compressions,
  // as in SolveInteraction.
  // The ends of the slip-line directions at which C and D are both attached
  // compressions, as in SolveInteraction, each with the deflections of C and D
  // there. A deflection at a polar's tip is taken as the tip itself: the
  // pressure grows as the square root of the distance to it, and a rounding
  // of the direction would move it by 1e-8.
  struct End {
    double fi, c, d;
  };
  const End lo = -tb >= ta - max2 ? End{-tb, ta + tb, 0.0} : End{ta - max2, max2, ta + tb - max2};
  const End hi = ta <= max3 - tb ? End{ta, 0.0, ta + tb} : End{max3 - tb, ta + tb - max3, max3};
  if (lo.fi > hi.fi) return -(lo.fi - hi.fi);
  const auto balance = [&](const End& e) {
    const double p4 = A->pressure_ratio * polar2.WeakPressureRatio(std::clamp(e.c, 0.0, max2));
    const double p5 = B->pressure_ratio * polar3.WeakPressureRatio(std::clamp(e.d, 0.0, max3));
    // Two routes to one pressure (a wave of no strength at an end) may differ
    // in their last bits: that is a touch, as SolveInteraction takes it.
    if (std::abs(p4 - p5) <= 8 * std::numeric_limits<double>::epsilon() * std::max(p4, p5)) return 0.0;
    return p4 - p5;
  };
  // p4 - p5 falls with Fi: the polars cross where it is >= 0 at the low end
  // and <= 0 at the high end.
  return std::min(balance(lo), -balance(hi));
}

std::optional<double> DetachmentTetaB(const ShockPolar& free_stream, double TetaA) {
  // A Mach wave A leaves the crossing at the end of the polars for every TetaB.
  if (!(TetaA > kMachWaveDegrees) || !Supersonic(free_stream, TetaA * kDegree)) return std::nullopt;
  const double top = free_stream.MaxDeflection().theta / kDegree;
  const double sonic = free_stream.SonicDeflection() / kDegree;
  const auto margin = [&](double tb) { return RegularCrossingMargin(free_stream, TetaA, tb); };
  const std::optional<double> fall = FirstFall(margin, Samples(top));
  // A fall at the sonic limit of region 3 is the flow behind B turning
  // subsonic, not the polars parting.
  if (!fall || *fall >= sonic * (1.0 - 1e-12)) return std::nullopt;
  return fall;
}

std::optional<double> VonNeumannTetaB(const ShockPolar& free_stream, double TetaA) {
  // A Mach wave A leaves the crossing on the free-stream polar's weak branch.
  if (!(TetaA > kMachWaveDegrees)) return std::nullopt;
  // As TetaB grows the regular crossing climbs the weak branch of the polar
  // of region 2 from its origin; the condition holds where it first meets the
  // strong branch of the free-stream polar: at triple point A's crossing X.
  const std::optional<TriplePoint> X = SolveTriplePoint(free_stream, TetaA, TripleSide::A);
  if (!X) return std::nullopt;
  const double direction = X->slip_line * kDegree;
  const double pressure = X->behind_stem.p;
  // D turns region 3 from -TetaB to X's direction: a compression from
  // TetaB = max(0, -direction) on, attached while that turn stays within the
  // largest deflection of region 3, which shrinks as TetaB grows.
  const double sonic = free_stream.SonicDeflection();
  const double first = std::max(0.0, -direction);
  const auto spare_turn = [&](double tb) {
    const std::optional<ShockSolution> B = Supersonic(free_stream, tb);
    if (!B) return -(direction + tb);
    return ShockPolar(B->M2, free_stream.Gamma()).MaxDeflection().theta - (direction + tb);
  };
  if (!(first < sonic) || spare_turn(first) < 0.0) return std::nullopt;
  const RootBracket end = Toms748Solve(spare_turn, first, sonic, kAngleTolerance, 200);
  const double last = end.lower;  // the end where D is still attached
  // Pressure on the weak branch of the polar of region 3 at X's direction,
  // less X's: below zero at the first TetaB, where D is a Mach wave.
  const auto above_X = [&](double tb) {
    const std::optional<ShockSolution> B = Supersonic(free_stream, tb);
    if (!B) return -pressure;
    const ShockPolar polar3(B->M2, free_stream.Gamma());
    const double turn = std::clamp(direction + tb, 0.0, polar3.MaxDeflection().theta);
    return B->pressure_ratio * polar3.WeakPressureRatio(turn) - pressure;
  };
  std::vector<double> xs;
  for (int k = 0; k <= kVonNeumannSamples; ++k) xs.push_back(first + (last - first) * k / kVonNeumannSamples);
  for (const SampledRoot& root : SampledRoots(above_X, xs, kAngleTolerance)) {
    return root.x / kDegree;
  }
  return std::nullopt;
}

std::optional<double> SymmetricDetachment(const ShockPolar& free_stream) {
  // The tip of the reflected polar, at direction theta - max2, reaches 0.
  const auto tip_beyond_axis = [&](double theta) {
    const std::optional<ShockSolution> behind = Supersonic(free_stream, theta * kDegree);
    if (!behind) return -theta;
    return ShockPolar(behind->M2, free_stream.Gamma()).MaxDeflection().theta / kDegree - theta;
  };
  // Falls from the free stream's largest deflection at 0 to below zero at the
  // sonic limit, where the reflected polar shrinks to a point.
  const double sonic = free_stream.SonicDeflection() / kDegree;
  const RootBracket r =
      Toms748Solve(tip_beyond_axis, 0.0, sonic, kAngleTolerance, 200);
  if (!r.converged) return std::nullopt;
  return std::abs(r.f_lower) <= std::abs(r.f_upper) ? r.lower : r.upper;
}

std::optional<double> SymmetricVonNeumann(const ShockPolar& free_stream) {
  const std::optional<double> detachment = SymmetricDetachment(free_stream);
  if (!detachment) return std::nullopt;
  const double normal = free_stream.Strong(0.0).pressure_ratio;
  // By symmetry the regular crossing lies on the free stream's direction, the
  // reflected shock turning the flow back by theta.
  const auto above_normal = [&](double theta) {
    const ShockSolution incident = free_stream.Weak(theta * kDegree);
    const ShockPolar reflected(incident.M2, free_stream.Gamma());
    const double back = std::min(theta * kDegree, reflected.MaxDeflection().theta);
    return incident.pressure_ratio * reflected.WeakPressureRatio(back) - normal;
  };
  for (const SampledRoot& root : SampledRoots(above_normal, Samples(*detachment), kAngleTolerance)) {
    return root.x;
  }
  return std::nullopt;
}

TransitionCriteria FindCriteria(double M1, double TetaA, double gamma) {
  const ShockPolar free_stream(M1, gamma);
  TransitionCriteria out;
  out.von_neumann = VonNeumannTetaB(free_stream, TetaA);
  out.detachment = DetachmentTetaB(free_stream, TetaA);
  out.von_neumann_symmetric = SymmetricVonNeumann(free_stream);
  out.detachment_symmetric = SymmetricDetachment(free_stream);
  return out;
}

}  // namespace exact
