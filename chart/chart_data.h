#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/method.h"
#include "exact/shock.h"
#include "platform/surface.h"

// The pressure-deflection chart of one calculation as plain numbers: the shock
// polars of regions 1, 2 and 3, their limits, the states and solutions, the
// path of the slip-line search and the view that shows them all. The chart
// window, its export and the command line only draw these.
//
// Units throughout: flow directions (theta) in degrees from the free stream,
// positive the way shock A turns it; pressures as ratios to the free-stream
// pressure, p / p1.
namespace chart {

// A place in the chart's plane.
struct Point {
  double theta = 0.0;  // flow direction, degrees
  double p = 0.0;      // static pressure over p1
};

// One point of a polar and the shock that leads there from the polar's
// upstream state.
struct CurvePoint {
  double theta = 0.0;  // flow direction behind the shock, degrees
  double p = 0.0;      // static pressure behind the shock over p1
  double beta = 0.0;   // shock angle from the upstream flow direction, degrees
  double M = 0.0;      // Mach number behind the shock
};

enum class Branch { Weak, Strong };

// One branch of a polar as a single continuous curve, mirrored about the
// upstream direction, theta rising: the weak branch from the largest
// deflection on the lower side through the Mach wave (the upstream state) to
// the largest deflection on the upper side; the strong branch from the same
// tip through the normal shock to the other tip.
struct Curve {
  Branch branch = Branch::Weak;
  std::vector<CurvePoint> points;
};

// The shock polar of one region: every attached shock from its state.
struct Polar {
  int region = 0;               // 1, 2 or 3: the state ahead of the shocks it shows
  platform::Colour colour = 0;  // as the original diagram draws this polar
  double M = 0.0;               // Mach number of that state
  double gamma = exact::kGammaAir;
  Point upstream;               // the state itself: its direction and pressure
  Curve weak;
  Curve strong;
  std::array<Point, 2> largest_deflection;  // tips, lower and upper side
  std::array<Point, 2> sonic;               // weak shocks behind which M = 1, both sides
};

// What a labelled mark stands for; the window picks its shape by it. Other
// kinds of points (triple points, say) come as `Other` with their own label.
enum class MarkKind { RegionState, MethodSolution, ExactSolution, Other };

struct Mark {
  MarkKind kind = MarkKind::Other;
  Point at;
  platform::Colour colour = 0;
  std::string label;  // shown beside the mark: "Exact: Fi = 4.98°, p/p1 = 2.840"
};

// One step of the slip-line search: the direction tried and the pressures
// behind shocks C (on the polar of region 2) and D (on that of region 3).
struct SearchMark {
  int number = 0;      // 1 for the first step
  double theta = 0.0;  // slip-line direction tried, degrees
  double p4 = 0.0;     // over p1
  double p5 = 0.0;     // over p1
};

struct Range {
  double lo = 0.0;
  double hi = 0.0;
};
struct View {
  Range theta;  // degrees
  Range p;      // p / p1
};

struct ChartData {
  std::string title;  // the inputs and the method, in a line
  std::vector<Polar> polars;           // in region order; a region without a polar is left out
  std::vector<Mark> marks;             // region states, solutions, and whatever is added later
  std::vector<SearchMark> search_path; // in the order the search made them
  std::optional<Point> exact_solution; // the regular solution, whichever method ran
  std::string no_exact_reason;         // when there is none: why, in a sentence
  std::vector<std::string> notes;      // what could not be drawn, and why
  View fit;                            // shows every curve and mark (not the search path)
};

// The solution the window shows in its rows 7 to 15.
struct ShownSolution {
  double Fi = 0.0;  // slip-line direction, degrees
  double p4 = 0.0;  // pressures of regions 4 and 5, unit of p1
  double p5 = 0.0;
};

// One step of the search as the calculation record keeps it.
struct SearchStep {
  double Fi = 0.0;  // degrees
  double p4 = 0.0;  // unit of p1
  double p5 = 0.0;
};

// Everything the chart is made from, as typed and as found.
struct ChartInputs {
  double M1 = 3.0;
  double p1 = 1.0;     // any unit; pressures of the search and the solution are in it
  double TetaA = 10.0; // degrees
  double TetaB = 5.0;  // degrees, turning the other way
  double gamma = exact::kGammaAir;
  calc::Method method = calc::Method::Iterasyon;
  std::vector<SearchStep> search_path;
  std::optional<ShownSolution> shown;  // none when the calculation stopped before showing one
  int points_per_branch = 100;         // shock angles per side of each branch (at least 2)
};

// The whole chart. Never throws for any numbers: what cannot be drawn (a
// subsonic region, a detached shock, a non-finite input) is left out and told
// in `notes`; the exact solution is solved here, and when there is none its
// reason is kept. Curves, solutions and limits come from the closed-form
// relations for the given gamma.
ChartData MakeChart(const ChartInputs& inputs);

// The view that shows every curve and mark of `chart`: theta with a margin of
// 4 % of its span on each side, p / p1 from 0 to 5 % above the highest point.
View FitView(const ChartData& chart);

}  // namespace chart
