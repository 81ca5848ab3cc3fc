#pragma once

#include <optional>
#include <string_view>

#include "exact/interaction.h"
#include "exact/shock.h"

// The three-shock solution at a triple point of a Mach intersection. Where
// shocks A and B no longer meet at a point, a Mach stem, a nearly normal
// shock from the free stream with subsonic flow behind it, joins them. At
// triple point A the incident shock A, the transmitted shock C (from region
// 2) and the stem's end meet; the flows behind C and behind the stem share
// their pressure and their direction across a slip line. On the p-theta plane
// that is a crossing of the polar of region 2 with the strong branch of the
// free-stream polar; triple point B likewise with the polar of region 3.
//
// Units as in exact/interaction.h: angles in degrees, pressures in the unit
// of p1, flow directions from the free stream, positive the way shock A
// turns it.
namespace exact {

// An incident deflection (degrees) below which the shock is a Mach wave: it
// has no triple point, and the pressures it changes are lost in the rounding
// of the others.
inline constexpr double kMachWaveDegrees = 1e-12;

// Which incident shock a triple point ends.
enum class TripleSide { A, B };

// How the stem turns the flow at its end: the same way as the incident shock
// of that triple point (direct), not at all (stationary: the stem stands
// normal to the free stream there), or the other way (inverse).
enum class TriplePointKind { Direct, Stationary, Inverse };

// "direct", "stationary", "inverse".
std::string_view KindName(TriplePointKind kind);

struct TriplePoint {
  TripleSide side = TripleSide::A;
  TriplePointKind kind = TriplePointKind::Direct;
  double slip_line = 0.0;           // direction of the slip line, degrees
  ShockState transmitted;           // C at A, D at B: deflection and shock angle
                                    // from the flow of region 2 or 3, degrees
  RegionState behind_transmitted;   // the flow behind C or D
  // Shock angle of the stem at the triple point from the free stream, degrees,
  // measured the way that triple point's incident shock leans: below 90 for a
  // direct, 90 for a stationary, above 90 for an inverse triple point.
  double stem_beta = 0.0;
  RegionState behind_stem;          // the subsonic flow behind the stem's end
};

// The three-shock solution where the incident shock of `side`, deflecting the
// free stream by Teta (degrees, >= 0), ends in a triple point: the crossing of
// its region's polar with the strong branch of the free-stream polar, the
// transmitted shock turning the flow back on the weak branch of its polar (up
// to its tip; as for the regular intersection, a strong transmitted shock does
// not count). Every crossing is found by bracketing; of several, the one with
// the weakest transmitted shock, the first met along the polar from its
// origin. Empty where there is none: the incident shock a Mach wave (Teta
// below 1e-12°) or detached, the flow behind it not supersonic, or the polars
// apart.
std::optional<TriplePoint> SolveTriplePoint(const ShockPolar& free_stream, double Teta,
                                            TripleSide side);
std::optional<TriplePoint> SolveTriplePoint(double M1, double Teta, TripleSide side,
                                            double gamma = kGammaAir);

// How far, in the unit of p1, the weak branch of the polar of the region
// behind an incident shock of deflection Teta (degrees) reaches above the
// strong branch of the
// free-stream polar: >= 0 exactly where a triple point exists, continuous in
// Teta, so that the Teta where triple points begin or cease can be bracketed.
// Below zero (not finite never) where the incident shock is detached or the
// flow behind it is not supersonic.
double ThreeShockMargin(const ShockPolar& free_stream, double Teta);

}  // namespace exact
