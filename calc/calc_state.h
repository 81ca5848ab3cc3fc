#pragma once

namespace calc {

// The main window's one record of flow quantities, shared by all of its
// procedures. Angles are in degrees, pressures in the unit of p1. A field
// never assigned reads as 0. Fields stand in the order the record declares them.
struct CalcState {
  double M1 = 0.0;        // free-stream Mach number, as typed
  double M2 = 0.0;        // Mach number behind shock A (region 2)
  double M3 = 0.0;        // Mach number behind shock B (region 3)
  double Pi = 0.0;        // 4 atan(1), filled at start-up
  double DegToRad = 0.0;  // radians per degree, Pi / 180, filled at start-up
  double TetaA = 0.0;     // deflection of shock A, degrees as typed
  double TetaB = 0.0;     // deflection of shock B, degrees as typed
  int PolarSteps = 0;     // shock-angle steps per polar
  double PolarBeta = 0.0; // running shock angle of the polar being drawn, radians
  double PolarStep = 0.0; // shock-angle increment of that polar, radians
  double p1 = 0.0;        // free-stream static pressure, any unit
  double Fi = 0.0;        // slip-line direction, degrees
  double TetaC = 0.0;     // deflection across shock C, degrees (2 places)
  double BetaC = 0.0;     // shock angle of C, degrees (2 places)
  double M4 = 0.0;        // Mach number in region 4
  double p4 = 0.0;        // static pressure in region 4
  double TetaD = 0.0;     // deflection across shock D, degrees (2 places)
  double BetaD = 0.0;     // shock angle of D, degrees (2 places)
  double M5 = 0.0;        // Mach number in region 5
  double p5 = 0.0;        // static pressure in region 5
};

// Start-up: fills Pi and DegToRad, and nothing else.
void FillConstants(CalcState& state);

}  // namespace calc
