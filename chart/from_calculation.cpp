#include "chart/from_calculation.h"

namespace chart {

ChartInputs InputsOf(const calc::Form1Procedures& form, bool solution_shown) {
  const calc::CalcState& s = form.State();
  const calc::CalculationRecord& record = form.Record();
  ChartInputs in;
  in.M1 = s.M1;
  in.p1 = s.p1;
  in.TetaA = s.TetaA;
  in.TetaB = s.TetaB;
  in.gamma = record.gamma;
  in.method = record.method;
  for (const calc::SearchStep& step : record.search_path) in.search_path.push_back({step.Fi, step.p4, step.p5});
  if (solution_shown) in.shown = ShownSolution{s.Fi, s.p4, s.p5};
  return in;
}

}  // namespace chart
