#include "exact/configuration.h"

#include <cmath>
#include <numbers>

#include "exact/polar_crossings.h"

namespace exact {

namespace {


// Two decimals; a value that rounds to zero shows as 0.00, never -0.00.
std::string DegreesText(double degrees) {
  return FixedText(std::abs(degrees) < 0.005 ? 0.0 : degrees, 2) + "\u00b0";
}
std::string Pressure(double p) { return "p/p1 = " + ShortText(p, 6); }

// " (von Neumann condition at TetaB = 16.87°, detachment at TetaB = 29.98°)"
std::string Bounds(const TransitionCriteria& c) {
  std::string out;
  if (c.von_neumann) out += "von Neumann condition at TetaB = " + DegreesText(*c.von_neumann);
  if (c.detachment) out += (out.empty() ? "" : ", ") + ("detachment at TetaB = " + DegreesText(*c.detachment));
  return out.empty() ? out : " (" + out + ")";
}

// SolveInteraction's reason without its leading "no regular intersection: ".
std::string WhyNotRegular(const std::string& message) {
  const std::string prefix = "no regular intersection: ";
  return message.starts_with(prefix) ? message.substr(prefix.size()) : message;
}

// Why no shock can follow an incident shock of deflection teta_deg: it is
// detached, or the flow behind it is not supersonic. Empty where one can.
std::string NoFlowBehind(const ShockPolar& free_stream, double teta_deg, const char* shock,
                         const char* region, const char* next) {
  const double teta = teta_deg * kDegree;
  const double limit = free_stream.MaxDeflection().theta;
  if (teta > limit) {
    return std::string("shock ") + shock + " cannot stand attached: " +
           DetachedMessage(teta, limit, free_stream.M1());
  }
  const ShockSolution incident = free_stream.Weak(teta);
  if (!(incident.M2 > 1.0)) {
    return std::string("the flow behind shock ") + shock + " is subsonic (M" + region + " = " +
           FixedText(incident.M2, 3) + "), so no shock " + next + " can stand in it";
  }
  return "";
}

std::string NoThreeShock(const char* shock, const char* region) {
  return std::string("the weak branch of the polar of region ") + region +
         " does not reach the strong branch of the free-stream polar, so triple point " + shock +
         " has no three-shock solution";
}

std::string StrongOnlyNote(const PolarCrossings& x) {
  const bool c_strong = x.strong_weak || x.strong_strong;
  const bool d_strong = x.weak_strong || x.strong_strong;
  const std::string which = c_strong && d_strong ? "shock C or D" : c_strong ? "shock C" : "shock D";
  return "the polars of regions 2 and 3 still cross, but only with " + which +
         " on its strong branch (subsonic behind it); that is not counted as a regular "
         "intersection";
}

std::string SlipLines(const TriplePoint& a, const TriplePoint& b) {
  return "slip line at " + DegreesText(a.slip_line) + " from triple point A (" +
         std::string(KindName(a.kind)) + "), at " + DegreesText(b.slip_line) + " from B (" +
         std::string(KindName(b.kind)) + ")";
}

}  // namespace

std::string_view KindName(ConfigurationKind kind) {
  switch (kind) {
    case ConfigurationKind::Regular: return "regular";
    case ConfigurationKind::Dual: return "dual";
    case ConfigurationKind::Mach: return "mach";
    case ConfigurationKind::None: return "none";
  }
  return "unknown";
}

Configuration FindConfiguration(double M1, double TetaA, double TetaB, double gamma) {
  Configuration out;
  std::string no_regular;  // why the weak branches do not cross
  try {
    out.regular = SolveInteraction(M1, 1.0, TetaA, TetaB, gamma);
  } catch (const Error& error) {
    if (error.Kind() != ErrorKind::NoRegularIntersection && error.Kind() != ErrorKind::Detached) {
      throw;
    }
    no_regular = error.what();
  }
  const ShockPolar free_stream(M1, gamma);
  out.criteria = FindCriteria(M1, TetaA, gamma);
  out.triple_point_A = SolveTriplePoint(free_stream, TetaA, TripleSide::A);
  out.triple_point_B = SolveTriplePoint(free_stream, TetaB, TripleSide::B);
  const bool both_triple = out.triple_point_A && out.triple_point_B;

  // Triple points are part of the answer only where a Mach stem can stand.
  const auto drop_triple_points = [&] {
    out.triple_point_A.reset();
    out.triple_point_B.reset();
  };

  if (out.regular) {
    const Interaction& r = *out.regular;
    const double stem_deflection =
        std::min(std::abs(r.Fi) * kDegree, free_stream.MaxDeflection().theta);
    const double stem = free_stream.Strong(stem_deflection).pressure_ratio;
    const std::string crossing = "the polars of regions 2 and 3 cross on their weak branches at Fi = " +
                                 DegreesText(r.Fi) + ", " + Pressure(r.region4.p);
    if (r.region4.p >= stem && both_triple) {
      out.kind = ConfigurationKind::Dual;
      out.reason = "regular and Mach intersection both possible: " + crossing +
                   ", at or above the strong branch of the free-stream polar (" + Pressure(stem) +
                   " there), and both triple points have a three-shock solution, " +
                   SlipLines(*out.triple_point_A, *out.triple_point_B) + Bounds(out.criteria);
    } else {
      out.kind = ConfigurationKind::Regular;
      out.reason = "regular intersection: " + crossing +
                   ", below the strong branch of the free-stream polar (" + Pressure(stem) +
                   " there), so no Mach stem can carry that pressure" + Bounds(out.criteria);
      drop_triple_points();
    }
    return out;
  }

  if (both_triple) {
    out.kind = ConfigurationKind::Mach;
    out.reason = "Mach intersection: no regular one, because " + WhyNotRegular(no_regular) +
                 "; both triple points have a three-shock solution, joined by a Mach stem, " +
                 SlipLines(*out.triple_point_A, *out.triple_point_B);
  } else {
    out.kind = ConfigurationKind::None;
    // An incident shock that leaves no supersonic flow says all; otherwise
    // the polars part and a triple point lacks its solution.
    const std::string a = NoFlowBehind(free_stream, TetaA, "A", "2", "C");
    const std::string b = NoFlowBehind(free_stream, TetaB, "B", "3", "D");
    std::string why = a.empty() || b.empty() ? a + b : a + ", and " + b;
    if (why.empty()) {
      why = "no regular intersection, because " + WhyNotRegular(no_regular) + "; and ";
      if (!out.triple_point_A && !out.triple_point_B) {
        why += "neither triple point has a three-shock solution: the weak branches of the polars "
               "of regions 2 and 3 do not reach the strong branch of the free-stream polar";
      } else {
        why += out.triple_point_A ? NoThreeShock("B", "3") : NoThreeShock("A", "2");
      }
    }
    out.reason = "neither a regular nor a Mach intersection: " + why;
    drop_triple_points();
  }
  const PolarCrossings crossings = FindPolarCrossings(free_stream, TetaA, TetaB);
  if (crossings.StrongOnly()) out.note = StrongOnlyNote(crossings);
  return out;
}

std::vector<ChartMark> TriplePointMarks(const Configuration& configuration) {
  std::vector<ChartMark> out;
  for (const std::optional<TriplePoint>* point :
       {&configuration.triple_point_A, &configuration.triple_point_B}) {
    if (!*point) continue;
    const TriplePoint& t = **point;
    out.push_back({t.slip_line, t.behind_stem.p,
                   std::string("triple point ") + (t.side == TripleSide::A ? "A" : "B") + ": " +
                       DegreesText(t.slip_line) + ", p/p1 = " + FixedText(t.behind_stem.p, 3) + ", " +
                       std::string(KindName(t.kind))});
  }
  return out;
}

}  // namespace exact
