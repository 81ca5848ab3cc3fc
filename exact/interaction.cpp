#include "exact/interaction.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "exact/root.h"

namespace exact {

namespace {


// The slip-line direction to a relative 1e-12; the absolute part (far below
// any angle that matters) lets a balance at Fi = 0 end as well.
constexpr Tolerance kFiTolerance{1e-12, 1e-15};
// Only a crossing at the very end of a polar needs more: Fi to its last digits.
constexpr Tolerance kFiLastDigits{4 * std::numeric_limits<double>::epsilon(),
                                  std::numeric_limits<double>::min()};
constexpr int kEvaluationBudget = 100;
// The pressures a converged Fi leaves on the two sides agree to this, relative...
constexpr double kPressureDigits = 1e-12;
// ...except at the very end of a polar, where p grows as the square root of the
// distance to detachment and one rounding of Fi moves it by up to ~1e-8. A
// larger difference is no balance, and no result.
constexpr double kBalanceTolerance = 1e-7;

std::string Degrees(double radians) { return FixedText(radians / kDegree, 2) + "\u00b0"; }
std::string Mach(double M) { return FixedText(M, 3); }

// "p5 = 1.33778 still below p4 = 1.33779": the pressure that falls short and
// the one it falls short of (`below` joins them), with six digits or as many
// as it takes to tell them apart.
std::string Shortfall(const char* low_name, double low, const char* below, const char* high_name,
                      double high) {
  int digits = 6;
  while (digits < 17 && ShortText(low, digits) == ShortText(high, digits)) ++digits;
  return std::string(low_name) + " = " + ShortText(low, digits) + below + high_name + " = " +
         ShortText(high, digits);
}

// How a failed balance at an end of the slip-line range begins. Pressures that
// miss each other by less than kAtTheLimit (relative) are a hair from
// crossing: the inputs stand at the limit of the regular domain.
constexpr double kAtTheLimit = 1e-9;
std::string NoCrossing(double p4, double p5) {
  const bool at_limit = std::abs(p4 - p5) <= kAtTheLimit * std::max(p4, p5);
  return at_limit ? "no regular intersection: at the limit of the regular domain, "
                  : "no regular intersection: ";
}

[[noreturn]] void Fail(ErrorKind kind, const std::string& message) { throw Error(kind, message); }

void RequireDeflection(double teta_deg, const char* name) {
  if (!std::isfinite(teta_deg)) Fail(ErrorKind::InvalidInput, std::string(name) + " is not a finite number");
  if (teta_deg < 0.0) {
    Fail(ErrorKind::InvalidInput,
         std::string(name) + " = " + NumberText(teta_deg) +
             "\u00b0 is negative: the incident shocks turn the flow towards each other, each by "
             "a positive angle");
  }
}

// An incident shock from the free stream, named by the input that sets it.
ShockSolution Incident(const ShockPolar& free_stream, double teta_deg, const char* name) {
  const double max = free_stream.MaxDeflection().theta;
  if (teta_deg * kDegree > max) {
    Fail(ErrorKind::Detached, std::string(name) + " = " + NumberText(teta_deg) +
                                  "\u00b0 is beyond the largest deflection of an attached shock at M1 = " +
                                  NumberText(free_stream.M1()) + " (" + Degrees(max) + ")");
  }
  return free_stream.Weak(teta_deg * kDegree);
}

// Behind a shock too strong for a supersonic exit no further shock can stand.
// Whether the exit is supersonic is read from M2, which a rounding of the
// deflection moves: a lot near the largest deflection, where the shock angle
// goes as the square root of what is left of it. Where the Mach numbers of
// the neighbouring deflections (one unit in the last place either way) lie
// as far from M2 as 1 does, double precision cannot tell, and says so.
void RequireSupersonic(const ShockPolar& polar, double teta, double M, const char* region,
                       const char* shock, const char* next) {
  if (std::abs(M - 1.0) < 1e-6) {
    double spread = 4 * std::numeric_limits<double>::epsilon();
    for (const double neighbour : {std::nextafter(teta, 0.0), std::nextafter(teta, 4.0)}) {
      if (neighbour <= polar.MaxDeflection().theta) spread += std::abs(polar.Weak(neighbour).M2 - M);
    }
    if (std::abs(M - 1.0) <= spread) {
      Fail(ErrorKind::BeyondPrecision,
           std::string("the flow behind shock ") + shock + " is sonic to the precision of a double (M" +
               region + " - 1 = " + ShortText(M - 1.0, 2) + ", uncertain by " + ShortText(spread, 2) +
               "): whether a shock " + next + " can stand in region " + region + " cannot be decided");
    }
  }
  if (!(M > 1.0)) {
    Fail(ErrorKind::NoRegularIntersection,
         std::string("no regular intersection: the flow behind shock ") + shock + " is subsonic (M" +
             region + " = " + Mach(M) + "), so no shock " + next + " can stand in region " + region);
  }
}

RegionLimits Limits(const ShockPolar& polar) {
  return {polar.MaxDeflection().theta / kDegree, polar.MaxDeflection().beta / kDegree,
          polar.SonicDeflection() / kDegree};
}

// The whole pattern; errors of the incident stage name their place, the
// others belong to the slip line.
Interaction Solve(double M1, double p1, double TetaA, double TetaB, double gamma,
                  const BalanceObserver& observe) {
  const ShockPolar polar1 = AtPlace("free stream", [&] {
    if (!std::isfinite(M1)) Fail(ErrorKind::InvalidInput, "M1 is not a finite number");
    if (!(M1 > 1.0)) {
      Fail(ErrorKind::InvalidInput,
           "M1 = " + NumberText(M1) + ": the free stream must be supersonic (M1 > 1) for a shock to stand in it");
    }
    // Beyond this the pressure ratios of two shocks in a row leave the range of a double.
    if (M1 > 1e50) Fail(ErrorKind::InvalidInput, "M1 above 1e50 is out of range");
    if (!std::isfinite(p1) || !(p1 > 0.0)) {
      Fail(ErrorKind::InvalidInput, "p1 = " + NumberText(p1) + " is not a positive pressure");
    }
    return ShockPolar(M1, gamma);  // checks the ratio of specific heats too
  });
  const ShockSolution A = AtPlace("shock A", [&] {
    RequireDeflection(TetaA, "Teta-A");
    return Incident(polar1, TetaA, "Teta-A");
  });
  const ShockSolution B = AtPlace("shock B", [&] {
    RequireDeflection(TetaB, "Teta-B");
    return Incident(polar1, TetaB, "Teta-B");
  });
  const double ta = TetaA * kDegree;
  const double tb = TetaB * kDegree;
  RequireSupersonic(polar1, ta, A.M2, "2", "A", "C");
  RequireSupersonic(polar1, tb, B.M2, "3", "B", "D");

  // Pressures relative to p1 until the end: the pattern scales with p1.
  const double r2 = A.pressure_ratio;
  const double r3 = B.pressure_ratio;
  const ShockPolar polar2(A.M2, gamma);
  const ShockPolar polar3(B.M2, gamma);
  const double max2 = polar2.MaxDeflection().theta;
  const double max3 = polar3.MaxDeflection().theta;

  // Shock C turns region 2 by TetaA - Fi and shock D turns region 3 by
  // TetaB + Fi. Both must compress and stay attached, which leaves Fi in
  //   [max(-TetaB, TetaA - max2), min(TetaA, max3 - TetaB)].
  const double lo = std::max(-tb, ta - max2);
  const double hi = std::min(ta, max3 - tb);
  if (lo > hi) {
    Fail(ErrorKind::NoRegularIntersection,
         "no regular intersection: shocks C and D together turn the flow back by at most " +
             Degrees(max2) + " + " + Degrees(max3) + " (detachment at M2 = " + Mach(A.M2) +
             " and M3 = " + Mach(B.M2) + "), less than TetaA + TetaB = " + Degrees(ta + tb));
  }
  // At the ends of the range a deflection may come out a rounding beyond its
  // limit or below zero; it belongs to the limit. At the end where C or D
  // reaches its largest deflection it is that deflection exactly: a rounding
  // below it would move the pressure by the square root of the rounding
  // (~1e-8), enough to turn a crossing at the polar's tip into none. (A
  // largest deflection below the last digit of TetaA or TetaB has no end of
  // its own: there C or D is a Mach wave.)
  const double C_tip = ta - max2 < ta ? ta - max2 : -std::numeric_limits<double>::infinity();
  const double D_tip = max3 - tb > -tb ? max3 - tb : std::numeric_limits<double>::infinity();
  const auto deflection_C = [&](double fi) {
    return fi <= C_tip ? max2 : std::clamp(ta - fi, 0.0, max2);
  };
  const auto deflection_D = [&](double fi) {
    return fi >= D_tip ? max3 : std::clamp(tb + fi, 0.0, max3);
  };
  const auto p4_of = [&](double fi) { return r2 * polar2.WeakPressureRatio(deflection_C(fi)); };
  const auto p5_of = [&](double fi) { return r3 * polar3.WeakPressureRatio(deflection_D(fi)); };
  // The directions still holding the balance, as an observer is told them.
  double known_lower = lo, known_upper = hi;
  const auto tell = [&](double fi, double p4, double p5) {
    if (!observe) return;
    if (fi > known_lower && fi < known_upper) (p4 > p5 ? known_lower : known_upper) = fi;
    if (p4 == p5) known_lower = known_upper = fi;
    observe({fi / kDegree, p1 * p4, p1 * p5, known_lower / kDegree, known_upper / kDegree});
  };
  // p4 falls and p5 rises with Fi along the weak branches, so the balance
  // falls monotonically and has at most one root in the range.
  const auto balance = [&](double fi) {
    const double p4 = p4_of(fi), p5 = p5_of(fi);
    tell(fi, p4, p5);
    return p4 - p5;
  };

  const double p4_lo = p4_of(lo), p5_lo = p5_of(lo);
  tell(lo, p4_lo, p5_lo);
  const double p4_hi = p4_of(hi), p5_hi = p5_of(hi);
  tell(hi, p4_hi, p5_hi);
  // Two routes to the same pressure (a wave of zero strength at an end) may
  // differ in the last bits; that is a balance, not a sign. Where C or D
  // turns by its largest deflection the pressures are taken as balanced to
  // the digits a converged search leaves (kPressureDigits): the crossing is at
  // the polar's tip.
  const auto balanced = [](double x, double y, bool at_tip) {
    const double digits = at_tip ? kPressureDigits : 8 * std::numeric_limits<double>::epsilon();
    return std::abs(x - y) <= digits * std::max(x, y);
  };
  const bool C_at_tip = lo <= C_tip;
  const bool D_at_tip = hi >= D_tip;
  const double f_lo = balanced(p4_lo, p5_lo, C_at_tip) ? 0.0 : p4_lo - p5_lo;
  const double f_hi = balanced(p4_hi, p5_hi, D_at_tip) ? 0.0 : p4_hi - p5_hi;
  if (f_lo < 0.0) {
    // Even the strongest C and the weakest D leave p4 below p5.
    if (C_at_tip) {
      Fail(ErrorKind::NoRegularIntersection,
           NoCrossing(p4_lo, p5_lo) + "the region-2 polar ends first: shock C would detach beyond " +
               Degrees(max2) + " at M2 = " + Mach(A.M2) + " (Fi = " + Degrees(lo) + ") with " +
               Shortfall("p4", p1 * p4_lo, " still below ", "p5", p1 * p5_lo));
    }
    Fail(ErrorKind::NoRegularIntersection,
         NoCrossing(p4_lo, p5_lo) + "with shock D a Mach wave (Fi = " + Degrees(lo) + ") " +
             Shortfall("p4", p1 * p4_lo, " is still below ", "p5", p1 * p5_lo) +
             "; a balance would need D to expand");
  }
  if (f_hi > 0.0) {
    // Even the weakest C and the strongest D leave p5 below p4.
    if (D_at_tip) {
      Fail(ErrorKind::NoRegularIntersection,
           NoCrossing(p4_hi, p5_hi) + "the region-3 polar ends first: shock D would detach beyond " +
               Degrees(max3) + " at M3 = " + Mach(B.M2) + " (Fi = " + Degrees(hi) + ") with " +
               Shortfall("p5", p1 * p5_hi, " still below ", "p4", p1 * p4_hi));
    }
    Fail(ErrorKind::NoRegularIntersection,
         NoCrossing(p4_hi, p5_hi) + "with shock C a Mach wave (Fi = " + Degrees(hi) + ") " +
             Shortfall("p5", p1 * p5_hi, " is still below ", "p4", p1 * p4_hi) +
             "; a balance would need C to expand");
  }

  RootBracket search =
      Toms748Solve(balance, lo, hi, f_lo, f_hi, kFiTolerance, kEvaluationBudget - 2);
  int used = 2 + search.evaluations;
  // p4 never falls below p4(hi), nor p5 below p5(lo): a floor for the pressure at the balance.
  const double pressure_floor = std::max(p4_hi, p5_lo);
  const auto imbalance = [&] { return std::min(std::abs(search.f_lower), std::abs(search.f_upper)); };
  if (search.converged && imbalance() > kPressureDigits * pressure_floor) {
    // A crossing at the very end of a polar, where the pressure climbs as the
    // square root of the distance to detachment: Fi is settled, the pressures
    // not yet. Narrow the bracket down to neighbouring doubles.
    search = Toms748Solve(balance, search.lower, search.upper, search.f_lower, search.f_upper,
                          kFiLastDigits, kEvaluationBudget - used);
    used += search.evaluations;
  }
  if (!search.converged) {
    Fail(ErrorKind::NotConverged, "slip-line search: Fi not settled within " +
                                      std::to_string(kEvaluationBudget) + " evaluations, still in [" +
                                      Degrees(search.lower) + ", " + Degrees(search.upper) + "]");
  }
  // The end nearer the balance; + 0.0 turns a direction of -0 into 0.
  const double fi =
      (std::abs(search.f_lower) <= std::abs(search.f_upper) ? search.lower : search.upper) + 0.0;

  const double teta_C = deflection_C(fi);
  const double teta_D = deflection_D(fi);
  const ShockSolution C = polar2.Weak(teta_C);
  const ShockSolution D = polar3.Weak(teta_D);
  const double p4 = p1 * (r2 * C.pressure_ratio);
  const double p5 = p1 * (r3 * D.pressure_ratio);
  if (!std::isfinite(p4) || !std::isfinite(p5)) {
    Fail(ErrorKind::InvalidInput,
         "p1 = " + NumberText(p1) + " is too large: the pressures behind the shocks overflow");
  }
  // A slip line carries one pressure; a Fi that leaves two is no solution.
  if (std::abs(p4 - p5) > kBalanceTolerance * std::max(p4, p5)) {
    Fail(ErrorKind::NotConverged, "slip-line search: at Fi = " + NumberText(fi / kDegree) +
                                      "\u00b0 p4 = " + NumberText(p4) + " and p5 = " + NumberText(p5) +
                                      " still differ");
  }

  Interaction out;
  out.region1 = {M1, p1, 0.0};
  out.region2 = {A.M2, p1 * r2, TetaA};
  out.region3 = {B.M2, p1 * r3, 0.0 - TetaB};
  out.region4 = {C.M2, p4, fi / kDegree};
  out.region5 = {D.M2, p5, fi / kDegree};
  out.shockA = {TetaA, A.beta / kDegree};
  out.shockB = {TetaB, B.beta / kDegree};
  out.shockC = {teta_C / kDegree, C.beta / kDegree};
  out.shockD = {teta_D / kDegree, D.beta / kDegree};
  out.limits1 = Limits(polar1);
  out.limits2 = Limits(polar2);
  out.limits3 = Limits(polar3);
  out.Fi = fi / kDegree;
  out.evaluations = used;
  return out;
}

}  // namespace

Interaction SolveInteraction(double M1, double p1, double TetaA, double TetaB, double gamma,
                             const BalanceObserver& observe) {
  try {
    return Solve(M1, p1, TetaA, TetaB, gamma, observe);
  } catch (Error& error) {
    if (error.Where().empty()) error.AddPlace("slip line");
    throw;
  }
}

}  // namespace exact
