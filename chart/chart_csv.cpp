#include "chart/chart_csv.h"

#include "exact/error.h"

namespace chart {

std::string ChartCsv(const ChartData& chart) {
  std::string out = "region,branch,theta_deg,p_over_p1,beta_deg,M_behind\n";
  for (const Polar& polar : chart.polars) {
    for (const Curve* curve : {&polar.weak, &polar.strong}) {
      const std::string head =
          std::to_string(polar.region) + (curve->branch == Branch::Weak ? ",weak," : ",strong,");
      for (const CurvePoint& q : curve->points) {
        out += head + exact::NumberText(q.theta) + ',' + exact::NumberText(q.p) + ',' +
               exact::NumberText(q.beta) + ',' + exact::NumberText(q.M) + '\n';
      }
    }
  }
  return out;
}

}  // namespace chart
