#pragma once

#include <cmath>
#include <numbers>

#include "exact/error.h"

// Attached oblique shocks of a perfect gas in closed form, for any ratio of
// specific heats. Angles are radians, measured from the flow ahead of the
// shock; pressures are ratios to the pressure ahead of it.
namespace exact {

inline constexpr double kGammaAir = 1.4;
// One degree in radians: inputs and reports are in degrees.
inline constexpr double kDegree = std::numbers::pi / 180.0;

// The state behind one oblique shock.
struct ShockSolution {
  double beta = 0.0;            // shock angle from the upstream flow direction, radians
  double M2 = 0.0;              // Mach number behind the shock
  double pressure_ratio = 1.0;  // static pressure behind over ahead, p2 / p1
};

// The two attached shocks that turn the flow by the same deflection, radians.
struct ShockAngles {
  double weak = 0.0;    // the one nearer the Mach angle, supersonic behind except near detachment
  double strong = 0.0;  // the steep one, subsonic behind; pi/2 (the normal shock) at zero deflection
};

// The largest deflection of an attached shock and the shock angle there, radians.
struct DeflectionLimit {
  double theta = 0.0;
  double beta = 0.0;
};

// Every attached shock from one upstream state (Mach number and gas): the
// state's shock polar. Construction solves what does not depend on the
// deflection, so repeated solves from the same state (a slip-line search)
// cost one cubic each.
class ShockPolar {
 public:
  // Throws Error(InvalidInput) unless 1 < M1 <= 1e100 and 1 < gamma <= 10.
  explicit ShockPolar(double M1, double gamma = kGammaAir);

  double M1() const { return M1_; }
  double Gamma() const { return gamma_; }
  // The Mach angle asin(1/M1), radians, to its last digit also just above M1 = 1.
  double MachAngle() const { return std::atan2(1.0, cot_mach_); }

  // Largest attached deflection and its shock angle, radians.
  DeflectionLimit MaxDeflection() const { return max_; }
  // Deflection of the weak shock behind which the flow is exactly sonic, radians.
  double SonicDeflection() const;

  // Weak and strong shock angles for the deflection theta (radians, 0 <= theta
  // <= MaxDeflection().theta). theta = 0 gives the Mach angle and pi/2.
  // Throws Error(InvalidInput) for a negative or non-finite theta (a negative
  // deflection is an expansion, not a shock) and Error(Detached) above the largest.
  ShockAngles Angles(double theta) const;
  // The whole state behind the weak or the strong shock; same range and errors as Angles.
  ShockSolution Weak(double theta) const;
  ShockSolution Strong(double theta) const;
  // p2 / p1 behind the weak shock alone, the cheapest solve; same range and errors.
  double WeakPressureRatio(double theta) const;

 private:
  // The squared relation's cubic in sin^2(beta), in trigonometric form.
  struct SquaredRelation {
    double shift, amplitude, phase;
    double Weak() const;    // sin^2 of the weak shock angle, the middle root
    double Strong() const;  // sin^2 of the strong shock angle, the largest root
  };
  SquaredRelation Squared(double sin2_theta, double cos2_theta) const;
  // cot(beta) of the weak and the strong shock (the variable in which both stay
  // exact, the Mach angle as well as the near-normal shock), and the sine and
  // cosine of the deflection they belong to.
  struct Branches {
    double weak;
    double strong;  // left at 0 unless asked for
    double sin_theta;
    double cos_theta;
  };
  Branches Solve(double theta, bool strong_too) const;
  ShockSolution Behind(double cot_beta, double sin_theta, double cos_theta) const;
  double NormalMachSquared(double cot_beta) const;
  double PressureRatio(double cot_beta) const;
  void CheckDeflection(double theta) const;

  double M1_;
  double gamma_;
  double m_;  // 1 / M1^2: every coefficient is written in it so that no power of M1 overflows
  double n_;  // 1 - 1/M1^2, from M1^2 - 1 = (M1 - 1)(M1 + 1) so that it keeps its digits near M1 = 1
  double cot_mach_;  // cot of the Mach angle, sqrt(M1^2 - 1)
  DeflectionLimit max_;
  double cot_max_;  // cot of the shock angle at the largest deflection
  double tan_max_;  // tan of the largest deflection
};

// The free-function forms of ShockPolar, for one shock at a time. Angles in
// radians; the errors are those of ShockPolar, except that MaxDeflection and
// SonicDeflection take any finite M1 above 1 (above 1e100 they are at their
// hypersonic limits).
ShockSolution WeakShock(double M1, double theta, double gamma = kGammaAir);
ShockSolution StrongShock(double M1, double theta, double gamma = kGammaAir);
ShockAngles ShockAnglesFor(double M1, double theta, double gamma = kGammaAir);
DeflectionLimit MaxDeflection(double M1, double gamma = kGammaAir);
double SonicDeflection(double M1, double gamma = kGammaAir);

// The detachment message: "no attached shock: deflection 38.49° exceeds the
// largest, 29.85°, at M = 2.505" (radians in, degrees out).
std::string DetachedMessage(double theta, double theta_max, double M1);

}  // namespace exact
