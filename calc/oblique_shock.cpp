#include "calc/oblique_shock.h"

#include "platform/real.h"

namespace calc {

using platform::Real;

namespace {

constexpr int kPassLimit = 20;
constexpr double kSineTolerance = 0.00001;

}  // namespace

ShockSine IterateShockSine(double M1, double Teta) {
  const Real M = M1;
  const Real teta = Teta;
  // Fixed point of the theta-beta-M relation solved for sin^2(beta), with the
  // beta on the right taken from the pass before; from the Mach angle it climbs
  // to the weak shock.
  Real s = Real(1) / M;
  ShockSine result;
  for (int k = 1; k <= kPassLimit; ++k) {
    result.passes = k;
    const Real s_prev = s;
    const Real t = s_prev / platform::Sqrt(1 - platform::Pow(s_prev, 2));  // tan(beta)
    const Real c = 1 - 2 * platform::Pow(s_prev, 2);                       // cos(2 beta)
    const Real a = platform::Tan(teta) * t;
    const Real S = ((a * (platform::Pow(M, 2) * (1.4 + c) + 2)) + 2) / 2 / platform::Pow(M, 2);
    s = platform::Sqrt(S);
    if (platform::Abs(s - s_prev) < kSineTolerance) {
      result.converged = true;
      break;
    }
  }
  result.sine = s.value();
  return result;
}

void Beta_için_iterasyon(platform::MessageBox& messages, double M1, double p1, double Teta,
                         double& Beta, double& M2, double& p2) {
  const ShockSine iteration = IterateShockSine(M1, Teta);
  if (!iteration.converged) messages.Show(kNotConvergedMessage);

  const Real M = M1;
  const Real s = iteration.sine;
  Beta = platform::Atan(s / platform::Sqrt(1 - platform::Pow(s, 2))).value();

  // Normal-shock relations on the normal component (gamma folded into 5, 7, 6).
  const Real Mn1 = M * platform::Sin(Beta);
  const Real Mn2 =
      platform::Sqrt((platform::Pow(Mn1, 2) + 5) / (7 * platform::Pow(Mn1, 2) - 1));
  M2 = (Mn2 / platform::Sin(Real(Beta) - Teta)).value();
  p2 = (Real(p1) * (7 * platform::Pow(Mn1, 2) - 1) / 6).value();
}

}  // namespace calc
