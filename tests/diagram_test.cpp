#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <variant>
#include <vector>

#include "calc/calc_state.h"
#include "calc/oblique_shock.h"
#include "diagram/colours.h"
#include "diagram/diagram.h"
#include "diagram/recording_surface.h"
#include "platform/memory_controls.h"
#include "platform/runtime_error.h"

using diagram::CircleCall;
using diagram::ClsCall;
using diagram::LineCall;
using diagram::PSetCall;
using diagram::RecordingSurface;
using diagram::ScaleCall;
using platform::ErrorKind;

namespace {

// States of regions 2 and 3 for the start inputs M1 = 3, p1 = 1, 10 and 5 degrees.
constexpr double kM2 = 2.5050342351524324;
constexpr double kP2 = 2.0544479651940457;
constexpr double kM3 = 2.7497129835204452;
constexpr double kP3 = 1.453980801749747;

calc::CalcState ReadyState(int polar_steps = 100) {
  calc::CalcState state;
  calc::FillConstants(state);
  state.PolarSteps = polar_steps;
  return state;
}

std::vector<PSetCall> Points(const RecordingSurface& surface) {
  std::vector<PSetCall> points;
  for (const auto& call : surface.calls) {
    if (const auto* p = std::get_if<PSetCall>(&call)) points.push_back(*p);
  }
  return points;
}

// Index of the right point of the pair with the largest distance from centre.
std::size_t WidestRightPoint(const std::vector<PSetCall>& points, float centre) {
  std::size_t widest = 1;
  for (std::size_t i = 1; i < points.size(); i += 2) {
    if (points[i].x - centre > points[widest].x - centre) widest = i;
  }
  return widest;
}

template <typename F>
ErrorKind KindOf(F&& f) {
  try {
    f();
  } catch (const platform::RuntimeError& e) {
    return e.Kind();
  }
  ADD_FAILURE() << "no error raised";
  return ErrorKind::Overflow;
}

}  // namespace

TEST(DiagramRange, DefaultInputsGiveRegionTwo) {
  const diagram::DiagramRange r = diagram::ComputeDiagramRange(kM2, kP2, kM3, kP3);
  EXPECT_NEAR(r.PmaxA, 13.6438862142195, 1e-13);
  EXPECT_DOUBLE_EQ(r.PmaxB, 12.129362872575024);
  EXPECT_EQ(r.Pmax, r.PmaxA);
  EXPECT_NEAR(r.top, 16.3726634570634, 1e-13);
  EXPECT_NEAR(r.bottom, -2.7287772428439, 1e-13);
}

TEST(DiagramRange, LargerRegionWinsAndTieGoesToA) {
  // Regions swapped: B is now the higher one and sets the range.
  const diagram::DiagramRange swapped = diagram::ComputeDiagramRange(kM3, kP3, kM2, kP2);
  EXPECT_DOUBLE_EQ(swapped.PmaxA, 12.129362872575024);
  EXPECT_NEAR(swapped.Pmax, 13.6438862142195, 1e-13);
  EXPECT_EQ(swapped.Pmax, swapped.PmaxB);

  // Equal deflections: both shocks give one state, and Pmax is PmaxA.
  calc::CalcState state = ReadyState();
  platform::MemoryMessageBox box;
  double beta = 0, M = 0, p = 0;
  calc::Beta_için_iterasyon(box, 3, 1, 10 * state.DegToRad, beta, M, p);
  const diagram::DiagramRange equal = diagram::ComputeDiagramRange(M, p, M, p);
  EXPECT_EQ(equal.PmaxA, equal.PmaxB);
  EXPECT_EQ(equal.Pmax, equal.PmaxA);
  EXPECT_NEAR(equal.Pmax, 13.6438862142195, 1e-12);
}

TEST(DiagramRange, ConstantOneNotRegionPressure) {
  // M = 1 makes the shock term vanish: what is left is the constant 1, not p.
  const diagram::DiagramRange r = diagram::ComputeDiagramRange(1, 5, 1, 7);
  EXPECT_EQ(r.PmaxA, 1.0);
  EXPECT_EQ(r.PmaxB, 1.0);
  // k = 7/6: M^2 - 1 = 3 and p = 2 give 1 + 7.
  EXPECT_NEAR(diagram::ComputeDiagramRange(2, 2, 1, 1).PmaxA, 8.0, 1e-14);
}

TEST(PrepareDiagram, DefaultInputsScaleEraseAndAxes) {
  RecordingSurface s;
  diagram::PrepareDiagram(s, kM2, kP2, kM3, kP3);
  ASSERT_EQ(s.calls.size(), 4u);

  const auto* scale = std::get_if<ScaleCall>(&s.calls[0]);
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(scale->x1, -50.0f);
  EXPECT_EQ(scale->y1, static_cast<float>(16.3726634570634));
  EXPECT_EQ(scale->x2, 50.0f);
  EXPECT_EQ(scale->y2, static_cast<float>(-2.7287772428439));

  EXPECT_TRUE(std::holds_alternative<ClsCall>(s.calls[1]));

  const auto* deflection_axis = std::get_if<LineCall>(&s.calls[2]);
  ASSERT_NE(deflection_axis, nullptr);
  EXPECT_EQ(*deflection_axis, (LineCall{-40.0f, 0.0f, 40.0f, 0.0f, 5}));

  const auto* pressure_axis = std::get_if<LineCall>(&s.calls[3]);
  ASSERT_NE(pressure_axis, nullptr);
  EXPECT_EQ(pressure_axis->x1, 0.0f);
  EXPECT_EQ(pressure_axis->y1, 0.0f);
  EXPECT_EQ(pressure_axis->x2, 0.0f);
  EXPECT_EQ(pressure_axis->y2, 13.643887f);  // single precision of 13.6438862142195
  EXPECT_EQ(pressure_axis->colour, 5);
}

TEST(PrepareDiagram, HugeInputsOverflowBeforeDrawing) {
  RecordingSurface s;
  EXPECT_EQ(KindOf([&] { diagram::PrepareDiagram(s, 1e200, 1, 3, 1); }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([&] { diagram::PrepareDiagram(s, 3, 1, 3, 1e308); }), ErrorKind::Overflow);
  // Finite in double, but the box corner (about 1.4e40) is beyond single precision.
  EXPECT_EQ(KindOf([&] { diagram::PrepareDiagram(s, 1e20, 1, 3, 1); }), ErrorKind::Overflow);
  EXPECT_TRUE(s.calls.empty());
}

TEST(ShockPolar, BeyondSinglePrecisionIsOverflow) {
  calc::CalcState state = ReadyState();
  RecordingSurface s;
  EXPECT_EQ(KindOf([&] { diagram::P_Teta_Çiz(state, s, 0, 1e39, 3, diagram::kBlue); }),
            ErrorKind::Overflow);
  EXPECT_EQ(KindOf([&] { diagram::DrawMarker(s, 1e39, 1, diagram::kBlue); }),
            ErrorKind::Overflow);
  EXPECT_TRUE(s.calls.empty());
}

TEST(ShockPolar, FreeStreamMachAngleAndStep) {
  calc::CalcState state = ReadyState();
  RecordingSurface s;
  diagram::P_Teta_Çiz(state, s, 0, 1, 3, diagram::kBlue);
  EXPECT_NEAR(diagram::MachAngle(3) / state.DegToRad, 19.47122063449069, 1e-12);
  EXPECT_NEAR(state.PolarStep / state.DegToRad, 0.7052877936550931, 1e-14);
  // The shock angle is a running sum of the step: it ends at the normal shock
  // up to the rounding of that sum, which is left in the state.
  EXPECT_NEAR(state.PolarBeta, state.Pi / 2, 1e-13);
  double sum = diagram::MachAngle(3);
  for (int i = 0; i < 100; ++i) sum += state.PolarStep;
  EXPECT_EQ(state.PolarBeta, sum);
}

TEST(ShockPolar, FreeStreamFirstPair) {
  calc::CalcState state = ReadyState();
  RecordingSurface s;
  diagram::P_Teta_Çiz(state, s, 0, 1, 3, diagram::kBlue);
  const std::vector<PSetCall> points = Points(s);
  ASSERT_EQ(points.size(), 201u);
  EXPECT_EQ(points[0], (PSetCall{0.0f, 1.0f, diagram::kBlue}));  // the upstream state

  // First shock angle: Mach angle plus one step.
  const double beta = diagram::MachAngle(3) + state.PolarStep;
  EXPECT_NEAR(beta / state.DegToRad, 20.176508428145784, 1e-12);
  const diagram::PolarPair pair = diagram::PolarPairAt(0, 1, 3, beta, state.DegToRad);
  EXPECT_NEAR(pair.xRight, 1.0271439198801862, 1e-13);
  EXPECT_NEAR(pair.xLeft, -1.0271439198801862, 1e-13);
  EXPECT_NEAR(pair.ps, 1.082468371191837, 1e-14);

  EXPECT_EQ(points[1], (PSetCall{static_cast<float>(1.0271439198801862),
                                 static_cast<float>(1.082468371191837), diagram::kBlue}));
  EXPECT_EQ(points[2], (PSetCall{static_cast<float>(-1.0271439198801862),
                                 static_cast<float>(1.082468371191837), diagram::kBlue}));
}

TEST(ShockPolar, FreeStreamWidestPairAtPass65) {
  calc::CalcState state = ReadyState();
  RecordingSurface s;
  diagram::P_Teta_Çiz(state, s, 0, 1, 3, diagram::kBlue);
  const std::vector<PSetCall> points = Points(s);
  ASSERT_EQ(points.size(), 201u);

  const std::size_t widest = WidestRightPoint(points, 0.0f);
  EXPECT_EQ((widest - 1) / 2 + 1, 65u);
  EXPECT_FLOAT_EQ(points[widest].x, 34.07326900057577f);
  EXPECT_FLOAT_EQ(points[widest + 1].x, -34.07326900057577f);
  EXPECT_FLOAT_EQ(points[widest].y, 8.501974539506673f);

  const double beta = 65.31492722207166 * state.DegToRad;
  EXPECT_NEAR(diagram::MachAngle(3) + 65 * state.PolarStep, beta, 1e-14);
  const diagram::PolarPair pair = diagram::PolarPairAt(0, 1, 3, beta, state.DegToRad);
  EXPECT_NEAR(pair.xRight, 34.07326900057577, 1e-11);
  EXPECT_NEAR(pair.ps, 8.501974539506673, 1e-12);
}

TEST(ShockPolar, FreeStreamLastPairIsNormalShock) {
  calc::CalcState state = ReadyState();
  RecordingSurface s;
  diagram::P_Teta_Çiz(state, s, 0, 1, 3, diagram::kBlue);
  const std::vector<PSetCall> points = Points(s);
  ASSERT_EQ(points.size(), 201u);
  // Both points of the last pair fall on the normal-shock point (0, (7 M^2 - 1) / 6).
  EXPECT_LT(std::fabs(points[199].x), 1e-12f);
  EXPECT_LT(std::fabs(points[200].x), 1e-12f);
  EXPECT_EQ(points[199].y, static_cast<float>(10.333333333333334));
  EXPECT_EQ(points[200].y, static_cast<float>(10.333333333333334));
}

TEST(ShockPolar, OnePointPlusTwoPerStepInOneColour) {
  calc::CalcState state = ReadyState();
  struct Case { double TetaK_deg, p, M; platform::Colour colour; };
  for (const Case c : {Case{0, 1, 3, diagram::kBlue}, Case{10, kP2, kM2, diagram::kRed},
                       Case{-5, kP3, kM3, diagram::kGreen}}) {
    RecordingSurface s;
    diagram::P_Teta_Çiz(state, s, c.TetaK_deg * state.DegToRad, c.p, c.M, c.colour);
    EXPECT_EQ(s.calls.size(), 201u) << "M = " << c.M;
    const std::vector<PSetCall> points = Points(s);
    EXPECT_EQ(points.size(), 201u);
    for (const PSetCall& p : points) EXPECT_EQ(p.colour, c.colour);
  }
  // The step count is the state's, not a constant.
  calc::CalcState coarse = ReadyState(10);
  RecordingSurface s;
  diagram::P_Teta_Çiz(coarse, s, 0, 1, 3, diagram::kBlue);
  EXPECT_EQ(Points(s).size(), 21u);
  EXPECT_NEAR(coarse.PolarStep / coarse.DegToRad, 7.052877936550931, 1e-13);
}

TEST(ShockPolar, RegionTwoCentredOnTenDegrees) {
  calc::CalcState state = ReadyState();
  RecordingSurface s;
  diagram::P_Teta_Çiz(state, s, 10 * state.DegToRad, kP2, kM2, diagram::kRed);
  const std::vector<PSetCall> points = Points(s);
  ASSERT_EQ(points.size(), 201u);
  EXPECT_EQ(points[0], (PSetCall{10.0f, static_cast<float>(kP2), diagram::kRed}));
  for (std::size_t i = 1; i < points.size(); i += 2) {
    EXPECT_NEAR(points[i].x + points[i + 1].x, 20.0f, 1e-5f) << "pair " << i;
    EXPECT_EQ(points[i].y, points[i + 1].y);
  }
  const std::size_t widest = WidestRightPoint(points, 10.0f);
  EXPECT_NEAR(points[widest].x - 10.0f, 29.850832770507786, 4e-6);
  EXPECT_NEAR(10.0f - points[widest + 1].x, 29.850832770507786, 4e-6);

  // The top: the normal shock from region 2.
  EXPECT_FLOAT_EQ(points[199].x, 10.0f);
  EXPECT_FLOAT_EQ(points[200].x, 10.0f);
  EXPECT_EQ(points[200].y, static_cast<float>(14.698334179413544));
  const diagram::PolarPair top =
      diagram::PolarPairAt(10 * state.DegToRad, kP2, kM2, state.PolarBeta, state.DegToRad);
  EXPECT_NEAR(top.ps, 14.698334179413544, 1e-13);

  // Above the end of the pressure axis, inside the box; the gap to PmaxA is
  // p2 - 1 because PmaxA counts from 1.
  const diagram::DiagramRange range = diagram::ComputeDiagramRange(kM2, kP2, kM3, kP3);
  EXPECT_GT(top.ps, range.Pmax);
  EXPECT_LT(top.ps, range.top);
  EXPECT_NEAR(top.ps - range.PmaxA, 1.0544479651940457, 1e-13);
}

TEST(ShockPolar, RegionThreeCentredOnMinusFiveDegrees) {
  calc::CalcState state = ReadyState();
  RecordingSurface s;
  diagram::P_Teta_Çiz(state, s, -5 * state.DegToRad, kP3, kM3, diagram::kGreen);
  const std::vector<PSetCall> points = Points(s);
  ASSERT_EQ(points.size(), 201u);
  EXPECT_EQ(points[0], (PSetCall{-5.0f, static_cast<float>(kP3), diagram::kGreen}));
  for (std::size_t i = 1; i < points.size(); i += 2) {
    EXPECT_NEAR(points[i].x + points[i + 1].x, -10.0f, 1e-5f) << "pair " << i;
  }
  const std::size_t widest = WidestRightPoint(points, -5.0f);
  EXPECT_NEAR(points[widest].x + 5.0f, 32.16874353303208, 4e-6);
  EXPECT_NEAR(-5.0f - points[widest + 1].x, 32.16874353303208, 4e-6);

  EXPECT_FLOAT_EQ(points[200].x, -5.0f);
  EXPECT_EQ(points[200].y, static_cast<float>(12.583343674324771));
  const diagram::PolarPair top =
      diagram::PolarPairAt(-5 * state.DegToRad, kP3, kM3, state.PolarBeta, state.DegToRad);
  EXPECT_NEAR(top.ps, 12.583343674324771, 1e-13);
  EXPECT_NEAR(top.xRight, -5.0, 1e-11);
}

TEST(ShockPolar, FreeStreamPassesThroughRegionPoints) {
  calc::CalcState state = ReadyState();
  // At the shock angle of shock A as printed.
  const diagram::PolarPair at_print =
      diagram::PolarPairAt(0, 1, 3, 27.382529030082456 * state.DegToRad, state.DegToRad);
  EXPECT_NEAR(at_print.xRight, 9.99982, 0.5e-5);
  EXPECT_NEAR(at_print.ps, 2.0544479651940466, 1e-15);

  // At the solver's own shock angles, the region points within the solver's tolerance.
  platform::MemoryMessageBox box;
  double beta = 0, M = 0, p = 0;
  calc::Beta_için_iterasyon(box, 3, 1, 10 * state.DegToRad, beta, M, p);
  EXPECT_DOUBLE_EQ(M, kM2);
  EXPECT_DOUBLE_EQ(p, kP2);
  diagram::PolarPair pair = diagram::PolarPairAt(0, 1, 3, beta, state.DegToRad);
  EXPECT_NEAR(pair.xRight, 10.0, 2e-4);
  EXPECT_DOUBLE_EQ(pair.ps, kP2);

  calc::Beta_için_iterasyon(box, 3, 1, 5 * state.DegToRad, beta, M, p);
  EXPECT_DOUBLE_EQ(M, kM3);
  EXPECT_DOUBLE_EQ(p, kP3);
  pair = diagram::PolarPairAt(0, 1, 3, beta, state.DegToRad);
  EXPECT_NEAR(pair.xLeft, -5.0, 2e-4);
  EXPECT_DOUBLE_EQ(pair.ps, kP3);
}

TEST(ShockPolar, NearSonicIsNarrowAndTall) {
  calc::CalcState state = ReadyState();
  RecordingSurface s;
  diagram::P_Teta_Çiz(state, s, 0, 1, 1.05, diagram::kRed);
  EXPECT_NEAR(diagram::MachAngle(1.05) / state.DegToRad, 72.24720983805331, 1e-12);
  const std::vector<PSetCall> points = Points(s);
  ASSERT_EQ(points.size(), 201u);
  const std::size_t widest = WidestRightPoint(points, 0.0f);
  EXPECT_FLOAT_EQ(points[widest].x, 0.5580558975464193f);
  EXPECT_FLOAT_EQ(points[widest + 1].x, -0.5580558975464193f);
  // Normal-shock pressure ratio at M = 1.05: 1 + 7/6 * 0.1025.
  EXPECT_FLOAT_EQ(points[200].y, 1.1195833333333333f);
}

struct FailureCase {
  double M;
  ErrorKind kind;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << "M=" << c.M; }

class ShockPolarFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ShockPolarFailure, RaisesBeforeAnyPoint) {
  calc::CalcState state = ReadyState();
  state.PolarBeta = 0.25;  // left over from an earlier polar
  state.PolarStep = 0.125;
  RecordingSurface s;
  const FailureCase c = GetParam();
  EXPECT_EQ(KindOf([&] { diagram::P_Teta_Çiz(state, s, 0, 1, c.M, diagram::kRed); }), c.kind);
  EXPECT_TRUE(s.calls.empty());
  EXPECT_EQ(state.PolarBeta, 0.25);
  EXPECT_EQ(state.PolarStep, 0.125);
}

INSTANTIATE_TEST_SUITE_P(
    SubsonicAndSonic, ShockPolarFailure,
    ::testing::Values(FailureCase{0.5, ErrorKind::InvalidArgument},
                      FailureCase{0.0, ErrorKind::InvalidArgument},
                      FailureCase{-0.5, ErrorKind::InvalidArgument},
                      FailureCase{0.9999999, ErrorKind::InvalidArgument},
                      FailureCase{-0.9999999, ErrorKind::InvalidArgument},
                      FailureCase{1.0, ErrorKind::DivisionByZero},
                      FailureCase{-1.0, ErrorKind::DivisionByZero}));

TEST(ShockPolar, FailureKeepsWhatWasDrawn) {
  calc::CalcState state = ReadyState();
  RecordingSurface s;
  diagram::PrepareDiagram(s, kM2, kP2, kM3, kP3);
  diagram::P_Teta_Çiz(state, s, 0, 1, 3, diagram::kBlue);
  const std::vector<diagram::SurfaceCall> before = s.calls;
  EXPECT_EQ(KindOf([&] { diagram::P_Teta_Çiz(state, s, 0, 1, 1, diagram::kRed); }),
            ErrorKind::DivisionByZero);
  EXPECT_EQ(s.calls.size(), 4u + 201u);
  EXPECT_EQ(s.calls, before);
}

TEST(Marker, CircleOfSevenTenthsDegree) {
  RecordingSurface s;
  diagram::DrawMarker(s, 10, kP2, diagram::kBlue);
  diagram::DrawMarker(s, -5, kP3, diagram::kBlue);
  ASSERT_EQ(s.calls.size(), 2u);
  EXPECT_EQ(s.calls[0], diagram::SurfaceCall(CircleCall{
                            10.0f, static_cast<float>(kP2), 0.7f, diagram::kBlue}));
  EXPECT_EQ(s.calls[1], diagram::SurfaceCall(CircleCall{
                            -5.0f, static_cast<float>(kP3), 0.7f, diagram::kBlue}));
}

TEST(RecordingSurface, ReplayGivesTheSameCallsInOrder) {
  calc::CalcState state = ReadyState(3);
  RecordingSurface original;
  diagram::PrepareDiagram(original, kM2, kP2, kM3, kP3);
  diagram::P_Teta_Çiz(state, original, 0, 1, 3, diagram::kBlue);
  diagram::DrawMarker(original, 10, kP2, diagram::kBlue);
  ASSERT_EQ(original.calls.size(), 4u + 7u + 1u);

  RecordingSurface copy;
  original.ReplayOnto(copy);
  EXPECT_EQ(copy.calls, original.calls);
  EXPECT_TRUE(std::holds_alternative<ScaleCall>(copy.calls.front()));
  EXPECT_TRUE(std::holds_alternative<CircleCall>(copy.calls.back()));
}
