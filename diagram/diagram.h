#pragma once

#include "calc/calc_state.h"
#include "platform/surface.h"

namespace diagram {

// Radius of the circle markers (region points, solution), in degrees.
inline constexpr float kMarkerRadius = 0.7f;

// Sets up the pressure-deflection diagram for the states of regions 2 and 3
// (Mach numbers, pressures in the unit of p1): works out Pmax, scales the
// surface to x from -50 to 50 degrees and y from -0.2 Pmax to 1.2 Pmax, erases
// it and draws the deflection axis (-40..40 at p = 0) and the pressure axis
// (0..Pmax at x = 0) in the axis colour. Raises overflow on huge inputs.
void PrepareDiagram(platform::Surface& Picture1, double M2, double p2, double M3, double p3);

// Draws the shock polar of one upstream state as 1 + 2 * state.PolarSteps points
// of colour renk: the upstream point (TetaK in degrees, p1), then for each shock
// angle from the Mach angle to the normal shock a pair mirrored about TetaK.
//   TetaK  flow direction of the upstream state, radians
//   p1     its static pressure;  M1  its Mach number (above 1)
// Reads state.Pi, DegToRad and PolarSteps; writes PolarBeta and PolarStep.
// A Mach number from -1 to 1 raises an error before any point is drawn.
void P_Teta_Çiz(calc::CalcState& state, platform::Surface& Picture1, double TetaK, double p1,
                double M1, platform::Colour renk);

// A circle marker of kMarkerRadius at (x, y) in diagram coordinates.
void DrawMarker(platform::Surface& Picture1, double x, double y, platform::Colour colour);

}  // namespace diagram
