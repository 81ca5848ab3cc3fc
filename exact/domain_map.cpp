#include "exact/domain_map.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <limits>
#include <numbers>
#include <utility>

#include "exact/sampled_roots.h"

namespace exact {

namespace {

// Columns across the TetaA axis, evenly spaced; a line's ends and the edges of
// the triple points' range get columns of their own.
constexpr int kColumns = 120;
// Samples of the triple points' margin along one axis.
constexpr int kMarginSamples = 48;
// Halvings that place the end of the von Neumann line between two columns.
constexpr int kEndHalvings = 12;

using Range = std::pair<double, double>;  // [first, second], degrees

// The incident deflections (degrees, within [0, sonic]) at which a triple
// point has its three-shock solution; the same for A and for B, since each
// triple point depends on its own incident shock alone.
std::vector<Range> TriplePointRanges(const ShockPolar& free_stream, double sonic) {
  const auto margin = [&](double teta) { return ThreeShockMargin(free_stream, teta); };
  std::vector<double> xs;
  for (int i = 0; i <= kMarginSamples; ++i) xs.push_back(sonic * i / kMarginSamples);
  std::vector<double> cuts{0.0};
  // Roots within a rounding of the ends are the ends (a Mach wave A touches
  // the free-stream polar's tip).
  const double near = 1e-9 * sonic;
  for (const SampledRoot& root : SampledRoots(margin, xs, kAngleTolerance)) {
    if (root.x > near && root.x < sonic - near) cuts.push_back(root.x);
  }
  cuts.push_back(sonic);
  std::vector<Range> out;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    const double lo = cuts[i], hi = cuts[i + 1];
    if (!(hi > lo) || margin((lo + hi) / 2) < 0.0) continue;
    if (!out.empty() && out.back().second == lo) {
      out.back().second = hi;
    } else {
      out.push_back({lo, hi});
    }
  }
  return out;
}

struct Column {
  double TetaA = 0.0;
  std::optional<double> von_neumann;  // TetaB, degrees
  std::optional<double> detachment;   // TetaB, degrees
};

class ColumnFinder {
 public:
  ColumnFinder(const ShockPolar& free_stream, double sonic) : fs_(free_stream), sonic_(sonic) {}

  Column At(double a) const {
    Column c{a, std::nullopt, std::nullopt};
    if (a <= 0.0) {
      // A Mach wave A: the crossing stays until the flow behind B turns subsonic.
      c.detachment = sonic_;
    } else if (a >= sonic_) {
      // No region 2 to speak of: the polars touch at its point only.
      c.detachment = 0.0;
    } else {
      c.detachment = DetachmentTetaB(fs_, a);
      c.von_neumann = VonNeumannTetaB(fs_, a);
      // Where the line ends on the detachment line the two meet within a rounding.
      if (c.von_neumann && c.detachment) c.von_neumann = std::min(*c.von_neumann, *c.detachment);
    }
    return c;
  }

 private:
  const ShockPolar& fs_;
  double sonic_;
};

// Columns at the even spacing and at the given extra places, in order; where
// the von Neumann line begins or ends between two columns, a column as near
// its end as halving finds.
std::vector<Column> Columns(const ColumnFinder& finder, double sonic, std::vector<double> extra) {
  std::vector<double> at;
  for (int i = 0; i <= kColumns; ++i) at.push_back(sonic * i / kColumns);
  for (double x : extra) {
    if (x > 0.0 && x < sonic) at.push_back(x);
  }
  std::sort(at.begin(), at.end());
  at.erase(std::unique(at.begin(), at.end()), at.end());

  std::vector<Column> out;
  out.reserve(at.size() + 4);
  for (double a : at) {
    const Column c = finder.At(a);
    if (!out.empty() && out.back().von_neumann.has_value() != c.von_neumann.has_value()) {
      // Halve towards the place where the line ends, keeping the column on its side.
      Column with = out.back().von_neumann ? out.back() : c;
      Column without = out.back().von_neumann ? c : out.back();
      for (int i = 0; i < kEndHalvings; ++i) {
        const Column mid = finder.At((with.TetaA + without.TetaA) / 2);
        (mid.von_neumann ? with : without) = mid;
      }
      // Where the line ends it meets the detachment line.
      with.von_neumann = std::min(*with.von_neumann, with.detachment.value_or(sonic));
      out.push_back(with);
    }
    out.push_back(c);
  }
  std::sort(out.begin(), out.end(),
            [](const Column& x, const Column& y) { return x.TetaA < y.TetaA; });
  return out;
}

// Runs of columns where `value` is present, as polylines.
template <typename Get>
std::vector<std::vector<MapPoint>> Polylines(const std::vector<Column>& columns, Get value) {
  std::vector<std::vector<MapPoint>> out;
  bool open = false;
  for (const Column& c : columns) {
    const std::optional<double> b = value(c);
    if (!b) {
      open = false;
      continue;
    }
    if (!open) out.emplace_back();
    out.back().push_back({c.TetaA, *b});
    open = true;
  }
  return out;
}

// A band between a lower and an upper boundary over runs of columns where it
// is not empty: one polygon per run, the lower boundary left to right, the
// upper right to left.
template <typename Lower, typename Upper>
void AddBands(std::vector<MapRegion>& regions, ConfigurationKind kind,
              const std::vector<Column>& columns, Lower lower, Upper upper) {
  std::vector<MapPoint> low, high;
  const auto flush = [&] {
    if (low.size() >= 2) {
      MapRegion r{kind, low};
      r.outline.insert(r.outline.end(), high.rbegin(), high.rend());
      regions.push_back(std::move(r));
    }
    low.clear();
    high.clear();
  };
  for (const Column& c : columns) {
    const std::optional<double> lo = lower(c), hi = upper(c);
    if (!lo || !hi || !(*hi > *lo)) {
      flush();
      continue;
    }
    low.push_back({c.TetaA, *lo});
    high.push_back({c.TetaA, *hi});
  }
  flush();
}

}  // namespace

DomainMap BuildDomainMap(double M1, double gamma, std::optional<MapPoint> current) {
  if (!(M1 > 1.0)) {
    throw Error(ErrorKind::InvalidInput, "M1 = " + (std::isfinite(M1) ? FixedText(M1, 3) : std::string("not a number")) +
                                             " is not supersonic: the map needs M1 > 1");
  }
  const ShockPolar free_stream(M1, gamma);
  DomainMap map;
  map.M1 = M1;
  map.gamma = gamma;
  map.max_deflection = free_stream.MaxDeflection().theta / kDegree;
  const double sonic = free_stream.SonicDeflection() / kDegree;
  map.sonic_deflection = sonic;
  map.theta_N = SymmetricVonNeumann(free_stream);
  map.theta_D = SymmetricDetachment(free_stream);

  const std::vector<Range> triple = TriplePointRanges(free_stream, sonic);
  std::vector<double> extra;
  for (const Range& r : triple) {
    extra.push_back(r.first);
    extra.push_back(r.second);
  }
  const ColumnFinder finder(free_stream, sonic);
  const std::vector<Column> columns = Columns(finder, sonic, extra);

  map.von_neumann = Polylines(columns, [](const Column& c) { return c.von_neumann; });
  map.detachment = Polylines(columns, [](const Column& c) { return c.detachment; });

  const double m = map.max_deflection;
  map.regions.push_back({ConfigurationKind::None, {{0, 0}, {m, 0}, {m, m}, {0, m}}});
  // Regular below the von Neumann line, or below the detachment line where
  // there is no von Neumann condition.
  {
    MapRegion regular{ConfigurationKind::Regular, {{0.0, 0.0}, {sonic, 0.0}}};
    for (auto c = columns.rbegin(); c != columns.rend(); ++c) {
      regular.outline.push_back(
          {c->TetaA, c->von_neumann.value_or(c->detachment.value_or(sonic))});
    }
    map.regions.push_back(std::move(regular));
  }
  AddBands(map.regions, ConfigurationKind::Dual, columns,
           [](const Column& c) { return c.von_neumann; },
           [&](const Column& c) -> std::optional<double> {
             if (!c.von_neumann) return std::nullopt;
             return c.detachment.value_or(sonic);
           });
  // Mach beyond the detachment line, where both triple points have their solution.
  for (const Range& along_a : triple) {
    for (const Range& along_b : triple) {
      const auto inside_a = [&](const Column& c) {
        return c.TetaA >= along_a.first && c.TetaA <= along_a.second;
      };
      AddBands(
          map.regions, ConfigurationKind::Mach, columns,
          [&](const Column& c) -> std::optional<double> {
            if (!inside_a(c) || !c.detachment) return std::nullopt;
            return std::max(*c.detachment, along_b.first);
          },
          [&](const Column& c) -> std::optional<double> {
            if (!inside_a(c)) return std::nullopt;
            return along_b.second;
          });
    }
  }

  MarkInputs(map, current);
  return map;
}

void MarkInputs(DomainMap& map, std::optional<MapPoint> current) {
  const double m = map.max_deflection;
  map.current.reset();
  map.current_kind = ConfigurationKind::None;
  if (current && current->TetaA >= 0.0 && current->TetaB >= 0.0 && current->TetaA <= m &&
      current->TetaB <= m) {
    map.current = current;
    map.current_kind =
        FindConfiguration(map.M1, current->TetaA, current->TetaB, map.gamma).kind;
  }
}

}  // namespace exact
