// The domain map agrees with the configuration found point by point, and its
// lines with the criteria they stand for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "exact/criteria.h"
#include "exact/domain_map.h"

namespace {

using exact::MapPoint;

bool Inside(const std::vector<MapPoint>& polygon, MapPoint q) {
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const MapPoint a = polygon[i], b = polygon[j];
    if ((a.TetaB > q.TetaB) != (b.TetaB > q.TetaB) &&
        q.TetaA < (b.TetaA - a.TetaA) * (q.TetaB - a.TetaB) / (b.TetaB - a.TetaB) + a.TetaA) {
      in = !in;
    }
  }
  return in;
}

double DistanceToSegment(MapPoint q, MapPoint a, MapPoint b) {
  const double dx = b.TetaA - a.TetaA, dy = b.TetaB - a.TetaB;
  const double length2 = dx * dx + dy * dy;
  const double t =
      length2 > 0 ? std::clamp(((q.TetaA - a.TetaA) * dx + (q.TetaB - a.TetaB) * dy) / length2, 0.0, 1.0)
                  : 0.0;
  return std::hypot(q.TetaA - a.TetaA - t * dx, q.TetaB - a.TetaB - t * dy);
}

// Distance from q to the nearest edge of any region but the square beneath.
double DistanceToEdges(const exact::DomainMap& map, MapPoint q) {
  double d = std::numeric_limits<double>::infinity();
  for (std::size_t r = 1; r < map.regions.size(); ++r) {
    const std::vector<MapPoint>& o = map.regions[r].outline;
    for (std::size_t i = 0, j = o.size() - 1; i < o.size(); j = i++) {
      d = std::min(d, DistanceToSegment(q, o[j], o[i]));
    }
  }
  return d;
}

// The kind the map shows at q: the last region painted over it.
exact::ConfigurationKind Shown(const exact::DomainMap& map, MapPoint q) {
  exact::ConfigurationKind kind = exact::ConfigurationKind::None;
  for (const exact::MapRegion& r : map.regions) {
    if (Inside(r.outline, q)) kind = r.kind;
  }
  return kind;
}

}  // namespace

TEST(DomainMap, RegionsAgreeWithTheConfigurationAtEachPoint) {
  for (const double M1 : {1.8, 3.0, 5.0}) {
    const exact::DomainMap map = exact::BuildDomainMap(M1, 1.4, MapPoint{10.0, 5.0});
    int checked = 0;
    for (int i = 1; i < 12; ++i) {
      for (int j = 1; j < 12; ++j) {
        const MapPoint q{map.max_deflection * i / 12, map.max_deflection * j / 12};
        if (DistanceToEdges(map, q) < 0.2) continue;
        ++checked;
        EXPECT_EQ(exact::KindName(Shown(map, q)),
                  exact::KindName(exact::FindConfiguration(M1, q.TetaA, q.TetaB).kind))
            << "M1 = " << M1 << ", TetaA = " << q.TetaA << ", TetaB = " << q.TetaB;
      }
    }
    EXPECT_GT(checked, 80);
    ASSERT_TRUE(map.current.has_value());
    EXPECT_EQ(map.current_kind, exact::ConfigurationKind::Regular);
  }
}

TEST(DomainMap, LinesAreTheCriteriaAndMirrorAboutTheDiagonal) {
  const exact::DomainMap map = exact::BuildDomainMap(4.0);
  const exact::ShockPolar free_stream(4.0);
  ASSERT_EQ(map.von_neumann.size(), 1u);
  ASSERT_EQ(map.detachment.size(), 1u);
  for (std::size_t k = 5; k < map.von_neumann[0].size(); k += 17) {
    const MapPoint q = map.von_neumann[0][k];
    // The same condition with the roles of A and B exchanged.
    const std::optional<double> mirrored = exact::VonNeumannTetaB(free_stream, q.TetaB);
    ASSERT_TRUE(mirrored.has_value()) << q.TetaA << " " << q.TetaB;
    EXPECT_NEAR(*mirrored, q.TetaA, 1e-7);
  }
  for (std::size_t k = 5; k + 5 < map.detachment[0].size(); k += 17) {
    const MapPoint q = map.detachment[0][k];
    const std::optional<double> mirrored = exact::DetachmentTetaB(free_stream, q.TetaB);
    ASSERT_TRUE(mirrored.has_value()) << q.TetaA << " " << q.TetaB;
    EXPECT_NEAR(*mirrored, q.TetaA, 1e-7);
  }
  EXPECT_FALSE(exact::BuildDomainMap(2.0).theta_N.has_value());
}
