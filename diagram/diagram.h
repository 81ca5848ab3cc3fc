#pragma once

#include "calc/calc_state.h"
#include "platform/surface.h"

namespace diagram {

// Every position and radius reaches the surface in single precision, converted
// at the call; a value beyond the float range raises overflow instead of being
// drawn.

// Radius of the circle markers (region points, solution), in degrees.
inline constexpr float kMarkerRadius = 0.7f;

// The pressure range of the diagram, in the unit of p1. PmaxA and PmaxB are
// 1 + 7/6 (M^2 - 1) p for regions 2 and 3: the normal-shock pressure rise from
// each region, counted from the constant 1 rather than from that region's own
// pressure. Pmax is the larger (PmaxA on a tie); the box spans y from
// bottom = -0.2 Pmax to top = 1.2 Pmax.
struct DiagramRange {
  double PmaxA = 0.0;
  double PmaxB = 0.0;
  double Pmax = 0.0;
  double top = 0.0;
  double bottom = 0.0;
};

// The range PrepareDiagram works with, computed the same way. Raises overflow
// on huge inputs.
DiagramRange ComputeDiagramRange(double M2, double p2, double M3, double p3);

// Sets up the pressure-deflection diagram for the states of regions 2 and 3
// (Mach numbers, pressures in the unit of p1): works out Pmax, scales the
// surface to x from -50 to 50 degrees and y from -0.2 Pmax to 1.2 Pmax, erases
// it and draws the deflection axis (-40..40 at p = 0) and the pressure axis
// (0..Pmax at x = 0) in the axis colour. Raises overflow on huge inputs.
void PrepareDiagram(platform::Surface& Picture1, double M2, double p2, double M3, double p3);

// Mach angle arctan(1 / sqrt(M^2 - 1)) in radians, where a polar starts.
// Raises invalid argument for |M| < 1 and division by zero for M = +-1.
double MachAngle(double M1);

// One shock angle of a polar: the two mirrored flow directions (degrees) and
// the static pressure behind the shock (unit of p1).
struct PolarPair {
  double xRight = 0.0;
  double xLeft = 0.0;
  double ps = 0.0;
};

// The pair that a shock at angle beta (radians) produces from the upstream
// state (TetaK radians, p1, M1), gamma = 1.4; DegToRad turns radians into the
// diagram's degrees. This is the body of each pass of P_Teta_Çiz.
PolarPair PolarPairAt(double TetaK, double p1, double M1, double beta, double DegToRad);

// Draws the shock polar of one upstream state as 1 + 2 * state.PolarSteps points
// of colour renk: the upstream point (TetaK in degrees, p1), then for each shock
// angle from the Mach angle to the normal shock a pair mirrored about TetaK.
//   TetaK  flow direction of the upstream state, radians
//   p1     its static pressure;  M1  its Mach number (above 1)
// Reads state.Pi, DegToRad and PolarSteps; writes PolarBeta and PolarStep.
// A Mach number from -1 to 1 raises an error before any point is drawn:
// invalid argument inside, division by zero at +-1.
void P_Teta_Çiz(calc::CalcState& state, platform::Surface& Picture1, double TetaK, double p1,
                double M1, platform::Colour renk);

// A circle marker of kMarkerRadius at (x, y) in diagram coordinates.
void DrawMarker(platform::Surface& Picture1, double x, double y, platform::Colour colour);

}  // namespace diagram
