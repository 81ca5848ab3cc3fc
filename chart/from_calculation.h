#pragma once

#include "calc/form1_procedures.h"
#include "chart/chart_data.h"

namespace chart {

// What the chart of the last hesapla of `form` is made from: the inputs as
// read, the method, gamma and the search path from its record.
// `solution_shown` tells whether that calculation showed a slip line in rows
// 7 to 15 (it did not when it stopped on a failure).
ChartInputs InputsOf(const calc::Form1Procedures& form, bool solution_shown);

}  // namespace chart
