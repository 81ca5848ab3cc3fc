#pragma once

#include <functional>

#include "exact/error.h"
#include "exact/shock.h"

// The regular crossing of two oblique shocks of opposite families, solved
// exactly: shock A turns the free stream (region 1) by TetaA into region 2,
// shock B turns it the other way by TetaB into region 3; from the crossing,
// shock C turns region 2 into region 4 and shock D turns region 3 into region
// 5, and a slip line of direction Fi parts regions 4 and 5, which share their
// pressure and their direction. All four shocks are attached and weak.
//
// Units of this interface: angles in degrees, pressures in the unit of p1.
// Flow directions are measured from the free stream, positive the way shock A
// turns it; deflections through a shock are positive when it compresses.
namespace exact {

// One uniform region of the flow.
struct RegionState {
  double M = 0.0;          // Mach number
  double p = 0.0;          // static pressure, unit of p1
  double direction = 0.0;  // flow direction from the free stream, degrees
};

// One shock of the pattern.
struct ShockState {
  double deflection = 0.0;  // turn of the flow through it, degrees, positive = compression
  double beta = 0.0;        // shock angle from the flow direction ahead of it, degrees
};

// What the flow of one region allows an attached shock to do.
struct RegionLimits {
  double max_deflection = 0.0;    // largest attached deflection, degrees
  double max_beta = 0.0;          // shock angle at that deflection, degrees
  double sonic_deflection = 0.0;  // weak-shock deflection behind which the flow is sonic, degrees
};

struct Interaction {
  RegionState region1, region2, region3, region4, region5;
  ShockState shockA, shockB, shockC, shockD;
  RegionLimits limits1, limits2, limits3;  // of regions 1, 2 and 3
  double Fi = 0.0;       // slip-line direction, degrees (= region4.direction = region5.direction)
  int evaluations = 0;   // pressure-balance evaluations of the slip-line search, its two ends included
};

// One evaluation of the pressure balance in the slip-line search.
struct BalanceEvaluation {
  double Fi = 0.0;     // slip-line direction tried, degrees
  double p4 = 0.0;     // pressure behind C there, unit of p1
  double p5 = 0.0;     // pressure behind D there, unit of p1
  double lower = 0.0;  // the directions still holding the balance after it, degrees
  double upper = 0.0;
};
using BalanceObserver = std::function<void(const BalanceEvaluation&)>;

// Solves the whole pattern from the free stream and the two incident
// deflections.
//   M1     free-stream Mach number, above 1
//   p1     free-stream static pressure, any positive unit; every pressure comes out in it
//   TetaA  deflection of shock A, degrees, >= 0
//   TetaB  deflection of shock B, degrees, >= 0, turning the flow the other way
//   gamma  ratio of specific heats, above 1
// Fi is found where p4 = p5, by a bracketed search (TOMS 748) over the slip-line
// directions at which both C and D are attached compressions, to a relative
// 1e-12 in Fi. Throws Error with kind
//   InvalidInput           M1 <= 1, p1 <= 0, a negative deflection, a non-finite number;
//   Detached               shock A or B asks more than the free stream allows;
//   NoRegularIntersection  the polars of regions 2 and 3 do not cross while both C
//                          and D are attached compressions (the message says which
//                          end is reached first), or region 2 or 3 is subsonic;
//   NotConverged           the search used up its budget (not expected);
//   BeyondPrecision        region 2 or 3 is sonic to the last digits a double holds,
//                          so whether C or D can stand there cannot be decided.
// Where the polars miss each other by less than 1e-9 of the pressure, the
// NoRegularIntersection message says the inputs are at the limit of the
// regular domain; a crossing at a polar's tip to 1e-12 of the pressure is a
// solution with C or D at its largest deflection.
// `observe`, when given, sees every evaluation of the balance as it is made,
// the two ends of the range first.
Interaction SolveInteraction(double M1, double p1, double TetaA, double TetaB,
                             double gamma = kGammaAir, const BalanceObserver& observe = nullptr);

}  // namespace exact
