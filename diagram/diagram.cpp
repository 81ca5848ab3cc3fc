#include "diagram/diagram.h"

#include "diagram/colours.h"
#include "platform/real.h"

namespace diagram {

using platform::Real;

namespace {

// The surface takes single-precision positions; the narrowing happens here,
// at the call, and nowhere earlier. Beyond the float range it is an overflow.
float F(Real r) { return platform::ToSingle(r); }

}  // namespace

DiagramRange ComputeDiagramRange(double M2, double p2, double M3, double p3) {
  // 2 gamma / (gamma + 1): the normal-shock pressure jump is k (M^2 - 1) p.
  const Real k = (Real(2) * 1.4) / (Real(1.4) + 1);
  const Real PmaxA = 1 + k * (platform::Pow(M2, 2) - 1) * p2;
  const Real PmaxB = 1 + k * (platform::Pow(M3, 2) - 1) * p3;
  Real Pmax = PmaxA;
  if (PmaxB > PmaxA) Pmax = PmaxB;

  DiagramRange range;
  range.PmaxA = PmaxA.value();
  range.PmaxB = PmaxB.value();
  range.Pmax = Pmax.value();
  range.top = (Real(1.2) * Pmax).value();
  range.bottom = (Real(-0.2) * Pmax).value();
  return range;
}

void PrepareDiagram(platform::Surface& Picture1, double M2, double p2, double M3, double p3) {
  const DiagramRange range = ComputeDiagramRange(M2, p2, M3, p3);
  // Room of a fifth of Pmax above and below, so the strong-shock tops of the
  // polars from regions 2 and 3 and the markers near p = 0 stay inside.
  Picture1.Scale(-50.0f, F(range.top), 50.0f, F(range.bottom));
  Picture1.Cls();
  Picture1.Line(-40.0f, 0.0f, 40.0f, 0.0f, kAxisColour);
  Picture1.Line(0.0f, 0.0f, 0.0f, F(range.Pmax), kAxisColour);
}

double MachAngle(double M1) {
  return platform::Atan(Real(1) / platform::Sqrt(platform::Pow(M1, 2) - 1)).value();
}

PolarPair PolarPairAt(double TetaK, double p1, double M1, double beta, double DegToRad) {
  const Real M = M1;
  const Real b = beta;
  // tan(theta) from the theta-beta-M relation with gamma = 1.4.
  const Real A = platform::Pow(M, 2) * platform::Pow(platform::Sin(b), 2.0) - 1;
  const Real B = platform::Pow(M, 2) * (platform::Cos(2 * b) + 1.4) + 2;
  const Real t = 2 / platform::Tan(b) * A / B;
  const Real teta = platform::Atan(t);

  // Pressure ratio across the normal component, gamma folded into 7 and 6.
  const Real Mn = M * platform::Sin(b);
  const Real ps = Real(p1) * (7 * platform::Pow(Mn, 2) - 1) / 6;

  PolarPair pair;
  pair.xRight = ((Real(TetaK) + teta) / DegToRad).value();
  pair.xLeft = ((Real(TetaK) - teta) / DegToRad).value();
  pair.ps = ps.value();
  return pair;
}

void P_Teta_Çiz(calc::CalcState& state, platform::Surface& Picture1, double TetaK, double p1,
                double M1, platform::Colour renk) {
  // A subsonic or sonic upstream state has no Mach angle: this raises before
  // anything is drawn.
  const Real mu = MachAngle(M1);
  state.PolarStep = ((Real(state.Pi) / 2 - mu) / state.PolarSteps).value();

  Picture1.PSet(F(Real(TetaK) / state.DegToRad), F(p1), renk);

  // From the Mach wave to the normal shock. The angle is a running sum kept in
  // the state, so the last one is pi/2 only up to the rounding of the sum.
  state.PolarBeta = mu.value();
  for (int i = 1; i <= state.PolarSteps; ++i) {
    state.PolarBeta = (Real(state.PolarBeta) + state.PolarStep).value();
    const PolarPair pair = PolarPairAt(TetaK, p1, M1, state.PolarBeta, state.DegToRad);
    Picture1.PSet(F(pair.xRight), F(pair.ps), renk);
    Picture1.PSet(F(pair.xLeft), F(pair.ps), renk);
  }
}

void DrawMarker(platform::Surface& Picture1, double x, double y, platform::Colour colour) {
  Picture1.Circle(F(x), F(y), kMarkerRadius, colour);
}

}  // namespace diagram
